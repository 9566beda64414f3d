#include "canvas/document_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDrag>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <algorithm>

#include "canvas/arrow_painter.h"
#include "canvas/box_information_dialog.h"
#include "canvas/document_command_context.h"
#include "canvas/logic/arrow_geometry.h"
#include "canvas/logic/box_button.h"
#include "canvas/logic/box_buttons.h"
#include "canvas/logic/canvas_press.h"
#include "canvas/logic/edit_commands.h"
#include "canvas/logic/rubber_band.h"
#include "canvas/pixel_geometry.h"
#include "canvas/pointer_cursor.h"
#include "commands/toolbox_dispatcher.h"
#include "dialogs/insert_menu.h"
#include "model/box_kinds.h"
#include "model/document_closing.h"
#include "platform/bgr_colour.h"
#include "platform/icon_sheet.h"

namespace quorvin {

namespace {

// A dragged box button carries its box number under this type; a drop of
// anything else is not ours.
constexpr const char* kBoxMimeType = "application/x-quorvin-box";

// The gauge keeps hundredths of a percent: one box of 350 is 0.29 %.
constexpr int kGaugeSteps = 10000;

// Icon cells clipped once per key for the whole program: every button of a
// kind shows the same picture.
const QPixmap& CachedIcon(const std::string& key) {
  static std::map<std::string, QPixmap> cache;
  auto it = cache.find(key);
  if (it == cache.end()) it = cache.emplace(key, IconForKey(key)).first;
  return it->second;
}

MouseButtons MouseButtonsOf(Qt::MouseButtons buttons) {
  return {buttons.testFlag(Qt::LeftButton), buttons.testFlag(Qt::RightButton),
          buttons.testFlag(Qt::MiddleButton)};
}

ModifierKeys ModifierKeysOf(Qt::KeyboardModifiers modifiers) {
  return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier),
          modifiers.testFlag(Qt::AltModifier)};
}

// The multiple-arrows picture: a small arrow, black edged in white so that
// it shows on every arrow colour of the panel.
QPixmap MultipleArrowsPicture() {
  QPixmap picture(14, 14);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  const QPolygonF head({QPointF(8, 3), QPointF(12.5, 7), QPointF(8, 11)});
  for (const auto& [colour, width] :
       {std::pair{QColor(Qt::white), 3.5}, std::pair{QColor(Qt::black), 1.5}}) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawLine(QPointF(2, 7), QPointF(9, 7));
    p.drawPolygon(head);
  }
  return picture;
}

// Everything an arrow paints, in pixels: both segments and the head's
// circle, widened by the pen.
QRectF PixelBounds(const Arrow& arrow, int lineWidth) {
  const auto segmentBounds = [](const TwipsSegment& s) {
    return QRectF(PixelPoint(s.from), PixelPoint(s.to)).normalized();
  };
  const double radius = PixelsFromTwips(arrow.head.radius);
  const QPointF tip = PixelPoint(arrow.head.tip);
  const double margin = std::max(lineWidth, 1) + 1;
  return segmentBounds(arrow.horizontal)
      .united(segmentBounds(arrow.vertical))
      .united(QRectF(tip.x() - radius, tip.y() - radius, 2 * radius, 2 * radius))
      .adjusted(-margin, -margin, margin, margin);
}

}  // namespace

DocumentWindow::DocumentWindow(Model& m, CanvasState& canvas, FrameServices& frame,
                               BoxIconKeys& iconKeys, int doc, QWidget* parent)
    : QWidget(parent),
      m_(m),
      canvas_(canvas),
      frame_(frame),
      doc_(doc),
      ownQuestions_(this, &frame.fileDialogs()),
      dispatcher_([](DocumentWindow& window, const Tool& tool) {
        cmdEventFire_Click(tool, *window.commandContext_);
      }),
      commands_(InsertCommandRegistry()),
      iconKeys_(iconKeys) {
  setObjectName(QStringLiteral("main"));
  // Its title bar in the frame shows the program's icon, not the toolkit's.
  // The program gives every window that icon (app/program.cpp); the window
  // sets it too so that it looks the same wherever it is made without the
  // program (the tests, the qvn2png tool).
  setWindowIcon(QIcon(ProgramIcon()));
  setAttribute(Qt::WA_DeleteOnClose, false);
  setMouseTracking(true);
  setAcceptDrops(true);
  setAutoFillBackground(true);
  QPalette canvasColour = palette();
  canvasColour.setColor(QPalette::Window, Qt::white);
  setPalette(canvasColour);
  // The window draws and bubbles as the live preferences say from the start.
  w_.lineWidth = frame.lineWidth();
  buildControls();
  buildMenus();
  setBubbleShow(frame.showBubbles());
  buildInsertCommands();
  FormLoad(canvas_, w_);
  syncScrollBars();
  syncArrowPanel();
  setResourceGauge(m.table.fillPercent());
  setRecentFiles(m.recentFiles.shown());
  showToolboxItems();
  resize(sizeHint());
}

