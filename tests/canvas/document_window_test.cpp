// The document window with real widgets: what opens for a document, and a
// few real mouse events and menu commands carried through to the model.
#include "canvas/document_window.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QTest>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "canvas/logic/arrow_geometry.h"
#include "canvas/pixel_geometry.h"
#include "compiler/execution_step.h"
#include "model/document_closing.h"
#include "platform/icon_sheet.h"
#include "tests/canvas/fake_frame.h"
#include "tests/canvas/window_events.h"
#include "tests/support/placed_boxes.h"
#include "tests/support/qt_application.h"
#include "tests/support/scripted_questions.h"

namespace quorvin {
namespace {

using testing::WindowsFixture;
using testing::WheelOver;

// Three boxes linked in a column, every exit red.
const std::string kInterleaved = QUORVIN_SOURCE_DIR "/tests/model/data/interleaved.qvn";

class DocumentWindowTest : public ::testing::Test, public WindowsFixture {
 protected:
  static void SetUpTestSuite() { testing_support::EnsureGuiApplication(); }

  DocumentWindow& open() {
    doc = NewDocument(m);
    DocumentWindow* w = windows.window(doc);
    EXPECT_NE(w, nullptr);
    return *w;
  }
  DocumentWindow& load(const std::string& path) {
    EXPECT_TRUE(LoadFlowchart(m, path));
    // The document the load opened: the highest, as no number was freed.
    doc = m.documents.openDocuments().back();
    return *windows.window(doc);
  }
  // A box of that kind placed by a real click at pixel point p.
  int place(DocumentWindow& w, const std::string& kind, QPoint p) {
    const int n = testing_support::WaitingBox(m, w.doc());
    EXPECT_TRUE(m.editor.typePendingBox(n, {kind, "", kAllEntries, kAllExits}));
    QTest::mouseClick(&w, Qt::LeftButton, {}, p);
    return n;
  }

