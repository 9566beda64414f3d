#pragma once
// A flowchart, scripted questions, recording views and one compile of them.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "chart_builder.h"
#include "compiler/compiler.h"
#include "model/preferences.h"
#include "tests/support/recording_views.h"
#include "tests/support/scripted_questions.h"

namespace quorvin::testing {

using testing_support::OneLine;
using testing_support::RecordingViews;
using testing_support::ScriptedQuestions;

class CompileTest : public ::testing::Test {
 protected:
  std::string Compile(CompileMode mode = CompileMode::Text, int doc = 1) {
    // The chart keeps the Keyboard Input answers, as the editor keeps them
    // in the model's table.
    Compiler compiler(c.table, views, prefs, host, nullptr,
                      [this](int box, const std::string& answer) { c[box].Params = answer; });
    std::string script = compiler.CompileFlowchart(mode, doc);
    endLevel = compiler.work().nestLevel;
    return script;
  }
  // The questions in order, as ScriptedQuestions records them.
  const std::vector<std::string>& Asked() const { return host.questions; }
  // A fresh chart that draw draws, with no question asked yet, for the rows
  // of a table.
  void Redraw(const std::function<void(ChartBuilder&)>& draw) {
    c = ChartBuilder{};
    host.questions.clear();
    draw(c);
  }
  // The questions a compile of a fresh chart that draw draws asks.
  const std::vector<std::string>& AskedFor(const std::function<void(ChartBuilder&)>& draw) {
    Redraw(draw);
    Compile();
    return Asked();
  }

  ChartBuilder c;
  ScriptedQuestions host;
  RecordingViews views;
  Preferences prefs;
  int endLevel = 0;
};

inline std::string Message(int style, const std::string& text) {
  return "message " + std::to_string(style) + " \"Quorvin\" " + OneLine(text);
}
inline const std::string kDone = Message(64, "Done !");
inline std::string Stuck(int box, const std::string& kind) {
  return Message(18, "There seems to be an infinite loop here, whereby box" + std::to_string(box) +
                         " (" + kind + ") cannot be processed.\r\n" +
                         "Do you want to retry, abort or ignore this box ?");
}
inline std::string Incomplete(const std::vector<std::string>& notes) {
  std::string text = "Done, but the script is incomplete:";
  for (const std::string& n : notes) text += "\r\n" + n;
  return Message(48, text);
}

}  // namespace quorvin::testing
