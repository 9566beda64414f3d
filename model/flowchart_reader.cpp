// Reading the flowchart file, and LoadFlowchart. A file is read and checked
// as a whole before the box table is touched, so a damaged file changes
// nothing.
#include <algorithm>
#include <charconv>
#include <climits>
#include <optional>

#include "model/box_kinds.h"
#include "model/flowchart_file.h"
#include "model/link_pairing.h"
#include "model/model.h"
#include "model/safe_file.h"
#include "model/text_encoding.h"
#include "model/text_lines.h"
#include "model/utf8_text.h"

namespace quorvin {

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::optional<long long> ParseInteger(std::string_view field) {
  field = Trim(field);
  if (!field.empty() && field.front() == '+') return std::nullopt;
  long long v = 0;
  const char* end = field.data() + field.size();
  auto [ptr, ec] = std::from_chars(field.data(), end, v);
  if (ec != std::errc() || ptr != end || field.empty()) return std::nullopt;
  return v;
}

// The "~"-ended fields of a link or position line.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  while (!line.empty()) {
    const std::size_t tilde = line.find('~');
    fields.push_back(line.substr(0, tilde));
    if (tilde == std::string_view::npos) break;
    line.remove_prefix(tilde + 1);
  }
  return fields;
}

std::string LineError(std::size_t line, const std::string& what) {
  return "line " + std::to_string(line) + ": " + what;
}

// The most characters of a kind line a message quotes: a file whose first
// line happens to be a number (a table of values, say) has a "kind" line of
// any length, and of any bytes.
constexpr std::size_t kLongestQuotedKind = 60;

// kind as a message quotes it: its first kLongestQuotedKind characters,
// each byte of no UTF-8 as the character it stands for (ReadableText), and
// "..." when more follow.
std::string QuotedKind(std::string_view kind) {
  // A character is four bytes at most, so the readable text of this start
  // holds the first characters as the whole line would give them, and one
  // more when the line goes on.
  const std::string start = ReadableText(kind.substr(0, 4 * (kLongestQuotedKind + 1)));
  const std::string quoted = FirstCharacters(start, kLongestQuotedKind);
  return quoted.size() < start.size() ? quoted + "..." : quoted;
}

// The box count on a file's first line, or -1 when it holds none.
long BoxCountOn(std::string_view firstLine) {
  const std::string_view field = Trim(firstLine);
  if (const std::optional<long long> n = ParseInteger(field))
    return *n < 0 ? -1 : static_cast<long>(std::min<long long>(*n, LONG_MAX));
  // Digits too many for any integer still count boxes: more than ever fit.
  const bool digits = !field.empty() && std::all_of(field.begin(), field.end(), [](char c) {
    return c >= '0' && c <= '9';
  });
  return digits ? LONG_MAX : -1;
}

// The lines of a file, the first without the mark an editor may have put
// before it.
std::vector<std::string_view> FileLines(std::string_view text) {
  return SplitLines(WithoutUtf8Mark(text));
}

// A path that is there but gives no flowchart: a folder, a device, a file the
// user may not read, a failing disk.
void TellUnreadable(Model& m, const std::string& path, const std::string& reason) {
  m.dialogs.messageBox("The file could not be read:\r\n" + path + "\r\n" + reason + ".",
                       style::kExclamation, kAppTitle);
}

// "only 2 exits of box 4 name" and the like: n slots of one side.
std::string OnlySome(int n, const std::string& side, int box) {
  const std::string of = " of box " + std::to_string(box);
  if (n == 0) return "no " + side + of + " names";
  return "only " + std::to_string(n) + " " + side + (n == 1 ? of + " names" : "s" + of + " name");
}

