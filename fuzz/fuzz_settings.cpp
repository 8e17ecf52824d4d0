// The settings file of the suite, in its plain INI text: whatever the file holds is read
// without harm, and what was read is written back so that it reads the same again (the
// Options dialog rewrites the whole file).
#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/PlainIni.h"

namespace {

QSettings::SettingsMap ReadAll(const QByteArray& bytes, bool* ok) {
  QBuffer device;
  device.setData(bytes);
  device.open(QIODevice::ReadOnly);
  QSettings::SettingsMap map;
  *ok = plainini::Read(device, map);
  return map;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  bool ok = false;
  const QSettings::SettingsMap map = ReadAll(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), &ok);
  if (!ok) return 0;
  QBuffer written;
  written.open(QIODevice::WriteOnly);
  if (!plainini::Write(written, map)) abort();
  bool again = false;
  const QSettings::SettingsMap back = ReadAll(written.data(), &again);
  if (!again) abort();
  // Text values come back as they were; values Qt wrote for other data read as missing.
  for (auto it = map.cbegin(); it != map.cend(); ++it) {
    if (it.value().typeId() != QMetaType::QString) continue;
    if (!back.contains(it.key()) || back.value(it.key()) != it.value()) abort();
  }
  return 0;
}
