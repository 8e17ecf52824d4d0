// The style table file "MxStyles.txt": every fifteen quoted texts form one style, in
// file order; what stands between the quotes carries no meaning.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "mix/MixStyle.h"

class Dialogs;
class PlayLog;

namespace stylefile {

inline constexpr char kFileName[] = "MxStyles.txt";
inline constexpr int kReadFailed = -1;

// A row with fewer than fifteen texts keeps empty texts for the rest; texts longer than
// 255 characters are cut; an opening quote without a closing one takes the rest of the
// data.
StyleTable ParseStyles(QByteArrayView data);

// Reads folder + "MxStyles.txt". 0 or more styles into table, or kReadFailed (table
// unchanged) when the file cannot be opened or read or is empty.
int ReadStyleFile(const QString& folder, StyleTable& table);

// The two built-in styles, "ADVS" then "DEF1", as the file holds them (CR LF line ends).
QByteArray DefaultStylesBytes();

// Replaces folder + "MxStyles.txt" with the built-in styles. On failure logs "ERR" /
// "Can't create default mix styles" / path and returns false; on success shows
// "Default Mix Styles created!" and returns true. log and dialogs may be null.
bool WriteDefaultStyles(const QString& folder, PlayLog* log, Dialogs* dialogs);

}  // namespace stylefile
