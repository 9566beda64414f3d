#include "platform/qt_questions.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "compiler/script_delivery.h"
#include "platform/title_bar.h"
#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

class QtQuestionsTest : public ::testing::Test {
 protected:
  void SetUp() override { testing_support::EnsureGuiApplication(); }
};

TEST(QtFileFilter, PipeSeparatedPairsBecomeQtFilters) {
  struct Case {
    std::string given;
    QString expected;
  };
  const Case cases[] = {
      {kFlowchartFilter, "Quorvin Files (*.qvn);;All Files (*)"},
      {kMFileFilter, "Mathlab Files (*.m);;All Files (*)"},
      {"Text Files (*.txt)|*.txt|All Files (*.*)|*.*", "Text Files (*.txt);;All Files (*)"},
      {"Pictures|*.bmp;*.gif", "Pictures (*.bmp *.gif)"},
      {"Sound (*.wav;*.au)|*.wav;*.au", "Sound (*.wav *.au)"},
      {"Text (plain)|*.txt", "Text (plain) (*.txt)"},
      {"|*.m", "(*.m)"},
      {"Dangling name", ""},
      {"Empty pattern||Mfiles|*.m", "Mfiles (*.m)"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(QtFileFilter(c.given), c.expected) << c.given;
}

TEST(LookOfStyle, ButtonsAndIconOfEveryStyle) {
  using B = QMessageBox::StandardButton;
  struct Case {
    MessageStyle style;
    std::vector<B> buttons;
    B defaultButton;
    QMessageBox::Icon icon;
  };
  const Case cases[] = {
      {style::kOk, {QMessageBox::Ok}, QMessageBox::Ok, QMessageBox::NoIcon},
      {style::kExclamation, {QMessageBox::Ok}, QMessageBox::Ok, QMessageBox::Warning},
      {style::kInformation, {QMessageBox::Ok}, QMessageBox::Ok, QMessageBox::Information},
      {style::kCritical, {QMessageBox::Ok}, QMessageBox::Ok, QMessageBox::Critical},
      {style::kAbortRetryIgnore + style::kCritical,
       {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore}, QMessageBox::Abort,
       QMessageBox::Critical},
      {style::kYesNoCancel + style::kQuestion,
       {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}, QMessageBox::Yes,
       QMessageBox::Question},
      {style::kYesNo + style::kExclamation, {QMessageBox::Yes, QMessageBox::No}, QMessageBox::Yes,
       QMessageBox::Warning},
      {style::kYesNo + style::kSecondButtonDefault, {QMessageBox::Yes, QMessageBox::No},
       QMessageBox::No, QMessageBox::NoIcon},
      {style::kYesNo + style::kThirdButtonDefault, {QMessageBox::Yes, QMessageBox::No},
       QMessageBox::No, QMessageBox::NoIcon},
      {MessageButtons::OkCancel, {QMessageBox::Ok, QMessageBox::Cancel}, QMessageBox::Ok,
       QMessageBox::NoIcon},
      {MessageButtons::RetryCancel, {QMessageBox::Retry, QMessageBox::Cancel}, QMessageBox::Retry,
       QMessageBox::NoIcon},
      // Codes no style has show the plain box.
      {static_cast<MessageButtons>(7) + static_cast<MessageIcon>(80), {QMessageBox::Ok},
       QMessageBox::Ok, QMessageBox::NoIcon},
  };
  for (const Case& c : cases) {
    const MessageBoxLook look = LookOfStyle(c.style);
    EXPECT_EQ(look.buttons, c.buttons) << c.style.code();
    EXPECT_EQ(look.defaultButton, c.defaultButton) << c.style.code();
    EXPECT_EQ(look.icon, c.icon) << c.style.code();
  }
}

TEST(AnswerOfButton, EachButtonItsAnswerAndNoButtonCancels) {
  EXPECT_EQ(AnswerOfButton(QMessageBox::Ok), Answer::Ok);
  EXPECT_EQ(AnswerOfButton(QMessageBox::Cancel), Answer::Cancel);
  EXPECT_EQ(AnswerOfButton(QMessageBox::Abort), Answer::Abort);
  EXPECT_EQ(AnswerOfButton(QMessageBox::Retry), Answer::Retry);
  EXPECT_EQ(AnswerOfButton(QMessageBox::Ignore), Answer::Ignore);
  EXPECT_EQ(AnswerOfButton(QMessageBox::Yes), Answer::Yes);
  EXPECT_EQ(AnswerOfButton(QMessageBox::No), Answer::No);
  EXPECT_EQ(AnswerOfButton(QMessageBox::NoButton), Answer::Cancel);
}

TEST_F(QtQuestionsTest, MessageBoxShowsTheTextPlainUnderTheTitle) {
  const auto box = BuildMessageBox(nullptr, "Do you wish to save <b>this</b>?\r\nSecond line",
                                   style::kYesNoCancel + style::kExclamation, "");
  EXPECT_EQ(box->windowTitle(), "Quorvin");
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
  EXPECT_EQ(box->text(), "Do you wish to save <b>this</b>?\nSecond line");
  EXPECT_EQ(box->icon(), QMessageBox::Warning);
  EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));

  const auto titled = BuildMessageBox(nullptr, "x", style::kOk, "Matlab");
  EXPECT_EQ(titled->windowTitle(), "Matlab");
  EXPECT_EQ(titled->standardButtons(), QMessageBox::Ok);
}

