// The clip-information text: measures a clip with the analyser and writes what it found
// into the clip-information box.
#pragma once

#include "audio/xaudio.h"

#include <QString>

#include <functional>

class ClipAnalyzer;

class ClipInformation {
 public:
  using TextSink = std::function<void(const QString&)>;

  // fps reads the FPS setting in force; infoBox receives the text.
  ClipInformation(const ClipAnalyzer& analyzer, std::function<int()> fps, TextSink infoBox);

  // The play time in milliseconds, or -1 (nothing written) when the clip can't be measured.
  int ShowClipInformation(const QString& path);
  // The stand-alone measurement the decks and the counter use.
  int MeasureClip(const QString& path) { return ShowClipInformation(path); }

  // "Next: ...\r\nLayer: ..." for a measured clip.
  static QString InformationText(const QString& path, const XA_AnalyzerInfo& info, int fps);

 private:
  const ClipAnalyzer& analyzer_;
  std::function<int()> fps_;
  TextSink infoBox_;
};

// The duration text of a play time in milliseconds (frames = ms x fps / 1000).
QString DurationOfMilliseconds(qint64 ms, int fps);
