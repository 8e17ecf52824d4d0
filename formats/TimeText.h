// Durations as the play lists carry them: "HH:MM:SS:FF", frames counted at an fps
// (25 or 30), hours wrapping at 60. "00:00:00:00" means "not measured".
#pragma once

#include <QString>
#include <QStringView>

namespace timetext {

inline constexpr char kUnmeasured[] = "00:00:00:00";
inline constexpr int kDurationLength = 11;

// True for exactly eleven characters of the form DD:DD:DD:DD.
bool IsDurationText(QStringView text);

// FF + SS*fps + MM*fps*60 + HH*fps*3600. A text that is not a duration counts 0.
qint64 DurationToFrames(QStringView text, int fps);

// The duration of a frame count; hours wrap at 60. Negative counts or an fps below 1 give
// "00:00:00:00".
QString FormatFrames(qint64 frames, int fps);

// Integer conversions between milliseconds and frames at an fps (0 for fps below 1).
qint64 FramesFromMilliseconds(qint64 ms, int fps);
qint64 MillisecondsFromFrames(qint64 frames, int fps);

}  // namespace timetext
