// "Count play times": measures every clip of the songs list with the analyser (frame
// headers only, no decoding) on a worker thread, and writes each duration, the running
// "List Duration:" and the progress texts on the GUI thread as the results come in. The
// window, its timers and the decks keep running meanwhile.
//
// Rows are found again by their id, not by their index, so inserts and removals made by
// timer work during a count (adverts, day programs) put no duration on the wrong clip; a
// clip removed meanwhile is measured but written nowhere.
#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <thread>

class ClipAnalyzer;
class DeckControl;
class Dialogs;
class PlayLog;
class SongsList;

class PlayTimeCounter : public QObject {
  Q_OBJECT

 public:
  using TextSink = std::function<void(const QString&)>;

  // decks is null in a program without decks.
  PlayTimeCounter(SongsList& list, DeckControl* decks, Dialogs& dialogs, PlayLog& log, const ClipAnalyzer& analyzer,
                  std::function<int()> fps, TextSink status, TextSink infoBox);
  // Stops a running count and waits for its worker.
  ~PlayTimeCounter() override;

  // 0 when a count started; -1 for an empty list, a No to the question or a count that
  // is already running.
  int CountPlayListTimes();
  bool Running() const { return running_; }
  // Rows that already hold a duration keep it: their time is read from the text and the
  // clip is not measured again (the play-list creator counts only what is missing).
  void SetKeepMeasured(bool on) { keepMeasured_ = on; }
  // Stops a running count after the clip being measured; nothing more is written.
  void Cancel();

 signals:
  void finished();

 private:
  struct Job {
    std::uint64_t id;
    int hintRow;
    QString path;
    qint64 knownMs = -1;  // the time of a row that keeps its duration; -1: measure it
  };
  void OnMeasured(int generation, const Job& job, qint64 ms);
  void OnDone(int generation);
  void JoinWorker();

  SongsList& list_;
  DeckControl* decks_;
  Dialogs& dialogs_;
  PlayLog& log_;
  const ClipAnalyzer& analyzer_;
  std::function<int()> fps_;
  TextSink status_;
  TextSink infoBox_;

  std::thread worker_;
  std::atomic<bool> cancel_{false};
  bool running_ = false;
  bool keepMeasured_ = false;
  // Tells results of a cancelled count, still queued, from those of the count running.
  int generation_ = 0;
  int total_ = 0;
  int counted_ = 0;
  qint64 totalMs_ = 0;
};
