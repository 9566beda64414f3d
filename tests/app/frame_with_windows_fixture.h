#pragma once
// The frame with real document windows, joined as the program joins them,
// over a model whose questions answer from a script.

#include <gtest/gtest.h>

#include <QMenu>

#include "app/document_routing.h"
#include "app/frame_window.h"
#include "canvas/document_windows.h"
#include "tests/canvas/canvas_fixture.h"
#include "tests/support/qt_application.h"

namespace quorvin::testing {

struct FrameWithWindows : ::testing::Test {
  // Before any widget below.
  bool gui = (testing_support::EnsureGuiApplication(), true);
  DocumentWindows windows;
  AnsweringDialogs dialogs;
  MemorySettingsStore store;
  Model m{dialogs, windows, store};
  QtQuestions questions{nullptr};
  FrameWindow frame{m, questions, DocumentsOf(windows), 0};
  void SetUp() override {
    JoinFrameAndWindows(frame, windows, m);
    frame.resize(1000, 700);
    frame.show();
  }
  QList<QMenu*> menusOf(int doc) {
    QList<QMenu*> menus;
    for (QMenu* menu : windows.window(doc)->menus()) menus.push_back(menu);
    return menus;
  }
};

}  // namespace quorvin::testing
