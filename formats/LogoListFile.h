// The logos tool's own lists: a logos file (".mlf", one logo record a line) and an hours
// file (".hlf", one block time a line) are the same thing on disk, a run of quoted values
// one a line. Readers take every quoted value in order, with no header and no check of
// its shape; what the values mean is the caller's.
#pragma once

#include <QString>
#include <QStringList>

namespace logolist {

// Why a list file could not be read; each has its own message box in the tool.
enum class ReadResult {
  Ok,
  OpenFailed,   // "Couldn't open a file to read."
  SizeFailed,   // "Geting File Size failed!"
  TooLarge,     // "Global Allocation memory failed!": far larger than any list
  NothingRead,  // "Zero bytes read from file."
};

inline constexpr int kWriteFailed = -1;

// values is replaced by the file's quoted values on Ok and left alone otherwise; a last
// value never closed (a file cut short) is dropped. The file
// is read as UTF-8 when it all is, else as the old stations' Windows-1252.
ReadResult LoadListFile(const QString& path, QStringList& values);

// One quoted value a line, CR LF as the old tool's text-mode files have them, written to
// a temporary file and renamed into place. A double quote cannot stand inside a value (it
// would split it in two on reading), so it is left out. 0, or kWriteFailed.
int SaveListFile(const QString& path, const QStringList& values);

}  // namespace logolist
