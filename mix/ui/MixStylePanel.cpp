#include "mix/ui/MixStylePanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

#include "mix/MixStyleModel.h"

namespace {

struct SliderNames {
  const char* slider;
  const char* label;
};

SliderNames NamesOf(MixSlider s) {
  switch (s) {
    case MixSlider::Skip:
      return {"skipSlider", "skipLabel"};
    case MixSlider::WaitLevel:
      return {"waitSlider", "waitLabel"};
    case MixSlider::InSpeed:
      return {"inSpeedSlider", "inSpeedLabel"};
    case MixSlider::OutSpeed:
      return {"outSpeedSlider", "outSpeedLabel"};
    case MixSlider::MixSpeed:
      return {"mixSpeedSlider", "mixSpeedLabel"};
    case MixSlider::StartVolume:
      return {"startVolumeSlider", "startVolumeLabel"};
  }
  return {"", ""};
}

}  // namespace

MixStylePanel::MixStylePanel(MixStyleModel& model, QWidget* parent)
    : QGroupBox(QStringLiteral("Mix Style"), parent), model_(model) {
  BuildControls();
  ShowStyles();
  for (MixSlider s : kMixSliders) ShowSlider(s);
  ShowMixAt();
  ConnectModel();
  ConnectUser();
}

void MixStylePanel::BuildControls() {
  // The group shares an 800 x 600 window with both decks, so it stays compact.
  QFont small = font();
  small.setPointSizeF(qMax(6.0, small.pointSizeF() * 0.8));
  setFont(small);

  styleList_ = new QComboBox(this);
  styleList_->setObjectName(QStringLiteral("styleList"));
  styleList_->setMinimumContentsLength(6);
  styleList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

  mixAtBox_ = new QCheckBox(QStringLiteral("Mix at "), this);
  mixAtBox_->setObjectName(QStringLiteral("mixAtBox"));

  for (MixSlider s : kMixSliders) {
    const ValueRange range = RangeOf(s);
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(QString::fromLatin1(NamesOf(s).slider));
    slider->setRange(range.min, range.max);
    slider->setMinimumWidth(40);
    sliders_[static_cast<int>(s)] = slider;
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(NamesOf(s).label));
    labels_[static_cast<int>(s)] = label;
  }
  SliderOf(MixSlider::MixSpeed)->setToolTip(QStringLiteral("Mix Time Duration (mix speed)"));
  SliderOf(MixSlider::StartVolume)->setToolTip(QStringLiteral("Set Start (on load) Volume"));

  // Numbers keep their width so the sliders do not jump as labels change.
  for (MixSlider s : {MixSlider::WaitLevel, MixSlider::MixSpeed, MixSlider::StartVolume}) {
    LabelOf(s)->setMinimumWidth(LabelOf(s)->fontMetrics().horizontalAdvance(QStringLiteral("-45 db")));
  }

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(4, 2, 4, 2);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(1);
  grid->addWidget(styleList_, 0, 0, 1, 2);
  grid->addWidget(LabelOf(MixSlider::Skip), 0, 2, 1, 3);
  grid->addWidget(SliderOf(MixSlider::Skip), 1, 0, 1, 2);
  grid->addWidget(mixAtBox_, 1, 2);
  grid->addWidget(SliderOf(MixSlider::WaitLevel), 1, 3);
  grid->addWidget(LabelOf(MixSlider::WaitLevel), 1, 4);
  grid->addWidget(LabelOf(MixSlider::InSpeed), 2, 0);
  grid->addWidget(SliderOf(MixSlider::InSpeed), 2, 1);
  grid->addWidget(LabelOf(MixSlider::OutSpeed), 2, 2);
  grid->addWidget(SliderOf(MixSlider::OutSpeed), 2, 3, 1, 2);
  grid->addWidget(SliderOf(MixSlider::MixSpeed), 3, 0, 1, 1);
  grid->addWidget(LabelOf(MixSlider::MixSpeed), 3, 1);
  grid->addWidget(SliderOf(MixSlider::StartVolume), 3, 2, 1, 2);
  grid->addWidget(LabelOf(MixSlider::StartVolume), 3, 4);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
}

void MixStylePanel::ConnectModel() {
  connect(&model_, &MixStyleModel::stylesChanged, this, &MixStylePanel::ShowStyles);
  connect(&model_, &MixStyleModel::listIndexChanged, this, &MixStylePanel::ShowListIndex);
  connect(&model_, &MixStyleModel::sliderChanged, this, &MixStylePanel::ShowSlider);
  connect(&model_, &MixStyleModel::mixAtChanged, this, &MixStylePanel::ShowMixAt);
}

void MixStylePanel::ConnectUser() {
  // Showing the model happens under signal blockers, so these carry only the user's moves.
  for (MixSlider s : kMixSliders) {
    connect(SliderOf(s), &QSlider::valueChanged, this, [this, s](int v) { model_.MoveSlider(s, v); });
  }
  connect(mixAtBox_, &QCheckBox::toggled, this, [this](bool on) { model_.SetMixAt(on); });
  connect(styleList_, &QComboBox::activated, this, [this](int index) { model_.ChooseStyle(index); });
}

void MixStylePanel::ShowStyles() {
  const QSignalBlocker block(styleList_);
  styleList_->clear();
  styleList_->addItems(model_.StyleNames());
  styleList_->setCurrentIndex(model_.ListIndex());
}

void MixStylePanel::ShowListIndex() {
  const QSignalBlocker block(styleList_);
  styleList_->setCurrentIndex(model_.ListIndex());
}

void MixStylePanel::ShowSlider(MixSlider s) {
  const SliderState& state = model_.Slider(s);
  QSlider* slider = SliderOf(s);
  QLabel* label = LabelOf(s);
  {
    const QSignalBlocker block(slider);
    slider->setValue(state.value);
  }
  if (label->text() != state.label) label->setText(state.label);
  slider->setEnabled(state.enabled);
  label->setEnabled(state.enabled);
}

void MixStylePanel::ShowMixAt() {
  const QSignalBlocker block(mixAtBox_);
  mixAtBox_->setChecked(model_.MixAt());
}
