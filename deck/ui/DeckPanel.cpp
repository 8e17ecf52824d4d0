#include "formats/TimeText.h"
#include "deck/ui/DeckPanel.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QToolButton>

#include "deck/DeckModel.h"
#include "deck/Decks.h"
#include "formats/TimeText.h"
#include "deck/ui/DeckIcons.h"
#include "deck/ui/DigitDisplay.h"
#include "deck/ui/PanelFill.h"
#include "deck/ui/ViewRefresh.h"

namespace {

constexpr char kIconProperty[] = "deckIcon";

QLabel* TimeLabel(QWidget* parent, const QRect& geometry, Qt::Alignment align) {
  auto* label = new QLabel(QString::fromLatin1(timetext::kUnmeasured), parent);
  label->setGeometry(geometry);
  label->setAlignment(align | Qt::AlignVCenter);
  label->setStyleSheet(QStringLiteral("font-family: monospace; font-size: 12px; color: #e0e0e0;"));
  return label;
}

QPushButton* Button(const QString& caption, QWidget* parent, const QRect& geometry) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(geometry);
  button->setFocusPolicy(Qt::NoFocus);  // the keyboard map keeps the focus elsewhere
  return button;
}

QToolButton* IconButton(QWidget* parent, const QRect& geometry, DeckIcon icon) {
  auto* button = new QToolButton(parent);
  button->setGeometry(geometry);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setIconSize(QSize(20, 20));
  DeckPanel::ShowIcon(button, icon);
  return button;
}

// Vertical scales read 0 (or the minimum) at the top, like a console fader.
QSlider* VerticalSlider(QWidget* parent, const QRect& geometry, int min, int max, int start, int tick) {
  auto* slider = new QSlider(Qt::Vertical, parent);
  slider->setGeometry(geometry);
  slider->setInvertedAppearance(true);
  slider->setRange(min, max);
  slider->setValue(start);
  slider->setTickInterval(tick);
  slider->setTickPosition(QSlider::TicksRight);
  slider->setSingleStep(1);
  slider->setFocusPolicy(Qt::NoFocus);
  return slider;
}

// Text widgets are set only when their text changes: each set is a relayout and a repaint.
void Show(QLabel* label, const QString& text) {
  if (label->text() != text) label->setText(text);
}

void ShowSlider(QSlider* slider, int value) {
  const QSignalBlocker block(slider);
  slider->setValue(value);
}

// A clip of minutes has many frames to a pixel of the position slider, and a slider
// repaints on every new value: a value that leaves the handle where it is is not shown.
bool HandleMoves(const QSlider* slider, int value) {
  const int span = slider->width() - slider->style()->pixelMetric(QStyle::PM_SliderLength, nullptr, slider);
  if (span <= 0) return value != slider->value();
  const int min = slider->minimum(), max = slider->maximum();
  return QStyle::sliderPositionFromValue(min, max, value, span) !=
         QStyle::sliderPositionFromValue(min, max, slider->value(), span);
}

QString StateColour(const QString& text) {
  if (text == QLatin1String("PLAYING")) return QStringLiteral("#40e060");
  if (text == QLatin1String("PAUSED")) return QStringLiteral("#ffb000");
  if (text == QLatin1String("EOF")) return QStringLiteral("#ff4040");
  return QStringLiteral("#9a9a9a");
}

}  // namespace

DeckPanel::DeckPanel(int deck, Decks& decks, const QPixmap& digitStrip, QWidget* parent)
    : QGroupBox(QStringLiteral("PLAYER %1").arg(deck), parent), deck_(deck), decks_(decks), model_(*decks.Model(deck)) {
  setFixedSize(212, 330);
  BuildDisplays(digitStrip);
  BuildTransport();
  BuildLevels();
  ShowFills();
  Apply(DeckModel::kAll);
  refresh_ = new ViewRefresh([this](unsigned parts) { Apply(parts); }, this);
  connect(&model_, &DeckModel::Changed, refresh_, &ViewRefresh::Mark);
  Connect();
}

void DeckPanel::BuildDisplays(const QPixmap& digitStrip) {
  counter_ = new DigitDisplay(digitStrip, 11, this);
  counter_->move(4, 20);
  monitor_ = IconButton(this, QRect(128, 244, 24, 24), DeckIcon::MonitorMain);
  monitor_->setToolTip(QStringLiteral("Monitor"));
  eq_ = IconButton(this, QRect(158, 244, 24, 24), DeckIcon::EqOn);
  eq_->setToolTip(QStringLiteral("Equalizer On/Off"));
  loadLamp_ = new QLabel(this);
  loadLamp_->setGeometry(188, 248, 16, 16);
  loadLamp_->setToolTip(QStringLiteral("Clip loaded"));
  remaining_ = TimeLabel(this, QRect(4, 52, 100, 16), Qt::AlignLeft);
  remaining_->setToolTip(QStringLiteral("Remaining"));
  duration_ = TimeLabel(this, QRect(108, 52, 100, 16), Qt::AlignRight);
  duration_->setToolTip(QStringLiteral("Duration"));
  title_ = new QLabel(this);
  title_->setGeometry(4, 70, 204, 18);
  title_->setStyleSheet(QStringLiteral("font-weight: bold; color: #f0f0f0;"));
  state_ = new QLabel(this);
  state_->setGeometry(4, 90, 204, 20);
}

