// The ports the remote control can be set to: each of "COM1" to "COM4" whose device opens
// for reading and writing, exclusively, then "NULL". "COMn" stands for the device named by
// the setting "COMn Device" (a USB adapter, a test pseudo-terminal), else /dev/ttyS<n-1>.
#pragma once

#include <QString>
#include <QStringList>

class SettingsStore;

class PortProbe {
 public:
  virtual ~PortProbe() = default;
  // True when the device opens as asked; it is closed again at once.
  virtual bool Opens(const QString& device) = 0;
};

// Through QSerialPort, which opens a port exclusively: one held by another program fails.
class SerialPortProbe final : public PortProbe {
 public:
  bool Opens(const QString& device) override;
};

QStringList AvailableRemotePorts(const SettingsStore& store, PortProbe& probe);
