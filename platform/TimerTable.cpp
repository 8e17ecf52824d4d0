#include "platform/TimerTable.h"

#include <QTimer>

TimerTable::TimerTable(QObject* parent) : QObject(parent) {}

// The timers are children of this object and go with it.
TimerTable::~TimerTable() = default;

void TimerTable::Start(int id, int periodMs) {
  QTimer*& timer = timers_[id];
  if (!timer) {
    timer = new QTimer(this);
    // Precise, so the short polls (10 ms remote control, crossfade ticks) keep their period.
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, [this, id] { emit Timeout(id); });
  }
  timer->start(periodMs);
}

void TimerTable::Stop(int id) {
  const auto it = timers_.find(id);
  if (it != timers_.end()) it->second->stop();
}

void TimerTable::StopAll() {
  for (auto& [id, timer] : timers_) timer->stop();
}

bool TimerTable::IsRunning(int id) const {
  const auto it = timers_.find(id);
  return it != timers_.end() && it->second->isActive();
}

int TimerTable::Period(int id) const {
  const auto it = timers_.find(id);
  return it == timers_.end() ? 0 : it->second->interval();
}
