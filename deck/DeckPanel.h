// One deck's controls and displays, laid out for the 800 x 600 console (212 x 330: beside the 230-pixel songs list
// there are 570 pixels for two decks and the centre).
// Holds no logic: the deck classes read and drive these widgets.
#pragma once

#include <QGroupBox>

#include "deck/PlayerState.h"

class DigitDisplay;
class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class QToolButton;

class DeckPanel : public QGroupBox {
  Q_OBJECT
 public:
  DeckPanel(int deck, const QPixmap& digitStrip, QWidget* parent = nullptr);

  int DeckNumber() const { return deck_; }

  void SetStateText(const QString& text);
  QString StateText() const;
  // Elapsed time: the large counter and its hidden copy that other parts read.
  void SetElapsed(const QString& text);
  QString ElapsedText() const;
  void SetRemaining(const QString& text);
  void SetDuration(const QString& text);
  void SetTitle(const QString& text);
  void SetCueMark(const QString& text);
  QString CueMarkText() const;
  void SetFaderLabel(int position);
  void SetPitchLabel(const QString& text);
  // The load lamp: picture 0 (dark) or 1 (lit); it blinks when a clip is loaded or cued.
  void SetLoadPicture(int picture);
  int LoadPicture() const { return loadPicture_; }
  // Shows a picture on one of the icon buttons and remembers which one it is.
  static void ShowIcon(QToolButton* button, DeckIcon icon);
  static DeckIcon IconOf(const QToolButton* button);

  DigitDisplay* Counter() const { return counter_; }
  QLabel* ElapsedCopy() const { return elapsedCopy_; }
  QLabel* Remaining() const { return remaining_; }
  QLabel* Duration() const { return duration_; }
  QLabel* Title() const { return title_; }
  QLabel* State() const { return state_; }
  QLabel* CueMark() const { return cueMark_; }
  QSlider* Position() const { return position_; }
  QPushButton* Play() const { return play_; }
  QPushButton* Cue() const { return cue_; }
  QPushButton* Open() const { return open_; }
  QPushButton* Reset() const { return reset_; }
  QPushButton* StepBack() const { return stepBack_; }
  QPushButton* StepForward() const { return stepForward_; }
  QToolButton* SetCue() const { return setCue_; }
  QCheckBox* AutoCue() const { return autoCue_; }
  QSlider* Fader() const { return fader_; }
  QLabel* FaderLabel() const { return faderLabel_; }
  QSlider* Pitch() const { return pitch_; }
  QLabel* PitchLabel() const { return pitchLabel_; }
  QToolButton* PitchIndicator() const { return pitchIndicator_; }
  QToolButton* Monitor() const { return monitor_; }
  QToolButton* Equalizer() const { return eq_; }

 private:
  void BuildDisplays(const QPixmap& digitStrip);
  void BuildTransport();
  void BuildLevels();

  int deck_;
  DigitDisplay* counter_ = nullptr;
  QLabel* elapsedCopy_ = nullptr;
  QLabel* remaining_ = nullptr;
  QLabel* duration_ = nullptr;
  QLabel* title_ = nullptr;
  QLabel* state_ = nullptr;
  QLabel* cueMark_ = nullptr;
  QSlider* position_ = nullptr;
  QPushButton* play_ = nullptr;
  QPushButton* cue_ = nullptr;
  QPushButton* open_ = nullptr;
  QPushButton* reset_ = nullptr;
  QPushButton* stepBack_ = nullptr;
  QPushButton* stepForward_ = nullptr;
  QToolButton* setCue_ = nullptr;
  QCheckBox* autoCue_ = nullptr;
  QSlider* fader_ = nullptr;
  QLabel* faderLabel_ = nullptr;
  QSlider* pitch_ = nullptr;
  QLabel* pitchLabel_ = nullptr;
  QToolButton* pitchIndicator_ = nullptr;
  QToolButton* monitor_ = nullptr;
  QToolButton* eq_ = nullptr;
  QLabel* loadLamp_ = nullptr;
  int loadPicture_ = 0;
};

// The fader label: "-%d db" above the bottom of the scale, "oo" from 96 on.
QString FaderLabelText(int position);
