// Time texts of the decks: "HH:MM:SS:FF" with frames counted at the FPS setting, and the
// clip title shown for a path. Pure functions, no state.
#pragma once

#include <QString>

#include <cstdint>

// The time text of a clip not measured, or of a deck at its start.
inline constexpr char kZeroTime[] = "00:00:00:00";

// Milliseconds as "%02d:%02d:%02d:%02d" (hours wrap at 60). fps is 25 or 30.
QString FormatTimecode(uint64_t ms, int fps);
// Frames of a time text: two-digit fields at 0, 3, 6 and the last two characters. Fields
// that are missing or not digits count as 0, so a short or damaged text never reads
// outside the string.
uint32_t ParseTimecode(const QString& text, int fps);
// The file name without folder (after the last '\' or '/') and without its last four
// characters; "" for a name shorter than four characters, "ERR" for an empty path.
QString ClipTitleFromPath(const QString& path);
