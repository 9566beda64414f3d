#include "app/help_viewer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

#include "tests/app/help_page_text.h"
#include "tests/support/file_sandbox.h"
#include "tests/support/qt_application.h"
#include "tests/support/scripted_questions.h"

namespace quorvin {
namespace {

using testing::kSourcePages;  // the pages as written, in the source tree

TEST(HelpPages, EachCommandOpensItsPage) {
  EXPECT_EQ(HelpPageOf(HelpCommand::Contents), "contents.html");
  EXPECT_EQ(HelpPageOf(HelpCommand::Search), "index.html");
  EXPECT_EQ(HelpPageOf(HelpCommand::HowToUse), "using_help.html");
  EXPECT_EQ(HelpPageOf(HelpCommand::About), std::nullopt);
  EXPECT_EQ(HelpPageOf(HelpCommand::Disclaimer), std::nullopt);
  EXPECT_EQ(HelpDirectory("/opt/q"), "/opt/q/help");
  EXPECT_EQ(HelpDirectory("/opt/q/"), "/opt/q/help");
}

TEST(HelpPages, EveryLinkOfEveryPageLeadsToAPageAndItsAnchor) {
  const QDir dir(kSourcePages);
  const QStringList pages = dir.entryList({"*.html"}, QDir::Files);
  ASSERT_GE(pages.size(), 3);
  for (const char* needed : {"contents.html", "index.html", "using_help.html"})
    EXPECT_TRUE(pages.contains(needed)) << needed;
  const QRegularExpression link("href=\"([^\"#]*)(#([^\"]*))?\"");
  for (const QString& page : pages) {
    QFile file(dir.filePath(page));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    EXPECT_FALSE(html.contains("WinHelp")) << page.toStdString();
    for (auto it = link.globalMatch(html); it.hasNext();) {
      const auto match = it.next();
      const QString target = match.captured(1).isEmpty() ? page : match.captured(1);
      ASSERT_TRUE(pages.contains(target)) << page.toStdString() << " -> " << target.toStdString();
      if (match.captured(3).isEmpty()) continue;
      QFile linked(dir.filePath(target));
      ASSERT_TRUE(linked.open(QIODevice::ReadOnly));
      EXPECT_TRUE(QString::fromUtf8(linked.readAll()).contains("id=\"" + match.captured(3) + "\""))
          << page.toStdString() << " -> " << match.captured(0).toStdString();
    }
  }
}

TEST(HelpPages, TheBuildCopiesThemBesideTheProgram) {
  testing_support::EnsureGuiApplication();
  // The test program lies in the build's tests folder, the program in its app folder.
  const QDir copied(QCoreApplication::applicationDirPath() + "/../app/help");
  const QStringList pages = QDir(kSourcePages).entryList({"*.html"}, QDir::Files);
  ASSERT_FALSE(pages.isEmpty());
  EXPECT_EQ(copied.entryList({"*.html"}, QDir::Files), pages);
}

class HelpViewerTest : public ::testing::Test {
 protected:
  void SetUp() override { testing_support::EnsureGuiApplication(); }
  testing_support::ScriptedQuestions questions_;
};

TEST_F(HelpViewerTest, TheMenuCommandsOpenContentsIndexAndHowTo) {
  HelpViewer viewer(kSourcePages.toStdString(), &questions_);
  EXPECT_EQ(viewer.windowTitle(), "Quorvin Help");
  for (const auto& [command, page, heading] :
       std::vector<std::tuple<HelpCommand, QString, QString>>{
           {HelpCommand::Contents, "contents.html", "Quorvin Help"},
           {HelpCommand::Search, "index.html", "Index"},
           {HelpCommand::HowToUse, "using_help.html", "How to Use Help"}}) {
    ASSERT_TRUE(viewer.showCommand(command));
    EXPECT_EQ(viewer.browser->source().fileName(), page);
    EXPECT_EQ(viewer.browser->documentTitle(), heading);
  }
  EXPECT_TRUE(viewer.isVisible());
  EXPECT_TRUE(questions_.questions.empty());
}

TEST_F(HelpViewerTest, LinksAndBackMoveBetweenPages) {
  HelpViewer viewer(kSourcePages.toStdString(), &questions_);
  viewer.showCommand(HelpCommand::Search);
  emit viewer.browser->anchorClicked(QUrl("toolbox.html#editor"));
  EXPECT_EQ(viewer.browser->source().fileName(), "toolbox.html");
  EXPECT_EQ(viewer.browser->source().fragment(), "editor");
  EXPECT_TRUE(viewer.cmdBack->isEnabled());
  viewer.cmdBack->click();
  EXPECT_EQ(viewer.browser->source().fileName(), "index.html");
  viewer.cmdContents->click();
  EXPECT_EQ(viewer.browser->source().fileName(), "contents.html");
}

// A person who tabs to a button presses Enter there.
TEST_F(HelpViewerTest, EnterOnAFocusedButtonPressesIt) {
  HelpViewer viewer(kSourcePages.toStdString(), &questions_);
  viewer.showCommand(HelpCommand::Contents);
  QApplication::setActiveWindow(&viewer);
  viewer.cmdIndex->setFocus();
  QTest::keyClick(viewer.cmdIndex, Qt::Key_Return);
  EXPECT_EQ(viewer.browser->source().fileName(), "index.html");
  viewer.cmdBack->setFocus();
  QTest::keyClick(viewer.cmdBack, Qt::Key_Enter);
  EXPECT_EQ(viewer.browser->source().fileName(), "contents.html");
}

TEST_F(HelpViewerTest, AMissingPageIsReportedWithItsPath) {
  testing_support::ScratchFolder empty;
  HelpViewer viewer(empty / "help", &questions_);
  EXPECT_FALSE(viewer.showCommand(HelpCommand::Contents));
  ASSERT_EQ(questions_.questions.size(), 1u);
  EXPECT_EQ(questions_.questions[0], "message 48 \"Quorvin\" \"The help page " + empty / "help" +
                                         "/contents.html could not be found.\"");
  EXPECT_FALSE(viewer.isVisible());

  HelpViewer pages(kSourcePages.toStdString(), &questions_);
  pages.showCommand(HelpCommand::Contents);
  emit pages.browser->anchorClicked(QUrl("nowhere.html"));
  EXPECT_NE(questions_.questions.back().find("/nowhere.html could not be found."),
            std::string::npos);
  EXPECT_EQ(pages.browser->source().fileName(), "contents.html");
}

}  // namespace
}  // namespace quorvin
