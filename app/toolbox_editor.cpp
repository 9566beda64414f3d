#include "app/toolbox_editor.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "app/toolbox_file.h"
#include "canvas/pixel_geometry.h"
#include "model/safe_file.h"
#include "platform/icon_sheet.h"
#include "platform/qt_questions.h"

namespace quorvin {

namespace {

// The drag a palette button starts: which button, and which editor made it,
// so a drop from anywhere else (another editor, another program) is refused.
constexpr const char* kPaletteDragFormat = "application/x-quorvin-palette-button";

QRect At(double left, double top, double width, double height) {
  return PixelRect(TwipsRect{left, top, width, height});
}

constexpr int kButtonSize = 495;  // twips, palette and toolbox buttons alike
constexpr TwipsPoint kTemplateCorner{120, 240};

void ShowTool(QPushButton& button, std::string_view tool) {
  button.setIcon(tool.empty() ? QIcon() : QIcon(IconForKey(std::string(tool))));
  button.setIconSize(QSize(kIconSize, kIconSize));
  button.setToolTip(QString::fromUtf8(tool.data(), static_cast<qsizetype>(tool.size())));
}

}  // namespace

// The toolbox panel: the one place palette buttons may be dropped.
class ToolboxEditor::DropPanel : public QFrame {
 public:
  DropPanel(ToolboxEditor& editor) : QFrame(&editor), editor_(editor) { setAcceptDrops(true); }

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override { take(event); }
  void dragMoveEvent(QDragMoveEvent* event) override { take(event); }
  void dropEvent(QDropEvent* event) override {
    const int index = editor_.positionOfDrag(event->mimeData());
    if (index == 0) return event->ignore();
    event->acceptProposedAction();
    editor_.pnlToolbox_DragDrop(index);
  }

 private:
  void take(QDropEvent* event) {
    if (editor_.positionOfDrag(event->mimeData()) != 0)
      event->acceptProposedAction();
    else
      event->ignore();
  }
  ToolboxEditor& editor_;
};

ToolboxEditor::ToolboxEditor(QWidget* parent, std::string appDir,
                             std::function<void()> reloadPalette, Dialogs* dialogs)
    : QDialog(parent),
      Frame1(new QGroupBox(this)),
      scroll(new QScrollBar(Qt::Vertical, this)),
      Frame2(new QGroupBox("Command function", this)),
      lblFunction(new QLabel(Frame2)),
      Frame3(new QGroupBox("Save the toolbox as ...", this)),
      opnFileName(new QRadioButton(QString::fromStdString(kDefaultEditedToolbox), Frame3)),
      chkClear(new QCheckBox("Clear the current toolbox", this)),
      chkReload(new QCheckBox("Load another toolbox", this)),
      pnlToolbox(new DropPanel(*this)),
      lbltoolbox(new QLabel(this)),
      Label2(new QLabel("Drag the Function Icons into the toolbox. ", this)),
      cmdOK(new QPushButton("OK", this)),
      cmdCancel(new QPushButton("Cancel", this)),
      appDir_(std::move(appDir)),
      reloadPalette_(std::move(reloadPalette)),
      ownDialogs_(dialogs ? nullptr : std::make_unique<QtQuestions>(this)),
      dialogs_(dialogs ? dialogs : ownDialogs_.get()) {
  setObjectName("frmConfigToolbox");
  setWindowTitle("Configure Toolbox");
  setModal(true);
  setFixedSize(WholePixelsFromTwips(5640), WholePixelsFromTwips(4890));

  Frame1->setGeometry(At(0, 0, 3135, 1815));
  cmdPict.push_back(nullptr);
  for (int i = 1; i <= kPaletteButtons; ++i) {
    auto* button = new QPushButton(Frame1);
    const int k = (i - 1) % kPaletteColumns, row = (i - 1) / kPaletteColumns;
    button->setGeometry(At(120 + 480 * k, 240 + 480 * row, kButtonSize, kButtonSize));
    button->setMouseTracking(true);
    button->installEventFilter(this);
    cmdPict.push_back(button);
  }
  scroll->setGeometry(At(3160, 0, 255, 1815));
  scroll->setRange(0, kPaletteScrollMax);
  scroll->setPageStep(1);
  connect(scroll, &QScrollBar::valueChanged, this, [this] { scroll_Change(); });

  Frame2->setGeometry(At(0, 1900, 3400, 700));
  lblFunction->setGeometry(At(120, 300, 3160, 300));
  Frame3->setGeometry(At(0, 2680, 3400, 700));
  opnFileName->setGeometry(At(120, 300, 3160, 300));
  opnFileName->setAutoExclusive(false);
  connect(opnFileName, &QRadioButton::clicked, this, [this] { opnFileName_Click(); });
  chkClear->setGeometry(At(120, 3460, 3300, 300));
  chkReload->setGeometry(At(120, 3780, 3300, 300));
  connect(chkClear, &QCheckBox::clicked, this, [this] { chkClear_Click(); });
  connect(chkReload, &QCheckBox::clicked, this, [this] { chkReload_Click(); });
  // Two lines under the check boxes, beside OK and Cancel.
  Label2->setWordWrap(true);
  Label2->setGeometry(At(120, 4140, 3400, 600));

  pnlToolbox->setGeometry(At(3720, 0, 1815, 4215));
  pnlToolbox->setFrameShape(QFrame::Panel);
  pnlToolbox->setFrameShadow(QFrame::Sunken);
  auto* model = new QPushButton(pnlToolbox);
  model->setGeometry(At(kTemplateCorner.x, kTemplateCorner.y, kButtonSize, kButtonSize));
  model->hide();
  cmdButton.push_back(model);
  lbltoolbox->hide();  // the list text OK writes, not shown

  cmdOK->setGeometry(At(3720, 4320, 855, 420));
  cmdCancel->setGeometry(At(4680, 4320, 855, 420));
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });

  const std::initializer_list<std::pair<QWidget*, const char*>> names = {
      {Frame1, "Frame1"},       {scroll, "scroll"},         {Frame2, "Frame2"},
      {lblFunction, "lblFunction"}, {Frame3, "Frame3"},     {opnFileName, "opnFileName"},
      {chkClear, "chkClear"},   {chkReload, "chkReload"},   {pnlToolbox, "pnlToolbox"},
      {lbltoolbox, "lbltoolbox"}, {Label2, "Label2"},       {cmdOK, "cmdOK"},
      {cmdCancel, "cmdCancel"}};
  for (const auto& [widget, name] : names) widget->setObjectName(name);

  scroll_Change();
  LoadToolbox(kDefaultEditedToolbox);
}

