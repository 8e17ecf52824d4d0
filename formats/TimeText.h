// The one place where time texts are made and read: durations and positions as the play
// lists and the decks show them, "HH:MM:SS:FF" with frames counted at an fps (25 or 30),
// hours wrapping at 60 ("00:00:00:00" means "not measured"), and the clock "HH:MM:SS".
#pragma once

#include <QString>
#include <QStringView>
#include <QTime>

#include <cstdint>

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

// The clock display and the times of day of the station's files: "%02d:%02d:%02d".
QString ClockText(const QTime& time);

}  // namespace timetext

// Milliseconds as "%02d:%02d:%02d:%02d" (hours wrap at 60); an fps below 1 counts as 25.
QString FormatTimecode(uint64_t ms, int fps);
// Frames of a time text: two-digit fields at 0, 3, 6 and the last two characters. Fields
// that are missing or not digits count as 0, so a short or damaged text never reads
// outside the string. An fps below 1 counts as 25.
uint32_t ParseTimecode(const QString& text, int fps);
// The file name without folder (after the last '\' or '/') and without its last four
// characters; "" for a name shorter than four characters, "ERR" for an empty path.
QString ClipTitleFromPath(const QString& path);
