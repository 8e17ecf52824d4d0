// The three ensure-play files in the drive C folder: the songs list as a play list
// ("KORVOPRL.tmp"), a byte copy of the advert play list last loaded ("KORVOEPL.tmp") and
// the day-programs marker ("KORVOPRG.tmp"). Each is written through a temporary file and
// renamed into place, so a crash or a full disk never leaves one cut short.
#pragma once

#include <QString>

namespace snapshot {

inline constexpr char kSongsFile[] = "KORVOPRL.tmp";
inline constexpr char kAdvertsFile[] = "KORVOEPL.tmp";
inline constexpr char kProgramsFile[] = "KORVOPRG.tmp";

// driveC (no trailing '/') + '/' + name.
QString PathIn(const QString& driveC, const char* name);

// Replaces target with the bytes of source, whole or not at all. False when the source is
// missing or unreadable, is the target itself, or the target cannot be written.
bool CopyWhole(const QString& source, const QString& target);
// An empty file at path; false when it cannot be made.
bool CreateMarker(const QString& path);
// Deletes the three files; those not there are no matter.
void RemoveAll(const QString& driveC);

}  // namespace snapshot
