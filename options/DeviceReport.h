// The "?" box of an output list: what the engine knows of one output device. The engine
// plays float stereo at the device's own rate and converts every clip to it, so the
// formats line says that rather than a table of card formats.
#pragma once

#include <QString>

#include "audio/devices.h"

QString OutputDeviceReport(const XaOutputDevice& device);
