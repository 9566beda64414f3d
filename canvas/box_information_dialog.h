#pragma once
// frmInfo, "Box Information": what a box is and how it is linked, with
// check boxes to cut its links and open the slots its kind keeps closed, and
// a button that recolours its arrows. Each opening builds the dialog afresh
// from the box table, so no tick of an earlier, cancelled opening survives.

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "canvas/logic/box_information.h"
#include "canvas/logic/colour_chooser.h"
#include "model/model.h"

namespace quorvin {

class BoxInformationDialog : public QDialog {
 public:
  // Shows box n of the table; colours answers "Change color".
  BoxInformationDialog(Model& m, int n, ColourChooser& colours, QWidget* parent = nullptr);

  // False when n names no box: there is nothing to show.
  bool describesABox() const { return describesABox_; }
  // The ticks as they stand.
  BoxInformationAnswer answer() const;
  // Once the dialog has closed: OK applies the ticks, Cancel changes no
  // link. True when the flowchart changed while the dialog was open (a new
  // colour counts, and stays even after Cancel).
  bool applyAnswer();

  void cmdOK_Click();
  void cmdCancel_Click();
  // Recolours all five exits of the box at once, unless the colour dialog
  // is cancelled.
  void cmdColor_Click();

  QLabel* lblBoxName = nullptr;
  QLabel* lblfunc = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label3 = nullptr;
  // Indexed like the entries and exits they show; element 0 is unused.
  std::array<QLabel*, kEntries + 1> lblFrom{};
  std::array<QCheckBox*, kEntries + 1> chkFrom{};
  QCheckBox* chkLockedInputs = nullptr;
  QLabel* Label2 = nullptr;
  std::array<QLabel*, kExits + 1> lblTo{};
  std::array<QCheckBox*, kExits + 1> chkTo{};
  QCheckBox* chkLockedOutputs = nullptr;
  QLabel* lblEmpty = nullptr;
  QPushButton* cmdColor = nullptr;
  QPushButton* cmdCancel = nullptr;
  QPushButton* cmdOK = nullptr;

 private:
  void fill(const BoxInformation& info);
  // Widens the window, its text rows and its right-hand column alike, so
  // that the longest name or function shown is whole.
  void fitTexts();

  Model& m_;
  int n_;
  ColourChooser& colours_;
  bool describesABox_ = false;
  bool recoloured_ = false;
};

// What a middle click on box n opens, modally: the comment editor for a
// comment box, Box Information for any other. Applies the answer; true when
// the flowchart changed.
bool ShowBoxInformation(QWidget* parent, Model& m, int n, ColourChooser& colours);

}  // namespace quorvin
