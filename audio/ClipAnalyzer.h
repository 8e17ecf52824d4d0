// Measures a clip file from its frame headers and tags, without decoding it.
// Analyze may be called from a worker thread: each call stands alone.
#pragma once

#include "audio/xaudio.h"

#include <QString>

class ClipAnalyzer {
 public:
  virtual ~ClipAnalyzer() = default;
  // 0 on success with info filled in; -1 when no analyser could be made or the file
  // could not be measured.
  virtual int Analyze(const QString& path, XA_AnalyzerInfo* info) const = 0;
};

// The engine's analyser: one xanalyzer per call, released at once.
class XaudioClipAnalyzer final : public ClipAnalyzer {
 public:
  int Analyze(const QString& path, XA_AnalyzerInfo* info) const override;
};
