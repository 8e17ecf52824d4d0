// The text of the station's files. Lists and tables come from two kinds of machines: the
// old stations wrote them in the Windows code page (Windows-1252), this one and other
// players write UTF-8. Which one a file is, is decided once for the whole file: a file
// that is valid UTF-8 is UTF-8, anything else is Windows-1252 (which never fails), so
// one odd value cannot make its neighbours change meaning.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace stationtext {

enum class Encoding { Utf8, Windows1252 };

// The encoding of a whole file of the byte-wise formats (quoted values: PRL, style table).
Encoding EncodingOf(QByteArrayView data);
// Bytes of such a file (or a slice of one) in the file's encoding.
QString Decode(QByteArrayView bytes, Encoding encoding);

// A whole line-based file (M3U lists from other players): UTF-16 when it starts with a
// UTF-16 byte-order mark, else as EncodingOf says; the byte-order mark is dropped.
QString DecodeFile(QByteArrayView data);

bool IsValidUtf8(QByteArrayView bytes);
// Every byte to its character: 0x80-0x9F as Windows-1252 has them (the five it leaves
// undefined to U+0081, U+008D, U+008F, U+0090, U+009D), the rest as Latin-1.
QString FromWindows1252(QByteArrayView bytes);

}  // namespace stationtext
