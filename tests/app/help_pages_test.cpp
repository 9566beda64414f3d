// The help pages describe the program as it is: every menu path, control
// caption and window title a page names (marked up as span class "menu",
// "control" and "window") is one the program shows.
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <set>

#include "app/function_browser.h"
#include "app/help_viewer.h"
#include "app/text_results_window.h"
#include "app/toolbox_editor.h"
#include "canvas/page_view.h"
#include "dialogs/formula_dialog.h"
#include "dialogs/matlab_command_dialog.h"
#include "dialogs/plot_dialog.h"
#include "dialogs/value_dialogs.h"
#include "tests/app/frame_with_windows_fixture.h"

namespace quorvin {
namespace {

using testing::FrameWithWindows;

const QString kSourcePages = QDir::cleanPath(QUORVIN_TEST_DATA "/../../../app/help");

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
    QFile file(dir.filePath(page));
    if (!file.open(QIODevice::ReadOnly)) continue;
    const QString html = QString::fromUtf8(file.readAll());
    for (auto it = span.globalMatch(html); it.hasNext();) {
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

}  // namespace
}  // namespace quorvin
