// The controls between the decks: "M I X", the two crossfade bars, the six equaliser
// sliders with their frequency picture, "eq =" and the master fader (136 x 330).
// A view of the decks' centre model: redraws what changed, at most once a display frame,
// and hands the operator's moves to the decks.
#pragma once

#include <QGroupBox>

#include <array>

class Decks;
class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;
class ViewRefresh;

class CentrePanel : public QGroupBox {
  Q_OBJECT
 public:
  // decks must outlive the panel (or the panel is deleted first).
  explicit CentrePanel(Decks& decks, QWidget* parent = nullptr);

  QPushButton* Mix() const { return mix_; }
  QProgressBar* Crossfade(int n) const { return n == 1 ? crossfade1_ : crossfade2_; }
  QSlider* EqualizerSlider(int n) const { return eq_[n]; }  // 0 to 5
  QPushButton* EqualizerReset() const { return eqReset_; }
  QSlider* Master() const { return master_; }
  QLabel* MasterLabel() const { return masterLabel_; }

 signals:
  // "M I X" was clicked (the crossfade is the mix engine's).
  void MixClicked();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void ShowFills();
  void BuildEqualizer();
  void BuildMaster();
  void Connect();
  void Apply(unsigned parts);

  Decks& decks_;
  ViewRefresh* refresh_ = nullptr;
  QPushButton* mix_ = nullptr;
  QProgressBar* crossfade1_ = nullptr;
  QProgressBar* crossfade2_ = nullptr;
  std::array<QSlider*, 6> eq_{};
  QLabel* frequencies_ = nullptr;
  QPushButton* eqReset_ = nullptr;
  QSlider* master_ = nullptr;
  QLabel* masterLabel_ = nullptr;
};
