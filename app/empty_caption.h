#pragma once
// A window whose caption is empty. Given no title at all, Qt on X11 names the
// window after the application ("Quorvin"), so that the palette and the
// scanning window would wear the frame's caption; one blank shows as the
// empty caption they have.

#include <QString>
#include <QWidget>

namespace quorvin {

inline const QString kEmptyCaption = QStringLiteral(" ");

inline void SetEmptyCaption(QWidget& window) { window.setWindowTitle(kEmptyCaption); }

}  // namespace quorvin
