#pragma once
// Rebuilding the m-file catalogue: frmScanning, the small window that says
// which drive is being scanned while the whole scan runs, and RescanMFiles,
// which scans, writes "mfiles.txt" and replaces the catalogue in memory.

#include <QDialog>
#include <QLabel>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "app/mfile_catalogue.h"
#include "app/mfile_scan.h"
#include "model/host.h"

namespace quorvin {

// The catalogue while the program runs, shared by every browser opening.
struct MFileTables {
  std::vector<std::string> scanDirs;  // every directory the last scan walked
  MFileCatalogue catalogue;
  bool loaded = false;  // read from the file or rebuilt by a scan in this run
};

using DriveRootsFunction = std::function<std::vector<std::string>(char letter)>;

// Where a scan looks and where the catalogue goes, taken when a scan starts.
struct ScanSettings {
  std::string appDir;
  std::string driveLetters = "abcdef";  // the live "Scan Drives" setting
  DriveRootsFunction rootsOfDrive;      // SystemDriveRoots in the program
  DirectoryLister lister = ListDirectory;
};

// The drive mapping of this machine: the interpreter's tree for
// interpreterDir (the directory Start Matlab used last, or empty), the home
// directory, the mounted user volumes in the directory picker's order.
DriveRootsFunction SystemDriveRoots(const std::string& interpreterDir);

// How long the scanning window waits for the window system to show it.
constexpr int kShowWaitMs = 2000;

class ScanningWindow : public QDialog {
 public:
  explicit ScanningWindow(QWidget* parent = nullptr);

  // Shows the window and paints it before it returns, once the window
  // system has put it on the screen.
  void showPainted();
  // Shows text in lbl at once (the scan gives the event loop no turn).
  void setStatus(const QString& text);
  // "Now scanning drive " and the letter in upper case with ":".
  void showDrive(char letter);

  QLabel* lbl;
  QStringList shownTexts;  // every text lbl showed, in order
};

// Walks every root of every drive letter, showing the drive in window.
ScanResult ScanDrives(ScanningWindow& window, const ScanSettings& settings);

// Scans the drives inside frmScanning, writes the catalogue into
// settings.appDir and makes the scan's tables the ones in memory. A
// catalogue that cannot be written is reported through dialogs; the tables
// in memory are the scan's all the same. False when the write failed.
bool RescanMFiles(QWidget* parent, MFileTables& tables, const ScanSettings& settings,
                  Dialogs& dialogs);

}  // namespace quorvin
