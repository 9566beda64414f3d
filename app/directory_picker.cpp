#include "app/directory_picker.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QVBoxLayout>

namespace quorvin {

namespace {
// Volumes a person mounts; system mounts (/proc, /sys, /run, /boot ...) are not drives.
bool IsUserVolume(const QString& root) {
  return root.startsWith("/media/") || root.startsWith("/mnt/") || root.startsWith("/run/media/");
}
}  // namespace

QStringList DirectoryPicker::Drives() {
  QStringList drives{"/", QDir::homePath()};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
    if (volume.isValid() && volume.isReady() && IsUserVolume(volume.rootPath()) &&
        !drives.contains(volume.rootPath()))
      drives << volume.rootPath();
  return drives;
}

DirectoryPicker::DirectoryPicker(QWidget* parent)
    : QDialog(parent),
      lblTop(new QGroupBox(kProgramDirectoryPrompt, this)),
      path(new QLabel(lblTop)),
      Dir1(new QListWidget(lblTop)),
      Drive1(new QComboBox(lblTop)),
      cmdOK(new QPushButton("OK", this)),
      director(new QLineEdit(this)) {
  setObjectName("frmDirectory");
  setWindowTitle("Quorvin");
  setModal(true);
  lblTop->setObjectName("lblTop");
  Dir1->setObjectName("Dir1");
  Drive1->setObjectName("Drive1");
  cmdOK->setObjectName("cmdOK");
  director->setObjectName("director");
  director->hide();
  path->setWordWrap(true);

  auto* inner = new QVBoxLayout(lblTop);
  inner->addWidget(path);
  inner->addWidget(Dir1, 1);
  inner->addWidget(Drive1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(director);
  bottom->addStretch();
  bottom->addWidget(cmdOK);
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(lblTop, 1);
  outer->addLayout(bottom);
  resize(320, 360);
  setTabOrder(director, lblTop);
  setTabOrder(lblTop, Drive1);
  setTabOrder(Drive1, Dir1);
  setTabOrder(Dir1, cmdOK);

  Drive1->addItems(Drives());
  connect(Drive1, &QComboBox::currentIndexChanged, this, [this] { Drive1_Change(); });
  connect(Dir1, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { Dir1_Change(item->data(Qt::UserRole).toString()); });
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  Form_Load();
}

int DirectoryPicker::driveOf(const QString& dir) const {
  int best = 0;
  for (int i = 0; i < Drive1->count(); ++i) {
    const QString root = Drive1->itemText(i);
    const QString prefix = root.endsWith('/') ? root : root + "/";
    if ((dir == root || dir.startsWith(prefix)) && root.size() >= Drive1->itemText(best).size())
      best = i;
  }
  return best;
}

void DirectoryPicker::showDrive(const QString& dir) {
  const int drive = driveOf(dir);
  lastDirOnDrive_[Drive1->itemText(drive)] = dir;
  const QSignalBlocker quiet(Drive1);
  Drive1->setCurrentIndex(drive);
}

void DirectoryPicker::Form_Load() {
  here_ = QDir::currentPath();
  openAt(here_);
}

// Each drive keeps the directory last shown on it, as a drive's current
// directory does, and opens there again.
void DirectoryPicker::Drive1_Change() {
  const QString root = Drive1->currentText();
  const QString last = lastDirOnDrive_.value(root, root);
  Dir1_Change(QDir(last).exists() ? last : root);
}

void DirectoryPicker::Dir1_Change(const QString& target) {
  openAt(target);
  AutoAccept();
}

void DirectoryPicker::openAt(const QString& target) {
  // Shown as the system names a directory one has entered: links resolved.
  const QFileInfo entered(target);
  if (!target.isEmpty() && entered.isDir() && entered.isExecutable())
    here_ = entered.canonicalFilePath();
  director->setText(here_);
  showDrive(here_);
  fillDir1();
}

void DirectoryPicker::cmdOK_Click() { accept(); }

void DirectoryPicker::AutoAccept() {
  // Listed as a case-blind file system lists them: the first name decides.
  const QStringList inis =
      QDir(here_).entryList({"*.ini"}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
  if (!inis.isEmpty() && inis.first() == "QUORVIN.INI" &&
      lblTop->title() == kProgramDirectoryPrompt) {
    director->setText(here_);
    cmdOK_Click();
  }
}

void DirectoryPicker::closeEvent(QCloseEvent* event) {
  event->accept();
  cmdOK_Click();
}

void DirectoryPicker::fillDir1() {
  const QDir here(here_);
  path->setText(here.absolutePath());
  Dir1->clear();
  auto add = [this](const QString& label, const QString& target) {
    auto* item = new QListWidgetItem(label, Dir1);
    item->setData(Qt::UserRole, target);
  };
  if (!here.isRoot()) add("..", QDir::cleanPath(here.absoluteFilePath("..")));
  for (const QString& name : here.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
    add(name, here.absoluteFilePath(name));
}

std::string AskForDirectory(const std::string& prompt, QWidget* parent,
                            const std::string& startDir) {
  DirectoryPicker picker(parent);
  picker.lblTop->setTitle(QString::fromStdString(prompt));
  if (!startDir.empty()) picker.openAt(QString::fromStdString(startDir));
  picker.exec();
  return picker.director->text().toStdString();
}

}  // namespace quorvin
