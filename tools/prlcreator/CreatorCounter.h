// "PLAY LIST TIME" and "Count Clip's Time": play times measured with the analyser at 25
// frames a second. The whole list is counted on a worker thread (the songs list's
// counter), so the window stays alive and shows the progress; clips that already hold a
// duration keep it and are not measured again.
#pragma once

#include <QObject>

#include "songs/PlayTimeCounter.h"

class ClipAnalyzer;
class Dialogs;

namespace creator {

class CreatorList;

class CreatorCounter : public QObject {
  Q_OBJECT

 public:
  CreatorCounter(CreatorList& list, Dialogs& dialogs, const ClipAnalyzer& analyzer, QObject* parent = nullptr);

  // 0 when a count started; -1 for an empty list ("Nothing to count") or one running.
  int CountTimes();
  bool Running() const { return counter_.Running(); }
  // The current clip, measured now when it has no duration.
  void CountCurrentClip();

 signals:
  void finished();

 private:
  CreatorList& list_;
  const ClipAnalyzer& analyzer_;
  PlayTimeCounter counter_;
};

}  // namespace creator
