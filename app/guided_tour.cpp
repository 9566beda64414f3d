#include "app/guided_tour.h"

#include <array>
#include <limits>

namespace quorvin {

namespace {
const std::array<std::string, 10> kTexts = {
    "Quorvin is the easy and visual way to write Matlab script.\r\n\r\n"
    "Please press this panel to continue.",
    "Quorvin works by placing boxs, each of which are commands. For example, let's plot a "
    "linear vector.\r\n\r\n"
    "When you want to continue to the next step in this demo, please press this panel to "
    "continue.",
    "Start by generating a vector of numbers, say from 1 to 100. To do this, select the "
    "Functions menu, and from it select 'Matrix ans vector commands' and then 'Create a "
    "Linearly Spaced Vector'\r\n"
    "As you see, you can determine various parameters for the vector. After you click 'OK', "
    "you can place the vector's icon on the work area.",
    "If you want to plot the vector, from the Functions menu, select 'Output' and then "
    "'Matlab Plot'\r\n"
    "You will be shown all your options for each plot. Fill them, select OK, and return to "
    "the work area to place this icon as well.",
    "If you want to turn this simple algorithm into Matlab Script, simply select the Execute "
    "option, and the ask the program to execute into the clipboard.",
    "After the program has finished compiling, it will notify you, and now all you need to do "
    "is click 'Paste' in your Matlab screen, and the program is there !",
    "Quorvin has many shortcuts and information options. For example, a middle click on a box "
    "will give you all the information about this box.",
    "If you want to connect many arrows, click on the Arrow button at the bottom or choose "
    "Multiple Arrows in the Functions menu. This will tell the program to start (or end) an "
    "arrow whenever you click once on a box.",
    "Of course, there is the toolbox (which you can reorgenise for your own needs), you can "
    "define Subroutines, and much more ...",
    "I hope you enjoyed this short tour, and I hope that you will enjoy Quorvin in the future",
};
}  // namespace

std::span<const std::string> TourTexts() { return kTexts; }

void GuidedTour::mnuHelpTour_Click(bool itemChecked, const TourPanel& panel) {
  if (itemChecked) {
    if (panel.hide) panel.hide();
    if (panel.check) panel.check(false);
    return;
  }
  tourStep_ = 0;
  if (panel.show) panel.show(kTourWelcome);
  if (panel.check) panel.check(true);
}

void GuidedTour::pnlTour_Click(const TourPanel& panel) {
  if (tourStep_ >= 0 && tourStep_ < static_cast<int>(kTexts.size())) {
    if (panel.show) panel.show(kTexts[static_cast<std::size_t>(tourStep_)]);
  } else {
    if (panel.check) panel.check(false);
    if (panel.hide) panel.hide();
  }
  // Clicks on a panel left open never overflow the count.
  if (tourStep_ < std::numeric_limits<short>::max()) ++tourStep_;
}

}  // namespace quorvin
