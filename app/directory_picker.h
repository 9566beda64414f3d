#pragma once
// frmDirectory: a small modal window in which the user picks a directory by
// browsing "drives" (the file-system root, the home directory, mounted
// volumes) and their directories. It opens on the process's current
// directory, or where its caller sends it, and browses on its own: the current directory stays where it
// was, and the caller decides what to make of the answer, which it reads
// from `director` after the window closes.

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <string>

namespace quorvin {

inline const QString kProgramDirectoryPrompt = "Please locate the Quorvin directory";

class DirectoryPicker : public QDialog {
 public:
  explicit DirectoryPicker(QWidget* parent = nullptr);

  // The roots a Linux user knows: "/", the home directory, mounted volumes.
  static QStringList Drives();

  void Form_Load();
  // Shows dir instead, as the answer too; a directory that cannot be
  // entered leaves the picker where it was. Never ends the choice.
  void openAt(const QString& dir);
  void Drive1_Change();
  // Opens path: it becomes the directory shown and the answer. A directory
  // that cannot be entered leaves both where they were.
  void Dir1_Change(const QString& path);
  void cmdOK_Click();
  void AutoAccept();

  QGroupBox* lblTop;
  QLabel* path;  // where Dir1 stands
  QListWidget* Dir1;
  QComboBox* Drive1;
  QPushButton* cmdOK;
  QLineEdit* director;

 protected:
  // Closing the window answers the directory last shown, as OK does.
  void closeEvent(QCloseEvent* event) override;

 private:
  void fillDir1();
  // The index in Drive1 of the drive that holds dir.
  int driveOf(const QString& dir) const;
  // Selects dir's drive and remembers dir as its current directory.
  void showDrive(const QString& dir);

  QString here_;  // the directory shown
  QHash<QString, QString> lastDirOnDrive_;
};

// Shows the picker modally with prompt, opened on startDir (the current
// directory when empty); returns the chosen directory.
std::string AskForDirectory(const std::string& prompt, QWidget* parent = nullptr,
                            const std::string& startDir = {});

}  // namespace quorvin