// A window manager cuts a title the window is too narrow for ("Done !"
// under "..."), so a short message still makes its box as wide as the title.
TEST_F(QtQuestionsTest, MessageBoxIsWideEnoughForItsTitle) {
  for (const char* title : {"", "Quorvin: a title longer than the text of its box"}) {
    const auto box = BuildMessageBox(nullptr, "Done !", style::kInformation, title);
    box->show();
    EXPECT_GE(box->width(), TitleBarWidth(*box)) << title;
  }
}

TEST_F(QtQuestionsTest, PressedButtonIsTheAnswer) {
  const auto box = BuildMessageBox(nullptr, "Retry?", style::kAbortRetryIgnore, "");
  box->show();
  box->button(QMessageBox::Retry)->click();
  EXPECT_EQ(AnswerOfButton(box->standardButton(box->clickedButton())), Answer::Retry);
}

TEST_F(QtQuestionsTest, InputBoxGivesTheTextOnOkAndNothingOnCancel) {
  InputBox ok(nullptr, "Enter <a value>:", "", "12");
  EXPECT_EQ(ok.windowTitle(), "Quorvin");
  EXPECT_EQ(ok.lblPrompt->text(), "Enter <a value>:");
  EXPECT_EQ(ok.lblPrompt->textFormat(), Qt::PlainText);
  EXPECT_EQ(ok.txtAnswer->text(), "12");
  ok.show();
  ok.txtAnswer->setFocus();
  QTest::keyClicks(ok.txtAnswer, "34");  // typing replaces the selected default
  ok.cmdOK->click();
  EXPECT_EQ(ok.answer(), "34");

  InputBox cancelled(nullptr, "Prompt", "Title", "default");
  EXPECT_EQ(cancelled.windowTitle(), "Title");
  cancelled.cmdCancel->click();
  EXPECT_EQ(cancelled.answer(), "");
}

TEST_F(QtQuestionsTest, FileDialogsTakeTheFilterAndTheirMode) {
  const auto open = BuildOpenDialog(nullptr, kFlowchartFilter, QDir::tempPath());
  EXPECT_EQ(open->acceptMode(), QFileDialog::AcceptOpen);
  EXPECT_EQ(open->fileMode(), QFileDialog::ExistingFile);
  EXPECT_EQ(open->nameFilters(), (QStringList{"Quorvin Files (*.qvn)", "All Files (*)"}));
  const auto save = BuildSaveDialog(nullptr, kMFileFilter, "");
  EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_EQ(save->nameFilters(), (QStringList{"Mathlab Files (*.m)", "All Files (*)"}));
}

TEST_F(QtQuestionsTest, CancelledFileDialogAnswersNothing) {
  const auto open = BuildOpenDialog(nullptr, kFlowchartFilter, QDir::tempPath());
  static_cast<QDialog&>(*open).reject();
  EXPECT_EQ(ChosenFile(*open), std::nullopt);
}

// Save As presets the name it is given and no other: the program's questions
// serve every document, so a name remembered from one document's save was
// offered for the next untitled one's, and Enter there replaced that file.
TEST_F(QtQuestionsTest, SaveAsPresetsOnlyTheNameItIsGiven) {
  QTemporaryDir dir;
  const QString root = QDir(dir.path()).canonicalPath();
  QtQuestions questions(nullptr);

  auto first = questions.saveDialog(kFlowchartFilter, (root + "/given.qvn").toStdString());
  EXPECT_EQ(first->selectedFiles().value(0), root + "/given.qvn");
  first->selectFile(root + "/chosen.qvn");
  static_cast<QDialog&>(*first).accept();  // as the Save button does
  EXPECT_EQ(questions.takeAnswer(*first), (root + "/chosen.qvn").toStdString());

  auto next = questions.saveDialog(kFlowchartFilter, "");
  EXPECT_NE(next->selectedFiles().value(0), root + "/chosen.qvn");
  EXPECT_EQ(QDir(next->directory()).canonicalPath(), root) << "it opens where the last file went";
}

