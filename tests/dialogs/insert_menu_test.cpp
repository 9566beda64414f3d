// The Functions menu items of the insert commands.

#include "dialogs/insert_menu.h"

#include <gtest/gtest.h>

#include <QMenu>

#include "commands/insert_menu_items.h"
#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

// A context that only counts how often it was asked for.
class CountingContext : public CommandContext {
 public:
  Model& model() override { throw std::logic_error("not used"); }
  int document() const override { return 1; }
  CommandQuestions& questions() override { throw std::logic_error("not used"); }
  void setBoxIcon(int, int, const std::string&) override {}
  void armArrowTool() override {}
  void showSubroutinesMenu() override {}
};

QAction* FindItem(QMenu& menu, const QString& object) {
  return menu.findChild<QAction*>(object);
}

TEST(InsertMenu, ItemsStandUnderTheirSubmenusWithTheirCaptions) {
  testing_support::EnsureGuiApplication();
  QMenu functions("Fu&nctions");
  CommandRegistry registry;
  CountingContext context;
  InstallInsertCommands(functions, registry, [&]() -> CommandContext& { return context; });

  struct Place {
    const char* object;
    std::vector<const char*> path;  // submenu captions, outermost first
    const char* caption;
  };
  for (const Place& p :
       {Place{"mnuTrigCos", {"&Trigonometric Functions"}, "&Cos"},
        Place{"mnuInputKeyboardScalar", {"&Inputs", "&Keyboard"}, "&Vector or Scalar"},
        Place{"mnuInputPause", {"&Inputs", "&User Input and Response"}, "Pause for user &Response"},
        Place{"mnuOperatorsArith", {"&Basic Operators"}, "&Arithmatic Operators ..."},
        Place{"mnuSounds", {}, "S&ound Commands..."},
        Place{"mnuMatDiff", {"&Matrix and Vector Commands"},
              "&Differential and Integral Operations .."},
        Place{"mnuSpecialCheck", {"&Special Functions"}, "Perform a &Test ..."},
        Place{"mnuFFTfft", {"&Fourier Transforms"}, "One Dimentional &FFT"},
        Place{"mnuSpecPickup", {"&Special Commands"}, "&Pick up a variable"},
        Place{"mnuOutputPlot", {"&Output"}, "Matlab &Plot"},
        Place{"mnuOperatorsFunc", {"&Basic Operators"}, "&Function (and Single-Cell Manipulation)"},
        Place{"mnuSpecMatlab", {"&Special Commands"}, "&Matlab Command"},
        Place{"mnuCondIf", {"&Branching Functions"}, "&Condition (If ...)"},
        Place{"mnuLoopFor", {"&Loop Functions"}, "&For"},
        Place{"mnuLoopWhile", {"&Loop Functions"}, "&While"},
        Place{"mnuSpecSubInsert", {"&Special Commands", "&Subroutines"}, "&Insert Subroutine"},
        Place{"mnuSpecSubStart", {"&Special Commands", "&Subroutines"}, "&Start a Subroutine"},
        Place{"mnuSpecSubEnd", {"&Special Commands", "&Subroutines"}, "&End a Subroutine"}}) {
    QAction* item = FindItem(functions, p.object);
    ASSERT_NE(item, nullptr) << p.object;
    EXPECT_EQ(item->text(), p.caption);
    // Walk up the submenus the item stands in.
    std::vector<QString> path;
    for (QObject* menu = item->parent(); menu != &functions; menu = menu->parent()) {
      auto* m = qobject_cast<QMenu*>(menu);
      ASSERT_NE(m, nullptr) << p.object;
      path.insert(path.begin(), m->title());
    }
    ASSERT_EQ(path.size(), p.path.size()) << p.object;
    for (std::size_t i = 0; i < path.size(); ++i) EXPECT_EQ(path[i], p.path[i]) << p.object;
  }
  for (const InsertMenuItem& item : InsertMenuItems()) {
    QAction* action = FindItem(functions, QString::fromUtf8(item.object.data(),
                                                           static_cast<qsizetype>(item.object.size())));
    ASSERT_NE(action, nullptr) << item.object;
    EXPECT_EQ(action->text().toStdString(), item.caption);
  }
}

TEST(InsertMenu, AnItemRunsItsCommandOnTheCurrentContext) {
  testing_support::EnsureGuiApplication();
  QMenu functions("Fu&nctions");
  CommandRegistry registry;
  std::vector<std::string> ran;
  for (const InsertMenuItem& item : InsertMenuItems())
    registry.add(std::string(item.handler),
                 [&ran, h = std::string(item.handler)](CommandContext&) { ran.push_back(h); });
  CountingContext context;
  int asked = 0;
  InstallInsertCommands(functions, registry, [&]() -> CommandContext& {
    ++asked;
    return context;
  });
  EXPECT_EQ(asked, 0) << "the context is taken when an item is chosen";
  FindItem(functions, "mnuSpecialBessel")->trigger();
  FindItem(functions, "mnuInputKeyboardMatrix")->trigger();
  EXPECT_EQ(ran, (std::vector<std::string>{"mnuSpecialBessel_Click", "mnuInputKeyboardMatrix_Click"}));
  EXPECT_EQ(asked, 2);
}

TEST(InsertMenu, ExistingSubmenusAreReused) {
  testing_support::EnsureGuiApplication();
  QMenu functions("Fu&nctions");
  QMenu& loops = SubmenuOf(functions, "mnuLoop", "&Loop Functions");
  loops.addAction("&For Loop")->setObjectName("mnuLoopFor");
  CommandRegistry registry;
  CountingContext context;
  InstallInsertCommands(functions, registry, [&]() -> CommandContext& { return context; });
  EXPECT_EQ(&SubmenuOf(functions, "mnuLoop", "ignored"), &loops);
  EXPECT_EQ(FindItem(functions, "mnuLoopNext")->parent(), &loops);
  int loopMenus = 0;
  for (QAction* a : functions.actions())
    if (a->menu() && a->menu()->objectName() == "mnuLoop") ++loopMenus;
  EXPECT_EQ(loopMenus, 1);
}

// The Subroutine tool pops this submenu up by its object name.
TEST(InsertMenu, TheSubroutinesSubmenuIsNamedForThePopUp) {
  testing_support::EnsureGuiApplication();
  QMenu functions("Fu&nctions");
  CommandRegistry registry;
  CountingContext context;
  InstallInsertCommands(functions, registry, [&]() -> CommandContext& { return context; });
  auto* sub = functions.findChild<QMenu*>("mnuSpecSub");
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(sub->title(), "&Subroutines");
  ASSERT_EQ(sub->actions().size(), 3);
  EXPECT_EQ(sub->actions()[0]->objectName(), "mnuSpecSubInsert");
  EXPECT_EQ(sub->actions()[1]->objectName(), "mnuSpecSubStart");
  EXPECT_EQ(sub->actions()[2]->objectName(), "mnuSpecSubEnd");
  EXPECT_EQ(qobject_cast<QMenu*>(sub->parent())->objectName(), "mnuSpec");
}

}  // namespace
}  // namespace quorvin
