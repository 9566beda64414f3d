#pragma once
// What the model needs of a person and of the windows that show it. The
// application implements these with Qt; tests implement them with scripts.

#include <optional>
#include <string>
#include <vector>

#include "model/message_style.h"

namespace quorvin {

enum class Answer { Ok, Cancel, Abort, Retry, Ignore, Yes, No };

// The word shown on a button, as scripted answers name it.
const char* AnswerWord(Answer a);
std::optional<Answer> AnswerFromWord(const std::string& word);

inline const std::string kAppTitle = "Quorvin";
inline const std::string kFlowchartFilter =
    "Quorvin Files (*.qvn)|*.qvn|All Files (*.*)|*.*";

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual Answer messageBox(const std::string& text, MessageStyle style,
                            const std::string& title) = 0;
  // A cancel gives the empty text, as the platform's input box does.
  virtual std::string inputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultAnswer) = 0;
  // File dialogs return the chosen full path, or nothing when cancelled.
  // initialName presets the name; an empty one leaves the choice to the
  // dialog (a document window's offers the name last chosen in it).
  virtual std::optional<std::string> openFile(const std::string& filter) = 0;
  virtual std::optional<std::string> saveFileAs(const std::string& filter,
                                                const std::string& initialName) = 0;
  // A Save As dialog that only names a file, which nothing then writes (the
  // current toolbox): choosing one that exists is the point, so it is never
  // asked whether to replace it.
  virtual std::optional<std::string> nameFile(const std::string& filter,
                                              const std::string& initialName) {
    return saveFileAs(filter, initialName);
  }
};

// Mouse pointers of setDocsPointer.
enum class Pointer { Default = 0, Arrow = 1, CrossHair = 2, Hourglass = 11, NoDrop = 12 };

// The document windows, as far as the model and a compile drive them. A call
// about one document names it by number; a view rebuilds what it shows from
// the box table. The pointer and the gauge go to every open document.
class DocumentViews {
 public:
  virtual ~DocumentViews() = default;
  virtual void documentOpened(int /*doc*/) {}
  virtual void captionChanged(int /*doc*/, const std::string& /*caption*/) {}
  // The boxes of a document changed (created, loaded, deleted, renumbered):
  // rebuild its buttons from the table and redraw its arrows.
  virtual void boxesChanged(int /*doc*/) {}
  // The arrows of a document changed (a link made, Redraw Arrows): draw them
  // again from the table; the buttons stay as they are.
  virtual void arrowsChanged(int /*doc*/) {}
  virtual void hideCopyShape(int /*doc*/) {}
  // The current arrow colour of a document changed: its window shows it.
  virtual void arrowColourChanged(int /*doc*/) {}
  // Box `deleted` is gone and the box numbered `highest` now has its number
  // (the same number when the deleted box was the highest): whatever a view
  // keeps by box number (a button's drag mode) goes with the box, and the
  // number freed keeps nothing for the next box that takes it.
  virtual void boxRenumbered(int /*deleted*/, int /*highest*/) {}
  virtual void setDocsPointer(Pointer /*pointer*/) {}
  virtual void setResourceGauge(double /*percent*/) {}
  // The recent-file items of every File menu show these, newest first.
  virtual void recentFilesChanged(const std::vector<std::string>& /*paths*/) {}
};

}  // namespace quorvin
