// The window's timers, keyed by their fixed ids (1-9, 80, 99). Each id holds one QTimer;
// Record(id) is the id while the timer runs and -1 when it does not. Tests fire an id
// directly with Fire() instead of waiting for it.
#pragma once

#include <QObject>

#include <map>

class QTimer;

class TimerTable : public QObject {
  Q_OBJECT
 public:
  explicit TimerTable(QObject* parent = nullptr);
  ~TimerTable() override;

  void Start(int id, int periodMs);  // (re)starts with the new period
  void Stop(int id);
  void StopAll();
  bool IsRunning(int id) const;
  int Record(int id) const { return IsRunning(id) ? id : -1; }
  int Period(int id) const;  // last period set, 0 when never started
  void Fire(int id) { emit Timeout(id); }

 signals:
  void Timeout(int id);

 private:
  std::map<int, QTimer*> timers_;
};
