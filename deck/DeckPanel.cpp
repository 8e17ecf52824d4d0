#include "deck/DeckPanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

#include "deck/DeckIcons.h"
#include "deck/DigitDisplay.h"

namespace {

constexpr char kIconProperty[] = "deckIcon";

QLabel* TimeLabel(QWidget* parent, const QRect& geometry, Qt::Alignment align) {
  auto* label = new QLabel(QString::fromLatin1(kZeroTime), parent);
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

QString StateColour(const QString& text) {
  if (text == QLatin1String("PLAYING")) return QStringLiteral("#40e060");
  if (text == QLatin1String("PAUSED")) return QStringLiteral("#ffb000");
  if (text == QLatin1String("EOF")) return QStringLiteral("#ff4040");
  return QStringLiteral("#9a9a9a");
}

}  // namespace

QString FaderLabelText(int position) {
  return position < 96 ? QString::asprintf("-%d db", position) : QStringLiteral("oo");
}

DeckPanel::DeckPanel(int deck, const QPixmap& digitStrip, QWidget* parent)
    : QGroupBox(QStringLiteral("PLAYER %1").arg(deck), parent), deck_(deck) {
  setFixedSize(212, 330);
  BuildDisplays(digitStrip);
  BuildTransport();
  BuildLevels();
}

void DeckPanel::BuildDisplays(const QPixmap& digitStrip) {
  counter_ = new DigitDisplay(digitStrip, 11, this);
  counter_->move(4, 20);
  counter_->SetText(QString::fromLatin1(kZeroTime));
  elapsedCopy_ = new QLabel(QString::fromLatin1(kZeroTime), this);
  elapsedCopy_->hide();
  monitor_ = IconButton(this, QRect(128, 244, 24, 24), DeckIcon::MonitorMain);
  monitor_->setToolTip(QStringLiteral("Monitor"));
  eq_ = IconButton(this, QRect(158, 244, 24, 24), DeckIcon::EqOn);
  eq_->setToolTip(QStringLiteral("Equalizer On/Off"));
  loadLamp_ = new QLabel(this);
  loadLamp_->setGeometry(188, 248, 16, 16);
  loadLamp_->setToolTip(QStringLiteral("Clip loaded"));
  SetLoadPicture(0);
  remaining_ = TimeLabel(this, QRect(4, 52, 100, 16), Qt::AlignLeft);
  remaining_->setToolTip(QStringLiteral("Remaining"));
  duration_ = TimeLabel(this, QRect(108, 52, 100, 16), Qt::AlignRight);
  duration_->setToolTip(QStringLiteral("Duration"));
  title_ = new QLabel(this);
  title_->setGeometry(4, 70, 204, 18);
  title_->setStyleSheet(QStringLiteral("font-weight: bold; color: #f0f0f0;"));
  state_ = new QLabel(this);
  state_->setGeometry(4, 90, 204, 20);
  SetStateText(QStringLiteral("CLOSED"));
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
  faderLabel_->setGeometry(0, 306, 48, 16);
  faderLabel_->setAlignment(Qt::AlignCenter);
  SetFaderLabel(fader_->value());
  pitch_ = VerticalSlider(this, QRect(64, 204, 28, 100), 900, 1100, 1000, 10);
  pitch_->setToolTip(QStringLiteral("Pitch"));
  pitchLabel_ = new QLabel(QStringLiteral("0"), this);
  pitchLabel_->setGeometry(54, 306, 48, 16);
  pitchLabel_->setAlignment(Qt::AlignCenter);
  pitchIndicator_ = IconButton(this, QRect(98, 244, 24, 24), DeckIcon::PitchNormal);
  pitchIndicator_->setToolTip(QStringLiteral("Pitch Reset"));
  autoCue_ = new QCheckBox(QStringLiteral("C"), this);
  autoCue_->setGeometry(132, 208, 44, 22);
  autoCue_->setToolTip(QStringLiteral("AUTO CUE"));
  autoCue_->setFocusPolicy(Qt::NoFocus);
}

void DeckPanel::SetStateText(const QString& text) {
  state_->setText(text);
  state_->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 15px; color: %1;").arg(StateColour(text)));
}

QString DeckPanel::StateText() const { return state_->text(); }

void DeckPanel::SetElapsed(const QString& text) {
  counter_->SetText(text);
  elapsedCopy_->setText(text);
}

QString DeckPanel::ElapsedText() const { return elapsedCopy_->text(); }
void DeckPanel::SetRemaining(const QString& text) { remaining_->setText(text); }
void DeckPanel::SetDuration(const QString& text) { duration_->setText(text); }
void DeckPanel::SetTitle(const QString& text) { title_->setText(text); }
void DeckPanel::SetCueMark(const QString& text) { cueMark_->setText(text); }
QString DeckPanel::CueMarkText() const { return cueMark_->text(); }
void DeckPanel::SetFaderLabel(int position) { faderLabel_->setText(FaderLabelText(position)); }
void DeckPanel::SetPitchLabel(const QString& text) { pitchLabel_->setText(text); }

void DeckPanel::SetLoadPicture(int picture) {
  loadPicture_ = picture == 1 ? 1 : 0;
  loadLamp_->setStyleSheet(loadPicture_ ? QStringLiteral("background: #40ff60; border: 1px solid #a0ffa0; border-radius: 8px;")
                                        : QStringLiteral("background: #103018; border: 1px solid #305038; border-radius: 8px;"));
}

void DeckPanel::ShowIcon(QToolButton* button, DeckIcon icon) {
  button->setIcon(DeckIconPicture(icon));
  button->setProperty(kIconProperty, static_cast<int>(icon));
}

DeckIcon DeckPanel::IconOf(const QToolButton* button) {
  return static_cast<DeckIcon>(button->property(kIconProperty).toInt());
}
