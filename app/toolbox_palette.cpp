#include "app/toolbox_palette.h"

#include <QCloseEvent>
#include <QIcon>
#include <QResizeEvent>
#include <algorithm>

#include "app/toolbox_layout.h"
#include "canvas/logic/edit_commands.h"
#include "canvas/logic/twips.h"
#include "model/file_lookup.h"
#include "model/safe_file.h"
#include "platform/icon_sheet.h"

namespace quorvin {

namespace {
int Pixels(int twips) { return WholePixelsFromTwips(twips); }
}  // namespace

ToolboxPalette::ToolboxPalette(Model& m, std::string& txtEvent, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_(m), txtEvent_(txtEvent) {
  setObjectName("frmPictures");
  setWindowTitle(QString());
  auto* templateButton = new QToolButton(this);
  templateButton->setObjectName("cmd");
  templateButton->setGeometry(0, 0, Pixels(kToolButtonTwips), Pixels(kToolButtonTwips));
  templateButton->hide();
  cmd.push_back(templateButton);
  setSizeTwips(kPaletteDesignWidth, kPaletteDesignHeight);
  Form_Load();
}

int ToolboxPalette::widthTwips() const { return static_cast<int>(TwipsFromPixels(width())); }
int ToolboxPalette::heightTwips() const { return static_cast<int>(TwipsFromPixels(height())); }

void ToolboxPalette::setSizeTwips(int widthTwips, int heightTwips) {
  ownSize_ = QSize(Pixels(widthTwips), Pixels(heightTwips));
  resize(ownSize_);
}

void ToolboxPalette::addButton(int i, int leftTwips, int topTwips) {
  auto* button = new QToolButton(this);
  button->setObjectName("cmd" + QString::number(i));
  const QPoint origin = cmd[0]->pos();
  button->setGeometry(origin.x() + Pixels(leftTwips), origin.y() + Pixels(topTwips),
                      cmd[0]->width(), cmd[0]->height());
  button->setIcon(QIcon(IconForKey(toolNames[i])));
  button->setIconSize(QSize(kIconSize, kIconSize));
  connect(button, &QToolButton::clicked, this, [this, i] { cmd_Click(i); });
  button->show();
  cmd.push_back(button);
}

void ToolboxPalette::Form_Load() {
  removeButtons();
  toolboxColumns = ToolboxColumns(m_.prefs.lbltoolboxsize);
  toolNames.assign(2, std::string());
  toolCount = 1;

  const std::string& title = m_.prefs.txtToolbox;
  if (title == kDefaultToolboxTitle) {
    toolboxColumns = 2;
    toolNames.assign(kDefaultTools.begin(), kDefaultTools.end());
    toolNames.insert(toolNames.begin(), std::string());
    toolCount = static_cast<int>(kDefaultTools.size());
    for (int i = 1; i <= toolCount; ++i) {
      const TwipsSpot spot = DefaultToolSpot(i);
      addButton(i, spot.left, spot.top);
    }
    return;  // the built-in toolbox keeps the palette's size
  }

  // The current toolbox is named by its lower-cased title; a file saved with
  // capitals in its name is still the one meant.
  std::string bytes;
  const std::optional<std::string> path = FindFileIgnoringCase(m_.appDir, LowerCased(title));
  if (!path || ReadWholeFile(*path, bytes) != ReadOutcome::kRead) {
    m_.dialogs.messageBox(kToolboxNotFound, style::kExclamation, kAppTitle);
  } else {
    const std::vector<std::string> names = ToolboxNames(bytes);
    if (!names.empty()) {
      toolNames.assign(1, std::string());
      toolNames.insert(toolNames.end(), names.begin(), names.end());
      toolCount = static_cast<int>(names.size());
    }
    for (int i = 1; i <= std::min(static_cast<int>(names.size()), kMaxToolButtons); ++i) {
      const TwipsSpot spot = FileToolSpot(i, toolboxColumns);
      addButton(i, spot.left, spot.top);
    }
  }
  const TwipsExtent extent = FileToolboxExtent(toolCount, toolboxColumns);
  setSizeTwips(extent.width, extent.height);
}

void ToolboxPalette::Form_Resize() {
  if (toolboxReloading) return;
  const ToolReflow flow = ReflowTools(toolCount, {widthTwips(), heightTwips()});
  const QPoint origin = cmd[0]->pos();
  const int placed = std::min(static_cast<int>(flow.spots.size()), static_cast<int>(cmd.size()) - 1);
  for (int i = 1; i <= placed; ++i) {
    const TwipsSpot& spot = flow.spots[i - 1];
    cmd[i]->move(origin.x() + Pixels(spot.left), origin.y() + Pixels(spot.top));
  }
  toolboxColumns = flow.columns;
  setSizeTwips(flow.extent.width, flow.extent.height);
  m_.prefs.lbltoolboxsize = flow.sizeText;
}

void ToolboxPalette::removeButtons() {
  for (std::size_t i = 1; i < cmd.size(); ++i) delete cmd[i];
  cmd.resize(1);
}

void ToolboxPalette::Form_Unload() {
  hide();
  removeButtons();
}

void ToolboxPalette::cmd_Click(int index) {
  if (index < 1 || index > toolCount) return;
  ToolboxToolClicked(m_, txtEvent_, toolNames[index]);
}

void ToolboxPalette::Reload(bool show) {
  Form_Unload();
  toolboxReloading = true;
  Form_Load();
  toolboxReloading = false;
  if (show) ShowAsLoaded();
}

void ToolboxPalette::ShowAsLoaded() {
  toolboxReloading = true;
  show();
  toolboxReloading = false;
}

void ToolboxPalette::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closedByUser();
}

void ToolboxPalette::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (event->size() != ownSize_) Form_Resize();
}

}  // namespace quorvin
