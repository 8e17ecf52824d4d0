#include "songs/PlayerFeed.h"

#include "platform/Paths.h"
#include "platform/PlayLog.h"
#include "deck/DeckControl.h"
#include "songs/SongsList.h"
#include "songs/StatusTexts.h"

PlayerFeed::PlayerFeed(SongsList& list, DeckControl& decks, PlayLog& log, StatusSink status)
    : list_(list), decks_(decks), log_(log), status_(std::move(status)) {}

int PlayerFeed::LoadSelectedIntoPlayer(int row) {
  for (;;) {
    const int deck = FreeDeck(decks_);
    if (row < 0 || row >= list_.Count() || deck == 0) {
      status_(texts::kNothingSelected);
      return -1;
    }
    const ClipEntry clip = list_.At(row);
    loading_ = true;
    loadingRow_ = row;
    const int rc = decks_.LoadClip(deck, clip.title, paths::ResolvePath(clip.path));
    loading_ = false;
    if (rc == -2) {
      // Rejected by its check: the deck normally had us remove it already.
      if (loadingRow_ >= 0) RemoveRow(loadingRow_);
      if (list_.Count() == 0) return -1;
      row = row < list_.Count() ? row : 0;
      list_.SelectItem(row);
      continue;
    }
    if (rc < 0) {
      status_(texts::kClipLoadError);
      return -1;
    }
    return 0;
  }
}

int PlayerFeed::LoadNextIntoPlayer() {
  if (list_.Count() == 0) return -1;
  list_.SelectNext();
  return LoadSelectedIntoPlayer(list_.CurrentItem());
}

int PlayerFeed::RemoveCurrentClip() {
  if (loading_) {
    if (loadingRow_ < 0) return -1;
    const bool removed = RemoveRow(loadingRow_);
    loadingRow_ = -1;
    return removed && list_.Count() > 0 ? 0 : -1;
  }
  const int row = list_.CurrentItem();
  if (row < 0) {
    status_(texts::kNothingSelected);
    return -1;
  }
  if (!RemoveRow(row)) return -1;
  if (list_.Count() == 0) return -1;
  const int next = row < list_.Count() ? row : 0;
  list_.SelectItem(next);
  LoadSelectedIntoPlayer(next);
  return 0;
}

bool PlayerFeed::RemoveRow(int row) {
  const QString title = row >= 0 && row < list_.Count() ? list_.At(row).title : QString();
  if (!list_.Model().Remove(row)) {
    status_(QStringLiteral("Failed to remove %1 from Play List").arg(title));
    return false;
  }
  status_(QStringLiteral("%1 removed from Play List").arg(title));
  log_.WritePlayLog(QStringLiteral("ACC"), QStringLiteral("Clip Removed from Play List"), title);
  list_.UpdateClipCount();
  return true;
}
