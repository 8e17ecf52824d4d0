// Where the station's files live, and how paths written on Windows machines are found here.
#pragma once

#include <QString>

namespace paths {

// The drive C folder: $KORVO_DRIVE_C, else $XDG_DATA_HOME/korvoxa/drive_c; created on use.
// No trailing '/': "C:\Adverts" is DriveCFolder() + "/Adverts".
QString DriveCFolder();
// The start folder (the current directory) with a trailing '/'.
QString StartFolder();
// A Windows path ("D:\Music\a.mp3", "c:\adverts\x.MP3") or a native one, as a native path:
// drive letter L maps to $KORVO_DRIVE_<L> (C to the drive C folder), backslashes become '/',
// and when the exact path does not exist each component is matched without regard to case.
// Relative paths are taken against baseFolder when it is given. Never cuts the path.
// A drive without a $KORVO_DRIVE_<L> maps to $XDG_DATA_HOME/korvoxa/drive_<l> (not created).
QString ResolvePath(const QString& path, const QString& baseFolder = {});
// Case-insensitive lookup of an existing native path; returns the path unchanged when
// nothing matches.
QString FindCaseInsensitive(const QString& nativePath);
// The text after the last '/' or '\'.
QString FileNamePart(const QString& path);

}  // namespace paths