// Why the first arrow that only one of its two boxes stores makes the file
// unusable, or "" when every arrow is stored on both. Such a file cannot be
// taken as it is (the two boxes disagree on what is joined), nor mended
// without guessing which box is right.
std::string OneSidedLink(const std::vector<BoxRecord>& boxes) {
  for (std::size_t a = 0; a < boxes.size(); ++a) {
    const int own = static_cast<int>(a) + 1;
    const std::size_t linkLine = 3 + 3 * a;
    auto check = [&](bool entry, int k, int named) -> std::string {
      if (named <= 0) return {};
      const LinkPairing p =
          PairingOf(boxes[a], own, entry, k, boxes[static_cast<std::size_t>(named) - 1]);
      if (p.storedOnBoth()) return {};
      return LineError(linkLine, std::string("the ") + (entry ? "entry " : "exit ") +
                                     std::to_string(k) + " of box " + std::to_string(own) +
                                     " names box " + std::to_string(named) + ", but " +
                                     OnlySome(p.partners, entry ? "exit" : "entry", named) +
                                     " box " + std::to_string(own));
    };
    for (int k = 1; k <= kEntries; ++k)
      if (std::string e = check(true, k, boxes[a].InLink[k]); !e.empty()) return e;
    for (int k = 1; k <= kExits; ++k)
      if (std::string e = check(false, k, boxes[a].OutLink[k]); !e.empty()) return e;
  }
  return {};
}

}  // namespace

std::string DecodeParams(std::string_view field) {
  std::string p(field);
  for (std::size_t j = 0; j + 3 <= p.size(); ++j) {
    if (p.compare(j, 3, ";;;") == 0) {
      p[j + 1] = '\r';
      p[j + 2] = '\n';
    }
  }
  return p;
}

long FlowchartBoxCount(std::string_view text) {
  const std::optional<std::string_view> first = FirstLine(WithoutUtf8Mark(text));
  return first ? BoxCountOn(*first) : -1;
}

ParsedFlowchart ParseFlowchart(std::string_view text) {
  ParsedFlowchart result;
  if (std::optional<std::string> why = WhyNotPlainText(text)) {
    result.error = std::move(*why);
    return result;
  }
  const std::vector<std::string_view> lines = FileLines(text);
  const long n = lines.empty() ? -1 : BoxCountOn(lines[0]);
  if (n < 0) {
    // Lines ended by CR alone run together into one first line.
    result.error = lines.empty() ? "the file is empty"
                   : lines[0].find('\r') != std::string_view::npos
                       ? "the file's lines end in CR alone instead of CR LF or LF"
                       : LineError(1, "the box count is not a number of 0 or more");
    return result;
  }
  if (n > kMaxBoxes) {
    result.error = LineError(1, "the box count is more than the " + std::to_string(kMaxBoxes) +
                                    " boxes the program can hold");
    return result;
  }
  for (long k = 0; k < n; ++k) {
    const std::size_t first = 1 + static_cast<std::size_t>(k) * 3;  // 0-based kind line
    const std::size_t number = static_cast<std::size_t>(k) + 1;
    if (first + 2 >= lines.size()) {
      result.truncated = true;
      result.error = "the file ends in the middle of box " + std::to_string(number) + " of " +
                     std::to_string(n);
      return result;
    }
    BoxRecord r;
    const std::string_view kindLine = lines[first];
    const std::size_t tilde = kindLine.find('~');
    const std::string_view kind = kindLine.substr(0, tilde);
    // A box of a kind the program does not know could never be compiled: the
    // compile would wait for it as if it stood in a loop.
    if (!IsKnownKind(kind)) {
      result.error = LineError(first + 1, "the kind of box " + std::to_string(number) + " is \"" +
                                              QuotedKind(kind) +
                                              "\", which the program does not know");
      return result;
    }
    r.Kind = std::string(kind);
    if (tilde != std::string_view::npos) r.Params = DecodeParams(kindLine.substr(tilde + 1));

    const std::vector<std::string_view> links = Fields(lines[first + 1]);
    if (links.size() != 3 + 2 * kExits) {
      result.error = LineError(first + 2, "box " + std::to_string(number) + " has " +
                                              std::to_string(links.size()) +
                                              " link fields instead of 13");
      return result;
    }
    for (std::size_t f = 0; f < links.size(); ++f) {
      const std::optional<long long> v = ParseInteger(links[f]);
      const bool isColour = f >= 3 && (f - 3) % 2 == 1;
      const std::string name = f < 3 ? "entry " + std::to_string(f + 1)
                               : isColour ? "colour of exit " + std::to_string((f - 3) / 2 + 1)
                                          : "exit " + std::to_string((f - 3) / 2 + 1);
      if (!v) {
        result.error = LineError(first + 2, "the " + name + " of box " + std::to_string(number) +
                                                " is not a number");
        return result;
      }
      if (isColour) {
        if (*v < INT32_MIN || *v > INT32_MAX) {
          result.error = LineError(first + 2, "the " + name + " of box " +
                                                  std::to_string(number) + " is out of range");
          return result;
        }
        r.OutColor[(f - 3) / 2 + 1] = static_cast<int32_t>(*v);
        continue;
      }
      if (*v < -1 || *v > n) {
        result.error = LineError(first + 2, "the " + name + " of box " + std::to_string(number) +
                                                " names box " + std::to_string(*v) +
                                                ", which the file does not hold");
        return result;
      }
      if (f < 3)
        r.InLink[f + 1] = static_cast<int16_t>(*v);
      else
        r.OutLink[(f - 3) / 2 + 1] = static_cast<int16_t>(*v);
    }

    std::vector<std::string_view> position = Fields(lines[first + 2]);
    if (position.size() == 3 && position[2].empty()) position.pop_back();
    std::optional<long long> y, x;
    if (position.size() == 2) {
      y = ParseInteger(position[0]);
      x = ParseInteger(position[1]);
    }
    if (!y || !x || *y < INT32_MIN || *y > INT32_MAX || *x < INT32_MIN || *x > INT32_MAX) {
      result.error = LineError(first + 3, "the position of box " + std::to_string(number) +
                                              " is not two numbers");
      return result;
    }
    r.Y = static_cast<int32_t>(*y);
    r.X = static_cast<int32_t>(*x);
    result.boxes.push_back(std::move(r));
  }
  result.error = OneSidedLink(result.boxes);
  return result;
}