// Out of line: the commands' context is a complete type only here.
DocumentWindow::~DocumentWindow() = default;

void DocumentWindow::buildInsertCommands() {
  commandContext_ = std::make_unique<DocumentCommandContext>(
      m_, [this] { return doc_; }, this,
      [this](int doc, int box, const std::string& key) {
        // The key is kept for every window; the document the box belongs to
        // shows it whichever window's command gave it.
        setBoxIconKey(box, key);
        if (doc != doc_) m_.views.boxesChanged(doc);
      },
      [this] { m_.editor.armArrowTool(); });
  mnuFunctions->addSeparator();
  const qsizetype before = mnuFunctions->actions().size();
  InstallInsertCommands(*mnuFunctions, commands_,
                        [this]() -> CommandContext& { return *commandContext_; });
  // The submenus and items the insert commands added.
  const QList<QAction*> inserts = mnuFunctions->actions().mid(before);
  // A run in progress reads the box table: no box is made until it ends.
  connect(mnuFunctions, &QMenu::aboutToShow, this, [this, inserts] {
    const bool refused = editingRefused();
    for (QAction* item : inserts) item->setEnabled(!refused);
  });
}

void DocumentWindow::setCommandQuestions(CommandQuestions* questions) {
  commandContext_->setQuestions(questions);
}

void DocumentWindow::setFunctionBrowser(WindowFunctionBrowser browser) {
  browser_ = nullptr;
  if (browser)
    browser_ = [this, browser = std::move(browser)](BrowserCaller caller) {
      return browser(this, caller);
    };
  commandContext_->qtQuestions().setFunctionBrowser(browser_);
}

void DocumentWindow::setTourHooks(TourHooks hooks) {
  tour_ = std::move(hooks);
  mnuHelpTour->setEnabled(static_cast<bool>(tour_.menu));
}

void DocumentWindow::showTour(const std::string& text) { pnlTour->showText(text); }

void DocumentWindow::hideTour() { pnlTour->hide(); }

void DocumentWindow::placeTourPanel() {
  if (layout_) pnlTour->setGeometry(PixelRect(TourPanelRect(*layout_)));
}

void DocumentWindow::checkTour(bool checked) {
  const QSignalBlocker quiet(mnuHelpTour);
  mnuHelpTour->setChecked(checked);
}

void DocumentWindow::helpTourChosen(bool checkedNow) {
  // The tour decides the check mark: the item shows the state it had until
  // the tour sets it.
  const bool itemChecked = !checkedNow;
  checkTour(itemChecked);
  guarded([&] {
    if (tour_.menu) tour_.menu(*this, itemChecked);
  });
}

QSize DocumentWindow::sizeHint() const {
  return {WholePixelsFromTwips(kDesignClientWidth), WholePixelsFromTwips(kDesignClientHeight)};
}

