// The report of the "KORVO XA - Application & Engine Informations" dialog: the players,
// the engine, the stored defaults, the loaded play list and the mix style in force.
#pragma once

#include <QString>
#include <QStringList>

#include "formats/PrlPlayList.h"
#include "mix/MixSettings.h"

struct EngineInfoSources {
  struct Deck {
    QString stateText;  // as the deck's state display shows it
    bool eqOn = false;
    bool monitorOut = false;
  };
  Deck decks[2];
  int apiVersion = 0;
  int outputDevices = 0;
  // The settings in force.
  int fps = 0;
  QString outputDevice;
  QString monitorDevice;
  QString defMixStyle;
  int advertsLoadingType = 0;
  PrlHeader playList;  // the header of the loaded play list
  MixSettings mix;
};

QStringList EngineInfoLines(const EngineInfoSources& sources);
