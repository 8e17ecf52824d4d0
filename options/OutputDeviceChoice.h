// Which listed output device a stored choice ("Output Device" / "Output Device ID", or the
// monitor's pair) stands for today. Sound cards come and go between runs and the list is
// renumbered when they do, so the stored index alone can point at the wrong card or at
// none: the stored name decides, the index only tells two cards of the same name apart.
#pragma once

#include <QList>
#include <QString>

#include "audio/devices.h"

struct OutputDeviceChoice {
  int index = -1;     // the listed device to play on; -1: the default device
  bool gone = false;  // a device was chosen and is no longer there
};

OutputDeviceChoice ChooseOutputDevice(const QList<XaOutputDevice>& devices, const QString& storedName, int storedId);
