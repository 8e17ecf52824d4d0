// The serial port behind a COM name: "COMn" opens the device named by the setting
// "COMn Device" when present, else /dev/ttyS<n-1>, so a USB adapter or a pseudo-terminal
// can stand behind a COM name. GUI thread only.
#pragma once

#include <QString>

class QSerialPort;
class SettingsStore;

namespace remote {

// The device for "COM1" to "COM4"; empty for any other name.
QString DeviceForPort(const SettingsStore& settings, const QString& portName);

// 19200 baud, 8 data bits, no parity, one stop bit, no flow control, DTR on, RTS off.
// False when the port refused one of them (its error tells which).
bool ApplyLineSettings(QSerialPort& port);

}  // namespace remote