  int doc = 0;
};

TEST_F(DocumentWindowTest, OpensWithItsControlsAndMenusForANewDocument) {
  frame.showsToolbox = false;
  frame.toolboxCaption = QStringLiteral("Current Toolbox: mine.tlb");
  DocumentWindow& w = open();
  EXPECT_EQ(w.objectName(), "main");
  EXPECT_EQ(w.windowTitle(), "Untitled:1");
  for (const char* name : {"pnlResource", "pnlArrow", "pctArrow", "scrH", "scrV", "pctblank",
                           "shpCopy", "txtboxname"})
    EXPECT_NE(w.findChild<QWidget*>(name), nullptr) << name;
  EXPECT_EQ(w.size(), QSize(530, 338));  // 7947 by 5067 twips

  QStringList titles;
  for (QMenu* menu : w.menus()) titles << menu->title();
  EXPECT_EQ(titles, QStringList({"&File", "&Edit", "Fu&nctions", "&Execute", "&View", "&Options",
                                 "&Windows", "&Help"}));
  QStringList file;
  for (QAction* item : w.mnuFile->actions())
    if (!item->isSeparator()) file << item->objectName() + "=" + item->text();
  EXPECT_EQ(file,
            QStringList({"mnuFileNew=&New ...", "mnuFileLoad=&Open File ...", "mnuFileClose=&Close",
                         "mnuFileSaveFile=&Save File", "mnuFileSave=Save &As ...",
                         "mnuFileStartMatlab=Start Matlab", "mnuExit=&Exit", "mnuFileArray=-",
                         "mnuFileArray=-", "mnuFileArray=-", "mnuFileArray=-"}));
  EXPECT_EQ(w.mnuFileNew->shortcut(), QKeySequence("Ctrl+N"));
  EXPECT_EQ(w.mnuFileSaveFile->shortcut(), QKeySequence("Ctrl+S"));
  for (QAction* item : w.mnuFileArray) EXPECT_FALSE(item->isVisible());
  EXPECT_TRUE(w.mnuOptionsBubbleShow->isChecked());
  EXPECT_FALSE(w.mnuOptionsToolbox->isChecked());
  EXPECT_EQ(w.mnuOptionsCurrentToolbox->text(), "Current Toolbox: mine.tlb");
  EXPECT_EQ(w.mnuOptionsPrefs->text(), "&Prefrences ...");
  EXPECT_EQ(w.mnuHelpTour->text(), "&Guided Tour");
  EXPECT_EQ(w.functionsMenu()->title(), "Fu&nctions");
}

// A window starts from the live preferences as it opens, before it is ever
// active.
TEST_F(DocumentWindowTest, OpensWithTheLiveBubbleSetting) {
  frame.bubbles = false;
  DocumentWindow& w = open();
  EXPECT_FALSE(w.state().bubbleShow);
  EXPECT_FALSE(w.mnuOptionsBubbleShow->isChecked());
}

// Its title bar in the frame shows the program's icon, not the toolkit's.
TEST_F(DocumentWindowTest, ShowsTheProgramsIcon) {
  DocumentWindow& w = open();
  const QImage program = ProgramIcon().toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_FALSE(program.isNull());
  EXPECT_EQ(w.windowIcon().pixmap(program.size()).toImage().convertToFormat(QImage::Format_ARGB32),
            program);
  ASSERT_NE(w.subWindow(), nullptr);
  EXPECT_EQ(w.subWindow()
                ->windowIcon()
                .pixmap(program.size())
                .toImage()
                .convertToFormat(QImage::Format_ARGB32),
            program);
}

TEST_F(DocumentWindowTest, RecentPathsFillEveryFileMenuWithTheirAmpersandsShown) {
  DocumentWindow& w = open();
  m.recentFiles.AddRecentFile("/tmp/a&b.qvn");
  EXPECT_TRUE(w.mnuFileArray[0]->isVisible());
  EXPECT_EQ(w.mnuFileArray[1]->text(), "/tmp/a&&b.qvn");
  EXPECT_TRUE(w.mnuFileArray[1]->isVisible());
  EXPECT_FALSE(w.mnuFileArray[2]->isVisible());
}

// A separator that carries a text shows it beside its line (Qt draws it as
// a section title): every separator of every menu, the one above the recent
// files included, is a plain line, as on the frame's File menu.
TEST_F(DocumentWindowTest, EverySeparatorIsAPlainLine) {
  DocumentWindow& w = open();
  m.recentFiles.AddRecentFile("/tmp/a.qvn");
  ASSERT_TRUE(w.mnuFileArray[0]->isVisible());
  EXPECT_TRUE(w.mnuFileArray[0]->isSeparator());
  std::vector<std::string> texts;
  std::function<void(const QMenu&)> walk = [&](const QMenu& menu) {
    for (const QAction* item : menu.actions()) {
      if (item->isSeparator() && !item->text().isEmpty())
        texts.push_back((menu.title() + ": " + item->text()).toStdString());
      if (item->menu() != nullptr) walk(*item->menu());
    }
  };
  for (const QMenu* menu : w.menus()) walk(*menu);
  EXPECT_EQ(texts, std::vector<std::string>());
}

TEST_F(DocumentWindowTest, ALoadedFileShowsOneButtonPerBoxThatScrollingMoves) {
  DocumentWindow& w = load(kInterleaved);
  ASSERT_EQ(w.boxButtons().size(), 3u);
  for (int n = 1; n <= 3; ++n) {
    const BoxButtonWidget* button = w.boxButton(n);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->objectName(), QString("box%1").arg(n));
    EXPECT_EQ(button->pos(), QPoint(m.table[n].X / 15, m.table[n].Y / 15)) << n;
    EXPECT_EQ(button->size(), QSize(32, 32));
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
  }
  w.scrV->setValue(500);
  w.scrH->setValue(30);
  for (int n = 1; n <= 3; ++n)
    EXPECT_EQ(w.boxButton(n)->pos(), QPoint(WholePixelsFromTwips(m.table[n].X - 30),
                                            WholePixelsFromTwips(m.table[n].Y - 500)));
}

// The horizontal bar steps as the vertical one does: an arrow click moves
// the canvas 200 twips, a click in the trough 500, and the buttons follow.
TEST_F(DocumentWindowTest, BothScrollBarsStepTheCanvasAlike) {
  DocumentWindow& w = load(kInterleaved);
  const QPoint start = w.boxButton(1)->pos();
  const struct {
    QScrollBar* bar;
    QAbstractSlider::SliderAction action;
    int twips;
  } steps[] = {{w.scrH, QAbstractSlider::SliderSingleStepAdd, 200},
               {w.scrH, QAbstractSlider::SliderPageStepAdd, 500},
               {w.scrV, QAbstractSlider::SliderSingleStepAdd, 200},
               {w.scrV, QAbstractSlider::SliderPageStepAdd, 500}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.bar->objectName().toStdString() + " " + std::to_string(step.twips));
    step.bar->setValue(0);
    step.bar->triggerAction(step.action);
    EXPECT_EQ(step.bar->value(), step.twips);
    const bool horizontal = step.bar == w.scrH;
    EXPECT_EQ((horizontal ? w.state().scrH : w.state().scrV).value, step.twips);
    const QPoint moved = start - w.boxButton(1)->pos();
    EXPECT_EQ(horizontal ? moved.x() : moved.y(), WholePixelsFromTwips(step.twips));
  }
}

