#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Quorvin");
  QMainWindow frame;
  frame.setObjectName("frmMDI");
  frame.setWindowTitle("Quorvin");
  frame.resize(800, 600);
  frame.show();
  return QApplication::exec();
}
