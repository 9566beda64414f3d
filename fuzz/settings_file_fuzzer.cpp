// Feeds arbitrary bytes to the settings file's writer and reader as the file
// found on disk. Saving the preferences into any file and reading them back
// gives the same preferences, a second save changes nothing, and the
// person's own lines are all still there, after the UTF-8 byte-order mark
// the file began with, if any.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/settings_file.h"
#include "model/text_encoding.h"

namespace {

using namespace quorvin;

void Check(bool ok) {
  if (!ok) std::abort();
}

bool SamePreferences(const Preferences& a, const Preferences& b) {
  return a.chkInput == b.chkInput && a.chkShowBubbles == b.chkShowBubbles &&
         a.txtLineWidth == b.txtLineWidth && a.chkShowToolbox == b.chkShowToolbox &&
         a.txtToolbox == b.txtToolbox && a.lbltoolboxsize == b.lbltoolboxsize &&
         a.txtDrives == b.txtDrives;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether line sets one of the seven keys (the name before its first "=",
// blanks around it dropped, in any case).
bool IsPreferenceLine(const std::string& line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string::npos) return false;
  std::size_t from = 0, to = equals;
  while (from < to && IsBlank(line[from])) ++from;
  while (to > from && IsBlank(line[to - 1])) --to;
  std::string name;
  for (std::size_t i = from; i < to; ++i) name += Lower(line[i]);
  for (const std::string* key : {&settings_key::kShowBubbles, &settings_key::kLineWidth,
                                 &settings_key::kUnusedBoxesForInput, &settings_key::kShowToolbox,
                                 &settings_key::kDefaultToolbox, &settings_key::kToolboxSize,
                                 &settings_key::kScanDrives}) {
    std::string lowered;
    for (const char c : *key) lowered += Lower(c);
    if (name == lowered) return true;
  }
  return false;
}

// The lines of bytes without their line ends, but for those of the keys.
std::vector<std::string> OtherLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t lf = bytes.find('\n', start);
    if (lf == std::string::npos) lf = bytes.size();
    std::string line = bytes.substr(start, lf - start);
    // A last line without a line end gets one when a line follows it: its
    // closing CR then reads as part of that line end.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    start = lf + 1;
    if (!IsPreferenceLine(line)) lines.push_back(line);
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file(reinterpret_cast<const char*>(data), size);
  Preferences prefs;
  prefs.chkInput = true;
  prefs.chkShowBubbles = false;
  prefs.txtLineWidth = "3";
  prefs.chkShowToolbox = false;
  prefs.txtToolbox = "mine.tlb";
  prefs.lbltoolboxsize = "4X2";
  prefs.txtDrives = "cd";

  const std::string saved = WithPreferences(file, prefs);
  Preferences back;  // the model's defaults, each of them unlike prefs
  ReadSettings(saved, back);
  Check(SamePreferences(back, prefs));
  Check(WithPreferences(saved, prefs) == saved);
  // The mark an editor put first stays first, and is no part of a line.
  const std::string mark(Utf8MarkOf(file));
  Check(saved.starts_with(mark));
  // Nothing of the person's is lost or changed: every other line is still
  // there, in order; at most the section's header was added at the end.
  const std::vector<std::string> before = OtherLines(file.substr(mark.size()));
  std::vector<std::string> after = OtherLines(saved.substr(mark.size()));
  if (after.size() == before.size() + 1 && after.back() == "[" + kPreferencesSection + "]")
    after.pop_back();
  Check(after == before);
  return 0;
}
