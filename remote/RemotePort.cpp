#include "remote/RemotePort.h"

#include <QSerialPort>

#include "platform/SettingsStore.h"

namespace remote {

QString DeviceForPort(const SettingsStore& settings, const QString& portName) {
  for (int n = 1; n <= 4; ++n) {
    if (portName != QStringLiteral("COM%1").arg(n)) continue;
    return settings.Read(settings::kComDevice[n - 1]);
  }
  return {};
}

bool ApplyLineSettings(QSerialPort& port) {
  if (!port.setBaudRate(QSerialPort::Baud19200) || !port.setDataBits(QSerialPort::Data8) ||
      !port.setParity(QSerialPort::NoParity) || !port.setStopBits(QSerialPort::OneStop) ||
      !port.setFlowControl(QSerialPort::NoFlowControl))
    return false;
  // A pseudo-terminal (the simulated remote) has no modem lines: the system refuses to
  // set them there ("Inappropriate ioctl for device"), and nothing at its end needs them.
  const bool dtr = port.setDataTerminalReady(true) && port.setRequestToSend(false);
  if (!dtr && port.error() != QSerialPort::UnsupportedOperationError) return false;
  if (!dtr) port.clearError();
  return true;
}

}  // namespace remote
