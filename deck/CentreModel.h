// What the controls between the decks show: the six shared equaliser sliders, the master
// fader and its label, and the two crossfade bars. Written by the equaliser, the master
// fader and the mix; read by the centre panel.
//
// GUI thread only. Values are clamped to each control's scale; Changed only on a change.
#pragma once

#include <QObject>
#include <QString>

#include <array>

#include "deck/EqualizerTable.h"

class CentreModel : public QObject {
  Q_OBJECT
 public:
  enum Part : unsigned {
    kEqualizer = 1u << 0,
    kMaster = 1u << 1,  // position and label
    kCrossfade = 1u << 2,
    kAll = (1u << 3) - 1,
  };

  static constexpr int kMasterMin = 1;
  static constexpr int kMasterMax = 65535;

  explicit CentreModel(QObject* parent = nullptr);

  // Slider n (0 to 5), within its own range.
  int EqualizerSlider(int n) const { return sliders_[n]; }
  EqualizerSliders Sliders() const { return sliders_; }
  void SetEqualizerSlider(int n, int value);
  void SetSliders(const EqualizerSliders& sliders);

  int MasterPosition() const { return master_; }
  QString MasterLabel() const { return masterLabel_; }
  void SetMasterPosition(int position);
  void SetMasterLabel(const QString& text);

  // Bar 1 or 2: 0 .. 100.
  int Crossfade(int bar) const { return crossfade_[bar == 2 ? 1 : 0]; }
  void SetCrossfade(int bar, int level);

 signals:
  void Changed(unsigned parts);

 private:
  EqualizerSliders sliders_{};
  int master_ = 100;
  QString masterLabel_;
  std::array<int, 2> crossfade_{};
};