// The wheel over the canvas, or over a box's button, scrolls down and up,
// Shift+wheel sideways, through the bars' own handling: a turn that reaches
// the end grows the canvas.
TEST_F(DocumentWindowTest, TheWheelScrollsTheCanvasFromAButtonToo) {
  QApplication::setWheelScrollLines(3);
  DocumentWindow& w = load(kInterleaved);
  BoxButtonWidget& button = *w.boxButton(1);
  const QPoint canvas(300, 20);
  WheelOver(w, canvas, {0, -120});
  EXPECT_EQ(w.scrV->value(), 600);
  WheelOver(button, {5, 5}, {0, -120});
  EXPECT_EQ(w.scrV->value(), 1200);
  EXPECT_EQ(w.state().scrV.value, 1200);
  WheelOver(w, canvas, {0, 120});
  EXPECT_EQ(w.scrV->value(), 600);
  WheelOver(button, {5, 5}, {0, -120}, Qt::ShiftModifier);
  EXPECT_EQ(w.scrH->value(), 600);
  EXPECT_EQ(w.state().scrH.value, 600);
  EXPECT_EQ(w.scrV->value(), 600);
  EXPECT_EQ(button.pos(), QPoint(WholePixelsFromTwips(1500 - 600), 0));

  for (int turn = 0; turn < 20 && w.scrV->value() < 7000; ++turn) WheelOver(w, canvas, {0, -120});
  EXPECT_EQ(w.scrV->value(), 7000);
  EXPECT_EQ(w.scrV->maximum(), 8000) << "the end grew the canvas";
}