void DocumentWindow::buildControls() {
  // Made first, so the buttons made later lie above it.
  shpCopy = new QFrame(this);
  shpCopy->setObjectName(QStringLiteral("shpCopy"));
  shpCopy->setFrameShape(QFrame::Box);
  shpCopy->setAttribute(Qt::WA_TransparentForMouseEvents);
  shpCopy->hide();

  txtboxname = new QLabel(this);
  txtboxname->setObjectName(QStringLiteral("txtboxname"));
  txtboxname->setTextFormat(Qt::PlainText);
  txtboxname->setAttribute(Qt::WA_TransparentForMouseEvents);
  txtboxname->setAutoFillBackground(true);
  txtboxname->setStyleSheet(
      QStringLiteral("background-color: #ffffe1; color: black; border: 1px solid black;"));
  txtboxname->hide();

  pnlResource = new QProgressBar(this);
  pnlResource->setObjectName(QStringLiteral("pnlResource"));
  pnlResource->setRange(0, kGaugeSteps);
  pnlResource->setTextVisible(false);

  pnlArrow = new QPushButton(this);
  pnlArrow->setObjectName(QStringLiteral("pnlArrow"));
  pnlArrow->setFocusPolicy(Qt::NoFocus);
  connect(pnlArrow, &QPushButton::clicked, this, [this] {
    guarded([this] {
      if (!commandRefused()) ToggleMultipleArrows(w_);
      syncArrowPanel();
    });
  });

  pctArrow = new QLabel(this);
  pctArrow->setObjectName(QStringLiteral("pctArrow"));
  pctArrow->setPixmap(MultipleArrowsPicture());
  pctArrow->hide();

  scrH = new QScrollBar(Qt::Horizontal, this);
  scrH->setObjectName(QStringLiteral("scrH"));
  scrV = new QScrollBar(Qt::Vertical, this);
  scrV->setObjectName(QStringLiteral("scrV"));
  connectScrollBar(scrH, true);
  connectScrollBar(scrV, false);

  pctblank = new QWidget(this);
  pctblank->setObjectName(QStringLiteral("pctblank"));
  pctblank->setAutoFillBackground(true);
  pctblank->setBackgroundRole(QPalette::Button);

  pnlTour = new TourPanelWidget(this);
  pnlTour->onClicked = [this] {
    guarded([this] {
      if (tour_.panelClicked) tour_.panelClicked(*this);
    });
  };

  for (QWidget* control : {static_cast<QWidget*>(pnlResource), static_cast<QWidget*>(pnlArrow),
                           static_cast<QWidget*>(scrH), static_cast<QWidget*>(scrV), pctblank})
    control->setCursor(Qt::ArrowCursor);
}

void DocumentWindow::connectScrollBar(QScrollBar* bar, bool horizontal) {
  bar->setFocusPolicy(Qt::NoFocus);
  // A drag counts once, when the slider is let go; a click on an arrow or
  // the trough counts at once.
  connect(bar, &QScrollBar::valueChanged, this, [this, bar, horizontal](int) {
    if (!syncingScrollBars_ && !bar->isSliderDown()) scrolled(bar, horizontal);
  });
  connect(bar, &QScrollBar::sliderReleased, this, [this, bar, horizontal] {
    if (!syncingScrollBars_) scrolled(bar, horizontal);
  });
}

void DocumentWindow::scrolled(QScrollBar* bar, bool horizontal) {
  scrollTo(horizontal, bar->value());
}

void DocumentWindow::scrollTo(bool horizontal, int32_t value) {
  guarded([&] {
    if (horizontal)
      ScrHChange(m_, canvas_, w_, doc_, value);
    else
      ScrVChange(m_, canvas_, w_, doc_, value);
    syncScrollBars();
    syncBand();
  });
}

void DocumentWindow::canvasWheel(QWheelEvent& event) {
  const QPoint angle = event.angleDelta();
  const std::optional<WheelScroll> turn =
      WheelScrollOf(w_, angle.x(), angle.y(), event.modifiers().testFlag(Qt::ShiftModifier),
                    QApplication::wheelScrollLines());
  if (!turn) {
    event.ignore();
    return;
  }
  event.accept();
  scrollTo(turn->horizontal, turn->value);
}

void DocumentWindow::syncScrollBars() {
  syncingScrollBars_ = true;
  for (auto [bar, state] : {std::pair{scrH, &w_.scrH}, std::pair{scrV, &w_.scrV}}) {
    bar->setRange(state->minimum, state->maximum);
    bar->setSingleStep(state->smallChange);
    bar->setPageStep(state->largeChange);
    bar->setValue(state->value);
  }
  syncingScrollBars_ = false;
}

void DocumentWindow::syncBand() {
  shpCopy->setGeometry(PixelRect(w_.band.rect).normalized());
  shpCopy->setVisible(w_.band.visible);
}

