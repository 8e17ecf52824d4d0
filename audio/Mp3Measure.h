// libmpg123 set up once for the engine, and the measures the player and the analyser
// share, so a clip's length and bit rate read the same wherever they are shown.
#pragma once

#include "audio/Mp3Headers.h"

#include <mpg123.h>

#include <cstdint>

// mpg123_init, once per process.
void InitMp3Library();
// A handle as the engine uses them: gapless, quiet, the common resync limit.
mpg123_handle* NewMp3Handle(int extraFlags = 0);

struct Mp3Length {
  int64_t samples = 0;  // what a full gapless decode gives
  int64_t frames = 0;   // MPEG frames
  // The scan found fewer frames than the Info header announces (a damaged or cut file),
  // and libmpg123 then stopped trimming the encoder's delay on this handle: decoding on
  // it would start with that much silence. samples is still what a decode on a freshly
  // opened, unscanned handle gives.
  bool gaplessLost = false;
};
// The Info header's frame and byte counts can stand for the file: its byte count agrees
// with the audio bytes in the file to within two frames.
bool XingMatchesFile(const Mp3Layout& layout);
// Scans the open handle (frame headers only). False when nothing decodable was found.
bool ScanMp3Length(mpg123_handle* handle, const Mp3Layout& layout, Mp3Length* length);

// The bit rate to show: the file's audio bytes over its frames' duration, which is the
// nominal rate of a constant-rate file and the average of a variable one.
int AverageKbps(const Mp3Layout& layout, int64_t frames, int samplesPerFrame, int rate, int firstKbps);
