#include "deck/MasterFader.h"

#include <QLabel>
#include <QSlider>

#include <algorithm>

#include "deck/CentrePanel.h"
#include "audio/DecoderEngine.h"
#include "deck/PlayerState.h"

MasterFader::MasterFader(CentrePanel& centre, DecoderEngine& engine, const DeckConfig& config)
    : centre_(centre), engine_(engine), config_(config) {
  connect(centre_.Master(), &QSlider::valueChanged, this, [this](int v) { SetMasterVolume(v, false); });
}

void MasterFader::SetMasterVolume(int position, bool move) {
  if (position < 1 || position > 65535) return;
  if (config_.mainOutputIndex == 0 || config_.mainOutputIndex == 1) engine_.SetMasterVolume(65536 - position);
  centre_.MasterLabel()->setText(QString::asprintf("-%ld db", static_cast<long>(position / kStep)));
  if (move) {
    const QSignalBlocker block(centre_.Master());
    centre_.Master()->setValue(position);
  }
}

void MasterFader::InitFromSystem() {
  if (engine_.OutputDevices().isEmpty()) return;
  const int position = std::clamp(65536 - engine_.MasterVolume(), 1, 65535);
  {
    const QSignalBlocker block(centre_.Master());
    centre_.Master()->setValue(position);
  }
  centre_.MasterLabel()->setText(QString::asprintf("-%ld db", static_cast<long>(position / kStep)));
}

int MasterFader::Position() const { return centre_.Master()->value(); }
