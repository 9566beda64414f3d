#include "platform/link_framing.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "model/utf8_text.h"

namespace quorvin {

namespace {

// Every marker names the session, which only the link and its stand-in
// files know: a statement cannot print a marker by chance.
std::string EndTag(const std::string& session) { return "@@quorvin" + session + "-end-"; }
std::string FailTag(const std::string& session) { return "@@quorvin" + session + "-fail-"; }
std::string InputTag(const std::string& session) { return "@@quorvin" + session + "-input:"; }
const std::string kTagClose = "@@\n";

// End marker n as the command that prints it spells it: the "\n" of a
// MATLAB literal, which prints a line end. A command sent back as it was
// sent still holds it so; a printed marker never does.
std::string MarkerAsWritten(const std::string& endTag, int n) {
  return endTag + std::to_string(n) + "@@\\n";
}

// A call of function name that a variable of the same name in the
// workspace cannot hide: statements run where the person's variables live,
// and "char = 1" there must not break every later exchange. Octave only;
// MATLAB keeps the plain call.
std::string Call(Dialect d, const std::string& name, const std::string& arguments) {
  if (d == Dialect::Matlab) return name + "(" + arguments + ")";
  return "builtin('" + name + "'" + (arguments.empty() ? "" : ", " + arguments) + ")";
}

// Inside an if condition, so that the flush's return value does not become
// the person's "ans".
std::string Flush(Dialect d) {
  return d == Dialect::Octave ? " if builtin('fflush', builtin('stdout')), end" : "";
}

std::string CharCodes(const std::string& text, Dialect d) {
  std::string out = "[";
  for (size_t i = 0; i < text.size(); ++i) {
    if (i) out += ' ';
    out += std::to_string(static_cast<unsigned char>(text[i]));
  }
  return Call(d, "char", out + "]");
}

// MATLAB single-quoted literal.
std::string Quoted(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("''") : std::string(1, c);
  return out + "'";
}

// A complete end marker at pos ("@@quorvin-end-N@@\n"): N and the position after it.
std::optional<std::pair<long, size_t>> EndMarkerAt(const std::string& s, size_t pos,
                                                   size_t tagSize) {
  const size_t digits = pos + tagSize;
  long n = 0;
  const char* first = s.data() + digits;
  const char* last = s.data() + s.size();
  if (digits >= s.size()) return std::nullopt;
  auto [ptr, ec] = std::from_chars(first, last, n);
  if (ec != std::errc() || ptr == first) return std::nullopt;
  const size_t after = static_cast<size_t>(ptr - s.data());
  if (s.compare(after, kTagClose.size(), kTagClose) != 0) return std::nullopt;
  return std::make_pair(n, after + kTagClose.size());
}

constexpr long kMaxCodePoint = 0x10FFFF;

// Octave's characters are bytes (UTF-8 already); MATLAB's are UTF-16 units,
// written here as UTF-8 when they lie beyond a byte.
void AppendCode(std::string& out, long code) {
  if (code < 0x100)
    out += static_cast<char>(static_cast<unsigned char>(code));
  else
    AppendUtf8(out, static_cast<char32_t>(code));
}

// A complete input request at pos ("@@quorvin-input:<codes>@@\n"): its
// prompt and the position after it.
std::optional<std::pair<std::string, size_t>> InputRequestAt(const std::string& s, size_t pos,
                                                             size_t tagSize) {
  size_t i = pos + tagSize;
  std::string prompt;
  long code = -1;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (c >= '0' && c <= '9') {
      code = (code < 0 ? 0 : code) * 10 + (c - '0');
      if (code > kMaxCodePoint) return std::nullopt;
    } else if (c == ' ') {
      if (code >= 0) AppendCode(prompt, code);
      code = -1;
    } else {
      break;
    }
  }
  if (code >= 0) AppendCode(prompt, code);
  if (s.compare(i, kTagClose.size(), kTagClose) != 0) return std::nullopt;
  return std::make_pair(prompt, i + kTagClose.size());
}

// The text before a marker, without the line end printed in front of it.
std::string Before(const std::string& s, size_t pos) {
  if (pos > 0 && s[pos - 1] == '\n') --pos;
  return s.substr(0, pos);
}

// How many bytes at the end of s are the start of prefix (shorter than all of it).
size_t PartialPrefixAtEnd(const std::string& s, const std::string& prefix) {
  for (size_t k = std::min(prefix.size() - 1, s.size()); k > 0; --k)
    if (s.compare(s.size() - k, k, prefix, 0, k) == 0) return k;
  return 0;
}

// The length of the longest start of s[0, n) that ends on a whole UTF-8
// character (bytes that are not UTF-8 count as whole).
size_t WholeCharacters(const std::string& s, size_t n) {
  for (size_t back = 1; back <= 4 && back <= n; ++back) {
    const auto c = static_cast<unsigned char>(s[n - back]);
    if ((c & 0xC0) == 0x80) continue;  // a continuation byte: look further back
    const size_t length = (c & 0xE0) == 0xC0   ? 2
                          : (c & 0xF0) == 0xE0 ? 3
                          : (c & 0xF8) == 0xF0 ? 4
                                               : 1;
    return length > back ? n - back : n;
  }
  return n;
}

void RemoveAll(std::string& s, const std::string& what) {
  for (size_t p = s.find(what); p != std::string::npos; p = s.find(what, p))
    s.erase(p, what.size());
}

}  // namespace

