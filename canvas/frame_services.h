#pragma once
// What a document window needs of the frame that hosts it. The window lives
// below the frame (canvas/ before app/), so the frame hands these in: the
// commands that belong to the whole program (the interpreter link, exit, the
// toolbox), the state every window reads through the frame (the tool handed
// over by the palette, which the frame holds; the toolbox menu state and the
// live preferences, which it serves from the model), and the frame's colour
// dialog.

#include <QString>
#include <string>

#include "canvas/logic/colour_chooser.h"
#include "canvas/menu_choices.h"
#include "commands/toolbox_dispatcher.h"
#include "compiler/compile_questions.h"

class QMdiArea;

namespace quorvin {

class FileDialogPlace;

class FrameServices {
 public:
  virtual ~FrameServices() = default;

  // The MDI area the document windows open in.
  virtual QMdiArea& mdiArea() = 0;

  // Execute menu and Start Matlab, run for document doc with the window's
  // own questions.
  virtual void executeToClipboard(int doc, CompileQuestions& questions) = 0;
  virtual void executeToFile(int doc, CompileQuestions& questions) = 0;
  virtual void executeToMatlab(int doc, CompileQuestions& questions) = 0;
  virtual void startMatlab(Dialogs& dialogs) = 0;
  // True while a box-by-box run is under way: no second run, no editing.
  virtual bool running() const = 0;

  // File > Exit of a document window: ends the program as the frame's Exit does.
  virtual void exitProgram() = 0;

  // The toolbox hand-over: the tool the palette picked, waiting for the next
  // mouse move over a canvas.
  virtual ToolPick& toolPick() = 0;
  // The toolbox state every Options menu shows, as the live preferences hold
  // it: whether the palette is meant to be shown (the "Show Toolbox" check)
  // and the "Current Toolbox: " caption of the current toolbox. The frame
  // has every open window show it again whenever it changes.
  virtual bool toolboxShown() const = 0;
  virtual QString currentToolboxCaption() const = 0;
  // Options menu commands the frame carries out.
  virtual void showToolbox(bool show) = 0;
  virtual void chooseCurrentToolbox() = 0;
  virtual void configureToolbox() = 0;
  virtual void preferences() = 0;
  // Windows menu: lays the document windows out.
  virtual void arrangeWindows(Arrangement how) = 0;
  // Help menu; the tour item's check is the window's own.
  virtual void help(HelpCommand command) = 0;

  // Live preferences a new window starts from.
  virtual int lineWidth() const = 0;
  virtual bool showBubbles() const = 0;

  // The frame's colour dialog: one for the program, so the last colour is
  // kept between openings.
  virtual ColourChooser& colours() = 0;
  // Where every file dialog of the program opens (see FileDialogPlace).
  virtual FileDialogPlace& fileDialogs() = 0;
};

}  // namespace quorvin
