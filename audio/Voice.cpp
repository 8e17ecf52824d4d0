#include "audio/Voice.h"

Voice::Voice() {
  int error = 0;
  // The fastest band-limited converter: varispeed and rate matching at a few % of a core.
  resampler = src_new(SRC_SINC_FASTEST, 2, &error);
}

Voice::~Voice() {
  if (resampler) src_delete(resampler);
}
