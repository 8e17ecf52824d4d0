// The settings file of the suite, in its plain INI text.
#include <QFile>

#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "platform/SettingsStore.h"
#include "platform/SettingsTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // QSettings keeps a parsed file while its size and time stay the same: a new name on
  // every run makes it read each input.
  static int run = 0;
  const QString path = fuzz::InputFile(data, size, QStringLiteral("-%1.ini").arg(++run % 64).toLatin1().constData());
  const SettingsStore store(path);
  (void)store.ReadSettingValue(QStringLiteral("a"));
  (void)store.ReadSettingValue(QStringLiteral("General/a"));
  (void)store.Read(settings::kOutputDevice);
  (void)store.Read(settings::kFps);
  (void)store.Find(settings::kOutputDeviceId);
  QFile::remove(path);
  return 0;
}
