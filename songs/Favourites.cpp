#include "songs/Favourites.h"

#include "formats/PrlWriter.h"
#include "platform/Dialogs.h"
#include "platform/PlayLog.h"
#include "deck/DeckControl.h"
#include "songs/SongsList.h"

namespace {
const QString kTitle = QStringLiteral("KORVO XA");
}

Favourites::Favourites(SongsList& list, DeckControl& decks, Dialogs& dialogs, QString startFolder, PlayLog* log)
    : list_(list), decks_(decks), dialogs_(dialogs), startFolder_(std::move(startFolder)), log_(log) {
  if (!startFolder_.isEmpty() && !startFolder_.endsWith(QLatin1Char('/'))) startFolder_ += QLatin1Char('/');
}

QString Favourites::FilePath() const { return startFolder_ + QStringLiteral("favorits.prl"); }

int Favourites::AddToFavourites() {
  if (list_.Count() == 0) return -1;
  int deck = 0;
  if (decks_.State(2) == PlayerState::Playing)
    deck = 2;
  else if (decks_.State(1) == PlayerState::Playing)
    deck = 1;
  if (deck == 0) return -1;
  const QString onAir = decks_.Title(deck);
  // An empty title would match every path.
  if (onAir.isEmpty()) return -1;

  int row = -1;
  for (int i = 0; i < list_.Count() && row < 0; ++i)
    if (list_.At(i).path.contains(onAir, Qt::CaseSensitive)) row = i;
  if (row < 0) return -1;
  const ClipEntry clip = list_.At(row);

  const Dialogs::Answer a =
      dialogs_.Message(QStringLiteral("Do you want to add '%1' to favorites?").arg(clip.title), kTitle,
                       Dialogs::Icon::Question, Dialogs::Buttons::YesNo, Dialogs::Answer::Yes);
  if (a != Dialogs::Answer::Yes) return -1;

  const int appended = prl::AppendFavourite(FilePath(), PrlClip{clip.duration, clip.path});
  if (appended == prl::kClipNotWritable) {
    if (log_) log_->WritePlayLog(QStringLiteral("ERR"), QStringLiteral("Clip Not Added to Favorits"), FilePath());
    dialogs_.Message(QStringLiteral("'%1' can't be added to favorits, its path holds a double quote").arg(clip.path),
                     kTitle, Dialogs::Icon::Warning);
    return -1;
  }
  if (appended != 0) {
    dialogs_.Message(QStringLiteral("Can't open output file"), kTitle, Dialogs::Icon::Warning);
    return -1;
  }
  dialogs_.Message(QStringLiteral("'%1' added to favorits").arg(clip.path), kTitle, Dialogs::Icon::Information);
  return 0;
}
