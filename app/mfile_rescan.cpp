#include "app/mfile_rescan.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFont>
#include <QVBoxLayout>
#include <QWindow>
#include <cctype>

#include "app/directory_picker.h"
#include "app/empty_caption.h"
#include "app/drive_roots.h"

namespace quorvin {

DriveRootsFunction SystemDriveRoots(const std::string& interpreterDir) {
  DriveContext context;
  context.interpreterDir = interpreterDir;
  context.home = QDir::homePath().toStdString();
  // The picker lists "/" and the home directory before the volumes.
  const QStringList drives = DirectoryPicker::Drives();
  for (qsizetype i = 2; i < drives.size(); ++i) context.userVolumes.push_back(drives[i].toStdString());
  return [context](char letter) { return RootsOfDrive(letter, context); };
}

ScanningWindow::ScanningWindow(QWidget* parent)
    : QDialog(parent), lbl(new QLabel("Now scanning drive A:", this)) {
  setObjectName("frmScanning");
  SetEmptyCaption(*this);
  setModal(true);
  lbl->setObjectName("lbl");
  lbl->setFont(QFont("Arial", 12));
  lbl->setMinimumWidth(260);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lbl);
}

void ScanningWindow::showPainted() {
  show();
  raise();
  // The window system shows a window some turns of the event loop after it
  // was asked to, and the scan gives the loop no turn: the window waits for
  // that here (for the window system's events only, no person's), or it is
  // never painted and stays a blank box for the whole scan.
  QElapsedTimer waited;
  waited.start();
  while (!(windowHandle() && windowHandle()->isExposed()) && waited.elapsed() < kShowWaitMs)
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
  repaint();
}

void ScanningWindow::setStatus(const QString& text) {
  lbl->setText(text);
  shownTexts << text;
  repaint();
}

void ScanningWindow::showDrive(char letter) {
  const QString drive(QChar(std::toupper(static_cast<unsigned char>(letter))));
  setStatus(lbl->text().chopped(2) + drive + ":");
}

ScanResult ScanDrives(ScanningWindow& window, const ScanSettings& settings) {
  ScanResult result;
  for (const char letter : settings.driveLetters) {
    window.showDrive(letter);
    if (!settings.rootsOfDrive) continue;
    for (const std::string& root : settings.rootsOfDrive(letter))
      ScanRoot(root, result, settings.lister);
  }
  return result;
}

bool RescanMFiles(QWidget* parent, MFileTables& tables, const ScanSettings& settings,
                  Dialogs& dialogs) {
  tables.scanDirs.clear();
  ScanningWindow window(parent);
  window.showPainted();
  ScanResult result = ScanDrives(window, settings);
  window.setStatus("Now writing directories.");
  window.setStatus("Now writing file names.");
  std::string error;
  const bool written = WriteCatalogueFile(settings.appDir, result.catalogue, &error);
  tables.scanDirs = std::move(result.scanDirs);
  tables.catalogue = std::move(result.catalogue);
  tables.loaded = true;
  window.hide();
  if (!written)
    dialogs.messageBox("The list of m-files could not be saved in " +
                           CataloguePath(settings.appDir) + ": " + error,
                       style::kExclamation, kAppTitle);
  return written;
}

}  // namespace quorvin
