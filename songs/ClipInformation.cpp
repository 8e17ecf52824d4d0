#include "songs/ClipInformation.h"

#include "formats/TimeText.h"
#include "platform/Paths.h"
#include "audio/ClipAnalyzer.h"
#include "formats/TimeText.h"

ClipInformation::ClipInformation(const ClipAnalyzer& analyzer, std::function<int()> fps, TextSink infoBox)
    : analyzer_(analyzer), fps_(std::move(fps)), infoBox_(std::move(infoBox)) {}

QString DurationOfMilliseconds(qint64 ms, int fps) {
  // Frames are counted in 32 bits unsigned, as the decks count them.
  const quint32 frames = static_cast<quint32>(ms * fps / 1000);
  return timetext::FormatFrames(frames, fps);
}

QString ClipInformation::InformationText(const QString& path, const XA_AnalyzerInfo& info, int fps) {
  const QString title = (QStringLiteral("Title: ") + info.title).toUpper();
  const QString artist = (QStringLiteral("Artist: ") + info.artist).toUpper();
  // One pass over the pattern, so a "%2" in a file name or tag stays as it is.
  return QStringLiteral("Next: %1\r\nLayer: %2, Channels: %3, Bit Rate: %4, Hz: %5 \r\nDuration: %6, [frames: %7]\r\n%8\r\n%9")
      .arg(ClipTitleFromPath(path), QString::number(info.layer), QString::number(info.channels),
           QString::number(info.bitrate), QString::number(info.frequency), DurationOfMilliseconds(info.duration, fps),
           QString::number(info.frames), title, artist);
}

int ClipInformation::ShowClipInformation(const QString& path) {
  XA_AnalyzerInfo info;
  if (analyzer_.Analyze(paths::ResolvePath(path), &info) != 0) return -1;
  if (infoBox_) infoBox_(InformationText(path, info, fps_()));
  return static_cast<int>(info.duration);
}
