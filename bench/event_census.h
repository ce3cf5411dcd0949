#pragma once
// Counts what the application's objects receive while a measurement runs:
// all events, timer events by the class of their receiver, and paints of
// one watched widget. Installed on the application, it sees every object
// of the GUI thread.

#include <QObject>

#include <atomic>
#include <map>
#include <string>

namespace chatmock::bench {

class EventCensus : public QObject {
 public:
  explicit EventCensus(const QObject* watchedForPaints = nullptr);
  ~EventCensus() override;

  // Safe from any thread; the counts are read once the loop has ended.
  void SetCounting(bool counting) { counting_.store(counting); }

  bool eventFilter(QObject* watched, QEvent* event) override;

  long Events() const { return events_; }
  long TimerEvents() const { return timerEvents_; }
  long WatchedPaints() const { return watchedPaints_; }
  const std::map<std::string, long>& TimersByReceiver() const { return timersByReceiver_; }

 private:
  const QObject* watched_;
  std::atomic<bool> counting_{false};
  long events_ = 0;
  long timerEvents_ = 0;
  long watchedPaints_ = 0;
  std::map<std::string, long> timersByReceiver_;
};

}  // namespace chatmock::bench