TEST_F(DocumentWindowTest, AClickOnTheCanvasPlacesTheWaitingBox) {
  DocumentWindow& w = open();
  EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
  ASSERT_TRUE(m.editor.newBox(doc));
  EXPECT_EQ(w.cursor().shape(), Qt::CrossCursor);
  const int n = m.table.highestBox();
  EXPECT_EQ(w.boxButton(n), nullptr);  // hidden until placed
  QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(100, 50));
  EXPECT_EQ(m.editor.mode(), EditMode::Select);
  EXPECT_EQ(m.table[n].X, 1500);
  EXPECT_EQ(m.table[n].Y, 750);
  EXPECT_TRUE(m.documents.docInfo[doc].Changed);
  ASSERT_NE(w.boxButton(n), nullptr);
  EXPECT_EQ(w.boxButton(n)->pos(), QPoint(100, 50));
  EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(w.boxButton(n)->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(DocumentWindowTest, TheArrowToolConnectsTwoClickedBoxes) {
  DocumentWindow& w = open();
  const int a = place(w, "Sin", {40, 40});
  const int b = place(w, "Cos", {40, 140});
  m.documents.docInfo[doc].Changed = false;
  w.mnuArrow->trigger();
  EXPECT_EQ(m.editor.mode(), EditMode::ArrowArmed);
  EXPECT_EQ(w.cursor().shape(), Qt::ForbiddenCursor);
  QTest::mouseClick(w.boxButton(a), Qt::LeftButton);
  QTest::mouseClick(w.boxButton(b), Qt::LeftButton);
  EXPECT_EQ(m.table[a].OutLink[1], b);
  EXPECT_EQ(m.table[b].InLink[1], a);
  EXPECT_EQ(m.editor.mode(), EditMode::Select);
  EXPECT_TRUE(m.documents.docInfo[doc].Changed);
}

TEST_F(DocumentWindowTest, AToolPickedInTheToolboxRunsOnTheFirstMoveOverTheCanvas) {
  DocumentWindow& w = open();
  std::vector<std::string> ran;
  windows.setDispatcher([&](DocumentWindow& on, const Tool& tool) {
    ran.push_back(std::string(tool.name) + " " + std::to_string(on.doc()));
  });
  frame.toolbox.pick(m.editor, "Sin");
  QMouseEvent move(QEvent::MouseMove, QPointF(60, 60), w.mapToGlobal(QPointF(60, 60)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &move);
  EXPECT_EQ(ran, std::vector<std::string>({"Sin 1"}));
  EXPECT_EQ(frame.toolbox.picked(), nullptr);
}

// Twelve boxes in two dimensions: a loop back up, a branch sideways,
// coloured exits and heads of all four kinds.
const std::string kFlowchart12 = std::string(QUORVIN_TEST_DATA) + "/flowchart_12.qvn";

TEST_F(DocumentWindowTest, AGrabShowsRedArrowsAndABlackHeadAtEveryTip) {
  DocumentWindow& w = load(kFlowchart12);
  w.subWindow()->resize(w.subWindow()->size() + (QSize(420, 560) - w.size()));
  const QImage image = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const auto isRed = [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; };
  const auto isBlack = [](QRgb c) { return qRed(c) < 40 && qGreen(c) < 40 && qBlue(c) < 40; };
  const auto onAButton = [&](QPoint p) {
    for (const auto& [n, button] : w.boxButtons())
      if (button->geometry().contains(p)) return true;
    return false;
  };
  int red = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (!onAButton({x, y}) && isRed(image.pixel(x, y))) ++red;
  EXPECT_GT(red, 20);

  std::set<ArrowHeadCase> kinds;
  const std::vector<Arrow> arrows = ArrowsOfDocument(m.table, doc, 0, 0);
  EXPECT_EQ(arrows.size(), 13u);
  for (const Arrow& arrow : arrows) {
    kinds.insert(arrow.head.kind);
    const QPoint tip = PixelPoint(arrow.head.tip).toPoint();
    int black = 0;
    for (int y = tip.y() - 8; y <= tip.y() + 8; ++y)
      for (int x = tip.x() - 8; x <= tip.x() + 8; ++x)
        if (image.rect().contains(x, y) && !onAButton({x, y}) && isBlack(image.pixel(x, y)))
          ++black;
    EXPECT_GT(black, 3) << arrow.source << " to " << arrow.target;
  }
  EXPECT_EQ(kinds.size(), 4u);

  // A small part repainted on its own still shows the arrow that crosses it.
  const Arrow& fromConstant = arrows.front();
  ASSERT_EQ(fromConstant.colour, 255);
  const QPointF middle = (PixelPoint(fromConstant.vertical.from) +
                          PixelPoint(fromConstant.vertical.to)) / 2;
  const QImage part = w.grab(QRect(middle.toPoint() - QPoint(6, 6), QSize(12, 12))).toImage();
  int partRed = 0;
  for (int y = 0; y < part.height(); ++y)
    for (int x = 0; x < part.width(); ++x)
      if (isRed(part.pixel(x, y))) ++partRed;
  EXPECT_GT(partRed, 3);
}

TEST_F(DocumentWindowTest, ClosingAChangedDocumentAsksAndCancelKeepsTheWindow) {
  DocumentWindow& w = open();
  place(w, "Sin", {40, 40});
  dialogs.answers = {Answer::Cancel};
  EXPECT_FALSE(w.closeWindow());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, kSaveBeforeClosing);
  EXPECT_EQ(windows.window(doc), &w);
  EXPECT_EQ(m.table.highestBox(), 1);

  dialogs.answers = {Answer::No};
  EXPECT_TRUE(w.closeWindow());
  EXPECT_EQ(windows.window(doc), nullptr);
  EXPECT_EQ(m.table.highestBox(), 0);
  EXPECT_FALSE(m.documents.isOpen(doc));
}

TEST_F(DocumentWindowTest, ExitClosesEveryWindowUnlessOneStaysOpen) {
  DocumentWindow& first = open();
  open();
  place(first, "Sin", {40, 40});
  dialogs.answers = {Answer::Cancel};
  EXPECT_FALSE(windows.closeAll());
  EXPECT_EQ(windows.windows().size(), 2u);
  dialogs.answers = {Answer::No};
  EXPECT_TRUE(windows.closeAll());
  EXPECT_TRUE(windows.windows().empty());
}

TEST_F(DocumentWindowTest, ARightPressReachesTheButtonAndADropMovesItsBox) {
  DocumentWindow& w = open();
  const int n = place(w, "Sin", {40, 40});
  QTest::mousePress(w.boxButton(n), Qt::RightButton);
  EXPECT_TRUE(w.state().dragAutomatic[n]);
  QTest::mousePress(w.boxButton(n), Qt::RightButton);
  EXPECT_FALSE(w.state().dragAutomatic[n]);

  m.documents.docInfo[doc].Changed = false;
  QMimeData payload;
  payload.setData("application/x-quorvin-box", QByteArray::number(n));
  QDragEnterEvent enter(QPoint(200, 100), Qt::MoveAction, &payload, Qt::LeftButton, {});
  QApplication::sendEvent(&w, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(200, 100), Qt::MoveAction, &payload, Qt::LeftButton, {});
  QApplication::sendEvent(&w, &drop);
  EXPECT_EQ(m.table[n].X, 200 * 15 - 240);  // centred on the drop point
  EXPECT_EQ(m.table[n].Y, 100 * 15 - 240);
  EXPECT_EQ(w.boxButton(n)->pos(), QPoint(184, 84));
  EXPECT_TRUE(m.documents.docInfo[doc].Changed);

  QMimeData foreign;
  foreign.setText("3");
  QDragEnterEvent other(QPoint(10, 10), Qt::MoveAction, &foreign, Qt::LeftButton, {});
  QApplication::sendEvent(&w, &other);
  EXPECT_FALSE(other.isAccepted());
}

TEST_F(DocumentWindowTest, ADragModeStaysWithItsBoxWhenBoxesAreDeletedAndRenumbered) {
  DocumentWindow& w = open();
  const auto deleteBoxAt = [&](QPoint p) {
    m.editor.selectInside(doc, {p.x() * 15.0 - 10, p.y() * 15.0 - 10, 100, 100});
    m.editor.deleteSelection(true);
  };
  const int a = place(w, "Sin", {40, 40});
  const int b = place(w, "Cos", {140, 40});
  const int c = place(w, "Tan", {240, 40});
  QTest::mousePress(w.boxButton(b), Qt::RightButton);
  QTest::mousePress(w.boxButton(c), Qt::RightButton);
  ASSERT_TRUE(w.startsDrag(b) && w.startsDrag(c));

  // A new box takes the number of the deleted one, and a button of its own:
  // a click on it clicks (connects, copies) rather than drags.
  deleteBoxAt({240, 40});
  const int d = place(w, "Cot", {240, 140});
  ASSERT_EQ(d, c);
  EXPECT_FALSE(w.startsDrag(d));

  // The highest box moves into a deleted one's number with its own mode.
  QTest::mousePress(w.boxButton(d), Qt::RightButton);
  deleteBoxAt({140, 40});
  EXPECT_EQ(m.table[b].Kind, "Cot");
  EXPECT_TRUE(w.startsDrag(b));
  deleteBoxAt({40, 40});
  EXPECT_EQ(m.table[a].Kind, "Cot");
  EXPECT_TRUE(w.startsDrag(a));
  EXPECT_FALSE(w.startsDrag(b) || w.startsDrag(c));
}

// The commands say why they do nothing while a run is under way; a click on
// the canvas is refused without a word.
TEST_F(DocumentWindowTest, ARunInProgressRefusesEditingAndExecuteWithAWordWhy) {
  DocumentWindow& w = open();
  w.mnuExeDDE->trigger();
  EXPECT_EQ(frame.commands, std::vector<std::string>({"clipboard 1"}));
  frame.isRunning = true;
  for (QAction* command : {w.mnuExeDDE, w.mnuExeFile, w.mnuEXEMatlab, w.mnuEditMove,
                           w.mnuMultipleArrows, w.mnuFileNew, w.mnuFileClose}) {
    SCOPED_TRACE(command->objectName().toStdString());
    dialogs.messages.clear();
    command->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, kRunUnderWayMessage);
    EXPECT_EQ(dialogs.messages[0].style, style::kInformation);
    EXPECT_EQ(dialogs.messages[0].title, kAppTitle);
  }
  EXPECT_EQ(frame.commands.size(), 1u);
  EXPECT_EQ(m.documents.openDocuments(), std::vector<int>{doc});
  EXPECT_EQ(m.editor.mode(), EditMode::Select);
  EXPECT_FALSE(w.mnuMultipleArrows->isChecked());
  dialogs.messages.clear();
  ASSERT_TRUE(m.editor.newBox(doc));
  QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(100, 50));
  EXPECT_EQ(m.editor.mode(), EditMode::Placing);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DocumentWindowTest, AWaitingBoxKeepsTheIconItsCommandGaveOnTheDocumentItIsPlacedOn) {
  DocumentWindow& first = open();
  DocumentWindow& second = open();
  const int n = testing_support::WaitingBox(m, first.doc());
  ASSERT_TRUE(m.editor.typePendingBox(n, {"Matrix Manipulation", "Fliplr", kAllEntries, kAllExits}));
  first.setBoxIconKey(n, "Fliplr");
  QTest::mouseClick(&second, Qt::LeftButton, {}, QPoint(80, 80));
  EXPECT_EQ(m.table[n].Doc, second.doc());
  ASSERT_NE(second.boxButton(n), nullptr);
  EXPECT_EQ(second.boxButton(n)->iconKey(), "Fliplr");
  // Another kind in that number later shows its own picture.
  boxes[n].Kind = "Sin";
  boxes[n].Params.clear();
  second.boxesChanged();
  EXPECT_EQ(second.boxButton(n)->iconKey(), "Sin");
}

