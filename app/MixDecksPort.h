// The automatic mix's view of the window's decks.
#pragma once

#include "audio/xaudio.h"
#include "deck/Decks.h"
#include "mix/MixPorts.h"
#include "platform/PlayLog.h"

class MixDecksPort final : public MixDecks {
 public:
  MixDecksPort(Decks& decks, PlayLog& log) : decks_(decks), log_(log) {}

  PlayerState State(int deck) const override { return decks_.State(deck); }
  uint32_t PositionFrames(int deck) const override { return decks_.PositionFrames(deck); }
  uint32_t LengthFrames(int deck) const override { return decks_.LengthFrames(deck); }
  QString Title(int deck) const override { return decks_.Title(deck); }
  int Fader(int deck) const override { return decks_.Fader(deck); }
  void SetFader(int deck, int position) override { decks_.SetFader(deck, position, false); }
  void SendLevel(int deck) override { decks_.SendLevel(deck); }
  void PlayPause(int deck) override { decks_.PlayPause(deck); }
  void Play(int deck) override { decks_.Send(deck, XA_MSG_COMMAND_PLAY); }
  void Pause(int deck) override { decks_.Send(deck, XA_MSG_COMMAND_PAUSE); }
  void LogPlayerClip(int deck) override {
    const QString path = decks_.ClipPath(deck);
    if (!path.isEmpty()) log_.LogPlayerClip(deck, path, PlayLog::kClip);
  }
  void ShowLoadPicture(int deck, int picture) override { decks_.ShowLoadPicture(deck, picture); }

 private:
  Decks& decks_;
  PlayLog& log_;
};
