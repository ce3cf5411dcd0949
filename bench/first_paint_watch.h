#pragma once
// Ends the event loop once the first top-level window has painted, then
// after an optional rest, so that a whole process can be timed from its
// start to its first frame, or measured at rest after it.

#include <QObject>

namespace chatmock::bench {

class FirstPaintWatch : public QObject {
 public:
  // Installs itself on the application; restMs 0 quits as soon as the
  // frame that holds the first paint has been flushed.
  explicit FirstPaintWatch(int restMs);
  ~FirstPaintWatch() override;

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int restMs_;
  bool seen_ = false;
};

// "--rest-ms=N" among the arguments, else 0.
int RestMsFromArguments(int argc, char** argv);

}  // namespace chatmock::bench
