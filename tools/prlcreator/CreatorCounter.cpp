#include "tools/prlcreator/CreatorCounter.h"

#include "audio/ClipAnalyzer.h"
#include "formats/TimeText.h"
#include "platform/Paths.h"
#include "songs/ClipInformation.h"
#include "songs/StatusTexts.h"
#include "tools/prlcreator/CreatorList.h"

namespace creator {

CreatorCounter::CreatorCounter(CreatorList& list, Dialogs& dialogs, const ClipAnalyzer& analyzer, QObject* parent)
    : QObject(parent),
      list_(list),
      analyzer_(analyzer),
      // No decks here, so no question first. The "[Total: n, Left: k]" progress goes to the
      // status line, which has no information box beside it; the box's clearing at the
      // end is not wanted there, the "Ready" before it is.
      counter_(
          list.List(), nullptr, dialogs, list.Log(), analyzer, [] { return kFps; },
          [this](const QString& t) { list_.SetStatus(t); },
          [this](const QString& t) {
            if (!t.isEmpty()) list_.SetStatus(t);
          }) {
  counter_.SetKeepMeasured(true);
  connect(&counter_, &PlayTimeCounter::finished, this, &CreatorCounter::finished);
}

int CreatorCounter::CountTimes() { return counter_.CountPlayListTimes(); }

void CreatorCounter::CountCurrentClip() {
  const int row = list_.List().CurrentItem();
  if (row < 0) return;
  const QString duration = list_.List().At(row).duration;
  if (duration.isEmpty() || duration == QLatin1String(timetext::kUnmeasured)) {
    list_.SetStatus(QStringLiteral("Wait..."));
    XA_AnalyzerInfo info;
    const qint64 ms =
        analyzer_.Analyze(paths::ResolvePath(list_.List().At(row).path), &info) == 0 ? qint64(info.duration) : 0;
    list_.Model().SetDuration(row, DurationOfMilliseconds(ms, kFps));
  }
  list_.RecomputeTotal();
  list_.SetStatus(texts::kReady);
}

}  // namespace creator
