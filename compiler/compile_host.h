#pragma once
// Everything a compile asks of a person or of the platform. The document
// window implements it with Qt; tests supply a scripted one.

#include <string>

#include "model/host.h"

namespace quorvin {

class CompileHost : public Dialogs {
 public:
  // The matrix-entry dialog, shown modally: the text of its `mat` box after
  // it closed ("mat" when it was closed without OK).
  virtual std::string matrixEntry() = 0;
  virtual void setDocsPointer(int pointer) = 0;
  virtual void setResourceGauge(double percent) = 0;
  // The live preference chkInput: 1 ticked, 0 not.
  virtual int chkInput() const = 0;
  // Mode 0 only. compileStarted() comes at the start of every compile (the
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
};

}  // namespace quorvin
