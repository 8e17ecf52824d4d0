#include "audio/Voice.h"

Voice::Voice() {
  int error = 0;
  // The fastest band-limited converter: varispeed and rate matching at a few % of a core.
  resampler = src_new(SRC_SINC_FASTEST, 2, &error);
}

Voice::~Voice() {
  if (resampler) src_delete(resampler);
}

uint32_t Voice::PublishFlush(int64_t base) {
  flushReadIndex.store(ring.WriteIndex(), std::memory_order_relaxed);
  flushBase.store(base, std::memory_order_relaxed);
  // Release: a consumer that sees the new generation also sees the index and base.
  return flushGen.fetch_add(1, std::memory_order_release) + 1;
}
