// One deck over one engine player: receives the engine's notifications (as the player's
// receiver object), records what they say in the deck's model.
//
// Runs on the GUI thread only: notifications arrive as events between other events.
#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>

#include "deck/DeckConfig.h"
#include "audio/DecoderEngine.h"
#include "deck/PlayerState.h"

class DeckModel;
class Dialogs;
class PlayLog;

class Player : public QObject {
  Q_OBJECT
 public:
  // Checks the engine's version and creates the engine player; on failure the deck stays
  // silent (every command is dropped).
  Player(int deck, DecoderEngine& engine, Dialogs& dialogs, PlayLog& log, const DeckConfig& config, DeckModel& model);
  ~Player() override;
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  int Deck() const { return deck_; }
  bool HasEngine() const { return player_ != nullptr; }
  PlayerState State() const;
  bool SeekHold() const { return seekHold_; }
  void SetSeekHold(bool on) { seekHold_ = on; }
  uint32_t PositionFrames() const { return positionFrames_; }
  uint32_t LengthFrames() const { return lengthFrames_; }
  QString InputName() const { return inputName_; }
  // A clip is being loaded: the title the caller knows it by, and its path, until the
  // engine names it; the path is what the play log records when the clip goes on air.
  void BeginLoad(const QString& title, const QString& path);
  // The full path of the clip in the deck ("" when none or when it failed to open).
  QString ClipPath() const { return clipPath_.isEmpty() ? inputName_ : clipPath_; }
  // The deck was closed (reset, or its clip failed to open): no clip, no input name, state
  // None. What the engine still reports about the clip it closes is ignored until the
  // next load.
  void ForgetClip();

  // Commands to this deck's engine player; dropped while there is none.
  void Send(int code, int a = 0, int b = 0, int c = 0);
  void SendText(int code, const QString& text, int a = 0);
  void SendEqualizer(const std::array<int8_t, 64>& table);
  // Level from the deck's fader: (255, 100 - position, 255).
  void SendLevel();
  void SendPitch(int value);

 signals:
  // Notification 101: the engine's equaliser of this deck, 32 bands of the left channel.
  void EqualizerReported(int deck, const std::array<int8_t, 32>& bands);
  // Notifications 83 / 97: one input or output module, for the engine information dialog.
  void ModuleReported(int code, const QString& text);
  // The engine could not open the clip just loaded; the deck is empty again.
  void OpenFailed(int deck);
  // The clip just loaded opened and reported its duration.
  void Opened(int deck);

 protected:
  bool event(QEvent* event) override;

 private:
  void Handle(const XA_Message& m);
  void OnFailed(const XA_Message& m);
  void OnState(int code);
  void OnInputName(const QString& name);
  void OnPosition(uint32_t offset, uint32_t range);
  void OnDuration(uint32_t seconds);
  int Fps() const { return config_.fps > 0 ? config_.fps : 25; }

  int deck_;
  DecoderEngine& engine_;
  PlayLog& log_;
  const DeckConfig& config_;
  DeckModel& model_;
  XA_Player* player_ = nullptr;
  bool seekHold_ = false;
  uint32_t positionFrames_ = 0;
  uint32_t lengthFrames_ = 0;
  // The position range asked for with the clip's duration, 0 before one; the engine's
  // first position of a new clip still carries the previous clip's range.
  uint32_t rangeAsked_ = 0;
  bool closed_ = false;
  QString inputName_;
  QString clipPath_;
};

// Whether an input name lies in the adverts folder (the Windows "c:\adverts\" or the native
// one under the drive C folder), compared without regard to case.
bool IsAdvertsPath(const QString& name);
