// Times one start of the program with the splash pause at zero: from the
// launch (the nanoseconds since the epoch the launching script read just
// before it ran this, argv[1]) to the frame's first shown and painted frame,
// then chooses File > Exit with nothing open. It prints the moments on one
// line as milliseconds after the launch:
//   main <ms> application <ms> frame_made <ms> loaded <ms> exposed <ms> painted <ms>
// and, last, "exit_chosen <ns since the epoch>", from which the script times
// the Exit to the process's end. Not a test: bench/startup.sh runs it.

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "app/frame_window.h"
#include "app/program.h"

namespace {

std::int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

struct Moments {
  std::int64_t launch = 0;
  std::int64_t main = 0;
  std::int64_t application = 0;
  std::int64_t frameMade = 0;
  std::int64_t loaded = 0;
  std::int64_t exposed = 0;
  std::int64_t painted = 0;
};

double MsAfter(std::int64_t launch, std::int64_t moment) {
  return static_cast<double>(moment - launch) / 1e6;
}

// Sees the frame's native window exposed for the first time; the widgets
// paint while that event is handled, so the next turn of the loop finds the
// frame shown. Then Exit is chosen, as a person would with nothing open.
class FirstExposure : public QObject {
 public:
  FirstExposure(quorvin::FrameWindow& frame, Moments& moments)
      : frame_(frame), moments_(moments) {}

  void watch() {
    QWindow* window = frame_.windowHandle();
    if (window == nullptr) return;
    if (window->isExposed()) {
      exposed();
      return;
    }
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && moments_.exposed == 0 &&
        static_cast<QWindow*>(watched)->isExposed())
      exposed();
    return false;
  }

 private:
  void exposed() {
    if (moments_.exposed != 0) return;
    moments_.exposed = NowNs();
    QTimer::singleShot(0, &frame_, [this] {
      moments_.painted = NowNs();
      const Moments& m = moments_;
      std::printf("main %.3f application %.3f frame_made %.3f loaded %.3f exposed %.3f painted %.3f ",
                  MsAfter(m.launch, m.main), MsAfter(m.launch, m.application),
                  MsAfter(m.launch, m.frameMade),
                  MsAfter(m.launch, m.loaded), MsAfter(m.launch, m.exposed),
                  MsAfter(m.launch, m.painted));
      std::printf("exit_chosen %lld\n", static_cast<long long>(NowNs()));
      std::fflush(stdout);
      frame_.mnuFileExit->trigger();
    });
  }

  quorvin::FrameWindow& frame_;
  Moments& moments_;
};

}  // namespace

int main(int argc, char** argv) {
  Moments moments;
  moments.main = NowNs();
  moments.launch = argc > 1 ? std::atoll(argv[1]) : NowNs();
  QApplication app(argc, argv);
  QApplication::setApplicationName("Quorvin");
  QApplication::setApplicationVersion(QUORVIN_VERSION);
  moments.application = NowNs();

  quorvin::StartOptions options;
  options.splashPauseMs = 0;
  FirstExposure* exposure = nullptr;
  options.frameMade = [&](quorvin::FrameWindow& frame) {
    moments.frameMade = NowNs();
    exposure = new FirstExposure(frame, moments);
    exposure->setParent(&frame);
    QObject::connect(&frame, &quorvin::FrameWindow::loaded, &frame, [&] {
      moments.loaded = NowNs();
      exposure->watch();
    });
  };
  return quorvin::RunProgram(app, options);
}
