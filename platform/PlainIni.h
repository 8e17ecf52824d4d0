// The INI text every program of the suite reads and writes. Qt's own INI format turns
// an unquoted "a,b" into a list, drops blanks around a value and reads backslashes as
// escapes, so a value typed by hand came back altered; this format keeps values as
// plain text and leaves the rest (names, groups, locking, atomic replace) to QSettings.
// The one mark kept from Qt's format: a value beginning with '@' is written with a
// second '@', and "@Type(...)" values Qt wrote for non-text data read as missing.
#pragma once

#include <QSettings>

namespace plainini {

// A value is one line of the file: the text up to its first line break.
QString UpToLineBreak(const QString& text);

// QSettings' read and write functions of the format. A damaged section header makes the
// whole file unreadable (false): half a file's values are worse than none.
bool Read(QIODevice& device, QSettings::SettingsMap& map);
bool Write(QIODevice& device, const QSettings::SettingsMap& map);

}  // namespace plainini
