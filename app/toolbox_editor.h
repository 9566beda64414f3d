#pragma once
// frmConfigToolbox "Configure Toolbox": the person drags tools from a palette
// of all 63 onto the toolbox panel, removes them with the right mouse button
// and saves the toolbox file; the frame then rebuilds its palette.

#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVector>
#include <functional>
#include <memory>
#include <string>

#include "app/toolbox_editing.h"
#include "model/host.h"

class QMimeData;

namespace quorvin {

inline const std::string kNoMoreRoom = "No more room in this toolbox !";
inline const std::string kLoadFailed = "Load Failed.";

class ToolboxEditor : public QDialog {
 public:
  // appDir is where a relative toolbox name lies; reloadPalette rebuilds the
  // frame's palette after a save. dialogs asks the editor's questions (file
  // dialogs and messages); without it they are asked on the editor itself.
  ToolboxEditor(QWidget* parent, std::string appDir, std::function<void()> reloadPalette,
                Dialogs* dialogs = nullptr);
  ~ToolboxEditor() override;

  // Reads a toolbox file into the panel, after what it already holds; a
  // file that cannot be read adds nothing.
  void LoadToolbox(const std::string& fileName);
  void cmdPict_MouseMove(int index);
  void scroll_Change();
  // A palette button (1 to 18) dropped on the panel.
  void pnlToolbox_DragDrop(int index);
  // Tool k with mouse button 2 (the right one) removes it.
  void cmdButton_MouseDown(int k, int button);
  void chkClear_Click();
  void chkReload_Click();
  void opnFileName_Click();
  void cmdOK_Click();
  void cmdCancel_Click();

  // The file the editor saves to, as its caption shows it.
  std::string fileName() const { return opnFileName->text().toStdString(); }
  const EditedToolbox& toolbox() const { return toolbox_; }
  // The drag data a palette button carries; only the editor that made it takes it.
  std::unique_ptr<QMimeData> paletteDragData(int index) const;

  QGroupBox* Frame1;
  QVector<QPushButton*> cmdPict;  // [0] unused, 1 to 18
  QScrollBar* scroll;
  QGroupBox* Frame2;
  QLabel* lblFunction;
  QGroupBox* Frame3;
  QRadioButton* opnFileName;
  QCheckBox* chkClear;
  QCheckBox* chkReload;
  QFrame* pnlToolbox;
  QVector<QPushButton*> cmdButton;  // [0] the hidden template, 1 to n the tools
  QLabel* lbltoolbox;
  QLabel* Label2;
  QPushButton* cmdOK;
  QPushButton* cmdCancel;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class DropPanel;
  // The palette button (1 to 18) a drag's data names, or 0 when it is not ours.
  int positionOfDrag(const QMimeData* mime) const;
  void startDrag(int index);
  void rebuildButtons();
  void emptyToolbox();

  std::string appDir_;
  std::function<void()> reloadPalette_;
  std::unique_ptr<Dialogs> ownDialogs_;
  Dialogs* dialogs_;
  EditedToolbox toolbox_;
  QPoint pressAt_;
};

// "&Configure toolbox ...": shows the editor modally; a saved toolbox
// rebuilds the palette through reloadPalette.
void ConfigureToolbox(QWidget* parent, const std::string& appDir,
                      std::function<void()> reloadPalette);

}  // namespace quorvin
