#pragma once
// Runs generated MATLAB script in GNU Octave for tests and reads back the
// values of chosen variables. Header-only so that any test file can use it.
//
//   OctaveRun run = RunInOctave(script, {"box2", "box4"});
//   EXPECT_TRUE(run.ok()) << run.errors;
//   EXPECT_EQ(run.value("box4"), "10");
//
// Each run is a fresh octave-cli in a temporary directory (removed after),
// with stdin from /dev/null (input() and pause cannot block) and a no-op
// system_dependent on the path. Values are printed with mat2str, so a
// scalar reads "10", a row "[1 2 3]", a string "\"abc\"", a logical "true";
// a variable the script never set reads "<undefined>".

#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace quorvin::testing {

struct OctaveRun {
  std::string output;  // stdout, the printed values included
  std::string errors;  // stderr without Octave's own exit noise
  int status = -1;     // exit status of octave-cli
  bool ok() const { return status == 0 && errors.find("error:") == std::string::npos; }
  // The value printed for name, or "" when it was not printed.
  std::string value(const std::string& name) const {
    const std::string key = "@@" + name + "=";
    const std::size_t at = output.find(key);
    if (at == std::string::npos) return {};
    const std::size_t start = at + key.size();
    return output.substr(start, output.find('\n', start) - start);
  }
};

// quorvin_close(v, e): v has e's size and its values agree with e's to a
// relative 1e-8, text compared by its character codes.
constexpr const char* kOctaveCloseFunction =
    "function ok = quorvin_close(v, e)\n"
    "  ok = isequal(size(v), size(e)) && "
    "all(abs(double(v(:)) - double(e(:))) <= 1e-8 * max(1, abs(double(e(:)))));\n"
    "end\n";

inline std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline OctaveRun RunInOctave(const std::string& script,
                             const std::vector<std::string>& show = {}) {
  namespace fs = std::filesystem;
  std::string dirTemplate = (fs::temp_directory_path() / "quorvin-octave-XXXXXX").string();
  OctaveRun run;
  if (mkdtemp(dirTemplate.data()) == nullptr) {
    run.errors = "error: no temporary directory";
    return run;
  }
  const fs::path dir = dirTemplate;
  {
    std::ofstream stub(dir / "system_dependent.m", std::ios::binary);
    stub << "function system_dependent(varargin)\nend\n";
  }
  {
    std::ofstream m(dir / "quorvin_script.m", std::ios::binary);
    m << "crash_dumps_octave_core(false);\n" << script << "\n";
    for (const std::string& name : show) {
      m << "if exist('" << name << "', 'var'), printf('@@%s=%s\\n', '" << name
        << "', mat2str(" << name << ")); else, printf('@@%s=<undefined>\\n', '" << name
        << "'); end\n";
    }
  }
  const std::string command = "cd '" + dir.string() +
                              "' && octave-cli --quiet --norc --no-history --no-window-system "
                              "quorvin_script.m </dev/null 2>stderr.txt";
  if (FILE* pipe = popen(command.c_str(), "r")) {
    std::array<char, 4096> chunk{};
    std::size_t n = 0;
    while ((n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0) run.output.append(chunk.data(), n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  std::istringstream err(ReadWholeFile(dir / "stderr.txt"));
  for (std::string line; std::getline(err, line);)
    if (line.find("ignoring const execution_exception") == std::string::npos)
      run.errors += line + "\n";
  std::error_code ignored;
  fs::remove_all(dir, ignored);
  return run;
}

}  // namespace quorvin::testing
