#include "programs/EnsurePlay.h"

#include <QDir>
#include <QFile>

#include "adverts/Adverts.h"
#include "formats/PrlReader.h"
#include "platform/Dialogs.h"
#include "platform/PlayLog.h"
#include "platform/TimerIds.h"
#include "platform/TimerTable.h"
#include "programs/ProgramScheduler.h"
#include "programs/SnapshotFiles.h"
#include "songs/ClipLoader.h"
#include "songs/SongsList.h"
#include "songs/SongsListFile.h"

namespace {

constexpr int kTickPeriodMs = 4000;

}  // namespace

EnsurePlay::EnsurePlay(SongsList& songs, ClipLoader& loader, Adverts& adverts, ProgramScheduler& programs,
                       TimerTable& timers, Dialogs& dialogs, PlayLog& log, QString driveC, Hooks hooks, QObject* parent)
    : QObject(parent),
      songs_(songs),
      loader_(loader),
      adverts_(adverts),
      programs_(programs),
      timers_(timers),
      dialogs_(dialogs),
      log_(log),
      driveC_(std::move(driveC)),
      hooks_(std::move(hooks)) {}

QString EnsurePlay::SongsSnapshotPath() const { return snapshot::PathIn(driveC_, snapshot::kSongsFile); }
QString EnsurePlay::AdvertsSnapshotPath() const { return snapshot::PathIn(driveC_, snapshot::kAdvertsFile); }
QString EnsurePlay::ProgramsMarkerPath() const { return snapshot::PathIn(driveC_, snapshot::kProgramsFile); }

void EnsurePlay::SetEnsurePlay(bool on) {
  if (!on) {
    // Switching off always works, also with an empty songs list: the toggle must never
    // show off while the tick runs and the files wait to restore a list at the next start.
    timers_.Stop(timerid::kEnsurePlay);
    if (hooks_.resetPassCount) hooks_.resetPassCount();
    snapshot::RemoveAll(driveC_);
    on_ = false;
    emit ensurePlayChanged(false);
    log_.WritePlayLog(QStringLiteral("ACC"), QStringLiteral("Ensure Play Disabled"), QString());
    return;
  }
  if (songs_.Count() == 0) {
    dialogs_.Message(QStringLiteral("To Ensure play you should have at least songs in play list"),
                     QStringLiteral("KORVO XA"), Dialogs::Icon::None);
    on_ = false;
    emit ensurePlayChanged(false);
    log_.WritePlayLog(QStringLiteral("ERR"), QStringLiteral("Ensure Play Disabled"),
                      QStringLiteral("Play List was Empty"));
    return;
  }
  QDir().mkpath(driveC_);
  SaveSongsSnapshot();
  // No advert list loaded, or one gone since: an older copy stays as it was.
  snapshot::CopyWhole(adverts_.List().EplPath(), AdvertsSnapshotPath());
  if (programs_.ProgramsEnabled()) snapshot::CreateMarker(ProgramsMarkerPath());
  if (hooks_.autoPlay) hooks_.autoPlay();
  timers_.Start(timerid::kEnsurePlay, kTickPeriodMs);
  on_ = true;
  log_.WritePlayLog(QStringLiteral("ACC"), QStringLiteral("Ensure Play Enabled"), QString());
  emit ensurePlayChanged(true);
}

void EnsurePlay::SaveSongsSnapshot() {
  const QString path = SongsSnapshotPath();
  QStringList leftOut;
  if (SaveSongsList(songs_, path, &leftOut) != 0) {
    dialogs_.Message(path, QStringLiteral("KORVO couldn't create out file"), Dialogs::Icon::Warning);
    return;
  }
  log_.WritePlayLog(QStringLiteral("ACC"), QStringLiteral("Play List Saved"), path);
  if (!leftOut.isEmpty())
    log_.WritePlayLog(QStringLiteral("ERR"), QStringLiteral("Clips Not Saved: %1").arg(leftOut.size()), path);
}

void EnsurePlay::RecoverAfterRestart() {
  // Before the advert list and the programs marker are read: switching ensure play on
  // copies no advert list (none is loaded yet) and writes no marker (PRG is still off),
  // so both survive to be read below.
  const QString songs = SongsSnapshotPath();
  // Anything but a play list is left where it is rather than read as clip paths and then
  // written back over itself.
  if (IsPrlFile(songs) == 1) loader_.LoadPrl(songs);
  if (songs_.Count() > 0) SetEnsurePlay(true);

  adverts_.LoadAdvertList(AdvertsSnapshotPath());
  if (adverts_.List().Count() > 0) adverts_.SetAdvertsEnabled(true);

  QFile marker(ProgramsMarkerPath());
  if (marker.open(QIODevice::ReadOnly)) {
    marker.close();
    programs_.SetProgramsEnabled(true);
  }
}
