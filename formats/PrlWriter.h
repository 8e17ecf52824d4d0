// Writing PRL play lists. Four programs write them, each with its own header values and
// line ends; this is the one place that knows them.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "formats/PrlPlayList.h"

enum class PrlWriterKind {
  MainSave,         // "Save Play List" of the main program (and the ensure-play copy)
  FavouritesNew,    // the favourites file when it is first created
  DriveScanner,     // the play-list profile of every MP3 file
  PlayListCreator,  // the play-list creator's save
};

// What varies between saves of one kind: the total duration text (main program: the
// "List Duration:" display, up to 20 characters; creator: its total time display) and the
// save date (creator only). Ignored where the kind has a fixed value.
struct PrlSaveValues {
  QString listDuration;
  QDate saveDate;
};

namespace prl {

inline constexpr int kWriteFailed = -1;
// A clip whose path holds a double quote: a value cannot hold one (it would end the value
// early and shift every later line of the file), so such a clip is never written.
inline constexpr int kClipNotWritable = -2;

// The nine quoted header values, each followed by CR LF.
QByteArray HeaderBytes(PrlWriterKind kind, int clipCount, const PrlSaveValues& values);
// One quoted clip line with the kind's line end: duration (written as "00:00:00:00" when
// it is not exactly 11 characters; always so for the scanner) + path, kept whole. Empty
// for a clip that cannot be written (see kClipNotWritable).
QByteArray ClipLineBytes(PrlWriterKind kind, const PrlClip& clip);

// Writes a whole play list into place atomically (an old file stays whole when the save
// fails). 0 on success; kWriteFailed when the main program's or creator's list is empty
// or the file cannot be written. Clips that cannot be written are left out, the header's
// clip count counts only the lines written, and their paths go into leftOut (when given;
// replaced) so the caller can tell the user.
int SavePrl(const QString& path, PrlWriterKind kind, const QList<PrlClip>& clips, const PrlSaveValues& values,
            QStringList* leftOut = nullptr);

// Appends one clip line to the favourites file, creating it with the favourites header
// first when it does not exist; the file is replaced whole, never left half-written.
// 0; kClipNotWritable (nothing written, no file made); kWriteFailed when the file cannot
// be read or written.
int AppendFavourite(const QString& path, const PrlClip& clip);

}  // namespace prl
