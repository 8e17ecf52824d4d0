#include "deck/MasterFader.h"

#include <algorithm>

#include "deck/CentreModel.h"
#include "deck/DeckConfig.h"
#include "audio/DecoderEngine.h"

MasterFader::MasterFader(CentreModel& centre, DecoderEngine& engine, const DeckConfig& config)
    : centre_(centre), engine_(engine), config_(config) {}

void MasterFader::SetMasterVolume(int position, bool) {
  if (position < CentreModel::kMasterMin || position > CentreModel::kMasterMax) return;
  if (config_.mainOutputIndex == 0 || config_.mainOutputIndex == 1) engine_.SetMasterVolume(65536 - position);
  Show(position);
}

void MasterFader::InitFromSystem() {
  if (engine_.OutputDevices().isEmpty()) return;
  Show(std::clamp(65536 - engine_.MasterVolume(), CentreModel::kMasterMin, CentreModel::kMasterMax));
}

void MasterFader::Show(int position) {
  centre_.SetMasterPosition(position);
  centre_.SetMasterLabel(QString::asprintf("-%ld db", static_cast<long>(position / kStep)));
}

int MasterFader::Position() const { return centre_.MasterPosition(); }
