#include "songs/PlayListTools.h"

#include "platform/Dialogs.h"
#include "platform/PlayLog.h"
#include "songs/RememberedFolders.h"
#include "songs/SongsList.h"
#include "songs/SongsListFile.h"
#include "songs/StatusTexts.h"

#include <QFileInfo>

namespace {
const QString kTitle = QStringLiteral("KORVO XA");
}

PlayListTools::PlayListTools(SongsList& list, Dialogs& dialogs, PlayLog& log, RememberedFolders& folders,
                             StatusSink status, std::function<void()> releaseAutoButtons)
    : list_(list),
      dialogs_(dialogs),
      log_(log),
      folders_(folders),
      status_(std::move(status)),
      releaseAutoButtons_(std::move(releaseAutoButtons)) {}

int PlayListTools::ClearPlayList() {
  if (list_.Count() == 0) {
    status_(QStringLiteral("Nothing to delete"));
    return -1;
  }
  const Dialogs::Answer a = dialogs_.Message(QStringLiteral("Clear Play List?"), kTitle, Dialogs::Icon::Question,
                                             Dialogs::Buttons::YesNo, Dialogs::Answer::No);
  if (a != Dialogs::Answer::Yes) return -1;
  list_.ClearSongsList();
  if (releaseAutoButtons_) releaseAutoButtons_();
  log_.WritePlayLog(QStringLiteral("ACC"), QStringLiteral("Play List Clear"), QString());
  status_(texts::kReady);
  return 0;
}

int PlayListTools::SavePlayList() {
  if (list_.Count() == 0) {
    dialogs_.Message(QStringLiteral("Play List is empty"), kTitle, Dialogs::Icon::Warning);
    return -1;
  }
  QString path = dialogs_.SaveFile(QStringLiteral("Save Play List"), folders_.playListFolder,
                                   QStringLiteral("KORVO, TEVRO Play Lists v.2 (*.prl)"));
  if (path.isEmpty()) return -1;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".prl");
  folders_.playListFolder = FolderOfPath(path);

  QStringList leftOut;
  if (SaveSongsList(list_, path, &leftOut) != 0) {
    dialogs_.Message(path, QStringLiteral("KORVO couldn't create out file"), Dialogs::Icon::Warning);
    return -1;
  }
  log_.WritePlayLog(QStringLiteral("ACC"), QStringLiteral("Play List Saved"), path);
  // The rest of the list is saved; the operator learns which clips the file lacks.
  if (!leftOut.isEmpty()) {
    log_.WritePlayLog(QStringLiteral("ERR"), QStringLiteral("Clips Not Saved: %1").arg(leftOut.size()), path);
    dialogs_.Message(QStringLiteral("These clips were left out of the play list, their paths hold a double quote:\n") +
                         leftOut.join(u'\n'),
                     kTitle, Dialogs::Icon::Warning);
  }
  return 0;
}
