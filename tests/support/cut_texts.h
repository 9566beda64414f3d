#pragma once
// The texts a window cuts at its size: each caption, title, label or list
// entry whose font metrics ask for more room than its widget has, and the
// window's own title when the window is narrower than a title bar needs for
// it. A test shows the window at its own size and expects none.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <functional>
#include <string>
#include <vector>

namespace quorvin::testing_support {

inline std::string Describe(const QWidget& w, const QString& text, int needs, int has) {
  return (w.objectName() + ": \"" + text + "\" needs " + QString::number(needs) + " px, has " +
          QString::number(has))
      .toStdString();
}

inline int TextWidth(const QWidget& w, const QString& text) {
  return QFontMetrics(w.font()).boundingRect(QRect(), Qt::TextExpandTabs, text).width();
}

// titleBarWidth: what the window's title needs (the program's own measure
// of a title bar); nullptr leaves the title out.
inline std::vector<std::string> CutTexts(const QWidget& window,
                                         const std::function<int(const QWidget&)>& titleBarWidth) {
  std::vector<std::string> cut;
  const auto check = [&cut](const QWidget& w, const QString& text, int needs, int has) {
    if (needs > has) cut.push_back(Describe(w, text, needs, has));
  };
  if (titleBarWidth)
    check(window, window.windowTitle(), titleBarWidth(window), window.width());
  for (const QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window)) continue;
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
      if (label->text().isEmpty()) continue;
      const QRect room = label->contentsRect();
      if (label->wordWrap()) {
        check(*label, label->text(), label->heightForWidth(label->width()), label->height());
      } else {
        check(*label, label->text(), TextWidth(*label, label->text()) + 2 * label->margin(),
              room.width());
      }
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
      if (button->text().isEmpty()) continue;
      if (qobject_cast<const QPushButton*>(button) != nullptr) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        check(*button, button->text(), TextWidth(*button, button->text()) + margin,
              button->width());
      } else {
        // A check box or option: indicator, gap and caption.
        check(*button, button->text(), button->sizeHint().width(), button->width());
      }
    } else if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
      if (!group->title().isEmpty())
        check(*group, group->title(), group->minimumSizeHint().width(), group->width());
    } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
      QStyleOptionComboBox option;
      option.initFrom(combo);
      option.editable = combo->isEditable();
      const int room = combo->style()
                           ->subControlRect(QStyle::CC_ComboBox, &option,
                                            QStyle::SC_ComboBoxEditField, combo)
                           .width();
      for (int i = 0; i < combo->count(); ++i)
        check(*combo, combo->itemText(i), TextWidth(*combo, combo->itemText(i)), room);
    } else if (const auto* list = qobject_cast<const QListView*>(w)) {
      // An entry's text stands a focus frame's margin and a pixel in from
      // either side of its row.
      const int margin =
          list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
      const QAbstractItemModel* entries = list->model();
      for (int i = 0; entries != nullptr && i < entries->rowCount(list->rootIndex()); ++i) {
        const QString text =
            entries->index(i, list->modelColumn(), list->rootIndex()).data().toString();
        check(*list, text, TextWidth(*list, text) + 2 * (margin + list->spacing()),
              list->viewport()->width());
      }
    }
  }
  return cut;
}

}  // namespace quorvin::testing_support
