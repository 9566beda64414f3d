#include "model/settings_file.h"

#include <filesystem>
#include <vector>

#include "model/file_lookup.h"
#include "model/line_end.h"
#include "model/safe_file.h"
#include "model/text_encoding.h"

namespace quorvin {

namespace {

// One line of a profile text: its text without the line end, and the line
// end as the file has it ("\r\n", "\n"; for the last line also "\r" or "").
struct ProfileLine {
  std::string_view text;
  std::string_view end;
};

// The lines of the text bytes hold: a UTF-8 byte-order mark before the
// first is none of its text (see WithProfileString for where it goes).
std::vector<ProfileLine> SplitLines(std::string_view bytes) {
  bytes = WithoutUtf8Mark(bytes);
  std::vector<ProfileLine> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t lf = bytes.find('\n', start);
    if (lf == std::string_view::npos) {
      // A last line may end in a CR alone: the first half of a line end.
      std::string_view text = bytes.substr(start);
      const bool cr = text.back() == '\r';
      if (cr) text.remove_suffix(1);
      lines.push_back({text, cr ? std::string_view("\r") : std::string_view()});
      break;
    }
    std::size_t textEnd = lf;
    if (textEnd > start && bytes[textEnd - 1] == '\r') --textEnd;
    lines.push_back({bytes.substr(start, textEnd - start), bytes.substr(textEnd, lf + 1 - textEnd)});
    start = lf + 1;
  }
  return lines;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// The name of a "[section]" line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trimmed(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = line.find(']');
  return Trimmed(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

// Whether line is a "key=value" line of key.
bool IsKeyLine(std::string_view line, std::string_view key) {
  const std::size_t equals = line.find('=');
  return equals != std::string_view::npos && SameIgnoringCase(Trimmed(line.substr(0, equals)), key);
}

// The lines [first, last) of the first section named section: first is the
// line after its header; nothing when there is no such section.
struct SectionSpan {
  std::size_t header;
  std::size_t last;
};

std::optional<SectionSpan> FindSection(const std::vector<ProfileLine>& lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(lines[i].text);
    if (!name || !SameIgnoringCase(*name, section)) continue;
    std::size_t last = i + 1;
    while (last < lines.size() && !SectionName(lines[last].text)) ++last;
    return SectionSpan{i, last};
  }
  return std::nullopt;
}

// The line end new lines take: the text's first one, CR LF for a text without.
std::string_view LineEndOf(const std::vector<ProfileLine>& lines) {
  for (const ProfileLine& line : lines)
    if (line.end.ends_with('\n')) return line.end;
  return kCrLf;
}

bool IsOn(const std::string& value) { return value.front() != '0'; }

// The entry of dir the settings are read from: the plain file FindSettingsFile
// finds, else any other entry of that name, to be told why it gives none.
std::optional<std::string> SettingsEntry(const std::string& dir) {
  if (std::optional<std::string> file = FindSettingsFile(dir)) return file;
  return FindEntryIgnoringCase(dir, kSettingsFileName);
}

// The whole settings file at path, read as both the start-up and Save read
// it; a file that is no text of this program fails like one that cannot be
// read, as what it holds would not survive a save.
ReadOutcome ReadSettingsBytes(const std::string& path, std::string& bytes, std::string& why) {
  const ReadOutcome outcome = ReadWholeFile(path, bytes, &why, kLargestSettingsFile);
  if (outcome != ReadOutcome::kRead) return outcome;
  if (std::optional<std::string> notText = WhyNotPlainText(bytes)) {
    why = std::move(*notText);
    bytes.clear();
    return ReadOutcome::kFailed;
  }
  return outcome;
}

}  // namespace

std::optional<std::string> ProfileString(std::string_view bytes, std::string_view section,
                                         std::string_view key) {
  const std::vector<ProfileLine> lines = SplitLines(bytes);
  const auto span = FindSection(lines, section);
  if (!span) return std::nullopt;
  for (std::size_t i = span->header + 1; i < span->last; ++i) {
    if (!IsKeyLine(lines[i].text, key)) continue;
    const std::string_view text = lines[i].text;
    const std::string_view value = Trimmed(text.substr(text.find('=') + 1));
    return std::string(value.substr(0, kLongestSettingValue));
  }
  return std::nullopt;
}

std::optional<std::string> SettingValue(std::string_view bytes, std::string_view key) {
  std::optional<std::string> value = ProfileString(bytes, kPreferencesSection, key);
  if (!value || value->empty() || value->starts_with("Not Used")) return std::nullopt;
  return value;
}

std::string WithProfileString(std::string_view bytes, std::string_view section,
                              std::string_view key, std::string_view value) {
  value = value.substr(0, value.find_first_of("\r\n"));
  const std::vector<ProfileLine> lines = SplitLines(bytes);
  const std::string_view eol = LineEndOf(lines);
  const std::string keyLine = std::string(key) + "=" + std::string(value);

  // Where the key's line goes: in place of line `replace`, or as a new line
  // after line `after`, or with a new section at the end.
  std::optional<std::size_t> replace, after;
  if (const auto span = FindSection(lines, section)) {
    after = span->header;
    for (std::size_t i = span->header + 1; i < span->last && !replace; ++i) {
      if (IsKeyLine(lines[i].text, key)) replace = i;
      else if (!Trimmed(lines[i].text).empty()) after = i;
    }
  }

  // The mark an editor put before the first line stays first.
  std::string out(Utf8MarkOf(bytes));
  out.reserve(bytes.size() + keyLine.size() + section.size() + 8);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (replace == i) {
      out += keyLine;
      out += lines[i].end;
      continue;
    }
    const bool insertAfter = !replace && after == i;
    const bool sectionAfter = !after && i + 1 == lines.size();
    out += lines[i].text;
    // A line that gets a line after it needs a line end of its own.
    std::string_view end = lines[i].end;
    if (insertAfter || sectionAfter) {
      if (end.empty()) end = eol;
      else if (end == "\r") end = kCrLf;  // completed, not doubled
    }
    out += end;
    if (insertAfter) out += keyLine + std::string(eol);
  }
  if (!after) out += "[" + std::string(section) + "]" + std::string(eol) + keyLine + std::string(eol);
  return out;
}

