#include "options/RemotePorts.h"

#include <QFileInfo>
#include <QSerialPort>

#include "platform/SettingsStore.h"

bool SerialPortProbe::Opens(const QString& device) {
  // Only an existing device: QSerialPort must not be left to guess from a bare name.
  if (!QFileInfo::exists(device)) return false;
  QSerialPort port;
  port.setPortName(device);
  if (!port.open(QIODevice::ReadWrite)) return false;
  port.close();
  return true;
}

QStringList AvailableRemotePorts(const SettingsStore& store, PortProbe& probe) {
  QStringList ports;
  for (int n = 0; n < 4; ++n) {
    if (probe.Opens(store.Read(settings::kComDevice[n]))) ports << QStringLiteral("COM%1").arg(n + 1);
  }
  ports << QStringLiteral("NULL");
  return ports;
}
