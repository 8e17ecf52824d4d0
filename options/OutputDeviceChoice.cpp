#include "options/OutputDeviceChoice.h"

#include "platform/SettingsTable.h"

OutputDeviceChoice ChooseOutputDevice(const QList<XaOutputDevice>& devices, const QString& storedName, int storedId) {
  const bool named = !storedName.isEmpty() && storedName != QLatin1String(settings::kOutputDevice.fallback) &&
                     storedName != QLatin1String(settings::kNotOpen);
  const bool listed = storedId >= 0 && storedId < devices.size();
  // Never chosen, or no device at all (the no-device warning says so already).
  if ((!named && storedId < 0) || devices.isEmpty()) return {};
  if (!named) return listed ? OutputDeviceChoice{storedId, false} : OutputDeviceChoice{-1, true};
  if (listed && devices[storedId].name == storedName) return {storedId, false};
  for (const XaOutputDevice& d : devices)
    if (d.name == storedName) return {d.index, false};
  return {-1, true};
}