std::optional<std::string> FindSettingsFile(const std::string& dir) {
  return FindFileIgnoringCase(dir, kSettingsFileName);
}

std::string SettingsFilePath(const std::string& dir) {
  if (std::optional<std::string> found = FindSettingsFile(dir)) return *found;
  return (std::filesystem::path(dir.empty() ? "." : dir) / kSettingsFileName).string();
}

SettingsRead ReadSettings(std::string_view bytes, Preferences& prefs) {
  namespace key = settings_key;
  SettingsRead read;
  read.fileRead = true;
  if (const auto v = SettingValue(bytes, key::kLineWidth); v && v->front() >= '1' && v->front() <= '4')
    prefs.txtLineWidth = std::string(1, v->front());
  if (const auto v = SettingValue(bytes, key::kShowBubbles)) prefs.chkShowBubbles = IsOn(*v);
  if (const auto v = SettingValue(bytes, key::kUnusedBoxesForInput)) prefs.chkInput = IsOn(*v);
  if (const auto v = SettingValue(bytes, key::kShowToolbox)) prefs.chkShowToolbox = IsOn(*v);
  if (const auto v = SettingValue(bytes, key::kDefaultToolbox)) prefs.txtToolbox = *v;
  if (const auto v = SettingValue(bytes, key::kToolboxSize)) prefs.lbltoolboxsize = *v;
  if (const auto v = SettingValue(bytes, key::kScanDrives)) prefs.txtDrives = *v;
  return read;
}

SettingsRead ReadSettingsFile(const std::string& dir, Preferences& prefs) {
  const std::optional<std::string> path = SettingsEntry(dir);
  if (!path) return {};
  std::string bytes, why;
  SettingsRead read;
  switch (ReadSettingsBytes(*path, bytes, why)) {
    case ReadOutcome::kRead:
      return ReadSettings(bytes, prefs);
    case ReadOutcome::kMissing:
      break;  // gone since, or a link to no file: as when there is none
    case ReadOutcome::kFailed:
      read.unreadable = UnreadableSettings{*path, why};
      break;
  }
  return read;
}

std::optional<UnreadableSettings> FirstUnreadableSettings(const std::vector<std::string>& dirs) {
  for (const std::string& dir : dirs) {
    // No settings file was found there to read; should one have come since,
    // it is not taken now either.
    Preferences passedBy;
    if (std::optional<UnreadableSettings> found = ReadSettingsFile(dir, passedBy).unreadable)
      return found;
  }
  return std::nullopt;
}

std::string WithPreferences(std::string_view bytes, const Preferences& prefs) {
  namespace key = settings_key;
  const auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
  const std::pair<const std::string&, std::string> values[] = {
      {key::kShowBubbles, flag(prefs.chkShowBubbles)},
      {key::kLineWidth, prefs.txtLineWidth},
      {key::kUnusedBoxesForInput, flag(prefs.chkInput)},
      {key::kShowToolbox, flag(prefs.chkShowToolbox)},
      {key::kDefaultToolbox, prefs.txtToolbox},
      {key::kToolboxSize, prefs.lbltoolboxsize},
      {key::kScanDrives, prefs.txtDrives},
  };
  std::string out(bytes);
  for (const auto& [name, value] : values) out = WithProfileString(out, kPreferencesSection, name, value);
  return out;
}

bool SaveSettingsFile(const std::string& dir, const Preferences& prefs, std::string* error) {
  const std::string path = SettingsFilePath(dir);
  std::string bytes, why;
  // A file that exists but cannot be read is not replaced: its other
  // sections would be lost.
  if (ReadSettingsBytes(path, bytes, why) == ReadOutcome::kFailed) {
    if (error) *error = why;
    return false;
  }
  return WriteFileSafely(path, WithPreferences(bytes, prefs), error);
}

}  // namespace quorvin