void DeckPanel::BuildTransport() {
  position_ = new QSlider(Qt::Horizontal, this);
  position_->setGeometry(4, 112, 204, 20);
  position_->setRange(1, 1);
  position_->setSingleStep(1);
  position_->setTickPosition(QSlider::TicksBelow);
  position_->setFocusPolicy(Qt::NoFocus);
  stepBack_ = Button(QStringLiteral("<<"), this, QRect(4, 136, 30, 24));
  cueMark_ = TimeLabel(this, QRect(38, 136, 88, 24), Qt::AlignLeft);
  setCue_ = IconButton(this, QRect(130, 137, 24, 22), DeckIcon::SetCue);
  setCue_->setToolTip(QStringLiteral("Set Cue"));
  stepForward_ = Button(QStringLiteral(">>"), this, QRect(178, 136, 30, 24));
  play_ = Button(QStringLiteral("PLAY"), this, QRect(4, 166, 60, 30));
  cue_ = Button(QStringLiteral("Cue"), this, QRect(68, 166, 48, 30));
  open_ = Button(QStringLiteral("Open"), this, QRect(120, 166, 48, 30));
  reset_ = Button(QStringLiteral("P"), this, QRect(172, 166, 36, 30));
  reset_->setToolTip(QStringLiteral("Reset Player"));
}

void DeckPanel::BuildLevels() {
  fader_ = VerticalSlider(this, QRect(10, 204, 28, 100), 0, 100, 100, 3);
  fader_->setToolTip(QStringLiteral("Volume"));
  faderLabel_ = new QLabel(this);
  faderLabel_->setGeometry(2, 306, 44, 16);  // inside the frame: it paints its own background
  faderLabel_->setAlignment(Qt::AlignCenter);
  pitch_ = VerticalSlider(this, QRect(64, 204, 28, 100), DeckModel::kPitchMin, DeckModel::kPitchMax,
                          DeckModel::kPitchNormal, 10);
  pitch_->setToolTip(QStringLiteral("Pitch"));
  pitchLabel_ = new QLabel(this);
  pitchLabel_->setGeometry(54, 306, 48, 16);
  pitchLabel_->setAlignment(Qt::AlignCenter);
  pitchIndicator_ = IconButton(this, QRect(98, 244, 24, 24), DeckIcon::PitchNormal);
  pitchIndicator_->setToolTip(QStringLiteral("Pitch Reset"));
  autoCue_ = new QCheckBox(QStringLiteral("C"), this);
  autoCue_->setGeometry(132, 208, 44, 22);
  autoCue_->setToolTip(QStringLiteral("AUTO CUE"));
  autoCue_->setFocusPolicy(Qt::NoFocus);
}

