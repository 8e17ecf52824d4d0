// Reading PRL play lists. The parse functions are pure (bytes in, values out); the Load
// functions read the whole file first and leave their output untouched when it cannot be
// read. Inserting the clips into a list, status texts and log entries are the caller's.
#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

#include "formats/PrlPlayList.h"

namespace prl {

inline constexpr int kReadFailed = -6;

// Header values the data supplies replace those of `previous`; a list of fewer than nine
// values leaves the rest as they were. Value 1 also stores filePath and the version mark
// ("2" for the exact version-2 magic, else "1": clip lines are then bare paths). Clip
// paths are kept whole, as written (see ResolveClipPath). Values with no path are skipped
// and counted in unusedValues (when given; added to). The whole file is read as UTF-8 or
// as the old code page (see StationText).
PrlPlayList ParsePrl(QByteArrayView data, const QString& filePath, const PrlHeader& previous,
                     int* unusedValues = nullptr);

// The clip lines (always read as duration + path) whose value holds `word`, searched
// case-sensitively from the value's second character, where the first occurrence found
// must begin at the third character or later.
QList<PrlClip> ParsePrlFiltered(QByteArrayView data, const QString& word);

// 0 on success: list.header updated as ParsePrl says and list.clips replaced by the
// file's clips. kReadFailed when the file cannot be opened or read or is empty: list
// unchanged.
int LoadPrl(const QString& path, PrlPlayList& list, int* unusedValues = nullptr);
// 0 with clips replaced by the matching clip lines, or kReadFailed (clips unchanged).
int LoadPrlFiltered(const QString& path, const QString& word, QList<PrlClip>& clips);

// A clip path as written (a Windows path, a native one, or relative to the play list's
// folder) as a native path.
QString ResolveClipPath(const QString& clipPath, const QString& prlFilePath);

}  // namespace prl

// 1 when the file's first 31 bytes hold "Tevro Play List" after the opening byte, else 0.
// readButRefused (when given) tells a file that opened and was long enough but failed the
// test (the case the caller logs as "File Is Not a PRL Play List") from one that could not
// be read or is too short.
int IsPrlFile(const QString& path, bool* readButRefused = nullptr);