void DocumentWindow::syncBubble() {
  if (!w_.bubble.visible) {
    txtboxname->hide();
    return;
  }
  txtboxname->setText(DisplayText(w_.bubble.caption));
  // The canvas: the window left of and above the scroll bars.
  const QSize area = layout_ ? QSize(PixelRect(layout_->scrV).left(), PixelRect(layout_->scrH).top())
                             : size();
  txtboxname->setWordWrap(false);
  txtboxname->adjustSize();
  if (txtboxname->width() > area.width()) {
    // A caption wider than the canvas (a long comment) takes more lines.
    txtboxname->setWordWrap(true);
    txtboxname->resize(area.width(), txtboxname->heightForWidth(area.width()));
  }
  const TwipsPoint at =
      BubbleShown(w_.bubble, TwipsFromPixels(txtboxname->width()),
                  TwipsFromPixels(txtboxname->height()), TwipsFromPixels(area.width()),
                  TwipsFromPixels(area.height()));
  txtboxname->move(PixelPoint(at).toPoint());
  txtboxname->show();
  raiseOverlays();
}

void DocumentWindow::syncArrowPanel() {
  const std::int32_t colour = m_.documents.isOpen(doc_) ? m_.documents.docs[doc_].arrowColor : 0;
  pnlArrow->setStyleSheet(
      QStringLiteral("background-color: %1;").arg(ColourFromBgr(colour).name()));
  pnlArrow->setIcon(w_.multipleArrows ? QIcon(pctArrow->pixmap()) : QIcon());
  const QSignalBlocker quiet(mnuMultipleArrows);
  mnuMultipleArrows->setChecked(w_.multipleArrows);
}

void DocumentWindow::raiseOverlays() {
  txtboxname->raise();
  if (pnlTour->isVisible()) pnlTour->raise();
  for (QWidget* control : {static_cast<QWidget*>(pnlResource), static_cast<QWidget*>(pnlArrow),
                           static_cast<QWidget*>(scrH), static_cast<QWidget*>(scrV), pctblank})
    control->raise();
}

void DocumentWindow::setBoxIconKey(int n, const std::string& key) {
  const BoxRecord* box = m_.table.record(n);
  if (box == nullptr) return;
  iconKeys_.set(n, *box, key);
  if (BoxButtonWidget* button = boxButton(n)) button->setIcon(key, CachedIcon(key));
}

std::string DocumentWindow::iconKeyOf(int n) const {
  const BoxRecord* box = m_.table.record(n);
  if (box == nullptr) return {};
  return iconKeys_.keyOf(n, *box);
}

BoxButtonWidget* DocumentWindow::boxButton(int n) const {
  const auto it = buttons_.find(n);
  return it == buttons_.end() ? nullptr : it->second;
}

void DocumentWindow::boxesChanged() {
  const std::vector<int> shown = m_.table.placedBoxes(doc_);
  std::map<int, BoxButtonWidget*> kept;
  std::vector<BoxButtonWidget*> spare;
  {
    std::size_t k = 0;
    for (const auto& [n, button] : buttons_) {
      while (k < shown.size() && shown[k] < n) ++k;
      if (k < shown.size() && shown[k] == n)
        kept.emplace(n, button);
      else
        spare.push_back(button);
    }
  }
  bool made = false;
  for (const int n : shown) {
    BoxButtonWidget*& button = kept[n];
    if (button == nullptr) {
      if (!spare.empty()) {
        button = spare.back();
        spare.pop_back();
        button->setBox(n);
      } else {
        button = new BoxButtonWidget(*this, n);
        made = true;
      }
    }
    const std::string key = iconKeyOf(n);
    if (button->iconKey() != key) button->setIcon(key, CachedIcon(key));
    button->move(PixelRect(BoxButtonRect(m_.table[n], w_.scrH.value, w_.scrV.value)).topLeft());
    button->show();
  }
  // A button may be gone while its own click is still being handled.
  for (BoxButtonWidget* button : spare) {
    button->hide();
    button->deleteLater();
  }
  buttons_ = std::move(kept);
  iconKeys_.forgetAbove(m_.table.highestBox());
  if (made) raiseOverlays();
  syncBubble();
  update();
}

