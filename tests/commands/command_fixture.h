#pragma once
// A model with open documents and a document context whose questions are
// answered from a script: each option dialog takes the next scripted index
// and extra texts over its initial answer, each input box the next scripted
// text (or its default), and every other dialog the next scripted answer of
// its type (or a fresh dialog's values, as when it is closed without OK).

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "commands/command_context.h"
#include "commands/option_commands.h"
#include "model/model.h"
#include "model/settings_store.h"
#include "tests/support/editor_backdoor.h"
#include "tests/support/quiet_questions.h"
#include "tests/support/recording_views.h"

namespace quorvin::testing {

class ScriptedCommandQuestions : public CommandQuestions {
 public:
  using Widgets = std::map<std::string, std::string>;

  OptionAnswer askOption(const OptionCommand& family) override {
    const std::string form(family.dialog.form);
    asked.push_back(form);
    OptionAnswer answer = InitialOptionAnswer(family);
    auto& queue = options[form];
    if (!queue.empty()) {
      if (queue.front().index) answer.index = *queue.front().index;
      for (const auto& [box, text] : queue.front().extras) answer.extras[box] = text;
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

  ArithmeticAnswer askArithmetic() override { return Next("frmBasic", arithmetic); }
  PauseAnswer askPause() override { return Next("frmPause", pauses); }
  std::string askPrompt() override { return Next("frmUserInput", prompts); }
  VectorAnswer askVector() override { return Next("frmMakeVector", vectors); }
  SplitAnswer askSplit() override { return Next("frmSplit", splits); }
  std::string askComment() override { return Next("frmComment", comments); }
  PlotOutputAnswer askPlot() override { return Next("frmPlot", plots); }
  FormulaAnswer askFormula() override { return Next("frmFunc", formulas); }
  MatlabCommandAnswer askMatlabCommand() override {
    return Next("frmMatlabFunction", matlabCommands);
  }
  ConditionAnswer askCondition() override { return Next("frmIf", conditions); }
  ForLoopAnswer askForLoop() override { return Next("frmForLoop", forLoops); }
  SubroutineChoice askSubroutine(const BoxTable& table) override {
    subroutineLists.push_back(SubroutineStartKinds(table));
    return Next("frmSubs", subroutines);
  }

  // The next value dialog of the answer's type answers it.
  template <typename Answer>
  void script(Answer answer) {
    queueOf(answer).push_back(std::move(answer));
  }
  // The next time the option dialog form is asked, it answers index (none:
  // the index it opens with) and these extra texts.
  struct OptionScript {
    std::optional<int> index;
    Widgets extras;
  };
  void scriptOption(const std::string& form, std::optional<int> index, Widgets extras = {}) {
    options[form].push_back({index, std::move(extras)});
  }

  std::map<std::string, std::deque<OptionScript>> options;
  std::deque<ArithmeticAnswer> arithmetic;
  std::deque<PauseAnswer> pauses;
  std::deque<std::string> prompts;
  std::deque<VectorAnswer> vectors;
  std::deque<SplitAnswer> splits;
  std::deque<std::string> comments;
  std::deque<std::string> inputs;
  std::deque<PlotOutputAnswer> plots;
  std::deque<FormulaAnswer> formulas;
  std::deque<MatlabCommandAnswer> matlabCommands;
  std::deque<ConditionAnswer> conditions;
  std::deque<ForLoopAnswer> forLoops;
  std::deque<SubroutineChoice> subroutines;
  // The start kinds frmSubs listed, each time it was asked.
  std::vector<std::vector<std::string>> subroutineLists;
  std::vector<std::string> asked;

 private:
  std::deque<ArithmeticAnswer>& queueOf(const ArithmeticAnswer&) { return arithmetic; }
  std::deque<PauseAnswer>& queueOf(const PauseAnswer&) { return pauses; }
  std::deque<VectorAnswer>& queueOf(const VectorAnswer&) { return vectors; }
  std::deque<SplitAnswer>& queueOf(const SplitAnswer&) { return splits; }

  template <typename Answer>
  Answer Next(const char* form, std::deque<Answer>& queue) {
    asked.emplace_back(form);
    if (queue.empty()) return Answer{};
    Answer answer = std::move(queue.front());
    queue.pop_front();
    return answer;
  }
};

// The answers a test scripts before it runs a command.
using Script = std::function<void(ScriptedCommandQuestions&)>;
// The next option dialog form answers index (none: the one it opens with)
// and these extra texts.
inline Script Option(const char* form, std::optional<int> index,
                     ScriptedCommandQuestions::Widgets extras = {}) {
  return [=](ScriptedCommandQuestions& q) { q.scriptOption(form, index, extras); };
}
// The next value dialog of the answer's type answers it.
template <typename Answer>
Script Then(Answer answer) {
  return [=](ScriptedCommandQuestions& q) { q.script(answer); };
}
// The next frmUserInput answers this prompt, frmComment this comment.
inline Script Prompt(std::string prompt) {
  return [=](ScriptedCommandQuestions& q) { q.prompts.push_back(prompt); };
}
inline Script Comment(std::string comment) {
  return [=](ScriptedCommandQuestions& q) { q.comments.push_back(comment); };
}

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
  // The person's choice in the pop-up: runs chooseSubroutineItem, if any.
  void showSubroutinesMenu() override {
    ++subroutineMenus;
    if (chooseSubroutineItem) chooseSubroutineItem(*this);
  }

  std::vector<IconShown> icons;
  int arrowsArmed = 0;
  int subroutineMenus = 0;
  std::function<void(CommandContext&)> chooseSubroutineItem;

 private:
  Model& m_;
  int doc_;
  ScriptedCommandQuestions& q_;
};

// Messages answered with OK and kept, with their style and title.
class MessageRecordingDialogs : public testing_support::QuietDialogs {
 public:
  Answer messageBox(const std::string& text, MessageStyle style,
                    const std::string& title) override {
    messages.push_back(text);
    styles.push_back(style);
    titles.push_back(title);
    return Answer::Ok;
  }
  std::vector<std::string> messages;
  std::vector<MessageStyle> styles;
  std::vector<std::string> titles;
};

// Two open documents, the model in select mode.
struct CommandFixture {
  MessageRecordingDialogs dialogs;
  testing_support::RecordingViews views;
  MemorySettingsStore store;
  Model m{dialogs, views, store};
  // The records, written field by field where a test needs what no edit makes.
  BoxTable& boxes = testing_support::WritableTable(m);
  int doc1 = 0, doc2 = 0;
  ScriptedCommandQuestions questions;

  CommandFixture() {
    doc1 = NewDocument(m);
    doc2 = NewDocument(m);
    testing_support::SetEditMode(m, EditMode::Select);
  }
  // The context of a command run from document doc's menu or canvas.
  ScriptedContext on(int doc) { return ScriptedContext(m, doc, questions); }
  BoxRecord& last() { return boxes[boxes.highestBox()]; }
  // Places the waiting box, as the placing click does.
  void place() { testing_support::SetEditMode(m, EditMode::Select); }
};

}  // namespace quorvin::testing
