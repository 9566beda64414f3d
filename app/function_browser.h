#pragma once
// frmMatlab "Select a Matlab Command": the m-files of the catalogue by
// category, with the help text of the chosen one; OK hands its name to the
// formula editor or the MATLAB command dialog that opened the browser.

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/function_browser_rules.h"
#include "app/mfile_list_model.h"
#include "app/mfile_rescan.h"
#include "model/host.h"

namespace quorvin {

inline const std::string kFileNotFoundRescan = "File not found. Maybe the drives should be Rescan ?";

class FunctionBrowserWindow : public QDialog {
 public:
  // caller is who OK hands the name to. settings is asked each time a scan
  // starts. dialogs asks the browser's questions; without it they are asked
  // with message boxes on the browser.
  FunctionBrowserWindow(QWidget* parent, BrowserCaller caller, MFileTables& tables,
                        std::function<ScanSettings()> settings, Dialogs* dialogs = nullptr);

  // Reads the catalogue when this run has none yet (scanning first when
  // there is no catalogue file) and fills the categories.
  void Form_Load();
  void cmbCategory_Click();
  void lstFunc_Click();
  void cmdOK_Click();
  // "Rescan drives": rebuilds the catalogue and both lists.
  void cmdRescn_Click();

  // What OK handed over; nothing before OK or when nothing was chosen.
  const std::optional<std::string>& chosenName() const { return chosen_; }

  QComboBox* cmbCategory;
  QListView* lstFunc;  // shows files_
  QLabel* lblHelp;
  QPushButton* cmdOK;
  QPushButton* cmdRescn;

 private:
  void rescan();
  void fillCategories();
  // Widens the file list to its catalogue's widest path, within what the
  // screen leaves beside the help text, and the browser with it.
  void fitFileList();
  // The path of the file chosen in the list; nullptr when none is.
  const std::string* chosenPath() const;

  BrowserCaller caller_;
  MFileTables& tables_;
  std::function<ScanSettings()> settings_;
  std::unique_ptr<Dialogs> ownDialogs_;
  Dialogs* dialogs_;
  std::optional<std::string> chosen_;
  // The directory behind each entry of cmbCategory, in its order.
  std::vector<Category> categories_;
  MFileListModel* files_;  // the m-files of the chosen category
};

// Shows the browser modally for caller and returns what OK handed over:
// the formula editor appends it to its formula, the MATLAB command dialog
// makes it the command. Nothing means the caller's text stays as it was.
std::optional<std::string> BrowseFunctions(QWidget* parent, BrowserCaller caller,
                                           MFileTables& tables,
                                           std::function<ScanSettings()> settings);

// The hook the formula and MATLAB command dialogs hold: BrowseFunctions
// bound to the program's catalogue.
using FunctionBrowserHook =
    std::function<std::optional<std::string>(QWidget* parent, BrowserCaller caller)>;
FunctionBrowserHook MakeFunctionBrowserHook(MFileTables& tables,
                                            std::function<ScanSettings()> settings);

}  // namespace quorvin
