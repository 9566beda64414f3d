#pragma once
// A frame for document windows under test: an MDI area on screen and a
// record of the commands the windows hand to the frame.

#include <QMdiArea>
#include <string>
#include <vector>

#include "canvas/document_windows.h"
#include "canvas/frame_services.h"
#include "tests/canvas/box_information_fixture.h"
#include "tests/canvas/canvas_fixture.h"

namespace quorvin::testing {

class FakeFrame : public FrameServices {
 public:
  FakeFrame() {
    area.resize(1000, 800);
    area.show();
  }

  QMdiArea& mdiArea() override { return area; }
  void executeToClipboard(int doc, CompileQuestions&) override { record("clipboard", doc); }
  void executeToFile(int doc, CompileQuestions&) override { record("file", doc); }
  void executeToMatlab(int doc, CompileQuestions&) override { record("matlab", doc); }
  void startMatlab(Dialogs&) override { record("start matlab", 0); }
  bool running() const override { return isRunning; }
  void exitProgram() override { record("exit", 0); }
  ToolPick& toolPick() override { return toolbox; }
  bool toolboxShown() const override { return showsToolbox; }
  QString currentToolboxCaption() const override { return toolboxCaption; }
  void showToolbox(bool show) override { record(show ? "show toolbox" : "hide toolbox", 0); }
  void chooseCurrentToolbox() override { record("choose toolbox", 0); }
  void configureToolbox() override { record("configure toolbox", 0); }
  void preferences() override { record("preferences", 0); }
  void arrangeWindows(Arrangement how) override { record("arrange", static_cast<int>(how)); }
  void help(HelpCommand command) override { record("help", static_cast<int>(command)); }
  int lineWidth() const override { return 1; }
  bool showBubbles() const override { return bubbles; }
  ColourChooser& colours() override { return colourDialog; }
  FileDialogPlace& fileDialogs() override { return dialogPlace; }

  QMdiArea area;
  std::vector<std::string> commands;  // "name doc" in the order given
  bool isRunning = false;
  ToolPick toolbox;  // what the palette picked
  bool bubbles = true;  // the live Show Identification Bubbles
  bool showsToolbox = true;
  QString toolboxCaption = QStringLiteral("Current Toolbox: default.tlb");
  ScriptedColours colourDialog;
  FileDialogPlace dialogPlace{QString()};

 private:
  void record(const std::string& name, int doc) {
    commands.push_back(name + " " + std::to_string(doc));
  }
};

// A model whose views are real document windows in a fake frame; its
// message boxes answer from a script.
struct WindowsFixture {
  FakeFrame frame;
  DocumentWindows windows;
  AnsweringDialogs dialogs;
  MemorySettingsStore store;
  Model m{dialogs, windows, store};
  // The records, written field by field where a test needs what no edit makes.
  BoxTable& boxes = testing_support::WritableTable(m);

  WindowsFixture() { windows.attach(m, frame); }
};

}  // namespace quorvin::testing