void DocumentWindow::hideCopyShape() {
  HideCopyShape(w_);
  syncBand();
}

void DocumentWindow::boxRenumbered(int deleted, int highest) {
  BoxRenumbered(w_, deleted, highest);
}

void DocumentWindow::setPointer(Pointer pointer) { setCursor(CursorOf(pointer)); }

void DocumentWindow::setResourceGauge(double percent) {
  const double clamped = percent < 0 ? 0 : (percent > 100 ? 100 : percent);
  pnlResource->setValue(RoundToInt(clamped * kGaugeSteps / 100));
}

void DocumentWindow::setCaption(const std::string& caption) {
  // "[*]" in a window title is Qt's modified marker; doubled it is shown as is.
  setWindowTitle(
      QString::fromStdString(caption).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
}

void DocumentWindow::setLineWidth(int width) {
  w_.lineWidth = width;
  update();
}

void DocumentWindow::setBubbleShow(bool show) {
  w_.bubbleShow = show;
  mnuOptionsBubbleShow->setChecked(show);
}

void DocumentWindow::showToolboxItems() {
  mnuOptionsToolbox->setChecked(frame_.toolboxShown());
  mnuOptionsCurrentToolbox->setText(frame_.currentToolboxCaption());
}

bool DocumentWindow::closeWindow() {
  if (subWindow_ == nullptr) return close();
  // As a click on its close box would, the window comes to the front first:
  // Exit closes every document in turn, and its save question must stand
  // over the document it is about.
  if (QMdiArea* area = subWindow_->mdiArea()) area->setActiveSubWindow(subWindow_);
  return subWindow_->close();
}

void DocumentWindow::guarded(const std::function<void()>& f) {
  std::string fault;
  try {
    f();
    return;
  } catch (const std::exception& e) {
    fault = e.what();
  } catch (...) {
    fault = "unknown error";
  }
  reportFault(fault);
}

void DocumentWindow::reportFault(const std::string& fault) {
  try {
    questions().messageBox("The command could not be completed: " + fault, style::kCritical,
                           kAppTitle);
  } catch (...) {
    // Nothing is left to tell the user with.
  }
}

void DocumentWindow::runTool(const Tool& tool) {
  // A fault is told here, and the move goes on to the bubble and the band.
  guarded([&] {
    if (dispatcher_) dispatcher_(*this, tool);
  });
}

// Box buttons.

void DocumentWindow::boxClicked(int n) {
  guarded([&] {
    if (editingRefused()) return;
    const int before = m_.table.highestBox();
    BoxClick(m_, w_, doc_, n);
    // A copy shows the picture of its source.
    const int copy = m_.table.highestBox();
    if (copy != before && iconKeys_.has(n)) setBoxIconKey(copy, iconKeyOf(n));
  });
}

bool DocumentWindow::boxPressed(int n, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
  if (button != Qt::RightButton && button != Qt::MiddleButton) return false;
  const MouseButton pressed = button == Qt::RightButton ? MouseButton::Right : MouseButton::Middle;
  guarded([&] {
    if (editingRefused()) return;
    if (BoxMouseDown(w_, n, pressed, ModifierKeysOf(modifiers)) == BoxPress::BoxInformation)
      ShowBoxInformation(this, m_, n, frame_.colours());
  });
  return true;
}

void DocumentWindow::boxHovered(int n) {
  guarded([&] {
    const BoxRecord* box = m_.table.box(n);
    if (box == nullptr) return;
    BoxMouseMove(m_, w_, n, BoxButtonRect(*box, w_.scrH.value, w_.scrV.value));
    syncBubble();
  });
}

bool DocumentWindow::startsDrag(int n) const {
  return !editingRefused() && n >= 1 && n <= kMaxBoxes && w_.dragAutomatic[n];
}

void DocumentWindow::dragBox(int n) {
  guarded([&] {
    BoxButtonWidget* button = boxButton(n);
    if (button == nullptr) return;
    auto* payload = new QMimeData;
    payload->setData(kBoxMimeType, QByteArray::number(n));
    auto* drag = new QDrag(button);
    drag->setMimeData(payload);
    drag->setPixmap(CachedIcon(iconKeyOf(n)));
    drag->setHotSpot(QPoint(16, 16));
    drag->exec(Qt::MoveAction);
  });
}

// The canvas.

void DocumentWindow::paintEvent(QPaintEvent* event) {
  // A fault while painting is told once: every repaint would meet it again,
  // and a message box over a window that cannot paint asks for more paints.
  if (paintFaultTold_) return;
  try {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // A bubble shown or a button moved repaints a small part of the window:
    // only the arrows that reach into it are drawn.
    std::vector<Arrow> arrows = ArrowsOfDocument(m_.table, doc_, w_.scrH.value, w_.scrV.value);
    const QRectF dirty = QRectF(event->rect());
    std::erase_if(arrows, [&](const Arrow& arrow) {
      return !PixelBounds(arrow, w_.lineWidth).intersects(dirty);
    });
    PaintArrows(painter, arrows, w_.lineWidth);
  } catch (const std::exception& e) {
    paintFaultTold_ = true;
    reportFault(e.what());
  } catch (...) {
    paintFaultTold_ = true;
    reportFault("unknown error");
  }
}

void DocumentWindow::resizeEvent(QResizeEvent*) {
  guarded([this] {
    const bool minimised = subWindow_ != nullptr && subWindow_->isMinimized();
    const auto placed =
        FormResize(TwipsFromPixels(width()), TwipsFromPixels(height()), minimised);
    if (!placed) return;
    layout_ = placed;
    pnlResource->setGeometry(PixelRect(placed->pnlResource));
    pnlArrow->setGeometry(PixelRect(placed->pnlArrow));
    scrH->setGeometry(PixelRect(placed->scrH));
    pctblank->setGeometry(PixelRect(placed->pctblank));
    scrV->setGeometry(PixelRect(placed->scrV));
    placeTourPanel();
  });
}

void DocumentWindow::mousePressEvent(QMouseEvent* event) {
  guarded([&] {
    if (editingRefused()) return;
    FormMouseDown(m_, w_, doc_, TwipsFromPixels(event->position().x()),
                  TwipsFromPixels(event->position().y()));
    syncBand();
  });
}

void DocumentWindow::mouseMoveEvent(QMouseEvent* event) {
  guarded([&] {
    if (editingRefused()) return;
    FormMouseMove(
        m_, w_, MouseButtonsOf(event->buttons()), TwipsFromPixels(event->position().x()),
        TwipsFromPixels(event->position().y()),
        ToolPickup{frame_.toolPick(), [this](const Tool& tool) { runTool(tool); }});
    syncBand();
    syncBubble();
  });
}

void DocumentWindow::wheelEvent(QWheelEvent* event) { canvasWheel(*event); }

void DocumentWindow::mouseReleaseEvent(QMouseEvent*) {
  guarded([&] {
    if (editingRefused()) return;
    FormMouseUp(m_, w_, doc_);
  });
}

void DocumentWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasFormat(kBoxMimeType))
    event->acceptProposedAction();
  else
    event->ignore();
}

void DocumentWindow::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasFormat(kBoxMimeType))
    event->acceptProposedAction();
  else
    event->ignore();
}

void DocumentWindow::dropEvent(QDropEvent* event) {
  event->ignore();
  guarded([&] {
    if (editingRefused() || !event->mimeData()->hasFormat(kBoxMimeType)) return;
    bool number = false;
    const int n = event->mimeData()->data(kBoxMimeType).toInt(&number);
    const BoxRecord* box = m_.table.box(n);
    if (!number || box == nullptr) return;
    const WindowRect button = BoxButtonRect(*box, w_.scrH.value, w_.scrV.value);
    if (FormDragDrop(m_, w_, doc_, n, button, TwipsFromPixels(event->position().x()),
                     TwipsFromPixels(event->position().y())))
      event->acceptProposedAction();
    syncBubble();
  });
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
  bool closes = false;
  // A run in progress reads this document's boxes: they stay until it ends.
  guarded([&] { closes = !commandRefused() && CloseDocument(m_, doc_); });
  if (closes) {
    event->accept();
    if (onClosed) onClosed(*this);
  } else {
    event->ignore();
  }
}

}  // namespace quorvin
