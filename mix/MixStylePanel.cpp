#include "mix/MixStylePanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

#include "formats/StyleTableFile.h"
#include "platform/Dialogs.h"
#include "platform/PlayLog.h"

namespace {

QSlider* MakeSlider(const ValueRange& range, int position, const char* objectName, QWidget* parent) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  slider->setObjectName(QString::fromLatin1(objectName));
  slider->setRange(range.min, range.max);
  slider->setValue(position);
  slider->setMinimumWidth(40);
  return slider;
}

QLabel* MakeLabel(const QString& text, const char* objectName, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(objectName));
  return label;
}

QString SkipText(int seconds) { return QString::asprintf("Skip the last %d seconds", seconds); }
QString DbText(int position) { return QString::asprintf("-%d db", position); }
QString MinusText(int position) { return QString::asprintf("-%d", position); }

}  // namespace

MixStylePanel::MixStylePanel(MixSettings& settings, PlayLog* log, Dialogs* dialogs, QString startFolder,
                             QWidget* parent)
    : QGroupBox(QStringLiteral("Mix Style"), parent),
      settings_(settings),
      log_(log),
      dialogs_(dialogs),
      startFolder_(std::move(startFolder)) {
  BuildControls();
  ConnectHandMoves();
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

  skipSlider_ = MakeSlider(mixrange::kSkip, 4, "skipSlider", this);
  skipLabel_ = MakeLabel(SkipText(4), "skipLabel", this);

  mixAtBox_ = new QCheckBox(QStringLiteral("Mix at "), this);
  mixAtBox_->setObjectName(QStringLiteral("mixAtBox"));
  waitSlider_ = MakeSlider(mixrange::kWaitLevel, 0, "waitSlider", this);
  waitLabel_ = MakeLabel(QStringLiteral("0 db"), "waitLabel", this);
  SetWaitEnabled(false);

  inSpeedSlider_ = MakeSlider(mixrange::kInSpeed, 2, "inSpeedSlider", this);
  inSpeedLabel_ = MakeLabel(QStringLiteral("In Speed 2"), "inSpeedLabel", this);
  outSpeedSlider_ = MakeSlider(mixrange::kOutSpeed, 0, "outSpeedSlider", this);
  outSpeedLabel_ = MakeLabel(QStringLiteral("Out Speed 0"), "outSpeedLabel", this);

  mixSpeedSlider_ = MakeSlider(mixrange::kMixSpeed, 25, "mixSpeedSlider", this);
  mixSpeedSlider_->setToolTip(QStringLiteral("Mix Time Duration (mix speed)"));
  mixSpeedLabel_ = MakeLabel(QStringLiteral("100"), "mixSpeedLabel", this);
  startVolumeSlider_ = MakeSlider(mixrange::kStartVolume, 95, "startVolumeSlider", this);
  startVolumeSlider_->setToolTip(QStringLiteral("Set Start (on load) Volume"));
  startVolumeLabel_ = MakeLabel(QStringLiteral("-95"), "startVolumeLabel", this);

  // Numbers keep their width so the sliders do not jump as labels change.
  for (QLabel* l : {waitLabel_, mixSpeedLabel_, startVolumeLabel_}) {
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("-45 db")));
  }

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(4, 2, 4, 2);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(1);
  grid->addWidget(styleList_, 0, 0, 1, 2);
  grid->addWidget(skipLabel_, 0, 2, 1, 3);
  grid->addWidget(skipSlider_, 1, 0, 1, 2);
  grid->addWidget(mixAtBox_, 1, 2);
  grid->addWidget(waitSlider_, 1, 3);
  grid->addWidget(waitLabel_, 1, 4);
  grid->addWidget(inSpeedLabel_, 2, 0);
  grid->addWidget(inSpeedSlider_, 2, 1);
  grid->addWidget(outSpeedLabel_, 2, 2);
  grid->addWidget(outSpeedSlider_, 2, 3, 1, 2);
  grid->addWidget(mixSpeedSlider_, 3, 0, 1, 1);
  grid->addWidget(mixSpeedLabel_, 3, 1);
  grid->addWidget(startVolumeSlider_, 3, 2, 1, 2);
  grid->addWidget(startVolumeLabel_, 3, 4);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
}