ToolboxEditor::~ToolboxEditor() = default;

void ToolboxEditor::LoadToolbox(const std::string& fileName) {
  // Read as the palette reads it; a file that is not there adds nothing and
  // says nothing (the editor's own my_box.tlb need not exist yet).
  ToolboxFileRead read = ReadToolboxFile(ToolboxPath(fileName, appDir_));
  if (!read.problem.empty()) dialogs_->messageBox(read.problem, style::kExclamation, kAppTitle);
  std::vector<std::string> names = toolbox_.tools();
  for (std::string& name : read.names) names.push_back(std::move(name));
  toolbox_.load(std::move(names));
  rebuildButtons();
}

void ToolboxEditor::cmdPict_MouseMove(int index) {
  const std::string_view tool = PaletteToolAt(PalettePosition(scroll->value(), index));
  if (!tool.empty())
    lblFunction->setText(QString::fromUtf8(tool.data(), static_cast<qsizetype>(tool.size())));
}

void ToolboxEditor::scroll_Change() {
  for (int i = 1; i <= kPaletteButtons; ++i)
    ShowTool(*cmdPict[i], PaletteToolAt(PalettePosition(scroll->value(), i)));
}

void ToolboxEditor::pnlToolbox_DragDrop(int index) {
  if (index < 1 || index > kPaletteButtons) return;
  const std::string_view tool = PaletteToolAt(PalettePosition(scroll->value(), index));
  if (tool.empty()) return;  // a blank button carries no tool
  if (toolbox_.full()) {
    dialogs_->messageBox(kNoMoreRoom, style::kCritical, kAppTitle);
    return;
  }
  toolbox_.add(std::string(tool));
  rebuildButtons();
}

void ToolboxEditor::cmdButton_MouseDown(int k, int button) {
  if (button != 2) return;
  if (toolbox_.remove(k)) rebuildButtons();
}

void ToolboxEditor::emptyToolbox() {
  toolbox_.clear();
  rebuildButtons();
}

void ToolboxEditor::chkClear_Click() {
  emptyToolbox();
  const QSignalBlocker quiet(chkClear);
  chkClear->setChecked(false);
}

void ToolboxEditor::chkReload_Click() {
  if (!chkReload->isChecked()) return;
  emptyToolbox();
  const std::optional<std::string> chosen = dialogs_->openFile(kToolboxFilter);
  if (!chosen) {
    dialogs_->messageBox(kLoadFailed, style::kExclamation, kAppTitle);
  } else {
    opnFileName->setText(QString::fromStdString(*chosen));
    opnFileName->setChecked(false);
    LoadToolbox(*chosen);
  }
  const QSignalBlocker quiet(chkReload);
  chkReload->setChecked(false);
}