TEST_F(DocumentWindowTest, EveryNewButtonShowsThePictureOfItsKeyTheErrorCellToo) {
  // "" is the key of a Plot Output box whose dialog closed without OK: it
  // shows the error cell, as any key no icon has does.
  struct Case {
    const char* kind;
    const char* params;
    const char* givenKey;  // nullptr: the key the record gives
    std::string shown;
  };
  const Case cases[] = {
      {"Plot Output", "", nullptr, ""},
      {"Plot Output", "Plot3d;plot3(Input1)", nullptr, "Plot3d"},
      {"Sin", "", nullptr, "Sin"},
      {"Matrix Manipulation", "Fliplr", "Fliplr", "Fliplr"},
      {"Plot Output", "", "", ""},
  };
  DocumentWindow& w = open();
  int x = 40;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.kind) + " / " + c.params);
    const int n = testing_support::WaitingBox(m, w.doc());
    ASSERT_TRUE(m.editor.typePendingBox(n, {c.kind, c.params, kAllEntries, kAllExits}));
    if (c.givenKey != nullptr) w.setBoxIconKey(n, c.givenKey);
    QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(x, 40));
    x += 50;
    BoxButtonWidget* button = w.boxButton(n);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->iconKey(), c.shown);
    BoxButtonWidget pictured(w, 0);
    pictured.setIcon(c.shown, IconForKey(c.shown));
    const QImage painted = button->grab().toImage();
    EXPECT_TRUE(painted == pictured.grab().toImage()) << "a blank square instead of its icon";
    EXPECT_NE(painted.pixel(16, 16), painted.pixel(0, 0)) << "one colour all over";
  }
}

