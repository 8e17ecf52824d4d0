// Everything one deck shows, kept apart from any widget: its state and state text, the time
// texts, the position slider, fader, pitch, the pictures of its icons, AUTO CUE and the load
// lamp. The deck logic writes it; panels, the station object and tests read it, and a
// panel redraws only the parts that Changed names.
//
// GUI thread only. Setters store what they are given (clamped to the control's scale) and
// emit Changed only when something changed.
#pragma once

#include <QObject>
#include <QString>

#include "deck/DeckIcon.h"
#include "deck/PlayerState.h"

class DeckModel : public QObject {
  Q_OBJECT
 public:
  // What changed, as bits of Changed's argument.
  enum Part : unsigned {
    kState = 1u << 0,    // state, state text
    kElapsed = 1u << 1,  // large counter, elapsed copy
    kRemaining = 1u << 2,
    kDuration = 1u << 3,
    kTitle = 1u << 4,
    kCueMark = 1u << 5,
    kPosition = 1u << 6,       // the position slider's value
    kPositionRange = 1u << 7,  // its maximum and tick spacing
    kFader = 1u << 8,          // fader position and label
    kPitch = 1u << 9,          // pitch position, label and indicator picture
    kMonitor = 1u << 10,
    kEqualizer = 1u << 11,
    kAutoCue = 1u << 12,
    kLoadLamp = 1u << 13,
    kAll = (1u << 14) - 1,
  };

  static constexpr int kFaderMax = 100;
  static constexpr int kPitchMin = 900;
  static constexpr int kPitchMax = 1100;
  static constexpr int kPitchNormal = 1000;

  explicit DeckModel(int deck, QObject* parent = nullptr);

  int Deck() const { return deck_; }

  PlayerState State() const { return state_; }
  QString StateText() const { return stateText_; }
  void SetState(PlayerState state);
  void SetStateText(const QString& text);

  // The large counter; the elapsed copy is what other parts read as the current time. A
  // reset clears the copy and leaves the counter at its last time.
  QString CounterText() const { return counter_; }
  QString ElapsedText() const { return elapsed_; }
  void SetElapsed(const QString& text);
  void SetElapsedCopy(const QString& text);
  QString RemainingText() const { return remaining_; }
  void SetRemaining(const QString& text);
  QString DurationText() const { return duration_; }
  void SetDuration(const QString& text);
  QString Title() const { return title_; }
  void SetTitle(const QString& text);
  QString CueMarkText() const { return cueMark_; }
  void SetCueMark(const QString& text);

  // The position slider: 1 .. PositionMax, a tick every PositionTick frames.
  int Position() const { return position_; }
  int PositionMax() const { return positionMax_; }
  int PositionTick() const { return positionTick_; }
  void SetPosition(int frame);
  void SetPositionRange(int max, int tick);
  // The operator holds the slider's thumb: the engine's reports do not move it meanwhile.
  bool ThumbHeld() const { return thumbHeld_; }
  void SetThumbHeld(bool held) { thumbHeld_ = held; }

  // 0 full level .. 100 silent; the label follows.
  int Fader() const { return fader_; }
  QString FaderLabel() const { return FaderLabelText(fader_); }
  void SetFader(int position);

  int Pitch() const { return pitch_; }
  QString PitchLabel() const { return pitchLabel_; }
  DeckIcon PitchIcon() const { return pitchIcon_; }
  void SetPitch(int position);
  void SetPitchLabel(const QString& text);
  void SetPitchIcon(DeckIcon icon);

  DeckIcon MonitorIcon() const { return monitorIcon_; }
  void SetMonitorIcon(DeckIcon icon);
  DeckIcon EqualizerIcon() const { return eqIcon_; }
  void SetEqualizerIcon(DeckIcon icon);
  bool AutoCue() const { return autoCue_; }
  void SetAutoCue(bool on);
  // 0 dark, 1 lit.
  int LoadPicture() const { return loadPicture_; }
  void SetLoadPicture(int picture);

  // The fader label: "-%d db" above the bottom of the scale, "oo" from 96 on.
  static QString FaderLabelText(int position);

 signals:
  void Changed(unsigned parts);

 private:
  void SetText(QString& field, const QString& text, Part part);

  int deck_;
  PlayerState state_ = PlayerState::None;
  QString stateText_;
  QString counter_;
  QString elapsed_;
  QString remaining_;
  QString duration_;
  QString title_;
  QString cueMark_;
  int position_ = 1;
  int positionMax_ = 1;
  int positionTick_ = 0;
  bool thumbHeld_ = false;
  int fader_ = kFaderMax;
  int pitch_ = kPitchNormal;
  QString pitchLabel_;
  DeckIcon pitchIcon_ = DeckIcon::PitchNormal;
  DeckIcon monitorIcon_ = DeckIcon::MonitorMain;
  DeckIcon eqIcon_ = DeckIcon::EqOn;
  bool autoCue_ = false;
  int loadPicture_ = 0;
};
