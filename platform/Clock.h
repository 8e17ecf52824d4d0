// Time of day for stamps, the clock display and the timed checks. Tests set a fixed time.
#pragma once

#include <QDateTime>

class Clock {
 public:
  virtual ~Clock() = default;
  virtual QDateTime Now() const = 0;
};

class SystemClock final : public Clock {
 public:
  QDateTime Now() const override { return QDateTime::currentDateTime(); }
};

// A clock that stands still until told otherwise.
class FixedClock final : public Clock {
 public:
  explicit FixedClock(QDateTime now = {}) : now_(std::move(now)) {}
  QDateTime Now() const override { return now_; }
  void Set(QDateTime now) { now_ = std::move(now); }
  void AddSecs(qint64 s) { now_ = now_.addSecs(s); }

 private:
  QDateTime now_;
};