using testing::MoveOver;

TEST_F(DocumentWindowTest, TheBubbleNamesTheBoxUnderThePointerAsPlainText) {
  DocumentWindow& w = open();
  const int n = place(w, "Comment", {40, 40});
  boxes[n].Params = "<b>bold</b> & more";
  MoveOver(*w.boxButton(n), {5, 5});
  EXPECT_FALSE(w.txtboxname->isHidden());
  EXPECT_EQ(w.txtboxname->text(), "Comment: <b>bold</b> & more");
  EXPECT_EQ(w.txtboxname->textFormat(), Qt::PlainText);
  EXPECT_EQ(w.txtboxname->pos(), QPoint(72, 72));  // at the button's bottom-right corner
  MoveOver(w, {300, 200});
  EXPECT_TRUE(w.txtboxname->isHidden());

  w.mnuOptionsBubbleShow->trigger();
  EXPECT_FALSE(w.mnuOptionsBubbleShow->isChecked());
  MoveOver(*w.boxButton(n), {5, 5});
  EXPECT_TRUE(w.txtboxname->isHidden());
}

// A box near the canvas's right or bottom edge, or a comment longer than the
// canvas is wide: the bubble still shows its whole caption on the canvas
// (left of and above the scroll bars), not cut at the window's edge.
TEST_F(DocumentWindowTest, TheBubbleShowsItsWholeCaptionOnTheCanvas) {
  DocumentWindow& w = open();
  const QRect canvas(0, 0, w.scrV->x(), w.scrH->y());
  std::string longComment;
  while (longComment.size() < 95) longComment += "word ";
  struct Case {
    const char* where;
    QPoint at;
    std::string comment;
  };
  const std::vector<Case> cases{
      {"at the right edge", {canvas.width() - 40, 40}, "a note beside the scroll bar"},
      {"at the bottom edge", {40, canvas.height() - 40}, "a note above the scroll bar"},
      {"in the bottom-right corner", {canvas.width() - 40, canvas.height() - 40}, "a note"},
      {"longer than the canvas", {40, 40}, longComment},
  };
  QLabel& bubble = *w.txtboxname;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    const int n = place(w, "Comment", c.at);
    boxes[n].Params = c.comment;
    MoveOver(*w.boxButton(n), {5, 5});
    ASSERT_FALSE(bubble.isHidden());
    EXPECT_TRUE(canvas.contains(bubble.geometry())) << "bubble at " << bubble.x() << ","
                                                    << bubble.y() << " size " << bubble.width()
                                                    << "x" << bubble.height();
    const QRect room = bubble.contentsRect();
    const QRect needed = bubble.fontMetrics().boundingRect(
        QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, bubble.text());
    EXPECT_LE(needed.width(), room.width());
    EXPECT_LE(needed.height(), room.height());
    EXPECT_FALSE(bubble.geometry().intersects(w.boxButton(n)->geometry()));
    MoveOver(w, {canvas.width() / 2, canvas.height() / 2 + 3});
  }
  EXPECT_GT(bubble.fontMetrics().horizontalAdvance(QString::fromStdString(longComment)),
            canvas.width());
}

