#include "app/executing_host.h"

namespace quorvin {

namespace {
bool IsCompileEnd(const std::string& text) {
  return text == "Done !" || text.rfind("Done, but", 0) == 0;
}
}  // namespace

std::string DoneWithFailuresText(const std::string& doneText, int failures) {
  const std::string count = std::to_string(failures) +
                            (failures == 1 ? " statement" : " statements") +
                            " failed in Matlab: see \"Matlab Text Results\".";
  if (doneText == "Done !") return "Done, but " + count;
  return doneText + "\r\n" + count;
}

Answer ExecutingHost::messageBox(const std::string& text, int style, const std::string& title) {
  if (!IsCompileEnd(text)) return base_.messageBox(text, style, title);
  // The walk is over: a block that never closed goes now, before the verdict.
  if (!step_.finish()) return Answer::Ok;  // abandoned; the user has been told
  if (step_.failures() == 0) return base_.messageBox(text, style, title);
  return base_.messageBox(DoneWithFailuresText(text, step_.failures()), style::kExclamation, title);
}

}  // namespace quorvin
