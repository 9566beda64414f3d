// The input and constant boxes: they start a flowchart and, apart from the
// linked forms of the two make kinds, are written the moment the walk
// reaches them.

#include <algorithm>
#include <array>

#include "compiler/arm.h"
#include "compiler/templates_text.h"

namespace quorvin {

namespace {

void KeyboardInput(ArmContext& a) {
  const std::string answer = a.questions.inputBox("Enter the data devided by spaces",
                                             "Quorvin: box" + std::to_string(a.q), a.box().Params);
  a.compiler.KeepKeyboardAnswer(a.q, answer);  // proposed again at the next compile
  a.script += Line(boxName(a.q) + "=[ " + answer + " ];");
  a.done();
}

void MatrixInput(ArmContext& a) {
  // The dialog leaves the literal open; the closing bracket is ours.
  a.script += Line(boxName(a.q) + "= " + a.questions.matrixEntry() + " ]; ");
  a.done();
}

void MatrixMakeInput(ArmContext& a) {
  const std::string& params = a.box().Params;
  if (a.in(1) == kAbsentSlot && a.in(2) == kAbsentSlot) {
    a.script += Line(boxName(a.q) + "=" + params + ";");
    a.done();
    return;
  }
  if (!a.ready()) return;
  // The function up to and including its "(": zeros(3,4) gives zeros( . A
  // text without one is taken as the bare function name.
  const std::size_t open = params.find('(');
  const std::string function =
      open == std::string::npos ? params + "(" : params.substr(0, open + 1);
  a.script +=
      Line(boxName(a.q) + "=" + function + boxName(a.in(1)) + "," + boxName(a.in(2)) + ");");
  a.done();
}

void VectorMakeInput(ArmContext& a) {
  if (a.in(1) == kAbsentSlot && a.in(2) == kAbsentSlot && a.in(3) == kAbsentSlot) {
    a.script += Line(boxName(a.q) + "=" + a.box().Params);  // already ends with "];"
    a.done();
    return;
  }
  if (!a.ready()) return;
  a.script += Line(boxName(a.q) + "=[" + boxName(a.in(1)) + ":" + boxName(a.in(2)) + ":" +
                   boxName(a.in(3)) + "];");
  a.done();
}

void ConstantInput(ArmContext& a) {
  a.script += Line(boxName(a.q) + "=" + a.box().Params + ";");
  a.done();
}

// Starts a branch of the walk and writes nothing.
void DummyInput(ArmContext& a) { a.done(); }

bool IsPathSeparator(char c) { return c == '/' || c == '\\'; }

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The variable that load gives a text file in both interpreters: the file's
// name without its last extension, each character that a name cannot hold
// as "_", and "X" before it when it does not begin with a letter
// ("run-1.txt" gives run_1, "2024.txt" X2024).
std::string LoadedVariableName(const std::string& path) {
  const auto separator = std::find_if(path.rbegin(), path.rend(), IsPathSeparator);
  std::string name(separator.base(), path.end());
  if (const std::size_t dot = name.rfind('.'); dot != std::string::npos) name.erase(dot);
  for (char& c : name)
    if (!IsAsciiLetter(c) && !(c >= '0' && c <= '9')) c = '_';
  if (name.empty() || !IsAsciiLetter(name.front())) name.insert(0, "X");
  return name;
}

void AsciiFileInput(ArmContext& a) {
  const std::optional<std::string> chosen =
      a.questions.openFile("Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
  if (chosen) {
    // load names the variable after the file; the box copies it.
    const std::string& path = *chosen;
    const std::size_t size = path.size();
    // A three-letter extension belongs to the file's own name: a dot four
    // from the end with a separator after it ("/runs/a.b/c") is part of a
    // directory name, and the file has no extension; without one the file is
    // read as numbers.
    const bool extension = size >= 4 && path[size - 4] == '.' &&
                           std::none_of(path.end() - 3, path.end(), IsPathSeparator);
    a.script += Line("load " + pathAsCommandWord(path) + (extension ? ";" : " -ascii ;"));
    a.script += Line(boxName(a.q) + "=" + LoadedVariableName(path) + ";");
  }
  a.done();
}

constexpr std::array<ArmEntry, 7> kInputArms{{
    {"Keyboard Input", KeyboardInput},
    {"Matrix Input", MatrixInput},
    {"Matrix Make Input", MatrixMakeInput},
    {"Vector Make Input", VectorMakeInput},
    {"Constant Input", ConstantInput},
    {"Dummy Input", DummyInput},
    {"Ascii File Input", AsciiFileInput},
}};

}  // namespace

std::span<const ArmEntry> InputArms() { return kInputArms; }

}  // namespace quorvin