void MixStylePanel::CaptureMixSettings() {
  settings_.skipSecOffset = skipSlider_->value();
  settings_.waitVolumeValue = waitSlider_->value();
  settings_.inSpeedStep = inSpeedSlider_->value();
  settings_.outSpeedStep = outSpeedSlider_->value();
  settings_.mixTimerInterval = mixSpeedSlider_->value();
  settings_.styleStartVolume = startVolumeSlider_->value();
  settings_.waitVolume = mixAtBox_->isChecked() ? 1 : 0;
  SetWaitEnabled(mixAtBox_->isChecked());
  settings_.inSpeed = 1;
  settings_.outSpeed = 1;
}

void MixStylePanel::ConnectHandMoves() {
  // Styles set the controls under signal blockers, so these run only for the user's moves.
  connect(skipSlider_, &QSlider::valueChanged, this, [this](int v) {
    settings_.skipSecOffset = v;
    skipLabel_->setText(SkipText(v));
  });
  connect(waitSlider_, &QSlider::valueChanged, this, [this](int v) {
    settings_.waitVolumeValue = v;
    waitLabel_->setText(DbText(v));
  });
  connect(mixAtBox_, &QCheckBox::toggled, this, [this](bool on) {
    settings_.waitVolume = on ? 1 : 0;
    SetWaitEnabled(on);
  });
  connect(inSpeedSlider_, &QSlider::valueChanged, this, [this](int v) {
    settings_.inSpeedStep = v;
    inSpeedLabel_->setText(QString::asprintf("In Speed %d", v));
  });
  connect(outSpeedSlider_, &QSlider::valueChanged, this, [this](int v) {
    settings_.outSpeedStep = v;
    outSpeedLabel_->setText(QString::asprintf("Out Speed %d", v));
  });
  connect(mixSpeedSlider_, &QSlider::valueChanged, this, [this](int v) {
    settings_.mixTimerInterval = v;
    mixSpeedLabel_->setText(QString::number(v));
  });
  connect(startVolumeSlider_, &QSlider::valueChanged, this, [this](int v) {
    settings_.styleStartVolume = v;
    startVolumeLabel_->setText(MinusText(v));
  });
  connect(styleList_, &QComboBox::activated, this, &MixStylePanel::OnStyleChosen);
}

void MixStylePanel::SetWaitEnabled(bool on) {
  waitSlider_->setEnabled(on);
  waitLabel_->setEnabled(on);
}

int MixStylePanel::LoadStyles() {
  StyleTable loaded;
  if (stylefile::ReadStyleFile(startFolder_, loaded) < 0) return stylefile::kReadFailed;
  table_ = std::move(loaded);
  const QSignalBlocker block(styleList_);
  styleList_->clear();
  styleList_->addItems(table_.Names());
  emit statusText(QString::asprintf("Mix Styles loaded: %d", styleList_->count()));
  // Showing the last entry does not put it into force.
  if (styleList_->count() > 0) styleList_->setCurrentIndex(styleList_->count() - 1);
  return styleList_->count();
}

bool MixStylePanel::WriteDefaultStyles(const QString& folder) {
  if (!stylefile::WriteDefaultStyles(folder)) {
    if (log_) {
      log_->WritePlayLog(QStringLiteral("ERR"), QStringLiteral("Can't create default mix styles"),
                         stylefile::StyleFilePath(folder));
    }
    return false;
  }
  if (dialogs_) {
    dialogs_->Message(QStringLiteral("Default Mix Styles created!"), QStringLiteral("KORVO XA"),
                      Dialogs::Icon::Information);
  }
  return true;
}

