#pragma once
// frmPlot, "Plot Options": the plot type, which input carries the X, Y and
// Z (or error) data, the style of up to three plotted lines, title, axis
// labels, grid, hold and a new figure. OK turns them into the plot command
// string (dialogs/plot_code.h) or shows the one message that refuses the
// allotment and stays open. There is no Cancel: a dialog closed without OK
// answers its initial values, and says it was not OK.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <array>
#include <string>

#include "dialogs/dialog_questions.h"
#include "dialogs/plot_code.h"
#include "model/host.h"

namespace quorvin {

// What the "Plot Output" insert command takes from the dialog.
struct PlotAnswer {
  bool accepted = false;  // OK built a command; false: closed, initial values below
  std::string commands;   // the plot command string; empty unless accepted
  PlotMarks marks;        // the ticks of the variable allotment; none unless accepted
  // The icon key before the first ";" of commands, or "" (then the box shows
  // the error cell rather than a plot icon).
  std::string iconKey() const;
};

class PlotDialog : public QDialog {
 public:
  // questions shows OK's refusals; without one the dialog asks with Qt
  // message boxes of its own.
  explicit PlotDialog(QWidget* parent = nullptr, Dialogs* questions = nullptr);
  ~PlotDialog() override;

  // Event handlers, named after the widgets they belong to.
  void cmbType_Change();
  void sclLinenum_Change();
  void cmbLineColor_Change();
  void cmbLineType_Change();
  void cmbPoints_Change();
  void cmdOK_Click();
  void DisableLineStyle();
  void EnableLineStyle();
  void HideZAxis();
  void ShowZAxis();

  // The dialog's state as OK reads it.
  PlotState state() const;
  // The plot icon key of the type chosen last (pctType's picture).
  const std::string& iconKey() const { return iconKey_; }
  // The style kept for each line (what the three combo boxes last held for it).
  const PlotLineStyles& lineStyles() const { return lines_; }
  // The line spec of line n (1 to 3) as it stands.
  std::string MakeLineSpec(int line) const;
  // The answer once the dialog has closed (see PlotAnswer).
  PlotAnswer answer() const;

  // The check box of input K (1 to 3) in column j (1 X, 2 Y, 3 Z or error);
  // nullptr outside. Object names read "chkInput2(3)".
  QCheckBox* chkInput(int input, int column) const;

  QGroupBox* Frame1;  // "Graph type"
  QComboBox* cmbType;
  QLabel* pctType;
  QGroupBox* Frame2;  // "Variable Allotment"
  QLabel* Label1;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* lblxAxis;
  QLabel* lblYAxis;
  QLabel* lblZAxis;
  std::array<std::array<QCheckBox*, 3>, kPlotInputs> chkInputs{};  // [K - 1][j - 1]
  QGroupBox* Frame3;  // "Line color and line type"
  QLabel* lblLineNum;
  QScrollBar* sclLinenum;
  QLabel* Label8;
  QComboBox* cmbLineColor;
  QLabel* Label9;
  QComboBox* cmbLineType;
  QLabel* Label11;
  QComboBox* cmbPoints;
  QCheckBox* chkHold;
  QCheckBox* chkFigure;
  QCheckBox* chkGrid;
  QGroupBox* Frame4;  // "Graph Title and Axes Label"
  QLabel* Label7;
  QLineEdit* txtTitle;
  QLabel* lblXlabel;
  QLineEdit* txtXLabel;
  QLabel* lblYlabel;
  QLineEdit* txtYLabel;
  QLabel* lblZLabel;
  QLineEdit* txtZLabel;
  QPushButton* cmdOK;

 private:
  // Fills the lists and sets the initial state; the constructor runs it, so
  // every dialog starts from the initial line styles.
  void Form_Load();
  // The widgets of the Z column, which show and hide together.
  std::array<QWidget*, 6> zColumn() const;
  // The Z column keeps its room while hidden, wide enough for each of its
  // titles: showing it moves and resizes nothing.
  void KeepZColumnRoom();
  int currentLine() const;
  PlotLineStyle& currentStyle();

  DialogQuestions questions_;
  PlotLineStyles lines_ = InitialLineStyles();
  std::string iconKey_;
  std::string commands_;  // the plot command string OK built
};

// Shows frmPlot modally and returns its answer.
PlotAnswer AskForPlot(QWidget* parent, Dialogs* questions = nullptr);

}  // namespace quorvin