std::string FramedStatement(const std::string& text, int n, Dialect dialect,
                            const std::string& session) {
  const std::string number = std::to_string(n);
  const std::string onError =
      Call(dialect, "fprintf", "'error: %s\\n', " + Call(dialect, "lasterr", "")) + "; " +
      Call(dialect, "fprintf", "'" + FailTag(session) + number + "@@\\n'") + ";";
  return Call(dialect, "eval", CharCodes(text, dialect) + ", " + Quoted(onError)) + "; " +
         Call(dialect, "fprintf", "'\\n" + MarkerAsWritten(EndTag(session), n) + "'") + ";" +
         Flush(dialect);
}

std::string SetupStatement(const std::string& stubDir, int n, Dialect dialect,
                           const std::string& session) {
  std::string s = "more off; ";
  if (dialect == Dialect::Octave)
    s += "page_screen_output(false); crash_dumps_octave_core(false); "
         "warning('off', 'Octave:shadowed-function'); ";
  else
    s += "warning('off', 'MATLAB:dispatcher:nameConflict'); ";
  s += "addpath(" + Quoted(stubDir) + "); fprintf('\\n" + MarkerAsWritten(EndTag(session), n) +
       "');" + Flush(dialect);
  return s;
}

std::vector<std::pair<std::string, std::string>> StubFiles(Dialect dialect,
                                                           const std::string& session) {
  // The request names its prompt in character codes; the program types the
  // answer back as the next line of the pipe, which builtin input reads.
  const std::string ask = "  fprintf('\\n" + InputTag(session) +
                          "%s@@\\n', sprintf('%d ', double(prompt)));" + Flush(dialect) + "\n";
  std::vector<std::pair<std::string, std::string>> files = {
      {"input.m",
       "function varargout = input(prompt, varargin)\n"
       "  % Asks the program, not the command pipe, for the line typed.\n"
       "  if nargin < 1, prompt = ''; end\n" +
           ask +
           "  answer = builtin('input', '', 's');\n"
           "  if nargin > 1\n"
           "    varargout{1} = answer;\n"
           "  elseif isempty(answer)\n"
           "    varargout{1} = [];\n"
           "  else\n"
           "    varargout{1} = evalin('caller', answer);\n"
           "  end\n"
           "end\n"},
      {"pause.m",
       "function pause(varargin)\n"
       "  % A pause without time waits for the person, through the program.\n"
       "  if nargin == 0\n"
       "    prompt = 'Paused: press OK to go on';\n" +
           ask +
           "    builtin('input', '', 's');\n"
           "  else\n"
           "    builtin('pause', varargin{:});\n"
           "  end\n"
           "end\n"},
      {"keyboard.m",
       "function keyboard(varargin)\n"
       "  error('keyboard cannot be used in a box-by-box run');\n"
       "end\n"},
      {kFiguresFunction + ".m",
       "function " + kFiguresFunction + "(action, current)\n"
       "  % 'remember': notes the figures open before a run. 'raise': brings\n"
       "  % those opened since in front, oldest first, and the current figure\n"
       "  % last when it is one of them or current is true.\n"
       "  shown = sort(double(get(0, 'children')))';\n"
       "  if strcmp(action, 'remember')\n"
       "    setappdata(0, '" + kFiguresFunction + "', shown);\n"
       "    return;\n"
       "  end\n"
       "  top = double(get(0, 'currentfigure'));\n"
       "  opened = setdiff(shown, getappdata(0, '" + kFiguresFunction + "'));\n"
       "  for h = setdiff(opened, top)\n"
       "    figure(h);\n"
       "  end\n"
       "  if ~isempty(top) && (current || any(opened == top))\n"
       "    figure(top);\n"
       "  end\n"
       "end\n"},
  };
  if (dialect == Dialect::Octave) {
    files.push_back({"system_dependent.m",
                     "function varargout = system_dependent(varargin)\n"
                     "  % MATLAB's figure switch; Octave has none to make.\n"
                     "  varargout = cell(1, nargout);\n"
                     "end\n"});
    // Octave's own keyboard readers, which would otherwise take the next
    // command line as the key or the answer.
    files.push_back({"kbhit.m",
                     "function key = kbhit(varargin)\n"
                     "  % kbhit(1) does not wait: no key is ever waiting.\n"
                     "  key = '';\n"
                     "  if nargin > 0, return; end\n"
                     "  prompt = 'Press a key';\n" +
                         ask +
                         "  typed = builtin('input', '', 's');\n"
                         "  if isempty(typed), key = char(10); else, key = typed(1); end\n"
                         "end\n"});
    files.push_back({"yes_or_no.m",
                     "function yes = yes_or_no(prompt)\n"
                     "  if nargin < 1, prompt = ''; end\n"
                     "  prompt = [prompt '(yes or no) '];\n" +
                         ask +
                         "  yes = strcmpi(strtrim(builtin('input', '', 's')), 'yes');\n"
                         "end\n"});
  }
  return files;
}