// A name typed without an extension takes the chosen filter's, so that the
// Open dialog's filter shows the saved file again.
TEST_F(QtQuestionsTest, SaveAsGivesATypedNameTheFiltersExtension) {
  QTemporaryDir dir;
  const QString root = QDir(dir.path()).canonicalPath();
  struct Case {
    const std::string* filter;
    QString typed, chosenFilter, saved;
  };
  const Case cases[] = {
      {&kFlowchartFilter, "first", "", "first.qvn"},
      {&kMFileFilter, "script", "", "script.m"},
      {&kFlowchartFilter, "chart.old", "", "chart.old"},
      {&kFlowchartFilter, "first", "All Files (*)", "first"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    QtQuestions questions(nullptr);
    auto dialog = questions.saveDialog(*c.filter, "");
    if (!c.chosenFilter.isEmpty()) {
      dialog->selectNameFilter(c.chosenFilter);
      emit dialog->filterSelected(c.chosenFilter);  // as the filter box does when chosen
    }
    dialog->selectFile(root + "/" + c.typed);
    static_cast<QDialog&>(*dialog).accept();
    EXPECT_EQ(questions.takeAnswer(*dialog), (root + "/" + c.saved).toStdString());
  }
}

// Saves ask before they replace a file; naming the current toolbox, whose
// file is only read, does not.
TEST_F(QtQuestionsTest, OnlyADialogThatWritesAsksToReplaceAFile) {
  QtQuestions questions(nullptr);
  EXPECT_FALSE(questions.saveDialog(kFlowchartFilter, "")->testOption(
      QFileDialog::DontConfirmOverwrite));
  const auto naming = questions.nameDialog(kFlowchartFilter, "");
  EXPECT_TRUE(naming->testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(naming->acceptMode(), QFileDialog::AcceptSave);
}

TEST(SuffixOfFilter, TheFirstPatternsExtension) {
  EXPECT_EQ(SuffixOfFilter("Quorvin Files (*.qvn)"), "qvn");
  EXPECT_EQ(SuffixOfFilter("Toolbox (*.tlb *.txt)"), "tlb");
  EXPECT_EQ(SuffixOfFilter("All Files (*)"), "");
  EXPECT_EQ(SuffixOfFilter("Odd (*.q?n)"), "");
  EXPECT_EQ(SuffixOfFilter(""), "");
}

TEST(TitleBarWidth, GrowsWithTheTitleAndLeavesRoomForTheBarsButtons) {
  testing_support::EnsureGuiApplication();
  QWidget window;
  window.setWindowTitle("Logic Operators");
  const int logic = TitleBarWidth(window);
  QFont bold = window.font();
  bold.setBold(true);
  EXPECT_GT(logic, QFontMetrics(bold).horizontalAdvance("Logic Operators") + 60);
  window.setWindowTitle("Numerical Solution & Integration");
  EXPECT_GT(TitleBarWidth(window), logic);
}


// Where a file dialog opens, and a folder, as texts a failure can show.
std::string Where(const std::unique_ptr<QFileDialog>& dialog) {
  return dialog->directory().path().toStdString();
}
std::string Path(const QString& folder) { return folder.toStdString(); }

// Every window's file dialogs open in the directory the program was started
// from until a file is chosen in one of them, then in that file's folder,
// whichever window asks next and whether it opens or saves; a folder that has
// gone since leaves them where the program was started.
TEST_F(QtQuestionsTest, FileDialogsOpenWhereTheLastFileWasChosen) {
  QTemporaryDir dir;
  const QString root = QDir(dir.path()).canonicalPath();
  ASSERT_TRUE(QDir(root).mkpath("started") && QDir(root).mkpath("charts"));
  FileDialogPlace place(root + "/started");
  QtQuestions frame(nullptr, &place);
  QtQuestions window(nullptr, &place);
  EXPECT_EQ(Where(frame.openDialog(kFlowchartFilter)), Path(root + "/started"));
  EXPECT_EQ(Where(window.saveDialog(kMFileFilter, "")), Path(root + "/started"));

  QFile chart(root + "/charts/a.qvn");
  ASSERT_TRUE(chart.open(QIODevice::WriteOnly));
  chart.close();
  auto open = frame.openDialog(kFlowchartFilter);
  open->selectFile(root + "/charts/a.qvn");
  static_cast<QDialog&>(*open).accept();
  ASSERT_EQ(frame.takeAnswer(*open), (root + "/charts/a.qvn").toStdString());
  EXPECT_EQ(Where(window.saveDialog(kMFileFilter, "")), Path(root + "/charts"));
  EXPECT_EQ(Where(window.openDialog(kFlowchartFilter)), Path(root + "/charts"));
  EXPECT_EQ(Where(frame.saveDialog(kFlowchartFilter, "")), Path(root + "/charts"));

  ASSERT_TRUE(QDir(root + "/charts").removeRecursively());
  EXPECT_EQ(Where(window.openDialog(kFlowchartFilter)), Path(root + "/started"));
}

}  // namespace
}  // namespace quorvin
