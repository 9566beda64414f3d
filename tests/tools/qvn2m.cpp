// qvn2m FILE.qvn [ANSWERS] [--with OTHER.qvn]...
//
// Loads FILE.qvn into an empty box table as document 1 (each OTHER.qvn
// after it as document 2, 3, ...), compiles document 1 for the clipboard
// (text only) and writes exactly the clipboard's text to standard output.
// Every question asked on the way, the loader's included, goes to standard
// error, one line each, in the format of ScriptedQuestions:
//   message STYLE "TITLE" "TEXT"
//   input "TITLE" "PROMPT" default "DEFAULT"
//   matrix
//   open "FILTER"
//   save "FILTER" name "OFFERED NAME"
// with backslash, quote, CR, LF and tab written \\ \" \r \n \t.
// ANSWERS holds one answer per line in the order asked (see
// tests/support/scripted_questions.h); without it, input boxes take their default,
// message boxes their first button and file dialogs are cancelled.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "compiler/compiler.h"
#include "model/model.h"
#include "model/settings_store.h"
#include "tests/support/scripted_questions.h"

namespace {

class NoViews : public quorvin::DocumentViews {};

int Usage() {
  std::cerr << "usage: qvn2m FILE.qvn [ANSWERS] [--with OTHER.qvn]...\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> positional, others;
  for (int k = 1; k < argc; ++k) {
    const std::string arg = argv[k];
    if (arg == "--with") {
      if (k + 1 >= argc) return Usage();
      others.push_back(argv[++k]);
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.empty() || positional.size() > 2) return Usage();

  quorvin::testing_support::ScriptedQuestions host;
  if (positional.size() == 2) {
    std::ifstream answers(positional[1], std::ios::binary);
    if (!answers) {
      std::cerr << "qvn2m: cannot read " << positional[1] << "\n";
      return 2;
    }
    for (std::string line; std::getline(answers, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      host.answers.push_back(line);
    }
  }

  NoViews views;
  quorvin::MemorySettingsStore store;
  quorvin::Model model(host, views, store);
  quorvin::LoadFlowchart(model, positional[0]);
  for (const std::string& other : others) quorvin::LoadFlowchart(model, other);

  quorvin::Compiler compiler(model, host);
  const std::string script = compiler.CompileFlowchart(quorvin::CompileMode::Text, 1);
  std::fwrite(script.data(), 1, script.size(), stdout);
  for (const std::string& question : host.questions) std::cerr << question << "\n";
  return 0;
}
