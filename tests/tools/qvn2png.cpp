// qvn2png IN.qvn OUT.png [WIDTH HEIGHT]: opens a flowchart file in a real
// document window (offscreen unless a display is given) and saves a picture
// of the window, so a person can look at what the window shows.

#include <QApplication>
#include <QMdiSubWindow>
#include <QPixmap>
#include <cstdio>
#include <string>

#include "canvas/document_window.h"
#include "tests/canvas/fake_frame.h"
#include "tests/support/qt_application.h"

int main(int argc, char** argv) {
  if (argc != 3 && argc != 5) {
    std::fprintf(stderr, "usage: qvn2png IN.qvn OUT.png [WIDTH HEIGHT]\n");
    return 2;
  }
  quorvin::testing_support::EnsureGuiApplication();
  quorvin::testing::WindowsFixture f;
  if (!quorvin::LoadFlowchart(f.m, argv[1])) {
    for (const auto& message : f.dialogs.messages)
      std::fprintf(stderr, "%s\n", message.text.c_str());
    return 1;
  }
  // The one document, the one the load opened.
  quorvin::DocumentWindow* window = f.windows.window(f.m.documents.openDocuments().back());
  if (argc == 5) {
    const QSize client(std::stoi(argv[3]), std::stoi(argv[4]));
    f.frame.area.resize(client + QSize(40, 60));
    window->subWindow()->resize(window->subWindow()->size() + (client - window->size()));
  }
  QApplication::processEvents();
  if (!window->grab().save(QString::fromLocal8Bit(argv[2]))) {
    std::fprintf(stderr, "could not write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
