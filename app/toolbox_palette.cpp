#include "app/toolbox_palette.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>
#include <climits>

#include "app/empty_caption.h"
#include "app/screen_placement.h"
#include "app/toolbox_file.h"
#include "app/toolbox_layout.h"
#include "model/file_lookup.h"
#include "model/twips.h"
#include "platform/icon_sheet.h"

namespace quorvin {

namespace {
int Pixels(int twips) { return WholePixelsFromTwips(twips); }
}  // namespace

ToolboxPalette::ToolboxPalette(Model& m, ToolPick& pick, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_(m), pick_(pick) {
  setObjectName("frmPictures");
  SetEmptyCaption(*this);
  auto* templateButton = new QToolButton(this);
  templateButton->setObjectName("cmd");
  templateButton->setGeometry(0, 0, Pixels(kToolButtonTwips), Pixels(kToolButtonTwips));
  templateButton->hide();
  cmd.push_back(templateButton);
  settling_.setSingleShot(true);
  settling_.setInterval(kSettleMs);
  connect(&settling_, &QTimer::timeout, this, [this] { settle(); });
  setSizeTwips(kPaletteDesignWidth, kPaletteDesignHeight);
  Form_Load();
}

int ToolboxPalette::widthTwips() const { return static_cast<int>(TwipsFromPixels(width())); }
int ToolboxPalette::heightTwips() const { return static_cast<int>(TwipsFromPixels(height())); }

QMargins ToolboxPalette::decorations() const {
  // The window manager frames the palette once it is shown; until then the
  // frame window's title bar and borders are the best guess.
  return Decorations(*this, parentWidget());
}

TwipsExtent ToolboxPalette::screenTwips() const {
  const QScreen* shown = screen();
  if (shown == nullptr) return kNoScreenLimit;
  const QSize room = shown->availableGeometry().marginsRemoved(decorations()).size();
  return {static_cast<int>(TwipsFromPixels(std::max(room.width(), 1))),
          static_cast<int>(TwipsFromPixels(std::max(room.height(), 1)))};
}

void ToolboxPalette::keepOnScreen() {
  const QScreen* shown = screen();
  if (shown == nullptr) return;
  heldWith_ = decorations();
  const QRect placed = WholeOnScreen(geometry(), heldWith_, shown->availableGeometry());
  if (placed == geometry()) return;
  if (windowHandle() != nullptr) {
    setGeometry(placed);
    return;
  }
  // Not shown yet, so its title bar may not be known: placed by its outer
  // corner, which a window manager puts where it is told; placed by its
  // inner area, a palette as high as the screen had its title bar above it.
  // Framing it then moves it, and it is held again (moveEvent).
  resize(placed.size());
  move(placed.topLeft() - QPoint(heldWith_.left(), heldWith_.top()));
}

void ToolboxPalette::setSizeTwips(int widthTwips, int heightTwips) {
  resize(Pixels(widthTwips), Pixels(heightTwips));
  keepOnScreen();
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
  std::vector<std::string> names =
      namesOfFile(FindFileIgnoringCase(m_.appDir, LowerCased(title)));
  if (names.size() > 1) {
    toolCount = static_cast<int>(std::min<std::size_t>(names.size() - 1, INT_MAX));
    toolNames = std::move(names);
    for (int i = 1; i <= std::min(toolCount, kMaxToolButtons); ++i) {
      const TwipsSpot spot = FileToolSpot(i, toolboxColumns);
      addButton(i, spot.left, spot.top);
    }
  }
  const TwipsExtent extent = FileToolboxExtent(toolCount, toolboxColumns, screenTwips());
  setSizeTwips(extent.width, extent.height);
}

std::vector<std::string> ToolboxPalette::namesOfFile(const std::optional<std::string>& path) {
  ToolboxFileRead read;
  read.missing = !path;
  if (path) read = ReadToolboxFile(*path, 1);
  const std::string& problem = read.missing ? kToolboxNotFound : read.problem;
  if (!problem.empty()) m_.dialogs.messageBox(problem, style::kExclamation, kAppTitle);
  return std::move(read.names);
}

ToolReflow ToolboxPalette::reflow() const {
  return ReflowTools(toolCount, {widthTwips(), heightTwips()}, screenTwips());
}

void ToolboxPalette::placeButtons(const ToolReflow& flow) {
  const QPoint origin = cmd[0]->pos();
  // Every button has its spot (a missing file leaves fewer buttons than spots).
  const std::size_t placed = std::min(flow.spots.size(), cmd.size() - 1);
  for (std::size_t i = 1; i <= placed; ++i) {
    const TwipsSpot& spot = flow.spots[i - 1];
    cmd[i]->move(origin.x() + Pixels(spot.left), origin.y() + Pixels(spot.top));
  }
  toolboxColumns = flow.columns;
  m_.prefs.lbltoolboxsize = flow.sizeText;
}

void ToolboxPalette::Form_Resize() {
  if (toolboxReloading) return;
  const ToolReflow flow = reflow();
  placeButtons(flow);
  setSizeTwips(flow.extent.width, flow.extent.height);
}

void ToolboxPalette::settle() {
  if (toolboxReloading) return;
  const ToolReflow flow = reflow();
  if (asking_.ask({width(), height()}, {Pixels(flow.extent.width), Pixels(flow.extent.height)}))
    Form_Resize();
  else
    placeButtons(flow);
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
  pick_.pick(m_.editor, toolNames[index]);
}

void ToolboxPalette::Reload(bool show) {
  settling_.stop();
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
  // Some window systems frame a window as it is shown.
  holdOnceFramed();
}

void ToolboxPalette::holdOnceFramed() {
  if (decorations() != heldWith_) keepOnScreen();
}

void ToolboxPalette::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (!event->spontaneous() || toolboxReloading) return;
  holdOnceFramed();
  // A palette sized to the whole screen may reach past it once framed.
  const QScreen* shown = screen();
  if (shown == nullptr) return;
  const QSize room = shown->availableGeometry().size();
  const QSize outer = frameGeometry().size();
  if (outer.height() > room.height() || outer.width() > room.width()) settling_.start();
}

void ToolboxPalette::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closedByUser();
}

void ToolboxPalette::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (toolboxReloading) return;
  if (!event->spontaneous()) {
    // A size the program gave: the re-flow is a fixed point of its own size.
    Form_Resize();
    return;
  }
  // The window system's size, while the person may still be dragging the
  // border: a window manager drops a size the program asks for during the
  // drag and keeps its own at the end. So the buttons follow at once and the
  // palette asks for its size once the sizes stop coming.
  placeButtons(reflow());
  settling_.start();
}

}  // namespace quorvin
