// Output devices of the engine: what the Options and information dialogs list, which device
// "/dev/dsound/1" (main) and "/dev/dsound/2" (monitor) stand for, and the master gain.
// All functions are called on the GUI thread.
#pragma once

#include <QList>
#include <QString>

#include <cstdint>

struct XaOutputDevice {
  int index = 0;        // position in this list, the "Output Device ID"
  QString name;
  QString hostApi;
  int maxChannels = 0;
  double defaultRate = 0;
  double defaultLatencyMs = 0;
  bool isNull = false;  // the null output (no sound card, or KORVO_AUDIO=null)
};

// The usable output devices. With KORVO_AUDIO=null exactly one: the null output. With no
// real device and no KORVO_AUDIO the list is empty (the null output still plays).
QList<XaOutputDevice> xaudio_output_devices();
// Which listed devices main and monitor use; -1 means the default device.
void xaudio_set_output_devices(int mainIndex, int monitorIndex);
// Master value v (1-65535) of the main output: attenuation (65536 - v) / 728 dB.
void xaudio_set_master_volume(int value);
int xaudio_get_master_volume();
// Peak of the main output since the last call, 0.0-1.0.
float xaudio_main_peak();
// Times a sound device ran out of audio (its callback came too late) since the engine
// started, over every output opened; the null output never does.
uint64_t xaudio_output_underflows();
