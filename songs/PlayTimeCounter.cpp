#include "songs/PlayTimeCounter.h"

#include "formats/TimeText.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/PlayLog.h"
#include "audio/ClipAnalyzer.h"
#include "songs/ClipInformation.h"
#include "deck/DeckControl.h"
#include "songs/SongsList.h"
#include "songs/StatusTexts.h"


#include <vector>

PlayTimeCounter::PlayTimeCounter(SongsList& list, DeckControl* decks, Dialogs& dialogs, PlayLog& log,
                                 const ClipAnalyzer& analyzer, std::function<int()> fps, TextSink status,
                                 TextSink infoBox)
    : list_(list),
      decks_(decks),
      dialogs_(dialogs),
      log_(log),
      analyzer_(analyzer),
      fps_(std::move(fps)),
      status_(std::move(status)),
      infoBox_(std::move(infoBox)) {}

PlayTimeCounter::~PlayTimeCounter() {
  cancel_ = true;
  JoinWorker();
  if (running_) list_.SetBusy(false);
}

void PlayTimeCounter::JoinWorker() {
  if (worker_.joinable()) worker_.join();
}

int PlayTimeCounter::CountPlayListTimes() {
  if (running_) return -1;
  if (list_.Count() == 0) {
    status_(QStringLiteral("Nothing to count"));
    return -1;
  }
  const bool loaded = decks_ && (decks_->State(1) != PlayerState::None || decks_->State(2) != PlayerState::None);
  if (loaded) {
    const Dialogs::Answer a = dialogs_.Message(
        QStringLiteral("Suggested to proceed in this operarion\nwhen both players are not loaded\nCount times now?"),
        QStringLiteral("KORVO XA"), Dialogs::Icon::Question, Dialogs::Buttons::YesNo, Dialogs::Answer::Yes);
    if (a != Dialogs::Answer::Yes) return -1;
  }
  JoinWorker();  // a cancelled count's worker may still be finishing

  std::vector<Job> jobs;
  jobs.reserve(static_cast<size_t>(list_.Count()));
  const int fps = fps_();
  for (int row = 0; row < list_.Count(); ++row) {
    const ClipEntry& e = list_.At(row);
    Job job{e.id, row, e.path};
    if (keepMeasured_ && timetext::IsDurationText(e.duration) && e.duration != QLatin1String(timetext::kUnmeasured))
      job.knownMs = timetext::MillisecondsFromFrames(timetext::DurationToFrames(e.duration, fps), fps);
    jobs.push_back(job);
  }
  total_ = static_cast<int>(jobs.size());
  counted_ = 0;
  totalMs_ = 0;
  running_ = true;
  cancel_ = false;
  const int generation = ++generation_;
  list_.SetBusy(true);

  worker_ = std::thread([this, generation, jobs = std::move(jobs)] {
    for (const Job& job : jobs) {
      if (cancel_) return;
      XA_AnalyzerInfo info;
      qint64 ms = job.knownMs;
      if (ms < 0) ms = analyzer_.Analyze(paths::ResolvePath(job.path), &info) == 0 ? qint64(info.duration) : -1;
      QMetaObject::invokeMethod(this, [this, generation, job, ms] { OnMeasured(generation, job, ms); },
                                Qt::QueuedConnection);
    }
    QMetaObject::invokeMethod(this, [this, generation] { OnDone(generation); }, Qt::QueuedConnection);
  });
  return 0;
}

void PlayTimeCounter::OnMeasured(int generation, const Job& job, qint64 ms) {
  if (generation != generation_ || !running_) return;
  const int fps = fps_();
  const int left = total_ - counted_;
  ++counted_;
  // A clip that can't be measured adds nothing and shows as not measured.
  if (ms > 0) totalMs_ += ms;
  if (job.knownMs < 0) {
    const QString duration = DurationOfMilliseconds(ms > 0 ? ms : 0, fps);
    const int row = list_.Model().RowOfId(job.id, job.hintRow);
    if (row >= 0) list_.Model().SetDuration(row, duration);
    status_(QStringLiteral("Counting %1... :%2").arg(job.path, duration));
    infoBox_(QStringLiteral("[Total: %1, Left: %2]").arg(total_).arg(left));
  }
  list_.SetListDuration(timetext::FormatFrames(timetext::FramesFromMilliseconds(totalMs_, fps), fps));
}

void PlayTimeCounter::OnDone(int generation) {
  if (generation != generation_ || !running_) return;
  JoinWorker();
  running_ = false;
  const int fps = fps_();
  list_.SetListDuration(timetext::FormatFrames(timetext::FramesFromMilliseconds(totalMs_, fps), fps));
  status_(texts::kReady);
  infoBox_(QString());
  log_.WritePlayLog(QStringLiteral("ACC"), QStringLiteral("Play List Times Count"), QString());
  list_.SetBusy(false);
  emit finished();
}

void PlayTimeCounter::Cancel() {
  if (!running_) return;
  cancel_ = true;
  JoinWorker();
  running_ = false;
  list_.SetBusy(false);
}