int MixStylePanel::ApplyStyle(const QString& name) {
  if (table_.IsEmpty()) return 0;
  const qsizetype row = table_.IndexOf(name);
  if (row < 0) {
    currentStyleName_ = QString::fromLatin1(kDefaultStyle);
    const QSignalBlocker block(styleList_);
    styleList_->setCurrentIndex(styleList_->findText(currentStyleName_, Qt::MatchExactly | Qt::MatchCaseSensitive));
    return 0;
  }
  const MixStyle& style = table_.Row(row);
  const StyleParameters p = ParametersOf(style);
  const bool advert = name == QLatin1String(kAdvertStyle);
  const QSignalBlocker b1(skipSlider_), b2(waitSlider_), b3(mixAtBox_), b4(inSpeedSlider_), b5(outSpeedSlider_),
      b6(mixSpeedSlider_), b7(startVolumeSlider_);
  settings_.appliedStyleName = style.Name();

  // Advert clips are mixed on the frames of their own end, not on a skip time.
  skipSlider_->setEnabled(!advert);
  skipLabel_->setEnabled(!advert);
  if (advert) {
    skipLabel_->setText(QStringLiteral("Skip the last 15 frames"));
  } else {
    skipSlider_->setValue(p.skipSecOffset);
    skipLabel_->setText(SkipText(skipSlider_->value()));
    settings_.skipSecOffset = skipSlider_->value();
  }

  waitSlider_->setValue(p.waitVolumeValue);
  waitLabel_->setText(DbText(waitSlider_->value()));
  settings_.waitVolumeValue = waitSlider_->value();

  mixAtBox_->setChecked(p.waitVolume != 0);
  SetWaitEnabled(mixAtBox_->isChecked());
  settings_.waitVolume = p.waitVolume;

  inSpeedSlider_->setValue(p.inSpeedStep);
  inSpeedLabel_->setText(QString::asprintf("In Speed %d", inSpeedSlider_->value()));
  settings_.inSpeedStep = inSpeedSlider_->value();

  outSpeedSlider_->setValue(p.outSpeedStep);
  outSpeedLabel_->setText(QString::asprintf("Out Speed %d", outSpeedSlider_->value()));
  settings_.outSpeedStep = outSpeedSlider_->value();

  mixSpeedSlider_->setValue(p.mixTimerInterval);
  mixSpeedLabel_->setText(MinusText(mixSpeedSlider_->value()));
  settings_.mixTimerInterval = mixSpeedSlider_->value();

  startVolumeSlider_->setValue(p.styleStartVolume);
  startVolumeLabel_->setText(MinusText(startVolumeSlider_->value()));
  settings_.styleStartVolume = startVolumeSlider_->value();

  if (!advert) currentStyleName_ = style.Name();
  {
    const QSignalBlocker block(styleList_);
    styleList_->setCurrentIndex(int(row));
  }
  emit statusText(QString());
  return int(row);
}

void MixStylePanel::StartUp(const QString& defaultStyleSetting) {
  currentStyleName_ = defaultStyleSetting;
  if (LoadStyles() > 0) return;  // the first clip load applies a style
  if (WriteDefaultStyles(startFolder_) && LoadStyles() >= 1) ApplyStyle(defaultStyleSetting);
}

void MixStylePanel::ReloadAfterEditor(const QString& defaultStyleSetting) {
  LoadStyles();
  ApplyStyle(defaultStyleSetting);
}

QString MixStylePanel::StyleForClip(const QString& title, bool advertsOn, const QString& defaultStyleSetting) const {
  return ::StyleForClip(title, advertsOn, defaultStyleSetting, currentStyleName_);
}

void MixStylePanel::OnStyleChosen() {
  const QString text = styleList_->currentIndex() >= 0 ? styleList_->currentText() : QString();
  if (text.isEmpty()) {
    emit statusText(QStringLiteral("Styles List is Empty!!!"));
    return;
  }
  ApplyStyle(text);
}
