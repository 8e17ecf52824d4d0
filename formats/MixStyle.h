// A mix style is one row of the style table "MxStyles.txt": fifteen texts in a fixed
// order, looked up by name (exact, case-sensitive).
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

enum class StyleField {
  Name = 0,
  SkipSecOffset = 1,
  WaitVolumeValue = 2,
  WaitVolume = 3,
  InSpeedStep = 4,
  OutSpeedStep = 5,
  MixTimerInterval = 6,
  StoredInStep = 7,
  StoredOutStep = 8,
  StyleStartVolume = 9,
  // 10 to 14 are reserved and always "0".
};

struct MixStyle {
  static constexpr int kFieldCount = 15;
  static constexpr int kMaxFieldChars = 255;

  std::array<QString, kFieldCount> fields;

  const QString& Field(StyleField f) const { return fields[static_cast<int>(f)]; }
  const QString& Name() const { return fields[0]; }
  bool operator==(const MixStyle&) const = default;
};

// The loaded styles in file order; the style list shows their names in the same order.
class StyleTable {
 public:
  StyleTable() = default;
  explicit StyleTable(QList<MixStyle> rows) : rows_(std::move(rows)) {}

  qsizetype Size() const { return rows_.size(); }
  bool IsEmpty() const { return rows_.isEmpty(); }
  const MixStyle& Row(qsizetype i) const { return rows_[i]; }
  // Index of the first row with this name, or -1.
  qsizetype IndexOf(const QString& name) const;
  QStringList Names() const;

 private:
  QList<MixStyle> rows_;
};

// The decimal conversion the table has always used: leading blanks and a sign allowed,
// stops at the first non-digit, no digits gives 0. Saturates instead of overflowing.
int StyleNumber(const QString& text);
