#pragma once
// frmPictures: the toolbox palette, a small tool window floating over the
// frame with one picture button per tool of the current toolbox. A click
// picks the tool for the documents (the frame's ToolPick). The
// contents come from the live preferences (txtToolbox, lbltoolboxsize) and,
// for a toolbox file, from that file in the program directory.

#include <QMargins>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "app/toolbox_layout.h"
#include "commands/toolbox_dispatcher.h"
#include "model/model.h"

namespace quorvin {

inline const std::string kToolboxNotFound = "Toolbox file not found.";

// How long the palette waits after the window system's last size before it
// takes the size of its layout.
constexpr int kSettleMs = 150;

class ToolboxPalette : public QWidget {
  Q_OBJECT

 public:
  // pick is the frame's hand-over, where the palette's clicks go; the
  // palette is built at once (Form_Load) but not shown.
  ToolboxPalette(Model& m, ToolPick& pick, QWidget* parent = nullptr);

  // Builds the buttons from the current toolbox: the built-in one for the
  // title "default.tlb", else the file of that title (lower-cased, found
  // without regard to case) in the program directory. A file that is not
  // there is reported as "Toolbox file not found.", one that cannot be read
  // (one over kLargestToolboxFile too) as UnreadableToolboxMessage, one that
  // is no text or whose lines name no tool as NoToolMessage; each gives no
  // buttons.
  void Form_Load();
  // Re-flows the buttons to the palette's size and writes the new shape to
  // the live lbltoolboxsize; does nothing while toolboxReloading.
  void Form_Resize();
  // Removes the tool buttons and hides the palette.
  void Form_Unload();
  // Button index was clicked: its tool is picked ("Arrow" arms the connect
  // tool at once); a connect gesture in progress is dropped first.
  void cmd_Click(int index);

  // The reload sequence: unload, toolboxReloading on, load, shown when show,
  // toolboxReloading off. Not a close by the person: no closedByUser.
  void Reload(bool show);
  // Shows the palette as it was built or left, under toolboxReloading: the
  // resize its showing brings re-flows nothing.
  void ShowAsLoaded();
  // Moves the palette, frame and all, onto its screen where it reaches past
  // an edge. It never grows past the screen, so it then lies wholly on it.
  // Before the window manager has framed it, its frame is the best guess
  // (decorations), and once framed it is held again.
  void keepOnScreen();

  // The palette as a size in twips (its client area).
  int widthTwips() const;
  int heightTwips() const;

  // cmd[0] is the hidden template at the top-left; cmd[i] shows toolNames[i].
  std::vector<QToolButton*> cmd;
  // Index 0 holds no tool; 1..toolCount the current toolbox's names.
  std::vector<std::string> toolNames;
  int toolCount = 0;
  int toolboxColumns = 0;
  bool toolboxReloading = false;

 signals:
  // The person closed the palette: it is hidden, and the frame's Show Toolbox
  // check follows.
  void closedByUser();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The palette's list of the toolbox file at path: index 0 holds no tool,
  // 1.. the file's names. Empty for a file that gives no tool, which is said
  // once, with why.
  std::vector<std::string> namesOfFile(const std::optional<std::string>& path);
  void addButton(int i, int leftTwips, int topTwips);
  void removeButtons();
  void setSizeTwips(int widthTwips, int heightTwips);

  // The title bar and borders around the palette, and the room the screen
  // it is on leaves it inside them.
  QMargins decorations() const;
  TwipsExtent screenTwips() const;
  // The palette was held to its screen before its decorations were known,
  // or with others: held again with those it has now.
  void holdOnceFramed();
  // The re-flow of the palette's present size, and its buttons put there.
  ToolReflow reflow() const;
  void placeButtons(const ToolReflow& flow);
  // After the window system's sizes stopped coming: the palette takes the
  // size of its layout.
  void settle();

  Model& m_;
  ToolPick& pick_;
  QTimer settling_;
  SizeAsking asking_;
  // The decorations the palette was last held to its screen with.
  QMargins heldWith_;
};

}  // namespace quorvin
