// The songs list's view of the window's decks.
#pragma once

#include "audio/xaudio.h"
#include "deck/Decks.h"
#include "mix/MixSettings.h"
#include "playlist/DeckAccess.h"

class DeckAccessPort final : public DeckAccess {
 public:
  // "Open" readies a file at the start volume of the mix settings in force.
  DeckAccessPort(Decks& decks, const MixSettings& mix) : decks_(decks), mix_(mix) {}

  int LoadClip(int deck, const QString& title, const QString& path) override {
    return decks_.LoadClip(deck, title, path);
  }
  State DeckState(int deck) const override { return static_cast<State>(decks_.State(deck)); }
  QString TitleText(int deck) const override { return decks_.Title(deck); }
  void Pause(int deck) override { decks_.Send(deck, XA_MSG_COMMAND_PAUSE); }
  void Reset(int deck) override { decks_.ResetPlayer(deck); }
  void OpenReady(int deck, const QString& path) override { decks_.OpenReady(deck, path, mix_.styleStartVolume); }

 private:
  Decks& decks_;
  const MixSettings& mix_;
};
