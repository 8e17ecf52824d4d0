#include "programs/ProgramScheduler.h"

#include "adverts/DayMinutes.h"
#include "formats/ProgramsTable.h"
#include "formats/TimeText.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/PlayLog.h"
#include "platform/TimerIds.h"
#include "platform/TimerTable.h"
#include "programs/SilentShuffle.h"
#include "songs/ClipLoader.h"
#include "songs/PlayerFeed.h"
#include "songs/SongsList.h"

namespace {

constexpr int kCheckPeriodMs = 1000;

}  // namespace

ProgramScheduler::ProgramScheduler(SongsList& songs, ClipLoader& loader, PlayerFeed& feed, CrtRand& rand,
                                   TimerTable& timers, const Clock& clock, PlayLog& log, QString startFolder,
                                   Hooks hooks, QObject* parent)
    : QObject(parent),
      songs_(songs),
      loader_(loader),
      feed_(feed),
      rand_(rand),
      timers_(timers),
      clock_(clock),
      log_(log),
      startFolder_(std::move(startFolder)),
      hooks_(std::move(hooks)) {
  connect(&list_, &QAbstractItemModel::modelReset, this, [this] { selected_ = -1; });
  connect(&list_, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex&, int first, int) {
    if (selected_ == first)
      selected_ = -1;
    else if (selected_ > first)
      --selected_;
  });
}

int ProgramScheduler::LoadProgramsTable() {
  QList<ProgramEntry> entries;
  if (programs::ReadProgramsFile(programs::ProgramsFilePath(startFolder_), entries) != 1) return programs::kReadFailed;
  QList<ProgramRow> rows;
  for (const ProgramEntry& e : entries) {
    if (e[ProgramEntry::kPlayList].isEmpty() || e[ProgramEntry::kTimeToPlay].isEmpty()) continue;
    rows.prepend({e[ProgramEntry::kPlayList], e[ProgramEntry::kDateToPlay], e[ProgramEntry::kTimeToPlay],
                  e[ProgramEntry::kShuffleOnLoad], e[ProgramEntry::kStyle]});
  }
  list_.Replace(std::move(rows));
  return 1;
}

void ProgramScheduler::SetProgramsEnabled(bool on) {
  const auto status = [this](const QString& text) {
    if (hooks_.status) hooks_.status(text);
  };
  if (on) {
    LoadProgramsTable();
    const int n = list_.Count();
    if (n > 0) {
      const QString text =
          n == 1 ? QStringLiteral("%1 PROGRAM LOADED").arg(n) : QStringLiteral("%1 PROGRAMS LOADED").arg(n);
      status(text);
      log_.WritePlayLog(QStringLiteral("ACC"), QStringLiteral("Programs Loaded"), text);
      enabled_ = true;
      timers_.Start(timerid::kProgramCheck, kCheckPeriodMs);
    } else {
      enabled_ = false;
      timers_.Stop(timerid::kProgramCheck);
      status(QStringLiteral("0 programs found"));
      log_.WritePlayLog(QStringLiteral("ACC"), QStringLiteral("Programs Not Found"), QString());
    }
  } else {
    enabled_ = false;
    timers_.Stop(timerid::kProgramCheck);
    list_.Clear();
    status(QStringLiteral("PROGRAMS UNLOADED"));
    log_.WritePlayLog(QStringLiteral("ACC"), QStringLiteral("Programs Unloaded"), QString());
  }
  emit programsEnabledChanged(enabled_);
}

bool ProgramScheduler::OnTimer(int id) {
  if (id != timerid::kProgramCheck) return false;
  CheckPrograms();
  return true;
}

void ProgramScheduler::CheckPrograms() {
  if (hooks_.mixing && hooks_.mixing()) return;
  const int count = list_.Count();
  if (count == 0) return;
  const int now = MinutesOfDay(timetext::ClockText(clock_.Now().time()), count);
  // The count is taken once: the row that moves up into a fired one's place waits for the
  // next tick, so two programs of one time replace the list one second apart.
  for (int i = 0; i < count && i < list_.Count(); ++i) {
    // Round the clock, as the advert check counts: a program at 00:01 is due at 23:58.
    if (MinutesUntil(MinutesOfDay(list_.At(i).time, list_.Count()), now) != kLeadMinutes) continue;
    LoadProgramNow(i);
    const int top = songs_.CurrentItem();
    feed_.LoadSelectedIntoPlayer(top);
  }
}

void ProgramScheduler::LoadProgramNow(int row) {
  if (row < 0 || row >= list_.Count()) return;
  const ProgramRow program = list_.At(row);
  songs_.ClearSongsList();
  // A table from an old station names its lists by drive letter.
  loader_.LoadPrl(paths::ResolvePath(program.playList));
  if (program.shuffle.left(2).compare(QLatin1String("1"), Qt::CaseInsensitive) == 0) ShuffleSilently(songs_, rand_);
  list_.Remove(row);
  songs_.CurrentItem();
}

void ProgramScheduler::LoadSelectedProgramNow() {
  const int row = SelectedRow();
  if (row < 0) return;
  LoadProgramNow(row);
  if (hooks_.loadNext && hooks_.loadNext()) feed_.LoadSelectedIntoPlayer(songs_.CurrentItem());
}
