#pragma once
// Scripted stand-ins for the person and the windows, recording what the
// model asked and told them.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "model/model.h"
#include "tests/support/editor_backdoor.h"
#include "tests/support/placed_boxes.h"
#include "tests/support/recording_views.h"

namespace quorvin::testing {

struct Message {
  std::string text;
  MessageStyle style;
  std::string title;
};

class ScriptedDialogs : public Dialogs {
 public:
  Answer messageBox(const std::string& text, MessageStyle style,
                    const std::string& title) override {
    messages.push_back({text, style, title});
    return Answer::Ok;
  }
  std::string inputBox(const std::string&, const std::string&, const std::string& d) override {
    return d;
  }
  std::optional<std::string> openFile(const std::string& filter) override {
    filters.push_back(filter);
    return Next();
  }
  std::optional<std::string> saveFileAs(const std::string& filter,
                                        const std::string& initialName) override {
    filters.push_back(filter);
    initialNames.push_back(initialName);
    return Next();
  }

  std::deque<std::optional<std::string>> fileAnswers;  // empty: cancel
  std::vector<Message> messages;
  std::vector<std::string> filters, initialNames;

 private:
  std::optional<std::string> Next() {
    if (fileAnswers.empty()) return std::nullopt;
    auto a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
  }
};

// Message boxes answer from a script (OK once it runs out); whenAsked, when
// set, looks at the program the moment a question is asked.
class AnsweringDialogs : public ScriptedDialogs {
 public:
  Answer messageBox(const std::string& text, MessageStyle style,
                    const std::string& title) override {
    ScriptedDialogs::messageBox(text, style, title);
    if (whenAsked) whenAsked();
    if (answers.empty()) return Answer::Ok;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::deque<Answer> answers;
  std::function<void()> whenAsked;
};

using testing_support::RecordingViews;

// A model over recording views and a settings store in memory, asking a
// person through QuestionFakes.
template <typename QuestionFakes>
struct ModelWith {
  QuestionFakes dialogs;
  RecordingViews views;
  MemorySettingsStore store;
  Model m{dialogs, views, store};
  // The records, written field by field where a test needs what no edit makes.
  BoxTable& boxes = testing_support::WritableTable(m);
};

// A model with its fakes, ready for a test.
struct ModelFixture : ModelWith<ScriptedDialogs> {

  // A placed box of the given kind on document doc, at the canvas origin.
  int AddBox(int doc, const std::string& kind, const std::string& params = "") {
    return testing_support::AddPlacedBox(m, doc, 0, 0, kind, params);
  }
  static void Link(Model& model, int from, int exit, int to, int entry) {
    testing_support::WritableTable(model)[from].OutLink[exit] = static_cast<int16_t>(to);
    testing_support::WritableTable(model)[to].InLink[entry] = static_cast<int16_t>(from);
  }
};

}  // namespace quorvin::testing