void DeckPanel::Connect() {
  Decks& d = decks_;
  const int deck = deck_;
  connect(play_, &QPushButton::clicked, this, [&d, deck] { d.PlayPause(deck); });
  connect(reset_, &QPushButton::clicked, this, [&d, deck] { d.Reset(deck); });
  connect(cue_, &QPushButton::clicked, this, [&d, deck] { d.CueToMark(deck, false); });
  connect(setCue_, &QToolButton::clicked, this, [&d, deck] { d.SetCueMark(deck); });
  connect(stepBack_, &QPushButton::clicked, this, [&d, deck] { d.Step(deck, -1); });
  connect(stepForward_, &QPushButton::clicked, this, [&d, deck] { d.Step(deck, 1); });
  connect(open_, &QPushButton::clicked, this, [this] { emit OpenClicked(deck_); });
  // The slider shows what the deck made of each action: an empty deck's slider springs back.
  connect(position_, &QSlider::sliderPressed, this, [&d, deck] { d.PressPosition(deck); });
  connect(position_, &QSlider::sliderMoved, this, [this, &d, deck](int v) {
    d.DragPosition(deck, v);
    refresh_->Mark(DeckModel::kPosition);
  });
  connect(position_, &QSlider::sliderReleased, this, [this, &d, deck] {
    d.ReleasePosition(deck);
    refresh_->Mark(DeckModel::kPosition);
  });
  connect(position_, &QSlider::actionTriggered, this, [this, &d, deck](int action) {
    if (action == QAbstractSlider::SliderMove || action == QAbstractSlider::SliderNoAction) return;
    // The step counts from the deck's position; the slider may show it only to the pixel.
    d.StepPosition(deck, model_.Position() + position_->sliderPosition() - position_->value());
    refresh_->Mark(DeckModel::kPosition);
  });
  connect(fader_, &QSlider::valueChanged, this, [this, &d, deck](int v) {
    d.MoveFader(deck, v);
    refresh_->Mark(DeckModel::kFader);
  });
  connect(pitch_, &QSlider::valueChanged, this, [this, &d, deck](int v) {
    d.SetPitch(deck, v, false);
    refresh_->Mark(DeckModel::kPitch);
  });
  connect(pitchIndicator_, &QToolButton::clicked, this, [&d, deck] { d.ResetPitch(deck); });
  connect(monitor_, &QToolButton::clicked, this, [&d, deck] { d.ToggleMonitor(deck); });
  connect(eq_, &QToolButton::clicked, this, [&d, deck] { d.ToggleEqualizer(deck); });
  connect(autoCue_, &QCheckBox::clicked, this, [this, &d, deck](bool on) {
    d.SetAutoCue(deck, on);
    refresh_->Mark(DeckModel::kAutoCue);
  });
}

void DeckPanel::Apply(unsigned parts) {
  const DeckModel& m = model_;
  if (parts & DeckModel::kState) {
    if (state_->text() != m.StateText()) {
      state_->setText(m.StateText());
      state_->setStyleSheet(
          QStringLiteral("font-weight: bold; font-size: 15px; color: %1;").arg(StateColour(m.StateText())));
    }
  }
  if (parts & DeckModel::kElapsed) counter_->SetText(m.CounterText());
  if (parts & DeckModel::kRemaining) Show(remaining_, m.RemainingText());
  if (parts & DeckModel::kDuration) Show(duration_, m.DurationText());
  if (parts & DeckModel::kTitle) Show(title_, m.Title());
  if (parts & DeckModel::kCueMark) Show(cueMark_, m.CueMarkText());
  if (parts & (DeckModel::kPosition | DeckModel::kPositionRange)) {
    const QSignalBlocker block(position_);
    if (position_->maximum() != m.PositionMax() || position_->tickInterval() != m.PositionTick()) {
      position_->setRange(1, m.PositionMax());
      position_->setTickInterval(m.PositionTick());
      position_->setValue(m.Position());
    } else if (HandleMoves(position_, m.Position())) {
      position_->setValue(m.Position());
    }
  }
  if (parts & DeckModel::kFader) {
    ShowSlider(fader_, m.Fader());
    Show(faderLabel_, m.FaderLabel());
  }
  if (parts & DeckModel::kPitch) {
    ShowSlider(pitch_, m.Pitch());
    Show(pitchLabel_, m.PitchLabel());
    if (IconOf(pitchIndicator_) != m.PitchIcon()) ShowIcon(pitchIndicator_, m.PitchIcon());
  }
  if ((parts & DeckModel::kMonitor) && IconOf(monitor_) != m.MonitorIcon()) ShowIcon(monitor_, m.MonitorIcon());
  if ((parts & DeckModel::kEqualizer) && IconOf(eq_) != m.EqualizerIcon()) ShowIcon(eq_, m.EqualizerIcon());
  if (parts & DeckModel::kAutoCue) {
    const QSignalBlocker block(autoCue_);
    autoCue_->setChecked(m.AutoCue());
  }
  if (parts & DeckModel::kLoadLamp) {
    loadLamp_->setStyleSheet(
        m.LoadPicture() ? QStringLiteral("background: #40ff60; border: 1px solid #a0ffa0; border-radius: 8px;")
                        : QStringLiteral("background: #103018; border: 1px solid #305038; border-radius: 8px;"));
  }
}

void DeckPanel::ShowFills() {
  if (!pitchLabel_) return;  // still being built
  FillLikePanel(*this,
                {remaining_, duration_, title_, state_, cueMark_, position_, fader_, faderLabel_, pitch_, pitchLabel_});
}

void DeckPanel::changeEvent(QEvent* event) {
  QGroupBox::changeEvent(event);
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) ShowFills();
}

void DeckPanel::ShowIcon(QToolButton* button, DeckIcon icon) {
  button->setIcon(DeckIconPicture(icon));
  button->setProperty(kIconProperty, static_cast<int>(icon));
}

DeckIcon DeckPanel::IconOf(const QToolButton* button) {
  return static_cast<DeckIcon>(button->property(kIconProperty).toInt());
}
