#include "app/AutomationToggles.h"

#include "adverts/Adverts.h"
#include "platform/ui/Theme.h"
#include "programs/EnsurePlay.h"
#include "programs/ProgramScheduler.h"
#include "station/AutoMix.h"
#include "station/Station.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

QPushButton* Toggle(QWidget* window, const char* caption, const char* tip, const QRect& at) {
  auto* b = new QPushButton(QString::fromLatin1(caption), window);
  b->setCheckable(true);
  b->setFocusPolicy(Qt::NoFocus);
  b->setToolTip(QString::fromLatin1(tip));
  b->setStyleSheet(LampButtonStyle());
  b->setGeometry(at);
  return b;
}

// A lamp in the status line, right of the text.
QLabel* Lamp(QWidget* window, const char* name, const char* text, const char* tip, int x, const char* colour) {
  auto* l = new QLabel(QString::fromLatin1(text), window);
  l->setObjectName(QString::fromLatin1(name));
  l->setToolTip(QString::fromLatin1(tip));
  l->setGeometry(x, 578, 34, 18);
  l->setAlignment(Qt::AlignCenter);
  l->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(QLatin1String(colour)));
  l->hide();
  return l;
}

}  // namespace

AutomationToggles::AutomationToggles(Station& station, QWidget* window) : QObject(window), station_(station) {
  loadNext_ = Toggle(window, "LOAD NEXT", "Auto Load next clip", {568, 396, 110, 24});
  mixNext_ = Toggle(window, "MIX NEXT", "Auto Mix next clip", {568, 424, 110, 24});
  adverts_ = Toggle(window, "ADVS", "Advertisments", {568, 452, 110, 24});
  // Under "ADVS", the other two.
  ensurePlay_ = Toggle(window, "EP", "Ensure Play", {568, 480, 54, 24});
  programs_ = Toggle(window, "PRG", "Enable Selected Play Lists Programing", {624, 480, 54, 24});
  ensurePlayLamp_ = Lamp(window, "EnsurePlayIndicator", "EP", "Ensure Play", 646, "#60e060");
  programsLamp_ = Lamp(window, "ProgramsIndicator", "PRG", "Programs Loaded", 684, "#60e060");
  advertsLamp_ = Lamp(window, "AdvertsIndicator", "ADS", "Adverts Enabled", 722, "#50c0ff");

  AutoMix& mix = station.Mix();
  connect(loadNext_, &QPushButton::toggled, &mix, &AutoMix::SetLoadNext);
  connect(mixNext_, &QPushButton::toggled, &mix, &AutoMix::SetMixNext);
  connect(&mix, &AutoMix::togglesChanged, this, &AutomationToggles::ShowMixToggles);
  ShowMixToggles();

  ::Adverts& adverts = station.AdvertSet();
  connect(adverts_, &QPushButton::clicked, &adverts, &::Adverts::SetAdvertsEnabled);
  connect(&adverts, &::Adverts::advertsEnabledChanged, this, [this](bool on) {
    const QSignalBlocker block(adverts_);
    adverts_->setChecked(on);
    advertsLamp_->setVisible(on);
    emit listsChanged();
  });
  ProgramScheduler& programs = station.Programs();
  connect(programs_, &QPushButton::clicked, &programs, &ProgramScheduler::SetProgramsEnabled);
  connect(&programs, &ProgramScheduler::programsEnabledChanged, this, [this](bool on) {
    programs_->setChecked(on);
    programsLamp_->setVisible(on);
    emit listsChanged();
  });
  ::EnsurePlay& ensure = station.Ensure();
  connect(ensurePlay_, &QPushButton::clicked, &ensure, &::EnsurePlay::SetEnsurePlay);
  connect(&ensure, &::EnsurePlay::ensurePlayChanged, this, [this](bool on) {
    ensurePlay_->setChecked(on);
    ensurePlayLamp_->setVisible(on);
  });
}

bool AutomationToggles::AdvertsLampShown() const { return !advertsLamp_->isHidden(); }
bool AutomationToggles::ProgramsLampShown() const { return !programsLamp_->isHidden(); }
bool AutomationToggles::EnsurePlayLampShown() const { return !ensurePlayLamp_->isHidden(); }

void AutomationToggles::ShowMixToggles() {
  const AutoMix& mix = station_.Mix();
  const QSignalBlocker a(loadNext_);
  const QSignalBlocker b(mixNext_);
  loadNext_->setChecked(mix.LoadNext());
  // Automatic mixing needs automatic loading: MIX NEXT waits for LOAD NEXT.
  mixNext_->setEnabled(mix.MixNextEnabled());
  mixNext_->setChecked(mix.MixNextShown());
}
