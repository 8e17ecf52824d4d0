#include "audio/Mp3Measure.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <mutex>

namespace {
// Layer III decoding delays the output by this many samples; libmpg123's gapless mode
// trims them along with the encoder's delay from the LAME tag.
constexpr int64_t kDecoderDelay = 529;
}  // namespace

void InitMp3Library() {
  static std::once_flag once;
  std::call_once(once, [] { mpg123_init(); });
}

mpg123_handle* NewMp3Handle(int extraFlags) {
  InitMp3Library();
  int err = MPG123_OK;
  mpg123_handle* h = mpg123_new(nullptr, &err);
  if (!h) return nullptr;
  mpg123_param(h, MPG123_FLAGS, MPG123_GAPLESS | MPG123_QUIET | extraFlags, 0);
  mpg123_param(h, MPG123_RESYNC_LIMIT, kMp3ResyncLimit, 0);
  return h;
}

bool XingMatchesFile(const Mp3Layout& layout) {
  const XingHeader& x = layout.xing;
  if (!x.present || x.frames == 0 || x.bytes == 0) return false;
  const int64_t frameBytes = std::max<int64_t>(layout.first.bytes, x.bytes / x.frames);
  return std::llabs(layout.AudioBytes() - int64_t(x.bytes)) <= 2 * frameBytes;
}

bool ScanMp3Length(mpg123_handle* h, const Mp3Layout& layout, Mp3Length* length) {
  long delay = -1;
  double unused = 0;
  mpg123_getstate(h, MPG123_ENC_DELAY, &delay, &unused);  // before the scan may drop it
  if (mpg123_scan(h) != MPG123_OK) return false;
  length->samples = mpg123_length(h);
  length->frames = mpg123_framelength(h);
  // With fewer frames than the Info header announces libmpg123 gives up gapless
  // decoding, so the scanned length counts the encoder's delay that a decode on an
  // unscanned handle still trims.
  length->gaplessLost = layout.xing.present && layout.xing.frames > 0 && length->frames < layout.xing.frames;
  if (length->gaplessLost && delay >= 0) length->samples = std::max<int64_t>(0, length->samples - delay - kDecoderDelay);
  return length->samples > 0 && length->frames > 0;
}

int AverageKbps(const Mp3Layout& layout, int64_t frames, int samplesPerFrame, int rate, int firstKbps) {
  // The Info frame holds no audio and is not among the frames counted.
  const int64_t bytes = layout.AudioBytes() - (layout.xing.present ? layout.first.bytes : 0);
  if (frames <= 0 || samplesPerFrame <= 0 || rate <= 0 || bytes <= 0) return firstKbps;
  const double seconds = double(frames) * samplesPerFrame / rate;
  const double kbps = bytes * 8 / seconds / 1000;
  // Padding slots make a constant-rate file's figure wander by a fraction of a percent.
  if (std::fabs(kbps - firstKbps) <= 0.02 * firstKbps) return firstKbps;
  return int(std::lround(kbps));
}
