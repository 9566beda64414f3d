#pragma once
// The guided tour: a panel in a document window that shows a fixed sequence
// of texts, one more at each click on it. The count (tourStep) is one for
// the whole program, so the frame keeps one GuidedTour for every document
// window; each window hands in its own panel and menu item. Standard
// library only.

#include <functional>
#include <span>
#include <string>

namespace quorvin {

inline const std::string kTourWelcome =
    "Welcome to the Quorvin Guided Tour.\r\n\r\nPlease press this panel to continue.";

// The ten texts that follow the welcome, in order.
std::span<const std::string> TourTexts();

// What the tour does to one document window: its panel pnlTour and its Help
// item "&Guided Tour".
struct TourPanel {
  std::function<void(const std::string& text)> show;  // show the panel with text
  std::function<void()> hide;
  std::function<void(bool checked)> check;  // the menu item's check mark
};

class GuidedTour {
 public:
  // "&Guided Tour": starts the tour at the welcome text when the item is
  // not checked, else hides the panel (the count stays).
  void mnuHelpTour_Click(bool itemChecked, const TourPanel& panel);
  // A click on the panel: the next text, or after the last one the end of
  // the tour.
  void pnlTour_Click(const TourPanel& panel);

  int tourStep() const { return tourStep_; }

 private:
  int tourStep_ = 0;
};

}  // namespace quorvin
