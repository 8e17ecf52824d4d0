#include "adverts/Adverts.h"

#include <QFileInfo>

#include "formats/AdvertPath.h"
#include "platform/Dialogs.h"
#include "platform/PlayLog.h"
#include "platform/TimerIds.h"
#include "platform/TimerTable.h"
#include "songs/ClipEntry.h"
#include "songs/SongsList.h"

namespace {

const QString kTitle = QStringLiteral("KORVO XA");
constexpr int kCheckPeriodMs = 1000;

// The one file chosen in an open dialog, or empty when it was cancelled or is not there.
QString ChooseFile(Dialogs& dialogs, const QString& folder, const QString& filter) {
  const QStringList chosen = dialogs.OpenFiles(QStringLiteral("Open"), folder, filter, false);
  if (chosen.isEmpty() || !QFileInfo::exists(chosen.first())) return {};
  return chosen.first();
}

}  // namespace

Adverts::Adverts(SongsList& songs, PlayerFeed& feed, TimerTable& timers, Dialogs& dialogs, const Clock& clock,
                 PlayLog& log, Hooks hooks, QObject* parent)
    : QObject(parent),
      songs_(songs),
      timers_(timers),
      dialogs_(dialogs),
      log_(log),
      hooks_(std::move(hooks)),
      list_(log),
      insertion_(list_, songs, feed),
      clockCheck_(list_, insertion_, dialogs, clock, hooks_.mixing) {}

bool Adverts::OnTimer(int id) {
  if (id != timerid::kAdvertCheck) return false;
  clockCheck_.Check();
  return true;
}

void Adverts::SetAdvertsEnabled(bool on) {
  enabled_ = on;
  if (on)
    timers_.Start(timerid::kAdvertCheck, kCheckPeriodMs);
  else
    timers_.Stop(timerid::kAdvertCheck);
  emit advertsEnabledChanged(on);
  log_.WritePlayLog(QStringLiteral("ACC"), on ? QStringLiteral("Adverts Enabled") : QStringLiteral("Adverts Disabled"),
                    QString());
  // The lists were laid out anew: bring the songs list's current clip back into view.
  if (songs_.Count() > 0) songs_.CurrentItem();
}

void Adverts::OpenAdvertList() {
  const QString path = ChooseFile(dialogs_, adListFolder_, QStringLiteral("Spotwright play list Files (*.epl)"));
  if (path.isEmpty()) return;
  adListFolder_ = FolderOfPath(path);
  LoadAdvertList(path);
}

int Adverts::LoadAdvertList(const QString& path) {
  return list_.LoadAdvertList(path, hooks_.loadingType ? hooks_.loadingType() : 0);
}

void Adverts::Clear() {
  if (list_.Count() == 0) return;
  const Dialogs::Answer a = dialogs_.Message(QStringLiteral("Clear Adverts Play List?"), kTitle,
                                             Dialogs::Icon::Question, Dialogs::Buttons::YesNo, Dialogs::Answer::No);
  if (a != Dialogs::Answer::No) list_.ClearAdvertList();
}

void Adverts::LoadBlock() {
  if (list_.Count() == 0) return;
  const QString block = list_.At(list_.CurrentRow()).blockTime;
  if (!AskToLoadBlock(dialogs_, block)) return;
  insertion_.InsertAdvertBlock(block);
  log_.WritePlayLog(QStringLiteral("ACC"), QStringLiteral("AD Block Loaded Manual"), block);
}

void Adverts::LoadBlockNow() {
  if (!list_.Manual()) list_.SetManual(true);
  LoadBlock();
}

void Adverts::ImportAd() {
  const QString path = ChooseFile(dialogs_, AdvertsFolder(), QStringLiteral("MPEG Audio Files (*.mp3);;All Files (*)"));
  if (path.isEmpty()) return;
  // The name is shown in capitals like the planners' names; the path stays as the file
  // system spells it, which is case-sensitive here.
  AdvertSpot spot{QStringLiteral("00:00"), QString(), QFileInfo(path).completeBaseName().toUpper(), path};
  int at = 0;
  if (list_.Count() > 0) {
    const int row = list_.CurrentRow();
    spot.blockTime = list_.At(row).blockTime;
    at = row + 1;
  }
  list_.InsertRow(at, std::move(spot));
  list_.SelectRow(at);
}

void Adverts::RemoveAd() {
  if (list_.Count() == 0) return;
  const int row = list_.CurrentRow();
  list_.RemoveRow(row);
  if (list_.Count() > 0) list_.SelectRow(std::min(row, list_.Count() - 1));
}
