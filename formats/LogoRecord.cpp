#include "formats/LogoRecord.h"

namespace logo {

QStringList Ids() {
  return {QStringLiteral("X"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
          QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("S")};
}

QString MakeRecord(const QString& name, const QString& id, const QString& description) {
  return name + u'-' + id + description;
}

QString NameOf(const QString& record) { return record.left(kNameChars); }

QString IdOf(const QString& record) { return record.mid(kNameChars + 1, 1); }

QString DescriptionOf(const QString& record) { return record.mid(kDescriptionStart); }

QString ClipCode(const QString& name, const QString& id) { return (name + u'-' + id).toUpper(); }

}  // namespace logo
