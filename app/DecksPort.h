// The window's decks behind the deck-control interface.
#pragma once

#include "audio/xaudio.h"
#include "deck/DeckControl.h"
#include "deck/Decks.h"
#include "mix/MixSettings.h"
#include "platform/PlayLog.h"

class DecksPort final : public DeckControl {
 public:
  // "Open" readies a file at the start volume of the mix settings in force.
  DecksPort(Decks& decks, const MixSettings& mix, PlayLog& log) : decks_(decks), mix_(mix), log_(log) {}

  int LoadClip(int deck, const QString& title, const QString& path) override {
    return decks_.LoadClip(deck, title, path);
  }
  void OpenReady(int deck, const QString& path) override { decks_.OpenReady(deck, path, mix_.styleStartVolume); }
  bool CheckOnLoad() const override { return decks_.CheckOnLoad(); }
  void SetCheckOnLoad(bool down) override { decks_.SetCheckOnLoad(down); }
  void PlayPause(int deck) override { decks_.PlayPause(deck); }
  void Play(int deck) override { decks_.Send(deck, XA_MSG_COMMAND_PLAY); }
  void Pause(int deck) override { decks_.Send(deck, XA_MSG_COMMAND_PAUSE); }
  void Reset(int deck) override { decks_.ResetPlayer(deck); }
  void LogPlayerClip(int deck) override {
    const QString path = decks_.ClipPath(deck);
    if (!path.isEmpty()) log_.LogPlayerClip(deck, path, PlayLog::kClip);
  }
  void CueToMark(int deck, bool pause) override { decks_.CueToMark(deck, pause); }
  void SetCueMark(int deck) override { decks_.SetCueMark(deck); }
  int Fader(int deck) const override { return decks_.Fader(deck); }
  void SetFader(int deck, int position, bool sendLevel) override { decks_.SetFader(deck, position, sendLevel); }
  void SendLevel(int deck) override { decks_.SendLevel(deck); }
  void SetPitch(int deck, int value, bool move) override { decks_.SetPitch(deck, value, move); }
  void ToggleEqualizer(int deck) override { decks_.ToggleEqualizer(deck); }
  void ToggleMonitor(int deck) override { decks_.ToggleMonitor(deck); }
  void ToggleAutoCue(int deck) override { decks_.ToggleAutoCue(deck); }
  void SetMasterVolume(int position, bool move) override { decks_.SetMasterVolume(position, move); }
  int MasterPosition() const override { return decks_.MasterPosition(); }
  void ShowLoadPicture(int deck, int picture) override { decks_.ShowLoadPicture(deck, picture); }
  PlayerState State(int deck) const override { return decks_.State(deck); }
  uint32_t PositionFrames(int deck) const override { return decks_.PositionFrames(deck); }
  uint32_t LengthFrames(int deck) const override { return decks_.LengthFrames(deck); }
  QString Title(int deck) const override { return decks_.Title(deck); }
  QString ClipPath(int deck) const override { return decks_.ClipPath(deck); }

 private:
  Decks& decks_;
  const MixSettings& mix_;
  PlayLog& log_;
};
