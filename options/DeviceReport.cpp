#include "options/DeviceReport.h"

#include <QStringList>

QString OutputDeviceReport(const XaOutputDevice& d) {
  QStringList lines;
  lines << QStringLiteral("- A B O U T") << d.name;
  lines << QStringLiteral("Host API: %1").arg(d.hostApi.isEmpty() ? QStringLiteral("none") : d.hostApi);
  lines << QStringLiteral("Channels: %1").arg(d.maxChannels);
  lines << QStringLiteral("Latency: %1 ms").arg(d.defaultLatencyMs, 0, 'f', 1);
  lines << QStringLiteral("- F O R M A T S");
  lines << QStringLiteral("32 bit float Stereo %1 Hz (every clip is converted to it)").arg(qRound(d.defaultRate));
  lines << QStringLiteral("- S U P P O R T S");
  QStringList caps{QStringLiteral("Playback Rate"), QStringLiteral("Volume")};
  if (d.isNull) caps << QStringLiteral("Real-time pace without sound");
  lines << caps.join(QStringLiteral(", "));
  return lines.join(u'\n');
}
