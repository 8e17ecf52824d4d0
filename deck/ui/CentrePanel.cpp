#include "deck/ui/CentrePanel.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>

#include "deck/CentreModel.h"
#include "deck/Decks.h"
#include "deck/EqualizerTable.h"
#include "deck/ui/PanelFill.h"
#include "deck/ui/ViewRefresh.h"

namespace {

// Upper edge in kHz of each slider's band group (32 sub-bands of 689 Hz at 44.1 kHz).
constexpr const char* kFrequencies[6] = {"0.7", "1.4", "2.8", "5.5", "9.6", "22"};
constexpr int kEqX = 6, kEqPitch = 15, kEqTop = 92, kEqHeight = 148;

QSlider* Vertical(QWidget* parent, const QRect& geometry) {
  auto* slider = new QSlider(Qt::Vertical, parent);
  slider->setGeometry(geometry);
  slider->setInvertedAppearance(true);  // the minimum at the top, like the deck faders
  slider->setFocusPolicy(Qt::NoFocus);
  return slider;
}

QPixmap FrequencyPicture(int width, int height) {
  QPixmap pix(width, height);
  pix.fill(Qt::transparent);
  QPainter p(&pix);
  QFont font = p.font();
  font.setPixelSize(7);
  p.setFont(font);
  p.setPen(QColor(200, 200, 200));
  for (int i = 0; i < 6; ++i) {
    p.drawText(QRect(i * kEqPitch - 2, 0, kEqPitch + 4, height), Qt::AlignCenter, QString::fromLatin1(kFrequencies[i]));
  }
  return pix;
}

QProgressBar* CrossfadeBar(QWidget* parent, int y) {
  auto* bar = new QProgressBar(parent);
  bar->setGeometry(6, y, 124, 10);
  bar->setRange(0, 100);
  bar->setValue(0);
  bar->setTextVisible(false);
  return bar;
}

}  // namespace

CentrePanel::CentrePanel(Decks& decks, QWidget* parent) : QGroupBox(parent), decks_(decks) {
  setFixedSize(136, 330);
  mix_ = new QPushButton(QStringLiteral("M I X"), this);
  mix_->setGeometry(6, 20, 124, 34);
  mix_->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 15px;"));
  connect(mix_, &QPushButton::clicked, this, &CentrePanel::MixClicked);
  crossfade1_ = CrossfadeBar(this, 62);
  crossfade2_ = CrossfadeBar(this, 76);
  BuildEqualizer();
  BuildMaster();
  ShowFills();
  Apply(CentreModel::kAll);
  refresh_ = new ViewRefresh([this](unsigned parts) { Apply(parts); }, this);
  connect(&decks_.Centre(), &CentreModel::Changed, refresh_, &ViewRefresh::Mark);
  Connect();
}

void CentrePanel::BuildEqualizer() {
  for (int i = 0; i < 6; ++i) {
    QSlider* slider = Vertical(this, QRect(kEqX + i * kEqPitch, kEqTop, 14, kEqHeight));
    slider->setRange(-kEqualizerRange[i], kEqualizerRange[i]);
    slider->setValue(0);
    slider->setSingleStep(2);
    slider->setToolTip(QStringLiteral("Equalizer %1 kHz").arg(QString::fromLatin1(kFrequencies[i])));
    eq_[i] = slider;
  }
  frequencies_ = new QLabel(this);
  frequencies_->setGeometry(kEqX, kEqTop + kEqHeight + 2, 6 * kEqPitch, 12);
  frequencies_->setPixmap(FrequencyPicture(6 * kEqPitch, 12));
  eqReset_ = new QPushButton(QStringLiteral("eq ="), this);
  eqReset_->setGeometry(6, 262, 90, 26);
  eqReset_->setToolTip(QStringLiteral("Reset Equalizer"));
  eqReset_->setFocusPolicy(Qt::NoFocus);
}

void CentrePanel::BuildMaster() {
  master_ = Vertical(this, QRect(100, kEqTop, 28, kEqHeight));
  master_->setRange(1, 65535);
  master_->setValue(100);
  master_->setTickInterval(1465);
  master_->setTickPosition(QSlider::TicksLeft);
  master_->setSingleStep(728);
  master_->setPageStep(728 * 5);
  master_->setToolTip(QStringLiteral("Master Out"));
  masterLabel_ = new QLabel(this);
  masterLabel_->setGeometry(96, kEqTop + kEqHeight + 2, 38, 12);  // inside the frame: it paints its own background
  masterLabel_->setAlignment(Qt::AlignCenter);
}

void CentrePanel::ShowFills() {
  if (!masterLabel_) return;  // still being built
  QList<QWidget*> moving = {crossfade1_, crossfade2_, master_, masterLabel_};
  for (QSlider* slider : eq_) moving.append(slider);
  FillLikePanel(*this, moving);
}

void CentrePanel::changeEvent(QEvent* event) {
  QGroupBox::changeEvent(event);
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) ShowFills();
}

void CentrePanel::Connect() {
  Decks& d = decks_;
  for (int i = 0; i < 6; ++i) {
    connect(eq_[i], &QSlider::valueChanged, this, [this, &d, i](int v) {
      d.MoveEqualizerSlider(i, v);
      refresh_->Mark(CentreModel::kEqualizer);
    });
  }
  connect(eqReset_, &QPushButton::clicked, this, [this, &d] {
    d.ResetEqualizer();
    mix_->setFocus();
  });
  connect(master_, &QSlider::valueChanged, this, [this, &d](int v) {
    d.SetMasterVolume(v, false);
    refresh_->Mark(CentreModel::kMaster);
  });
}

void CentrePanel::Apply(unsigned parts) {
  const CentreModel& m = decks_.Centre();
  if (parts & CentreModel::kEqualizer) {
    for (int i = 0; i < 6; ++i) {
      const QSignalBlocker block(eq_[i]);
      eq_[i]->setValue(m.EqualizerSlider(i));
    }
  }
  if (parts & CentreModel::kMaster) {
    {
      const QSignalBlocker block(master_);
      master_->setValue(m.MasterPosition());
    }
    if (masterLabel_->text() != m.MasterLabel()) masterLabel_->setText(m.MasterLabel());
  }
  if (parts & CentreModel::kCrossfade) {
    crossfade1_->setValue(m.Crossfade(1));
    crossfade2_->setValue(m.Crossfade(2));
  }
}