bool LoadFlowchart(Model& m, const std::string& givenPath) {
  std::string path = givenPath;
  if (path.empty()) {
    const std::optional<std::string> chosen = m.dialogs.openFile(kFlowchartFilter);
    if (!chosen || chosen->empty()) return false;
    path = *chosen;
  }
  const int doc = NewDocument(m);

  std::string text, reason;
  switch (ReadWholeFile(path, text, &reason, kLargestFlowchartFile)) {
    case ReadOutcome::kRead:
      break;
    case ReadOutcome::kMissing:
      m.dialogs.messageBox("File not found !", style::kCritical, kAppTitle);
      return false;
    case ReadOutcome::kFailed:
      TellUnreadable(m, path, reason);
      return false;
  }
  // Checking the text takes memory in proportion to the file; a file too big
  // for it is refused like any other that cannot be read.
  try {
    return ReadFlowchartInto(m, doc, text, path);
  } catch (const std::exception& e) {
    TellUnreadable(m, path, FailureReason(e));
    return false;
  }
}

bool ReadFlowchartInto(Model& m, int doc, std::string_view text, const std::string& path) {
  if (!m.documents.isOpen(doc)) return false;
  // Bytes in another encoding, or no text at all, are told as such before
  // any line of them is taken for a box count.
  if (const std::optional<std::string> why = WhyNotPlainText(text)) {
    TellUnreadable(m, path, *why);
    return false;
  }
  const long count = FlowchartBoxCount(text);
  if (count >= 0 && count > m.editor.freeNumbers()) {
    m.dialogs.messageBox(
        "Loading this file will result in more than the maximum number of boxes allowed, so it "
        "will not load ...",
        style::kOk, kAppTitle);
    return false;
  }
  ParsedFlowchart parsed = ParseFlowchart(text);
  if (parsed.truncated) {
    m.dialogs.messageBox("Abnormal termination of file", style::kExclamation, kAppTitle);
    return false;
  }
  if (!parsed.ok()) {
    m.dialogs.messageBox("This file is damaged and was not loaded:\r\n" + path + "\r\n" +
                             parsed.error,
                         style::kExclamation, kAppTitle);
    return false;
  }

  if (!m.editor.appendBoxes(doc, std::move(parsed.boxes))) return false;
  m.documents.docs[doc].path = path;
  m.views.captionChanged(doc, m.documents.caption(doc));
  m.views.hideCopyShape(doc);
  return true;
}

}  // namespace quorvin
