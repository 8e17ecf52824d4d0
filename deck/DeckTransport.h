// The transport controls of one deck: play/pause, reset, cue, set-cue, one-frame steps and
// seeking with the position slider (which pauses the deck while it is dragged).
#pragma once

#include <QObject>

class DeckModel;
class PlayLog;
class Player;
class QTimer;
class TimerTable;
struct DeckConfig;

class DeckTransport : public QObject {
  Q_OBJECT
 public:
  DeckTransport(Player& player, DeckModel& model, TimerTable& timers, PlayLog& log, const DeckConfig& config);

  // The "PLAY" button: pauses a playing deck, plays any other and logs the clip.
  void PlayPause();
  // The "CLP" entry for the clip in the deck; nothing when it holds none.
  void LogPlayerClip();
  // The "P" button: stops and closes the deck and clears its displays.
  void ResetPlayer();
  // Seeks 25 frames before the cue mark; pauses on request or with AUTO CUE.
  void CueToMark(bool pause);
  // The cue mark takes the current elapsed time.
  void SetCueMark();
  // "<<" (-1) and ">>" (+1).
  void Step(int frames);
  // The deck's load blink (timer 8 for Player 1, 9 for Player 2).
  void StartLoadBlink();

  // The position slider, as the operator works it: the thumb pressed, dragged to a frame,
  // released; a line or page step to a frame (the seek waits until the steps stop).
  void PressThumb();
  void DragThumb(int frame);
  void ReleaseThumb();
  void ScrollStep(int frame);

 private:
  void Hold();
  void SeekTo(int frame);
  void EndScroll();
  void ReleaseHold();
  bool HasClip() const;

  Player& player_;
  DeckModel& model_;
  TimerTable& timers_;
  PlayLog& log_;
  const DeckConfig& config_;
  // Steps and page clicks have no release of their own: the scroll ends when they stop.
  QTimer* scrollEnd_;
};