TEST_F(DocumentWindowTest, AFaultInAHandlerIsToldThroughTheWindowAndGoesNoFurther) {
  DocumentWindow& w = open();
  testing_support::ScriptedQuestions questions;
  w.setQuestions(&questions);
  windows.setDispatcher(
      [](DocumentWindow&, const Tool&) { throw std::runtime_error("no such tool"); });
  frame.toolbox.pick(m.editor, "Sin");
  MoveOver(w, {60, 60});
  ASSERT_EQ(questions.questions.size(), 1u);
  EXPECT_NE(questions.questions[0].find("no such tool"), std::string::npos);
  EXPECT_EQ(frame.toolbox.picked(), nullptr);
}

TEST_F(DocumentWindowTest, ADocumentStaysOpenWhileARunReadsItsBoxes) {
  DocumentWindow& w = open();
  place(w, "Sin", {40, 40});
  m.documents.docInfo[doc].Changed = false;
  frame.isRunning = true;
  EXPECT_FALSE(w.closeWindow());
  EXPECT_EQ(m.table.highestBox(), 1);
  ASSERT_EQ(dialogs.messages.size(), 1u) << "the close box says why it does nothing";
  EXPECT_EQ(dialogs.messages[0].text, kRunUnderWayMessage);
  frame.isRunning = false;
  EXPECT_TRUE(w.closeWindow());
}

// The colour chosen shows on the window's panel at once.
TEST_F(DocumentWindowTest, ChangeLineColorShowsTheColourOnThePanel) {
  DocumentWindow& w = open();
  frame.colourDialog.answers = {0x0000FFu};  // red, as 0x00BBGGRR
  w.mnuEditLineColor->trigger();
  const QImage panel = w.pnlArrow->grab().toImage();
  // The style shades the button: its middle is a red, whatever its lightness.
  const QColor middle = panel.pixelColor(panel.rect().center());
  EXPECT_EQ(middle.hsvHue(), 0) << middle.name().toStdString();
  EXPECT_GT(middle.hsvSaturation(), 100) << middle.name().toStdString();
}

TEST_F(DocumentWindowTest, MultipleArrowsShowsTheArrowPictureOnTheColourPanel) {
  DocumentWindow& w = open();
  EXPECT_TRUE(w.pnlArrow->icon().isNull());
  w.mnuMultipleArrows->trigger();
  EXPECT_TRUE(w.state().multipleArrows);
  EXPECT_TRUE(w.mnuMultipleArrows->isChecked());
  EXPECT_FALSE(w.pnlArrow->icon().isNull());
  QTest::mouseClick(w.pnlArrow, Qt::LeftButton);
  EXPECT_FALSE(w.state().multipleArrows);
  EXPECT_FALSE(w.mnuMultipleArrows->isChecked());
}

}  // namespace
}  // namespace quorvin