void ToolboxEditor::opnFileName_Click() {
  // The dialog offers the very file OK would write: a bare name lies in the
  // program directory, where the palette looks, not where the last dialog was.
  const std::optional<std::string> chosen =
      dialogs_->saveFileAs(kToolboxFilter, ToolboxPath(fileName(), appDir_));
  if (chosen) opnFileName->setText(QString::fromStdString(*chosen));
  opnFileName->setChecked(false);
}

void ToolboxEditor::cmdOK_Click() {
  const std::string path = ToolboxPath(fileName(), appDir_);
  std::string error;
  if (!WriteFileSafely(path, ToolboxFileBytes(toolbox_.tools()), &error)) {
    // Said once; the editor stays open so that another name can be chosen.
    dialogs_->messageBox("The toolbox could not be saved in " + path + ": " + error,
                         style::kExclamation, kAppTitle);
    return;
  }
  hide();
  if (reloadPalette_) reloadPalette_();
  accept();
}

void ToolboxEditor::cmdCancel_Click() { reject(); }

std::unique_ptr<QMimeData> ToolboxEditor::paletteDragData(int index) const {
  auto mime = std::make_unique<QMimeData>();
  mime->setData(kPaletteDragFormat,
                QByteArray::number(reinterpret_cast<quintptr>(this)) + " " + QByteArray::number(index));
  return mime;
}

int ToolboxEditor::positionOfDrag(const QMimeData* mime) const {
  if (mime == nullptr || !mime->hasFormat(kPaletteDragFormat)) return 0;
  const QList<QByteArray> parts = mime->data(kPaletteDragFormat).split(' ');
  if (parts.size() != 2 || parts[0] != QByteArray::number(reinterpret_cast<quintptr>(this))) return 0;
  bool ok = false;
  const int index = parts[1].toInt(&ok);
  return ok && index >= 1 && index <= kPaletteButtons ? index : 0;
}

void ToolboxEditor::startDrag(int index) {
  if (PaletteToolAt(PalettePosition(scroll->value(), index)).empty()) return;
  auto* drag = new QDrag(cmdPict[index]);
  drag->setMimeData(paletteDragData(index).release());
  drag->setPixmap(cmdPict[index]->icon().pixmap(kIconSize, kIconSize));
  drag->exec(Qt::CopyAction);
}

void ToolboxEditor::rebuildButtons() {
  const int n = toolbox_.count();
  while (cmdButton.size() - 1 > n) {
    // Removal may come from a press on this very button: let it finish first.
    QPushButton* gone = cmdButton.takeLast();
    gone->hide();
    gone->deleteLater();
  }
  while (cmdButton.size() - 1 < n) {
    auto* button = new QPushButton(pnlToolbox);
    button->installEventFilter(this);
    cmdButton.push_back(button);
  }
  for (int k = 1; k <= n; ++k) {
    const TwipsPoint at = ToolboxButtonPosition(k, kTemplateCorner);
    cmdButton[k]->setGeometry(At(at.x, at.y, kButtonSize, kButtonSize));
    ShowTool(*cmdButton[k], toolbox_.tools()[static_cast<std::size_t>(k - 1)]);
    cmdButton[k]->show();
  }
  lbltoolbox->setText(QString::fromStdString(toolbox_.text()));
}

bool ToolboxEditor::eventFilter(QObject* watched, QEvent* event) {
  const auto* mouse = dynamic_cast<QMouseEvent*>(event);
  if (mouse == nullptr) return QDialog::eventFilter(watched, event);
  for (int i = 1; i < cmdPict.size(); ++i) {
    if (watched != cmdPict[i]) continue;
    if (event->type() == QEvent::MouseButtonPress) pressAt_ = mouse->position().toPoint();
    if (event->type() == QEvent::MouseMove) {
      cmdPict_MouseMove(i);
      if ((mouse->buttons() & Qt::LeftButton) &&
          (mouse->position().toPoint() - pressAt_).manhattanLength() >=
              QApplication::startDragDistance()) {
        startDrag(i);
        return true;
      }
    }
    return QDialog::eventFilter(watched, event);
  }
  if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::RightButton)
    for (int k = 1; k < cmdButton.size(); ++k)
      if (watched == cmdButton[k]) {
        cmdButton_MouseDown(k, 2);
        return true;
      }
  return QDialog::eventFilter(watched, event);
}

void ConfigureToolbox(QWidget* parent, const std::string& appDir,
                      std::function<void()> reloadPalette) {
  ToolboxEditor editor(parent, appDir, std::move(reloadPalette));
  editor.exec();
}

}  // namespace quorvin
