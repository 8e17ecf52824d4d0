// One deck's controls and displays, laid out for the 800 x 600 console (212 x 330: beside the
// 230-pixel songs list there are 570 pixels for two decks and the centre).
// A view of the deck's model: it redraws the parts the model says changed, at most once a
// display frame, and hands every operator action to the decks. It keeps no deck state.
#pragma once

#include <QGroupBox>

#include "deck/DeckIcon.h"

class Decks;
class DeckModel;
class DigitDisplay;
class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class QToolButton;
class ViewRefresh;

class DeckPanel : public QGroupBox {
  Q_OBJECT
 public:
  // deck: 1 or 2. decks must outlive the panel (or the panel is deleted first).
  DeckPanel(int deck, Decks& decks, const QPixmap& digitStrip, QWidget* parent = nullptr);

  int DeckNumber() const { return deck_; }

  // Shows a picture on one of the icon buttons and remembers which one it is.
  static void ShowIcon(QToolButton* button, DeckIcon icon);
  static DeckIcon IconOf(const QToolButton* button);

  DigitDisplay* Counter() const { return counter_; }
  QLabel* Remaining() const { return remaining_; }
  QLabel* Duration() const { return duration_; }
  QLabel* Title() const { return title_; }
  QLabel* State() const { return state_; }
  QLabel* CueMark() const { return cueMark_; }
  QLabel* LoadLamp() const { return loadLamp_; }
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

 signals:
  // "Open": the main window asks for the file.
  void OpenClicked(int deck);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void ShowFills();
  void BuildDisplays(const QPixmap& digitStrip);
  void BuildTransport();
  void BuildLevels();
  void Connect();
  // Redraws the parts of the model named (DeckModel::Part bits).
  void Apply(unsigned parts);

  int deck_;
  Decks& decks_;
  const DeckModel& model_;
  ViewRefresh* refresh_ = nullptr;
  DigitDisplay* counter_ = nullptr;
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
};
