// The Help menu the frame and every document window build alike (the
// recent files' caption is checked with the frame's File menu).
#include "canvas/shared_menu_items.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <vector>

#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

// Each item as "name=caption"; a separator as "-" after its name.
QStringList ItemsOf(const QMenu& menu) {
  QStringList items;
  for (const QAction* item : menu.actions())
    items << item->objectName() + "=" + (item->isSeparator() ? QStringLiteral("-") : item->text());
  return items;
}

TEST(HelpMenu, FrameAndDocumentShowTheSameCommandsInTheSameOrder) {
  testing_support::EnsureGuiApplication();
  const QStringList firstThree = {"mnuHelpContents=&Contents",
                                  "mnuHelpSearch=&Search For Help On ...",
                                  "mnuHelpHowTo=&How to Use Help"};
  const struct {
    HelpMenuOf owner;
    QStringList items;
  } cases[] = {
      {HelpMenuOf::Frame,
       firstThree + QStringList{"mnus1=-", "mnuHelpAbout=About Quorvin ...",
                                "mnuHelpDisclaimer=&Disclaimer..."}},
      {HelpMenuOf::Document,
       firstThree + QStringList{"=-", "mnuHelpTour=&Guided Tour", "=-", "mnuHelpAbout=&About...",
                                "mnuHelpDisclaimer=&Disclaimer..."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.items.join(" ").toStdString());
    QMenu menu;
    std::vector<HelpCommand> chosen;
    const HelpItems items =
        AddHelpItems(menu, c.owner, [&](HelpCommand command) { chosen.push_back(command); });
    EXPECT_EQ(ItemsOf(menu), c.items);
    for (QAction* item : menu.actions())
      if (item->isEnabled()) item->trigger();
    EXPECT_EQ(chosen, (std::vector<HelpCommand>{HelpCommand::Contents, HelpCommand::Search,
                                                HelpCommand::HowToUse, HelpCommand::About,
                                                HelpCommand::Disclaimer}));
    EXPECT_EQ(items.separator, menu.actions()[3]);
    if (c.owner == HelpMenuOf::Document) {
      ASSERT_NE(items.tour, nullptr);
      EXPECT_TRUE(items.tour->isCheckable());
      EXPECT_FALSE(items.tour->isChecked());
      EXPECT_FALSE(items.tour->isEnabled()) << "until the window's tour hooks come";
      items.tour->setEnabled(true);
      items.tour->trigger();
      EXPECT_EQ(chosen.size(), 5u) << "the tour is its window's own";
    } else {
      EXPECT_EQ(items.tour, nullptr);
    }
  }
}

}  // namespace
}  // namespace quorvin
