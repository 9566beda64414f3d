#include "app/guided_tour.h"

#include <gtest/gtest.h>

namespace quorvin {
namespace {

// A document window's panel and menu item, as the tour leaves them.
struct FakeWindow {
  bool shown = false;
  bool checked = false;
  std::string text;
  TourPanel panel() {
    return {[this](const std::string& t) { shown = true, text = t; }, [this] { shown = false; },
            [this](bool c) { checked = c; }};
  }
};

TEST(GuidedTour, TheTextsAreTheTourWordForWord) {
  const auto texts = TourTexts();
  ASSERT_EQ(texts.size(), 10u);
  EXPECT_EQ(kTourWelcome, "Welcome to the Quorvin Guided Tour.\r\n\r\nPlease press this panel to continue.");
  EXPECT_EQ(texts[0],
            "Quorvin is the easy and visual way to write Matlab script.\r\n\r\n"
            "Please press this panel to continue.");
  EXPECT_EQ(texts[1],
            "Quorvin works by placing boxs, each of which are commands. For example, let's plot "
            "a linear vector.\r\n\r\nWhen you want to continue to the next step in this demo, "
            "please press this panel to continue.");
  EXPECT_EQ(texts[4],
            "If you want to turn this simple algorithm into Matlab Script, simply select the "
            "Execute option, and the ask the program to execute into the clipboard.");
  // The tour's ways to information and to many arrows are the program's: a
  // middle click on a box, and the Arrow button or Functions > Multiple
  // Arrows (no key of the keyboard arms it).
  EXPECT_EQ(texts[6],
            "Quorvin has many shortcuts and information options. For example, a middle click on "
            "a box will give you all the information about this box.");
  EXPECT_EQ(texts[7],
            "If you want to connect many arrows, click on the Arrow button at the bottom or "
            "choose Multiple Arrows in the Functions menu. This will tell the program to start "
            "(or end) an arrow whenever you click once on a box.");
  EXPECT_EQ(texts[8],
            "Of course, there is the toolbox (which you can reorgenise for your own needs), you "
            "can define Subroutines, and much more ...");
  EXPECT_EQ(texts[9],
            "I hope you enjoyed this short tour, and I hope that you will enjoy Quorvin in the "
            "future");
  EXPECT_NE(texts[2].find("'Matrix ans vector commands'"), std::string::npos);
  // Texts 0 and 1 hold an empty line, 2 and 3 one line break, the rest none.
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const bool paragraph = texts[i].find("\r\n\r\n") != std::string::npos;
    const bool lineBreak = texts[i].find("\r\n") != std::string::npos;
    EXPECT_EQ(paragraph, i < 2) << i;
    EXPECT_EQ(lineBreak, i < 4) << i;
  }
}

TEST(GuidedTour, ElevenClicksShowTheTextsThenEndTheTour) {
  GuidedTour tour;
  FakeWindow window;
  tour.mnuHelpTour_Click(false, window.panel());
  EXPECT_TRUE(window.shown);
  EXPECT_TRUE(window.checked);
  EXPECT_EQ(window.text, kTourWelcome);
  for (int i = 0; i < 10; ++i) {
    tour.pnlTour_Click(window.panel());
    EXPECT_EQ(window.text, TourTexts()[static_cast<std::size_t>(i)]) << i;
    EXPECT_TRUE(window.shown);
  }
  tour.pnlTour_Click(window.panel());
  EXPECT_FALSE(window.shown);
  EXPECT_FALSE(window.checked);
  EXPECT_EQ(tour.tourStep(), 11);
}

TEST(GuidedTour, OffAndOnAgainStartsOverAndTheCountIsShared) {
  GuidedTour tour;
  FakeWindow first, second;
  tour.mnuHelpTour_Click(false, first.panel());
  tour.pnlTour_Click(first.panel());
  tour.pnlTour_Click(first.panel());
  tour.mnuHelpTour_Click(true, first.panel());
  EXPECT_FALSE(first.shown);
  EXPECT_FALSE(first.checked);
  EXPECT_EQ(tour.tourStep(), 2);  // the count stays
  tour.mnuHelpTour_Click(false, second.panel());
  EXPECT_EQ(second.text, kTourWelcome);
  tour.pnlTour_Click(second.panel());
  EXPECT_EQ(second.text, TourTexts()[0]);
  // A panel left open elsewhere goes on with the shared count.
  first.shown = true;
  tour.pnlTour_Click(first.panel());
  EXPECT_EQ(first.text, TourTexts()[1]);
}

TEST(GuidedTour, EndlessClicksOnAnOpenPanelNeitherOverflowNorShowText) {
  GuidedTour tour;
  FakeWindow window;
  tour.mnuHelpTour_Click(false, window.panel());
  for (int i = 0; i < 40000; ++i) tour.pnlTour_Click(window.panel());
  EXPECT_GT(tour.tourStep(), 10);
  EXPECT_FALSE(window.shown);
}

}  // namespace
}  // namespace quorvin
