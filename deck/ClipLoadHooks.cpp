#include "deck/ClipLoadHooks.h"

#include <limits>

#include "audio/DecoderEngine.h"

int DefaultClipLoadHooks::MeasureClip(const QString& path) {
  XA_AnalyzerInfo info;
  if (engine_.Analyze(path, &info) != 0) return -1;
  return info.duration > static_cast<uint32_t>(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max()
                                                                                  : static_cast<int>(info.duration);
}
