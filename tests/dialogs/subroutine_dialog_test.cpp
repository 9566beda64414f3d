#include "dialogs/subroutine_dialog.h"

#include <gtest/gtest.h>

#include <QTest>

#include "tests/dialogs/dialog_test_support.h"
#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

class SubroutineDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { testing_support::EnsureGuiApplication(); }

  testing::ModelFixture f;
  testing::ScriptedDialogs& questions = f.dialogs;
};

TEST_F(SubroutineDialogTest, ControlsAndCaptions) {
  SubroutineDialog d(f.m.table, nullptr, &questions);
  EXPECT_EQ(d.objectName(), "frmSubs");
  EXPECT_EQ(d.windowTitle(), "Current Subs");
  EXPECT_EQ(d.findChild<QComboBox*>("available_subs"), d.available_subs);
  EXPECT_EQ(d.cmdOK->objectName(), "cmdOK");
  EXPECT_EQ(d.cmdOK->text(), "OK");
  EXPECT_EQ(d.available_subs->currentText(), "");
  EXPECT_EQ(d.focusWidget(), d.available_subs);
  EXPECT_TRUE(d.listed().empty());
}

TEST_F(SubroutineDialogTest, ListsTheStartBoxesOfEveryOpenDocument) {
  testing::AddSubroutinesInTwoDocuments(f);
  SubroutineDialog d(f.m.table, nullptr, &questions);
  EXPECT_EQ(d.listed(), (std::vector<std::string>{"filter Subroutine", "smooth Subroutine"}));
  EXPECT_EQ(d.available_subs->currentText(), "") << "nothing chosen yet";
}

TEST_F(SubroutineDialogTest, OkTakesAListedStartBox) {
  testing::AddSubroutinesInTwoDocuments(f);
  SubroutineDialog d(f.m.table, nullptr, &questions);
  d.show();
  d.available_subs->setCurrentIndex(1);
  d.cmdOK->click();
  EXPECT_TRUE(d.isHidden());
  EXPECT_EQ(d.answer(), (SubroutineChoice{true, "smooth Subroutine"}));
  EXPECT_EQ(d.answer().name(), "smooth");
}

TEST_F(SubroutineDialogTest, OkDoesNothingWhileTheTextIsEmpty) {
  SubroutineDialog d(f.m.table, nullptr, &questions);
  d.show();
  d.cmdOK->click();
  EXPECT_TRUE(d.isVisible());
  EXPECT_TRUE(questions.messages.empty()) << "no message either";
  QTest::keyClicks(d.available_subs, "my filter");
  d.cmdOK->click();
  EXPECT_TRUE(d.isHidden());
  EXPECT_EQ(d.answer().text, "my filter");
  EXPECT_EQ(d.answer().name(), "my filter") << "typed text stays whole";
}

TEST_F(SubroutineDialogTest, TheTextSubroutineAloneNamesTheEmptyName) {
  SubroutineDialog d(f.m.table, nullptr, &questions);
  d.available_subs->setEditText("Subroutine");
  d.cmdOK->click();
  EXPECT_TRUE(d.answer().accepted);
  EXPECT_EQ(d.answer().name(), "");
}

TEST_F(SubroutineDialogTest, TypedNamesNoStartBoxCanCarryAreRefused) {
  const std::pair<const char*, const char*> cases[] = {
      {"End Subroutine", "A subroutine cannot be named \"End\""},
      {"Insert", "A subroutine cannot be named \"Insert\""},
      {"a~b", "A subroutine's name cannot hold \"~\""},
      {"two\nlines Subroutine", "A subroutine's name cannot hold \"~\""},
  };
  for (const auto& [typed, message] : cases) {
    questions.messages.clear();
    SubroutineDialog d(f.m.table, nullptr, &questions);
    d.show();
    d.available_subs->setEditText(QString::fromUtf8(typed));
    d.cmdOK->click();
    EXPECT_TRUE(d.isVisible()) << typed;
    EXPECT_FALSE(d.answer().accepted) << typed;
    ASSERT_EQ(questions.messages.size(), 1u) << typed;
    EXPECT_EQ(questions.messages[0].text.rfind(message, 0), 0u) << questions.messages[0].text;
    EXPECT_EQ(questions.messages[0].style, style::kExclamation);
    EXPECT_EQ(questions.messages[0].title, "Quorvin");
  }
}

TEST_F(SubroutineDialogTest, ClosedWithoutOkAnswersTheEmptyName) {
  testing::AddSubroutinesInTwoDocuments(f);
  SubroutineDialog d(f.m.table, nullptr, &questions);
  d.show();
  d.available_subs->setCurrentIndex(0);
  testing::CloseWithoutOk(d);
  EXPECT_TRUE(d.isHidden());
  EXPECT_EQ(d.answer(), SubroutineChoice{});
  EXPECT_EQ(d.answer().name(), "");
}

}  // namespace
}  // namespace quorvin
