#include "app/function_browser.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>

#include "app/function_browser_rules.h"
#include "app/mfile_help.h"
#include "platform/qt_questions.h"

namespace quorvin {

namespace {

constexpr int kListWidth = 300;  // the file list at its narrowest
constexpr int kHelpWidth = 300;  // the help text at its narrowest
constexpr int kHelpRoom = kHelpWidth + 40;  // the help text and the margins beside the list

// How wide the widest of texts shows in metrics. A text of ASCII
// characters is as wide as its characters' advances added up, each
// character measured once, so a million paths take moments where shaping
// each took seconds (kerning only draws letters together, so the sum is
// never too narrow); any other text is measured whole.
qreal WidestText(const QFontMetricsF& metrics, const std::vector<std::string>& texts) {
  std::array<qreal, 128> advances{};
  for (std::size_t c = 0; c < advances.size(); ++c)
    advances[c] = metrics.horizontalAdvance(QChar(static_cast<char16_t>(c)));
  qreal widest = 0;
  for (const std::string& text : texts) {
    qreal width = 0;
    for (const char c : text) {
      const auto byte = static_cast<unsigned char>(c);
      if (byte >= advances.size()) {
        width = metrics.horizontalAdvance(ShownText(text));
        break;
      }
      width += advances[byte];
    }
    widest = std::max(widest, width);
  }
  return widest;
}

// The busy pointer, over every window, while the catalogue is read and its
// lists are filled: over a large one that takes a moment.
class BusyPointer {
 public:
  BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyPointer() { QApplication::restoreOverrideCursor(); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace

FunctionBrowserWindow::FunctionBrowserWindow(QWidget* parent, BrowserCaller caller,
                                             MFileTables& tables,
                                             std::function<ScanSettings()> settings, Dialogs* dialogs)
    : QDialog(parent),
      cmbCategory(new QComboBox(this)),
      lstFunc(new QListView(this)),
      lblHelp(new QLabel),
      cmdOK(new QPushButton("OK", this)),
      cmdRescn(new QPushButton("Rescan drives", this)),
      caller_(caller),
      tables_(tables),
      settings_(std::move(settings)),
      ownDialogs_(dialogs ? nullptr : std::make_unique<QtQuestions>(this)),
      dialogs_(dialogs ? dialogs : ownDialogs_.get()),
      files_(new MFileListModel(tables.catalogue.mFiles, this)) {
  setObjectName("frmMatlab");
  setWindowTitle("Select a Matlab Command");
  setModal(true);
  cmbCategory->setObjectName("cmbCategory");
  lstFunc->setObjectName("lstFunc");
  lblHelp->setObjectName("lblHelp");
  cmdOK->setObjectName("cmdOK");
  cmdRescn->setObjectName("cmdRescn");
  lblHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblHelp->setTextFormat(Qt::PlainText);
  lblHelp->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // A path too long for the list gives way in its middle, keeping its
  // start and its file name in sight.
  lstFunc->setTextElideMode(Qt::ElideMiddle);
  lstFunc->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Every entry is one line of text: the view measures one, not a million.
  lstFunc->setUniformItemSizes(true);
  lstFunc->setModel(files_);

  auto* helpFrame = new QGroupBox(this);
  helpFrame->setMinimumWidth(kHelpWidth);
  auto* scroll = new QScrollArea(helpFrame);
  scroll->setWidget(lblHelp);
  scroll->setWidgetResizable(true);
  auto* helpLayout = new QVBoxLayout(helpFrame);
  helpLayout->addWidget(scroll);

  auto* lists = new QVBoxLayout;
  lists->addWidget(new QLabel("Function categories", this));
  lists->addWidget(cmbCategory);
  lists->addWidget(new QLabel("Functions under this category", this));
  lists->addWidget(lstFunc, 1);
  auto* top = new QHBoxLayout;
  top->addLayout(lists);
  top->addWidget(helpFrame, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdRescn);
  buttons->addStretch();
  buttons->addWidget(cmdOK);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(top, 1);
  outer->addLayout(buttons);
  resize(640, 420);

  connect(cmbCategory, &QComboBox::currentIndexChanged, this, [this] { cmbCategory_Click(); });
  connect(lstFunc->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this] { lstFunc_Click(); });
  // A double click chooses the entry as Enter does (Enter reaches the
  // dialog's OK; the list's activated signal would come with it as well).
  connect(lstFunc, &QListView::doubleClicked, this, [this] { cmdOK_Click(); });
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  connect(cmdRescn, &QPushButton::clicked, this, [this] { cmdRescn_Click(); });
  Form_Load();
}

void FunctionBrowserWindow::Form_Load() {
  if (!tables_.loaded) {
    std::optional<MFileCatalogue> read;
    {
      const BusyPointer busy;
      read = ReadCatalogueFile(settings_().appDir);
    }
    if (read) {
      tables_.catalogue = std::move(*read);
      tables_.loaded = true;
    } else {
      // The scan leaves its tables in memory, whether or not its file was written.
      RescanMFiles(this, tables_, settings_(), *dialogs_);
    }
  }
  fillCategories();
}

void FunctionBrowserWindow::fillCategories() {
  const BusyPointer busy;
  const QSignalBlocker quiet(cmbCategory);
  const QSignalBlocker quietList(lstFunc->selectionModel());
  cmbCategory->clear();
  categories_ = CategoryList(tables_.catalogue);
  for (const Category& category : categories_)
    cmbCategory->addItem(ShownText(category.text));
  cmbCategory->setCurrentIndex(-1);
  files_->setRows({});
  lblHelp->clear();
  fitFileList();
}

void FunctionBrowserWindow::fitFileList() {
  const auto widest = static_cast<int>(
      std::ceil(WidestText(QFontMetricsF(lstFunc->font()), tables_.catalogue.mFiles)));
  // The entry's margins, the list's frame and a vertical scroll bar.
  const QStyle& style = *lstFunc->style();
  const int margin = style.pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, lstFunc) + 1;
  const int frame =
      2 * lstFunc->frameWidth() + style.pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, lstFunc);
  const int room = std::max(screen()->availableGeometry().width() - kHelpRoom, kListWidth);
  lstFunc->setMinimumWidth(std::clamp(widest + 2 * margin + frame, kListWidth, room));
  layout()->activate();
  resize(size().expandedTo(minimumSize()));
}

void FunctionBrowserWindow::cmbCategory_Click() {
  const BusyPointer busy;  // all files of a large catalogue take a moment too
  const QSignalBlocker quiet(lstFunc->selectionModel());
  files_->setRows({});
  lblHelp->clear();
  const int chosen = cmbCategory->currentIndex();
  if (chosen < 0 || static_cast<std::size_t>(chosen) >= categories_.size()) return;
  files_->setRows(
      FilesOfCategory(tables_.catalogue, categories_[static_cast<std::size_t>(chosen)]));
}

const std::string* FunctionBrowserWindow::chosenPath() const {
  return files_->path(lstFunc->currentIndex().row());
}

void FunctionBrowserWindow::lstFunc_Click() {
  lblHelp->clear();
  const std::string* path = chosenPath();
  if (path == nullptr) return;
  const std::optional<std::string> help = MFileHelp(*path);
  if (help) {
    lblHelp->setText(DisplayText(*help));
    return;
  }
  const Answer answer = dialogs_->messageBox(kFileNotFoundRescan,
                                             style::kYesNo + style::kExclamation, kAppTitle);
  if (answer == Answer::Yes) rescan();
}

void FunctionBrowserWindow::cmdOK_Click() {
  const std::string* path = chosenPath();
  chosen_ = HandOver(caller_, path ? *path : "");
  accept();
}

void FunctionBrowserWindow::cmdRescn_Click() { rescan(); }

void FunctionBrowserWindow::rescan() {
  // The category chosen before stays chosen when the new catalogue still
  // holds its directory; its entry may stand elsewhere in the new list.
  const int chosen = cmbCategory->currentIndex();
  std::optional<std::string> dir;  // the all-files entry: no directory
  const bool wasChosen = chosen >= 0 && static_cast<std::size_t>(chosen) < categories_.size();
  if (wasChosen) {
    const Category& before = categories_[static_cast<std::size_t>(chosen)];
    if (before.dir != Category::kAllMFiles) dir = tables_.catalogue.mFileDirs.at(before.dir).Dir;
  }
  {
    // The list's rows are places in the catalogue the scan replaces.
    const QSignalBlocker quiet(lstFunc->selectionModel());
    files_->setRows({});
  }
  RescanMFiles(this, tables_, settings_(), *dialogs_);
  fillCategories();
  if (!wasChosen) return;
  const auto same = std::find_if(categories_.begin(), categories_.end(), [&](const Category& c) {
    if (c.dir == Category::kAllMFiles) return !dir;
    return dir && tables_.catalogue.mFileDirs[c.dir].Dir == *dir;
  });
  if (same != categories_.end())
    cmbCategory->setCurrentIndex(static_cast<int>(same - categories_.begin()));
}

std::optional<std::string> BrowseFunctions(QWidget* parent, BrowserCaller caller,
                                           MFileTables& tables,
                                           std::function<ScanSettings()> settings) {
  FunctionBrowserWindow browser(parent, caller, tables, std::move(settings));
  browser.exec();
  return browser.chosenName();
}

FunctionBrowserHook MakeFunctionBrowserHook(MFileTables& tables,
                                            std::function<ScanSettings()> settings) {
  return [&tables, settings = std::move(settings)](QWidget* parent, BrowserCaller caller) {
    return BrowseFunctions(parent, caller, tables, settings);
  };
}

}  // namespace quorvin
