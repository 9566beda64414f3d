#pragma once
// The editor's fixture with the shared canvas state and one window state per
// document, for the event rules of the document window.

#include <map>

#include "canvas/logic/canvas_state.h"
#include "tests/model/editor_fixture.h"

namespace quorvin::testing {

struct CanvasFixture : EditorFixture {
  CanvasState canvas;
  std::map<int, WindowState> windows;

  int OpenDocument() {
    const int doc = NewDocument(m);
    windows[doc] = WindowState{};
    return doc;
  }
  WindowState& window(int doc) { return windows[doc]; }
};

}  // namespace quorvin::testing
