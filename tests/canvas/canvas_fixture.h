#pragma once
// A model with scripted answers, the shared canvas state and one window state
// per document, for the editing rules of the document window.

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "canvas/logic/canvas_state.h"
#include "tests/model/model_fakes.h"

namespace quorvin::testing {

// Message boxes answer from a script (OK once it runs out).
class AnsweringDialogs : public ScriptedDialogs {
 public:
  Answer messageBox(const std::string& text, MessageStyle style,
                    const std::string& title) override {
    ScriptedDialogs::messageBox(text, style, title);
    if (answers.empty()) return Answer::Ok;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::deque<Answer> answers;
};

class CanvasViews : public RecordingViews {
 public:
  void arrowsChanged(int doc) override { arrowsRedrawn.push_back(doc); }
  std::vector<int> arrowsRedrawn;
};

struct CanvasFixture {
  AnsweringDialogs dialogs;
  CanvasViews views;
  MemorySettingsStore store;
  Model m{dialogs, views, store};
  CanvasState canvas;
  std::map<int, WindowState> windows;

  int OpenDocument() {
    const int doc = NewDocument(m);
    windows[doc] = WindowState{};
    return doc;
  }
  WindowState& window(int doc) { return windows[doc]; }

  // A placed box of document doc at canvas x, y; the mode is select after.
  int AddBox(int doc, int32_t x, int32_t y, const std::string& kind = "Sin") {
    m.editMode = EditMode::Select;
    if (!NewBox(m, doc)) return 0;
    const int n = m.table.highestBox();
    m.table[n].Kind = kind;
    m.table[n].X = x;
    m.table[n].Y = y;
    m.editMode = EditMode::Select;
    return n;
  }
  // Boxes up to number count, all on document doc.
  void FillTo(int doc, int count) {
    while (m.table.highestBox() < count) AddBox(doc, 100 * m.table.nextBox, 100);
  }
  void Link(int from, int exit, int to, int entry) { ModelFixture::Link(m, from, exit, to, entry); }
  void Select(std::vector<int16_t> boxes, int32_t anchorX, int32_t anchorY) {
    m.selection = std::move(boxes);
    canvas.selAnchorX = anchorX;
    canvas.selAnchorY = anchorY;
  }
  std::vector<std::string> messageTexts() const {
    std::vector<std::string> texts;
    for (const Message& msg : dialogs.messages) texts.push_back(msg.text);
    return texts;
  }
};

}  // namespace quorvin::testing
