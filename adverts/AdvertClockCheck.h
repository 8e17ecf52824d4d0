// The advert check of timer 3: once a second, every block of the block list that is two
// minutes away goes into the songs list, after a question in Manual mode. A block's entry
// leaves the block list before anything else happens, so it fires once per load even when
// ticks arrive while the question is open.
#pragma once

#include <QString>
#include <functional>

class AdvertInsertion;
class AdvertList;
class Clock;
class Dialogs;

class AdvertClockCheck {
 public:
  static constexpr int kLeadMinutes = 2;

  // mixing tells whether a crossfade is running; the check waits for it to end.
  AdvertClockCheck(AdvertList& adverts, AdvertInsertion& insertion, Dialogs& dialogs, const Clock& clock,
                   std::function<bool()> mixing);

  void Check();

 private:
  AdvertList& adverts_;
  AdvertInsertion& insertion_;
  Dialogs& dialogs_;
  const Clock& clock_;
  std::function<bool()> mixing_;
};

// The question asked before a block goes in by hand or in Manual mode; true for OK.
bool AskToLoadBlock(Dialogs& dialogs, const QString& blockTime);