void CutMiddle(std::string& text) {
  if (text.size() <= kMaxPending) return;
  constexpr size_t kHead = kMaxPending / 2, kTail = 4096;
  // The cut falls on line ends where a line end is near, so that no piece
  // of a line (the "89" of 89233) reads as a line of its own.
  constexpr size_t kNear = 1024;
  // A cut made before stands at the end of the head: it is cut again from there.
  size_t from = text.rfind(kCutNote, kHead);
  if (from == std::string::npos || from + kNear < kHead) {
    const size_t lineEnd = text.rfind('\n', kHead);
    from = lineEnd != std::string::npos && lineEnd + kNear >= kHead ? lineEnd : kHead;
  }
  // Every marker has a line end before it: a tail that starts after one
  // keeps whatever marker is arriving.
  size_t to = text.size() - kTail;
  const size_t lineEnd = text.find('\n', to - 1);
  if (lineEnd != std::string::npos && lineEnd < to + kNear) to = lineEnd + 1;
  text.replace(from, to - from, kCutNote);
}

AnswerReader::AnswerReader(const std::string& session)
    : endTag_(EndTag(session)),
      failTag_(FailTag(session)),
      inputTag_(InputTag(session)),
      markPrefix_("@@quorvin" + session) {}

void AnswerReader::feed(const std::string& bytes) {
  buffer_ += bytes;
  CutMiddle(buffer_);
}

AnswerReader::Event AnswerReader::next(int expected) {
  size_t from = 0;
  for (;;) {
    const size_t end = buffer_.find(endTag_, from);
    const size_t input = buffer_.find(inputTag_, from);
    if (input != std::string::npos && (end == std::string::npos || input < end)) {
      if (auto request = InputRequestAt(buffer_, input, inputTag_.size())) {
        Event e{Event::Kind::Input, Before(buffer_, input), request->first, false};
        buffer_.erase(0, request->second);
        return e;
      }
      from = input + 1;
      continue;
    }
    if (end == std::string::npos) return {};
    const auto marker = EndMarkerAt(buffer_, end, endTag_.size());
    if (!marker) {
      from = end + 1;
      continue;
    }
    if (marker->first == expected) {
      answered_ = expected;
      Event e{Event::Kind::Done, Before(buffer_, end), {}, false};
      const std::string failTag = failTag_ + std::to_string(expected) + kTagClose;
      e.failed = e.text.find(failTag) != std::string::npos;
      RemoveAll(e.text, failTag);
      buffer_.erase(0, marker->second);
      return e;
    }
    if (marker->first < expected) {
      // The late end of an exchange that timed out: everything up to it is its own.
      answered_ = static_cast<int>(std::max<long>(answered_, marker->first));  // below expected
      buffer_.erase(0, marker->second);
      from = 0;
      continue;
    }
    from = end + 1;  // a number not sent yet: the statement's own text
  }
}

std::string AnswerReader::takeArrived(int expected) {
  // Until the exchange before has ended, what arrives may still be its late output.
  if (answered_ != expected - 1) return {};
  size_t safe = buffer_.find(markPrefix_);
  if (safe == std::string::npos) safe = buffer_.size() - PartialPrefixAtEnd(buffer_, markPrefix_);
  if (safe > 0 && buffer_[safe - 1] == '\n') --safe;
  safe = WholeCharacters(buffer_, safe);
  std::string arrived = buffer_.substr(0, safe);
  buffer_.erase(0, safe);
  return arrived;
}

bool AnswerReader::echoed(int expected) const {
  return buffer_.find(MarkerAsWritten(endTag_, expected)) != std::string::npos;
}

bool AnswerReader::ended(int expected) const {
  if (answered_ >= expected) return true;
  // Read as next() would, from a copy, so that nothing is consumed.
  AnswerReader ahead = *this;
  for (;;) {
    const Event event = ahead.next(expected);
    if (event.kind != Event::Kind::Input) return event.kind == Event::Kind::Done;
  }
}

std::string AnswerReader::takeRest() { return std::exchange(buffer_, {}); }

std::string CleanAnswer(const std::string& raw) {
  std::string s = raw;
  RemoveAll(s, kSpuriousExitLine + "\n");
  RemoveAll(s, kSpuriousExitLine);
  std::string out;
  out.reserve(s.size() + s.size() / 16);
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\n' && (i == 0 || s[i - 1] != '\r')) out += '\r';
    out += s[i];
  }
  return out;
}

std::string WithoutLeadingPrompts(std::string answer) {
  for (;;) {
    if (answer.rfind(">> ", 0) == 0)
      answer.erase(0, 3);
    else if (answer.rfind("EDU>> ", 0) == 0)
      answer.erase(0, 6);
    else
      return answer;
  }
}

}  // namespace quorvin
