#include "adverts/AdvertClockCheck.h"

#include "adverts/AdvertInsertion.h"
#include "adverts/AdvertList.h"
#include "adverts/DayMinutes.h"
#include "formats/TimeText.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"

AdvertClockCheck::AdvertClockCheck(AdvertList& adverts, AdvertInsertion& insertion, Dialogs& dialogs,
                                   const Clock& clock, std::function<bool()> mixing)
    : adverts_(adverts), insertion_(insertion), dialogs_(dialogs), clock_(clock), mixing_(std::move(mixing)) {}

void AdvertClockCheck::Check() {
  if (mixing_ && mixing_()) return;
  if (adverts_.Blocks().Count() == 0) return;
  int now = MinutesOfDay(timetext::ClockText(clock_.Now().time()), adverts_.Count());
  // The count is taken once: the entry that moves into a deleted one's place waits for the
  // next tick. Ticks during a question may shorten the list under us, hence the second test.
  const int count = adverts_.Blocks().Count();
  for (int k = 0; k < count && k < adverts_.Blocks().Count(); ++k) {
    const QString entry = adverts_.Blocks().At(k);
    if (MinutesUntil(MinutesOfDay(entry, adverts_.Count()), now) != kLeadMinutes) continue;
    adverts_.RemoveBlockAt(k);
    if (!adverts_.Manual()) {
      adverts_.SetBlockListEnabled(true);
    } else if (!AskToLoadBlock(dialogs_, entry)) {
      continue;  // dropped: its entry is gone and it goes in only by hand now
    }
    insertion_.InsertAdvertBlock(entry);
    // One block a tick; 0 is no minute of the day, so nothing else is due in this one.
    now = 0;
  }
}

bool AskToLoadBlock(Dialogs& dialogs, const QString& blockTime) {
  return dialogs.Message(QStringLiteral("Press OK to Load %1 clips").arg(blockTime), QStringLiteral("KORVO XA"),
                         Dialogs::Icon::None, Dialogs::Buttons::OkCancel,
                         Dialogs::Answer::Ok) != Dialogs::Answer::Cancel;
}
