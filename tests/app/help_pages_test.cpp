// The help pages describe the program as it is: every menu path, control
// caption and window title a page names (marked up as span class "menu",
// "control" and "window") is one the program shows, and every press on a box
// a page names is one the box answers, as the page tells.
#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <set>

#include "app/function_browser.h"
#include "app/guided_tour.h"
#include "app/help_viewer.h"
#include "app/text_results_window.h"
#include "app/toolbox_editor.h"
#include "canvas/box_information_dialog.h"
#include "canvas/logic/box_buttons.h"
#include "canvas/page_view.h"
#include "dialogs/flow_control_dialogs.h"
#include "dialogs/formula_dialog.h"
#include "dialogs/matlab_command_dialog.h"
#include "dialogs/plot_dialog.h"
#include "dialogs/value_dialogs.h"
#include "tests/app/frame_with_windows_fixture.h"
#include "tests/app/help_page_text.h"
#include "tests/compiler/chart_builder.h"

namespace quorvin {
namespace {

using testing::FrameWithWindows;
using testing::kSourcePages;

// A caption as a person reads it: no access-key marks, no closing colon.
QString Shown(QString caption) {
  caption.replace(QRegularExpression("&(.)"), "\\1");
  caption = caption.trimmed();
  while (caption.endsWith(':')) caption = caption.chopped(1).trimmed();
  return caption;
}

struct Reference {
  QString page;
  QString kind;
  QString text;
};

std::vector<Reference> ReferencesOfThePages() {
  std::vector<Reference> found;
  const QDir dir(kSourcePages);
  const QRegularExpression span("<span class=\"(menu|control|window)\">(.*?)</span>");
  for (const QString& page : dir.entryList({"*.html"}, QDir::Files)) {
    for (auto it = span.globalMatch(testing::PageHtml(page)); it.hasNext();) {
      const auto match = it.next();
      found.push_back({page, match.captured(1),
                       QTextDocumentFragment::fromHtml(match.captured(2)).toPlainText()});
    }
  }
  return found;
}

// Every menu path of menus, each item's captions from its menu bar title down.
void AddPaths(const QString& above, const QMenu& menu, std::set<QString>& paths) {
  for (const QAction* item : menu.actions()) {
    if (item->isSeparator() || item->text() == "-") continue;
    const QString path = above + " > " + Shown(item->text());
    paths.insert(path);
    if (item->menu()) AddPaths(path, *item->menu(), paths);
  }
}

void AddMenus(const QList<QMenu*>& menus, std::set<QString>& paths) {
  for (const QMenu* menu : menus) {
    paths.insert(Shown(menu->title()));
    AddPaths(Shown(menu->title()), *menu, paths);
  }
}

// The title and every caption of window and what it holds.
void AddCaptions(const QWidget& window, std::set<QString>& titles, std::set<QString>& captions) {
  titles.insert(window.windowTitle());
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
    captions.insert(Shown(button->text()));
  for (const QLabel* label : window.findChildren<QLabel*>()) captions.insert(Shown(label->text()));
  for (const QGroupBox* group : window.findChildren<QGroupBox*>())
    captions.insert(Shown(group->title()));
}

struct HelpPagesTellOfTheProgram : FrameWithWindows {};

TEST_F(HelpPagesTellOfTheProgram, EveryMenuControlAndWindowAPageNamesIsThere) {
  std::set<QString> menuPaths;
  // The frame's menus while no document is open, and a document's.
  AddMenus({frame.mnuFile, frame.mnuFileOptions, frame.mnuHelp}, menuPaths);
  frame.mnuFileNew->trigger();
  AddMenus(menusOf(1), menuPaths);

  // The windows the pages tell of.
  std::set<QString> titles, captions;
  MFileTables tables;
  tables.loaded = true;  // the browser scans no drive for its captions
  const std::string noDir = "/nowhere";
  struct : ColourChooser {
    std::optional<std::uint32_t> chooseColour() override { return std::nullopt; }
  } noColours;
  const std::vector<std::unique_ptr<QWidget>> shownWindows = [&] {
    std::vector<std::unique_ptr<QWidget>> made;
    made.push_back(std::make_unique<MakeVectorDialog>());
    made.push_back(std::make_unique<PlotDialog>(nullptr, &dialogs));
    made.push_back(std::make_unique<FormulaDialog>(nullptr, &dialogs));
    made.push_back(std::make_unique<MatlabCommandDialog>(nullptr, &dialogs));
    made.push_back(std::make_unique<FunctionBrowserWindow>(
        nullptr, BrowserCaller::Formula, tables, [] { return ScanSettings{}; }, &dialogs));
    made.push_back(std::make_unique<ToolboxEditor>(nullptr, noDir, [] {}, &dialogs));
    made.push_back(std::make_unique<HelpViewer>(noDir, &dialogs));
    made.push_back(std::make_unique<TextResultsWindow>());
    made.push_back(std::make_unique<PageView>(m.table, 0, 10000, 10000));
    made.push_back(std::make_unique<BoxInformationDialog>(m, 0, noColours));
    made.push_back(std::make_unique<ConditionDialog>(nullptr));
    return made;
  }();
  for (const auto& window : shownWindows) AddCaptions(*window, titles, captions);
  AddCaptions(*frame.preferencesWindow(), titles, captions);

  const std::vector<Reference> references = ReferencesOfThePages();
  ASSERT_GT(references.size(), 50u);
  for (const Reference& r : references) {
    const std::set<QString>& known =
        r.kind == "menu" ? menuPaths : (r.kind == "window" ? titles : captions);
    EXPECT_TRUE(known.count(r.kind == "window" ? r.text : Shown(r.text)))
        << r.page.toStdString() << ": no " << r.kind.toStdString() << " \""
        << r.text.toStdString() << "\"";
  }
}

// What a press on a box does, as its button answers it and as the section
// of flowcharts.html that tells of it names it.
struct BoxGesture {
  const char* section;
  const char* words;
  MouseButton button;
  ModifierKeys keys;
  BoxPress answer;
};
const BoxGesture kBoxGestures[] = {
    {"editing", "right click", MouseButton::Right, {}, BoxPress::DragModeToggled},
    {"information", "middle click", MouseButton::Middle, {}, BoxPress::BoxInformation},
    {"information", "Shift", MouseButton::Right, {.shift = true}, BoxPress::BoxInformation},
    {"information", "Ctrl", MouseButton::Right, {.control = true}, BoxPress::BoxInformation},
    {"information", "Alt", MouseButton::Right, {.alt = true}, BoxPress::BoxInformation},
};

TEST(HelpPagesTellOfTheBoxes, EachPressOnABoxIsToldWhereItsAnswerIs) {
  for (const BoxGesture& gesture : kBoxGestures) {
    WindowState w;
    EXPECT_EQ(BoxMouseDown(w, 1, gesture.button, gesture.keys), gesture.answer) << gesture.words;
    EXPECT_TRUE(testing::Tells("flowcharts.html", gesture.section, gesture.words));
  }
}

// Conditions name boxes as the compile does; Box Information is where a
// person reads the name.
TEST(HelpPagesTellOfTheBoxes, TheNameBoxInformationShowsIsTheOneAPageQuotes) {
  testing::ChartBuilder chart;
  while (chart.table.nextBox < 13) chart.box("Sin");
  const int branch = chart.box("If", "box12>0");
  ASSERT_EQ(branch, 13);
  const std::string shown = DescribeBox(chart.table, branch)->boxName;
  EXPECT_EQ(shown, "This box's name is: box13 (If)");
  EXPECT_TRUE(testing::Tells("flowcharts.html", "information",
                             "\"" + QString::fromStdString(shown) + "\""));
}

// A double click is two clicks to a box: no page may send a person to a
// click on a box that the boxes do not answer. (Other windows answer other
// clicks: the function browser's list takes a double click.)
TEST(HelpPagesTellOfTheBoxes, EveryClickAPageNamesIsOneTheBoxesAnswer) {
  std::set<QString> answered;
  for (const BoxGesture& gesture : kBoxGestures) {
    const QString words = gesture.words;
    if (words.endsWith(" click")) answered.insert(words.section(' ', 0, 0));
  }
  const QRegularExpression named(
      "\\b(double|triple|middle|right)[ -]?click(?:ing|s)?\\b(?:\\W+\\w+){0,3}?\\W+box(?:es)?\\b",
      QRegularExpression::CaseInsensitiveOption);
  // The pages, and the guided tour's panels, which tell a person what to do too.
  std::vector<std::pair<std::string, QString>> texts;
  for (const QString& page : QDir(kSourcePages).entryList({"*.html"}, QDir::Files))
    texts.emplace_back(page.toStdString(), testing::PlainText(testing::PageHtml(page)));
  for (std::size_t k = 0; k < TourTexts().size(); ++k)
    texts.emplace_back("tour text " + std::to_string(k + 1),
                       QString::fromStdString(TourTexts()[k]));
  for (const auto& [where, text] : texts) {
    for (auto it = named.globalMatch(text); it.hasNext();) {
      const QString button = it.next().captured(1).toLower();
      EXPECT_TRUE(answered.count(button))
          << where << ": no box answers a " << button.toStdString() << " click";
    }
  }
}

}  // namespace
}  // namespace quorvin
