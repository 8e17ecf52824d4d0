// The "Mix Style" group of the main window: a view of a MixStyleModel. It shows the style
// list and the mixing controls as the model has them, redraws only the part the model
// says changed, and hands the user's choices and moves to the model. It holds no state of
// its own.
#pragma once

#include <QGroupBox>
#include <array>

#include "mix/MixSliders.h"

class MixStyleModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

class MixStylePanel : public QGroupBox {
  Q_OBJECT

 public:
  // The model must outlive the panel.
  explicit MixStylePanel(MixStyleModel& model, QWidget* parent = nullptr);

 private:
  void BuildControls();
  void ConnectModel();
  void ConnectUser();
  void ShowStyles();
  void ShowListIndex();
  void ShowSlider(MixSlider slider);
  void ShowMixAt();
  QSlider* SliderOf(MixSlider s) const { return sliders_[static_cast<int>(s)]; }
  QLabel* LabelOf(MixSlider s) const { return labels_[static_cast<int>(s)]; }

  MixStyleModel& model_;
  QComboBox* styleList_ = nullptr;
  QCheckBox* mixAtBox_ = nullptr;
  std::array<QSlider*, std::size(kMixSliders)> sliders_{};
  std::array<QLabel*, std::size(kMixSliders)> labels_{};
};
