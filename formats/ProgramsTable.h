// The programs table "Prglists/KorvoxaPrgs.txt": one ProgramEntry a line, ten quoted
// values separated by commas, CR LF. Readers count ten values to a record and look at
// nothing between the quotes; writers cut each value to the longest the table holds.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <array>

// One line of the programs table: a day program, the play list that replaces the songs
// list at its time of day.
struct ProgramEntry {
  enum Field {
    kPlayList,      // full path of the PRL play list
    kCreationDate,  // the play list's date, day/month/year
    kOwner,
    kClips,     // number of clips, as text
    kDuration,  // "HH:MM:SS:FF"
    kStyle,     // shown by the main window as the program's name
    kDescription,
    kDateToPlay,     // carried along, never edited or used
    kTimeToPlay,     // "HH:MM", minutes 00 or 30
    kShuffleOnLoad,  // "1" shuffle the list when it is loaded, "0" not
    kFieldCount
  };

  std::array<QString, kFieldCount> fields;

  QString& operator[](Field f) { return fields[f]; }
  const QString& operator[](Field f) const { return fields[f]; }
  bool operator==(const ProgramEntry&) const = default;
};

namespace programs {

inline constexpr char kFolderName[] = "Prglists";
inline constexpr char kFileName[] = "KorvoxaPrgs.txt";
inline constexpr int kReadFailed = -6;
inline constexpr int kWriteFailed = -1;

// startFolder (ending with '/') + "Prglists/KorvoxaPrgs.txt".
QString ProgramsFilePath(const QString& startFolder);

// The longest value of the field the table holds; longer ones are cut when written.
int MaxChars(ProgramEntry::Field field);

// The complete records of the data in file order. A record cut short (fewer than ten
// values, or a last value whose closing quote is missing) is dropped. Text is UTF-8 when
// the whole data is, else Windows-1252.
QList<ProgramEntry> ParsePrograms(QByteArrayView data);

// 1 with rows replaced by the file's records in file order; kReadFailed (rows unchanged)
// when the file cannot be opened or read, is empty or far too large to be a table.
int ReadProgramsFile(const QString& path, QList<ProgramEntry>& rows);

// The rows as the file holds them, in their order, each value cut to its limit. A double
// quote cannot stand inside a value (it would end it early) and is left out.
QByteArray ProgramsBytes(const QList<ProgramEntry>& rows);

// Replaces the file whole through a temporary file: 0, or kWriteFailed with the old file
// untouched.
int SaveProgramsFile(const QString& path, const QList<ProgramEntry>& rows);

}  // namespace programs
