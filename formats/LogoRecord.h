// A logo of the logos tool as one text: the logo name (5 characters, e.g. 00000 or LOGO1),
// "-", the logo id (one of "X", "1" to "8", "S") and the description, with no blank between
// id and description. Records read from a file are taken as they stand, so every part is
// cut from whatever length the text has and a short record gives short (or empty) parts.
#pragma once

#include <QString>
#include <QStringList>

namespace logo {

inline constexpr int kNameChars = 5;
inline constexpr int kMaxDescriptionChars = 40;
// Where the description starts: after name, "-" and id.
inline constexpr int kDescriptionStart = 7;

// "X", "1" ... "8", "S": the ids the planners know, in the order the picker offers them.
QStringList Ids();

QString MakeRecord(const QString& name, const QString& id, const QString& description);
// Characters 0-4.
QString NameOf(const QString& record);
// Character 6, or empty.
QString IdOf(const QString& record);
// Characters 7 to the end.
QString DescriptionOf(const QString& record);

// The clip code an advert play list carries for a logo: name + "-" + id, upper case.
QString ClipCode(const QString& name, const QString& id);

}  // namespace logo
