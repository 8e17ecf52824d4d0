#include "songs/ClipRenamer.h"

#include "platform/Paths.h"
#include "deck/DeckControl.h"
#include "songs/SongsList.h"
#include "songs/StatusTexts.h"

#include <QFile>

namespace {

// A new name must stay a plain file name in the clip's folder.
bool IsPlainName(const QString& name) {
  return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
         !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
}

}  // namespace

ClipRenamer::ClipRenamer(SongsList& list, DeckControl& decks, RenamePrompt& prompt, StatusSink status)
    : list_(list), decks_(decks), prompt_(prompt), status_(std::move(status)) {}

int ClipRenamer::RenameClipFile() {
  if (list_.Count() == 0) return -1;
  const int row = list_.CurrentItem();
  if (row < 0) {
    status_(texts::kNothingSelected);
    return -1;
  }
  const ClipEntry clip = list_.At(row);
  const QString oldPath = paths::ResolvePath(clip.path);
  const QString folder = FolderOfPath(oldPath);
  QString name = paths::FileNamePart(oldPath);
  name.chop(4);

  for (int deck = 1; deck <= 2; ++deck) {
    if (decks_.Title(deck) == name) {
      decks_.Pause(deck);
      decks_.Reset(deck);
    }
  }

  const std::optional<QString> newName = prompt_.AskNewName(folder, name);
  if (!newName) {
    status_(QStringLiteral("Action Canceled"));
    return -1;
  }
  const QString newPath = folder + *newName + QStringLiteral(".mp3");
  // QFile::rename refuses when newPath exists, so no other clip is ever overwritten.
  if (!IsPlainName(*newName) || !QFile::rename(oldPath, newPath)) {
    status_(QStringLiteral("Failed to rename file"));
    return -1;
  }
  // The dialog was modal: other work may have moved the row meanwhile.
  const int now = list_.Model().RowOfId(clip.id, row);
  if (now >= 0) list_.Model().SetTitleAndPath(now, *newName, newPath);
  status_(QStringLiteral("File Renamed"));
  return 0;
}
