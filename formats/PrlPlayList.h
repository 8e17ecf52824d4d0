// The in-memory PRL play list: the header of the list last read (its file path, version
// mark and the nine header values) and the ordered clip lines.
#pragma once

#include <QList>
#include <QString>
#include <array>

enum class PrlField { FilePath, Version, Date, Owner, Clips, Duration, Style, Description, DateToPlay, TimeToPlay };

// Each header field has a fixed capacity (characters including a terminator, as the old
// stations stored them); longer values are cut to capacity - 1 so every program of the
// suite sees the same header. The file path is the exception (capacity 0: no limit).
class PrlHeader {
 public:
  static constexpr int kFieldCount = 10;

  static int Capacity(PrlField field);

  QString Value(PrlField field) const { return values_[Index(field)]; }
  void SetValue(PrlField field, const QString& value);
  // Empties every field, then clips "0" and duration "00:00:00:00".
  void Reset();

  bool operator==(const PrlHeader&) const = default;

 private:
  static int Index(PrlField field) { return static_cast<int>(field); }
  std::array<QString, kFieldCount> values_;
};

// One clip line: its duration text (11 characters in version-2 files, empty in version 1)
// and its path exactly as the file holds it.
struct PrlClip {
  QString duration;
  QString path;
  bool operator==(const PrlClip&) const = default;
};

struct PrlPlayList {
  PrlHeader header;
  QList<PrlClip> clips;
};

// The version-2 mark and the labels of header values 2 to 9.
namespace prl {
inline constexpr char kMagic[] = "Tevro Play List - Version 2.0";
inline constexpr char kMagicPrefix[] = "Tevro Play List";
inline constexpr char kDateLabel[] = "Date: ";
inline constexpr char kOwnerLabel[] = "Owner: ";
inline constexpr char kClipsLabel[] = "Clips: ";
inline constexpr char kDurationLabel[] = "Duration: ";
inline constexpr char kStyleLabel[] = "Style: ";
inline constexpr char kDescriptionLabel[] = "Description: ";
inline constexpr char kDateToPlayLabel[] = "Date to play: ";
inline constexpr char kTimeToPlayLabel[] = "Time to play: ";
}  // namespace prl
