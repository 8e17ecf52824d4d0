// The style table file "MxStyles.txt": every fifteen quoted texts form one style, in
// file order; what stands between the quotes carries no meaning. Here rather than with
// the mix panels so that every program of the suite can read the table.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "formats/MixStyle.h"

namespace stylefile {

inline constexpr char kFileName[] = "MxStyles.txt";
inline constexpr int kReadFailed = -1;

// folder + "MxStyles.txt" (folder with or without its trailing '/').
QString StyleFilePath(const QString& folder);

// A row with fewer than fifteen texts keeps empty texts for the rest; texts longer than
// 255 characters are cut; an opening quote without a closing one takes the rest of the
// data. The file is read as UTF-8 or as the old code page as a whole (see StationText).
StyleTable ParseStyles(QByteArrayView data);

// Reads folder + "MxStyles.txt". 0 or more styles into table, or kReadFailed (table
// unchanged) when the file cannot be opened or read or is empty.
int ReadStyleFile(const QString& folder, StyleTable& table);

// The two built-in styles, "ADVS" then "DEF1", as the file holds them (CR LF line ends).
QByteArray DefaultStylesBytes();

// Replaces folder + "MxStyles.txt" with the built-in styles; false when it cannot be
// written. Telling the user and the play log is the caller's.
bool WriteDefaultStyles(const QString& folder);

// The whole table in canonical lines: per style its fifteen texts, each in double quotes,
// commas between, CR LF after the last. A text cannot hold a double quote (it would end
// the text early and shift every later field of the file), so one is left out; texts are
// written in UTF-8.
QByteArray StyleTableBytes(const StyleTable& table);

// Replaces folder + "MxStyles.txt" with the table through a temporary file, so a failed
// or interrupted save leaves the old table whole. False when it cannot be written.
bool WriteStyleFile(const QString& folder, const StyleTable& table);

}  // namespace stylefile
