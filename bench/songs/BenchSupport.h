// Small helpers shared by the play-list benchmarks.
#pragma once

#include "bench/support/SilentDialogs.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/PlayLog.h"

#include <QFile>
#include <QString>

#include <chrono>

namespace bench {

// Resident memory of this process in kB (VmRSS), 0 when unknown.
inline long ResidentKb() {
  QFile f(QStringLiteral("/proc/self/status"));
  if (!f.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : f.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
  return 0;
}

template <typename F>
double Seconds(F&& f) {
  const auto t0 = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}


}  // namespace bench
