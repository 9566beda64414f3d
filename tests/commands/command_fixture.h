#pragma once
// A model with open documents and a document context whose questions are
// answered from a script: each askForm takes the next scripted widgets of
// that dialog over its initial values (or the initial values alone), each
// input box the next scripted text (or its default).

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "commands/command_context.h"
#include "commands/form_vocabulary.h"
#include "model/model.h"
#include "model/settings_store.h"
#include "tests/support/quiet_questions.h"
#include "tests/support/recording_views.h"

namespace quorvin::testing {

class ScriptedCommandQuestions : public CommandQuestions {
 public:
  using Widgets = std::map<std::string, std::string>;

  FormAnswer askForm(std::string_view form) override {
    asked.emplace_back(form);
    FormAnswer answer = InitialAnswer(form);
    auto& queue = forms[std::string(form)];
    if (!queue.empty()) {
      for (const auto& [widget, text] : queue.front()) answer.texts[widget] = text;
      queue.pop_front();
    }
    return answer;
  }
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultAnswer) override {
    asked.push_back("input:" + prompt + "|" + title + "|" + defaultAnswer);
    if (inputs.empty()) return defaultAnswer;
    std::string answer = inputs.front();
    inputs.pop_front();
    return answer;
  }

  // The next time form is asked, these widgets change.
  void script(const std::string& form, Widgets widgets) {
    forms[form].push_back(std::move(widgets));
  }

  std::map<std::string, std::deque<Widgets>> forms;
  std::deque<std::string> inputs;
  std::vector<std::string> asked;
};

struct IconShown {
  int doc, box;
  std::string key;
  bool operator==(const IconShown&) const = default;
};

class ScriptedContext : public CommandContext {
 public:
  ScriptedContext(Model& m, int doc, ScriptedCommandQuestions& q) : m_(m), doc_(doc), q_(q) {}
  Model& model() override { return m_; }
  int document() const override { return doc_; }
  CommandQuestions& questions() override { return q_; }
  void setBoxIcon(int doc, int box, const std::string& key) override {
    icons.push_back({doc, box, key});
  }
  void armArrowTool() override { ++arrowsArmed; }

  std::vector<IconShown> icons;
  int arrowsArmed = 0;

 private:
  Model& m_;
  int doc_;
  ScriptedCommandQuestions& q_;
};

// Two open documents, the model in select mode.
struct CommandFixture {
  testing_support::QuietDialogs dialogs;
  testing_support::RecordingViews views;
  MemorySettingsStore store;
  Model m{dialogs, views, store};
  int doc1 = 0, doc2 = 0;
  ScriptedCommandQuestions questions;

  CommandFixture() {
    doc1 = NewDocument(m);
    doc2 = NewDocument(m);
    m.editMode = EditMode::Select;
  }
  // The context of a command run from document doc's menu or canvas.
  ScriptedContext on(int doc) { return ScriptedContext(m, doc, questions); }
  BoxRecord& last() { return m.table[m.table.highestBox()]; }
  // Places the waiting box, as the placing click does.
  void place() { m.editMode = EditMode::Select; }
};

}  // namespace quorvin::testing
