// link_host PROGRAM [ARGUMENT...]: starts GNU Octave PROGRAM through the
// interpreter link as the program does, prints the process id the
// interpreter itself reports (through a launcher that forks, that is not the
// link's child), and runs a statement that never ends. The lifetime tests
// kill it there, as a person kills the program during a run. Status 1 when
// the interpreter does not come up.

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <string>

#include "platform/interpreter_link.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList arguments = QCoreApplication::arguments().mid(1);
  if (arguments.isEmpty()) {
    std::fprintf(stderr, "usage: link_host PROGRAM [ARGUMENT...]\n");
    return 2;
  }
  const QString program = arguments.takeFirst();
  quorvin::InterpreterLink link;
  if (!link.start({program, arguments, quorvin::Dialect::Octave, {}})) {
    std::fprintf(stderr, "link_host: the interpreter did not start\n");
    return 1;
  }
  const auto none = [](const std::string&) { return std::string(); };
  const quorvin::EvalResult pid = link.eval("disp(getpid())", none);
  std::printf("%s", pid.output.c_str());
  std::fflush(stdout);
  link.setTimeoutMs(600000);
  link.eval("while true, end", none);
  return 0;
}
