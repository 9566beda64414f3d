#pragma once
// The frame's menu bar. The document menus "&Edit" and "&Execute" share the
// access key E. Qt hands a key that several menus share to each of them in
// turn, one press after the other, so the same Alt+E opened Edit one time
// and Execute the next, and the letter typed after it ran a command of the
// other menu (Alt+E, C copied boxes or wrote the script to the clipboard).
// Here such a key always opens the first menu that has it; the others are
// reached as ever from the menu bar (Alt, then the key again, or the arrow
// keys).

#include <QMenuBar>

namespace quorvin {

class AccessKeyMenuBar : public QMenuBar {
 public:
  using QMenuBar::QMenuBar;

 protected:
  bool event(QEvent* event) override;

 private:
  // Opens the first menu on the bar that answers to the key; false when
  // fewer than two menus share it, which Qt handles as ever.
  bool openFirstMenuOfSharedKey(const QKeySequence& key);
};

}  // namespace quorvin
