#include "app/directory_picker.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

// Every test browses inside its own temporary tree, opening there, and puts
// the process's current directory back afterwards.
class DirectoryPickerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::EnsureGuiApplication();
    saved_ = QDir::currentPath();
    root_ = QDir(tree_.path()).canonicalPath();
    for (const char* d : {"upper", "lower", "other", "plain"}) QDir(root_).mkdir(d);
    touch("upper/QUORVIN.INI");
    touch("lower/quorvin.ini");
    touch("other/QUORVIN.INI");
    touch("other/a.ini");  // listed first
    QDir::setCurrent(root_);
  }
  void TearDown() override { QDir::setCurrent(saved_); }
  void touch(const QString& name) {
    QFile f(root_ + "/" + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }

  QTemporaryDir tree_;
  QString root_;
  QString saved_;
};

TEST_F(DirectoryPickerTest, OkAtOnceAnswersTheDirectoryCurrentAtOpening) {
  DirectoryPicker picker;
  EXPECT_EQ(picker.objectName(), "frmDirectory");
  EXPECT_EQ(picker.windowTitle(), "Quorvin");
  EXPECT_EQ(picker.lblTop->title(), kProgramDirectoryPrompt);
  EXPECT_TRUE(picker.director->isHidden());
  EXPECT_EQ(picker.director->text(), root_);
  picker.cmdOK->click();
  EXPECT_EQ(picker.result(), QDialog::Accepted);
  EXPECT_EQ(picker.director->text(), root_);
}

// The picker browses on its own: the process's current directory, which
// relative file names go by, stays where it was.
TEST_F(DirectoryPickerTest, BrowsingMovesTheAnswerButNotTheCurrentDirectory) {
  DirectoryPicker picker;
  picker.lblTop->setTitle("Please locate the Matlab directory");
  picker.show();
  picker.Dir1_Change(root_ + "/plain");
  EXPECT_EQ(QDir::currentPath(), root_);
  EXPECT_EQ(picker.director->text(), root_ + "/plain");
  EXPECT_EQ(picker.path->text(), root_ + "/plain");
  EXPECT_EQ(picker.Dir1->item(0)->text(), "..");
  EXPECT_EQ(picker.Dir1->count(), 1);                // plain holds no directory
  picker.Dir1->itemActivated(picker.Dir1->item(0));  // up again
  EXPECT_EQ(picker.director->text(), root_);
  EXPECT_EQ(picker.Dir1->count(), 5);  // .., lower, other, plain, upper
  // A directory that cannot be entered changes nothing: one that is gone, a file.
  picker.Dir1_Change(root_ + "/gone");
  EXPECT_EQ(picker.director->text(), root_);
  picker.Dir1_Change(root_ + "/upper/QUORVIN.INI");
  EXPECT_EQ(picker.director->text(), root_);
  // A way in through a link is shown as the directory it leads to.
  ASSERT_TRUE(QFile::link(root_ + "/plain", root_ + "/via-link"));
  picker.Dir1_Change(root_ + "/via-link");
  EXPECT_EQ(picker.director->text(), root_ + "/plain");
  EXPECT_EQ(QDir::currentPath(), root_);
  // With the Matlab prompt the settings file never ends the choice.
  picker.Dir1_Change(root_ + "/upper");
  EXPECT_FALSE(picker.isHidden());
  // Closing the window answers the directory last shown.
  QCloseEvent close;
  QCoreApplication::sendEvent(&picker, &close);
  EXPECT_TRUE(picker.isHidden());
  EXPECT_EQ(picker.director->text(), root_ + "/upper");
  EXPECT_EQ(QDir::currentPath(), root_);
}

TEST_F(DirectoryPickerTest, OnlyAnUpperCaseSettingsFileListedFirstEndsTheStartUpChoice) {
  struct Case {
    const char* dir;
    bool endsByItself;
  };
  for (const Case& c :
       {Case{"plain", false}, Case{"lower", false}, Case{"other", false}, Case{"upper", true}}) {
    QDir::setCurrent(root_);
    DirectoryPicker picker;
    picker.show();
    picker.Dir1_Change(root_ + "/" + c.dir);
    EXPECT_EQ(picker.isHidden(), c.endsByItself) << c.dir;
    EXPECT_EQ(picker.director->text(), root_ + "/" + c.dir);
    EXPECT_EQ(QDir::currentPath(), root_) << c.dir;
  }
}

TEST_F(DirectoryPickerTest, DrivesAreTheRootTheHomeAndMountedVolumes) {
  const QStringList drives = DirectoryPicker::Drives();
  ASSERT_GE(drives.size(), 2);
  EXPECT_EQ(drives[0], "/");
  EXPECT_EQ(drives[1], QDir::homePath());
  for (const QString& d : drives.mid(2))
    EXPECT_TRUE(d.startsWith("/media/") || d.startsWith("/mnt/") || d.startsWith("/run/media/"))
        << d.toStdString();

  // Each drive opens on the directory last shown on it.
  DirectoryPicker picker;
  EXPECT_EQ(picker.Drive1->currentText(), "/");  // the tree lies in /tmp
  picker.Dir1_Change(root_ + "/plain");
  picker.Drive1->setCurrentIndex(1);  // the home directory
  EXPECT_EQ(picker.director->text(), QDir::homePath());
  picker.Drive1->setCurrentIndex(0);
  EXPECT_EQ(picker.director->text(), root_ + "/plain");
  EXPECT_EQ(QDir::currentPath(), root_);
}

// Start Matlab opens the picker where the interpreter is installed: OK there
// answers that directory. Opening it there never ends the choice, and a
// directory that cannot be entered leaves the picker where it was.
TEST_F(DirectoryPickerTest, OpensWhereTheCallerSendsIt) {
  DirectoryPicker picker;
  picker.show();
  picker.openAt(root_ + "/upper");  // holds the settings file: still open
  EXPECT_FALSE(picker.isHidden());
  EXPECT_EQ(picker.director->text(), root_ + "/upper");
  EXPECT_EQ(picker.path->text(), root_ + "/upper");
  EXPECT_EQ(picker.Dir1->item(0)->text(), "..");
  picker.openAt(root_ + "/gone");
  EXPECT_EQ(picker.director->text(), root_ + "/upper");

  std::string prompt;
  QTimer::singleShot(0, [&] {
    if (auto* shown = dynamic_cast<DirectoryPicker*>(QApplication::activeModalWidget())) {
      prompt = shown->lblTop->title().toStdString();
      shown->cmdOK->click();
    }
  });
  EXPECT_EQ(AskForDirectory("Please locate the Matlab directory", nullptr,
                            (root_ + "/plain").toStdString()),
            (root_ + "/plain").toStdString());
  EXPECT_EQ(prompt, "Please locate the Matlab directory");
  EXPECT_EQ(QDir::currentPath(), root_);
}

}  // namespace
}  // namespace quorvin
