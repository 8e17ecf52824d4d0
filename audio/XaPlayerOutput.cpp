// XA_Player's outputs: routing to the main or monitor device, the "wav:" writer, levels
// and pitch. Decode thread only.
#include "audio/Mixer.h"
#include "audio/XaPlayer.h"

#include <algorithm>

int XA_Player::SetOutput(const QString& name) {
  if (name.startsWith(QLatin1String("wav:"))) {
    if (name.size() <= 4) return XA_ERROR_INVALID_PARAMETERS;
    voice_.playing.store(false);
    if (state_ == XA_STATE_PLAYING) PostState(XA_STATE_PAUSED);
    wav_.Finish();
    wavMode_ = true;
    wavPath_ = name.mid(4);
    voice_.route.store(kRouteNone);
    outputOpen_ = true;
    Post(XA_MSG_NOTIFY_OUTPUT_STATE, 0);
    return XA_SUCCESS;
  }
  int route = kRouteMain;
  if (name == QLatin1String("/dev/dsound/2")) route = kRouteMonitor;
  else if (!name.isEmpty() && name != QLatin1String("/dev/dsound/1")) return XA_ERROR_NOT_SUPPORTED;
  if (wavMode_) {
    voice_.playing.store(false);
    if (state_ == XA_STATE_PLAYING) PostState(XA_STATE_PAUSED);
    wav_.Finish();
    wavMode_ = false;
  }
  voice_.route.store(route);
  if (outputOpen_) Post(XA_MSG_NOTIFY_OUTPUT_STATE, 0);  // reopened on the new device
  return XA_SUCCESS;
}

int XA_Player::CloseOutput() {
  voice_.playing.store(false);
  if (state_ == XA_STATE_PLAYING) PostState(XA_STATE_PAUSED);
  wav_.Finish();
  if (wavMode_) {
    wavMode_ = false;
    voice_.route.store(kRouteMain);
  }
  if (outputOpen_) {
    outputOpen_ = false;
    Post(XA_MSG_NOTIFY_OUTPUT_STATE, 1);
  }
  return XA_SUCCESS;
}

int XA_Player::SetProperty(const QString& name, int value) {
  if (name == QLatin1String("OUTPUT.DIRECTSOUND.PITCH")) {
    if (value <= 0) return XA_ERROR_INVALID_PARAMETERS;
    voice_.pitch.store(std::clamp(value, 900, 1100));
    return XA_SUCCESS;
  }
  if (name == QLatin1String("OUTPUT.DIRECTSOUND.WINDOW")) return XA_SUCCESS;  // no window needed here
  return XA_ERROR_NOT_SUPPORTED;
}

int XA_Player::SetLevels(int balance, int deck, int master) {
  auto valid = [](int v) { return v == 255 || (v >= 0 && v <= 100); };
  if (!valid(balance) || !valid(deck) || !valid(master)) return XA_ERROR_INVALID_PARAMETERS;
  if (balance != 255) balance_ = balance;
  if (deck != 255) deckLevel_ = deck;
  if (master != 255) masterLevel_ = master;
  const float gain = LevelToGain(deckLevel_) * LevelToGain(masterLevel_);
  // Balance: centre keeps both sides at full; each step away fades the other side.
  const float left = balance_ <= 50 ? 1.0f : (100 - balance_) / 50.0f;
  const float right = balance_ >= 50 ? 1.0f : balance_ / 50.0f;
  voice_.gainLeft.store(gain * left);
  voice_.gainRight.store(gain * right);
  return XA_SUCCESS;
}

bool XA_Player::RenderWav() {
  if (!wav_.IsOpen()) return false;
  const int frames = int(buffer_.size() / 2);
  std::fill(buffer_.begin(), buffer_.end(), 0.0f);
  const int got = RenderVoiceAdd(voice_, buffer_.data(), frames, decoder_.Rate(), 1.0f);
  if (got > 0 && !wav_.Write(buffer_.data(), got)) {
    voice_.playing.store(false);
    wav_.Finish();
    Post(XA_MSG_NOTIFY_NACK, XA_MSG_COMMAND_PLAY, XA_ERROR_OUTPUT_FAILED);
    PostState(XA_STATE_STOPPED);
    return false;
  }
  return got > 0;
}
