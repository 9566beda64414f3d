#pragma once
// Everything a compile asks of a person or of the platform. The document
// window implements it with Qt; tests supply a scripted one.

#include <optional>
#include <string>
#include <vector>

#include "model/host.h"

namespace quorvin {

class CompileHost : public Dialogs {
 public:
  // The matrix-entry dialog, shown modally: the text of its `mat` box after
  // it closed ("mat" when it was closed without OK).
  virtual std::string matrixEntry() = 0;
  virtual void setDocsPointer(Pointer pointer) = 0;
  virtual void setResourceGauge(double percent) = 0;
  // The live preference chkInput: 1 ticked, 0 not.
  virtual int chkInput() const = 0;
  // CompileMode::Execute only. compileStarted() comes at the start of every compile (the
  // first-plot flag starts at 0 there); executeStep() after every box whose
  // code was written: `script` is the text written since the previous step,
  // nestLevel the number of blocks open after the box. The step empties
  // `script`. Returns false when the compile must be abandoned (the host has
  // already told the user why).
  virtual void compileStarted() {}
  virtual bool executeStep(int /*box*/, int /*nestLevel*/, std::string& script) {
    script.clear();
    return true;
  }
  // CompileMode::Execute only: the walk is over. The host runs whatever it still holds
  // back and adds a line to `problems` for each thing that went wrong in the
  // run, to be told in the closing message. Returns false when the compile
  // must be abandoned (the host has told the user why).
  virtual bool compileFinished(std::vector<std::string>& /*problems*/) { return true; }
};

// A host that asks no one, for batch use (benchmarks, tools): input boxes
// take their default, file dialogs are cancelled, the matrix dialog gives
// its initial text, a stuck walk is answered with Ignore so that it ends,
// and every other message is acknowledged. The last message is kept.
class QuietCompileHost : public CompileHost {
 public:
  Answer messageBox(const std::string& text, int style, const std::string&) override {
    lastMessage = text;
    return (style & 7) == style::kAbortRetryIgnore ? Answer::Ignore : Answer::Ok;
  }
  std::string inputBox(const std::string&, const std::string&,
                       const std::string& defaultAnswer) override {
    return defaultAnswer;
  }
  std::optional<std::string> openFile(const std::string&) override { return std::nullopt; }
  std::optional<std::string> saveFileAs(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::string matrixEntry() override { return "mat"; }
  void setDocsPointer(Pointer) override {}
  void setResourceGauge(double) override {}
  int chkInput() const override { return 0; }

  std::string lastMessage;
};

}  // namespace quorvin
