#pragma once
// SIGTERM, the polite request to end (from kill, or from a desktop session
// that is ending), as a Qt signal on the event loop, where the program can
// end as its Exit does. The handler itself only writes a byte into a pipe,
// which is all a signal handler may safely do; a socket notifier on the
// pipe's other end turns that into requested().

#include <QObject>

class QSocketNotifier;

namespace quorvin {

class TerminationRequest : public QObject {
  Q_OBJECT

 public:
  // Takes SIGTERM over for as long as it lives: one at a time.
  explicit TerminationRequest(QObject* parent = nullptr);
  // SIGTERM ends the process at once again.
  ~TerminationRequest() override;
  TerminationRequest(const TerminationRequest&) = delete;
  TerminationRequest& operator=(const TerminationRequest&) = delete;

 signals:
  // Once per turn of the event loop, however many SIGTERMs came meanwhile.
  void requested();

 private:
  void takeBytes();

  int readEnd_ = -1;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace quorvin
