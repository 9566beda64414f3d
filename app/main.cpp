#include <QApplication>

#include "app/program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Quorvin");
  QApplication::setApplicationVersion(QUORVIN_VERSION);
  return quorvin::RunProgram(app, {});
}
