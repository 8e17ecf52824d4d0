#include "deck/Player.h"

#include <algorithm>

#include "deck/DeckModel.h"
#include "formats/TimeText.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/PlayLog.h"

namespace {

bool VersionMatches(int version) { return (version >> 16 & 0xff) == 3 && (version >> 8 & 0xff) == 2; }

}  // namespace

bool IsAdvertsPath(const QString& name) {
  if (name.startsWith(QLatin1String("c:\\adverts\\"), Qt::CaseInsensitive)) return true;
  const QString native = paths::DriveCFolder() + QStringLiteral("/Adverts/");
  return name.startsWith(native, Qt::CaseInsensitive);
}

Player::Player(int deck, DecoderEngine& engine, Dialogs& dialogs, PlayLog& log, const DeckConfig& config,
               DeckModel& model)
    : deck_(deck), engine_(engine), log_(log), config_(config), model_(model) {
  if (!VersionMatches(engine_.ApiVersion())) {
    dialogs.Message(QStringLiteral("Xaudio DLL API version mismatch"), QStringLiteral("Xaudio Error"),
                    Dialogs::Icon::Error);
    return;
  }
  if (engine_.PlayerNew(&player_, this) != 0) player_ = nullptr;
}

Player::~Player() {
  if (player_) engine_.PlayerDelete(player_);
}

PlayerState Player::State() const { return model_.State(); }

void Player::BeginLoad(const QString& title, const QString& path) {
  rangeAsked_ = 0;
  closed_ = false;
  model_.SetTitle(title);
  inputName_.clear();
  clipPath_ = path;
}

void Player::ForgetClip() {
  model_.SetTitle(QString());
  inputName_.clear();
  clipPath_.clear();
  // A closed deck holds no clip: the mix must never choose it to come in.
  closed_ = true;
  model_.SetState(PlayerState::None);
  model_.SetStateText(StateText(PlayerState::None));
}

void Player::Send(int code, int a, int b, int c) {
  if (player_) engine_.Send(player_, code, a, b, c);
}

void Player::SendText(int code, const QString& text, int a) {
  if (player_) engine_.SendText(player_, code, text, a);
}

void Player::SendEqualizer(const std::array<int8_t, 64>& table) {
  if (!player_) return;
  engine_.Send(player_, XaEqualizerMessage(table));
}

void Player::SendLevel() { Send(XA_MSG_SET_OUTPUT_VOLUME, 255, 100 - model_.Fader(), 255); }

void Player::SendPitch(int value) { SendText(XA_MSG_SET_OUTPUT_PROPERTY, QString::fromLatin1(kPitchProperty), value); }

bool Player::event(QEvent* event) {
  if (event->type() < XA_EVENT_BASE || !player_) return QObject::event(event);
  XA_Message m;
  if (engine_.ParamsToMessage(player_, &m, event) != 0) return QObject::event(event);
  Handle(m);
  return true;
}

void Player::Handle(const XA_Message& m) {
  switch (m.code) {
    case XA_MSG_NOTIFY_READY:
      SendText(XA_MSG_COMMAND_OUTPUT_MODULE_REGISTER, QString::fromLatin1(kModuleRegistration));
      SendText(XA_MSG_SET_OUTPUT_PROPERTY, QString::fromLatin1(kWindowProperty), config_.windowHandle);
      engine_.PlayerSetPriority(player_, 2);
      break;
    case XA_MSG_NOTIFY_NACK:
      OnFailed(m);
      break;
    case XA_MSG_NOTIFY_PLAYER_STATE:
      OnState(m.a);
      break;
    case XA_MSG_NOTIFY_INPUT_NAME:
      OnInputName(m.text);
      break;
    case XA_MSG_NOTIFY_INPUT_POSITION:
      OnPosition(static_cast<uint32_t>(m.a), static_cast<uint32_t>(m.b));
      break;
    case XA_MSG_NOTIFY_INPUT_DURATION:
      OnDuration(m.a > 0 ? static_cast<uint32_t>(m.a) : 0);
      break;
    case XA_MSG_NOTIFY_INPUT_MODULE_INFO:
    case XA_MSG_NOTIFY_OUTPUT_MODULE_INFO:
      if (deck_ == 1) emit ModuleReported(m.code, m.text);
      break;
    case XA_MSG_NOTIFY_OUTPUT_STATE:
      if (m.a == 0) {
        SendLevel();
        SendPitch(model_.Pitch());
      }
      break;
    case XA_MSG_NOTIFY_CODEC_EQUALIZER: {
      std::array<int8_t, 32> bands{};
      std::copy_n(m.eq.begin(), bands.size(), bands.begin());
      emit EqualizerReported(deck_, bands);
      break;
    }
    default:
      break;
  }
}

void Player::OnFailed(const XA_Message& m) {
  const QString event = QStringLiteral("P%1 Command %2 failed [%3]").arg(deck_).arg(m.a).arg(engine_.ErrorString(m.b));
  log_.WritePlayLog(QStringLiteral("ERR"), event, QStringLiteral("Decoder Error - Player %1").arg(deck_));
  // A clip that could not be opened must not leave the previous clip's title on air or be
  // logged as played.
  if (m.a != XA_MSG_COMMAND_INPUT_OPEN) return;
  ForgetClip();
  emit OpenFailed(deck_);
}

void Player::OnState(int code) {
  if (closed_) return;
  PlayerState state = PlayerState::None;
  switch (code) {
    case XA_STATE_STOPPED:
      state = PlayerState::Stopped;
      break;
    case XA_STATE_PLAYING:
      state = PlayerState::Playing;
      break;
    case XA_STATE_PAUSED:
      state = PlayerState::Paused;
      break;
    case XA_STATE_EOF:
      state = PlayerState::AtEnd;
      Send(XA_MSG_COMMAND_SEEK, 0, 1);
      break;
    default:
      model_.SetState(PlayerState::None);
      return;
  }
  model_.SetState(state);
  // A drag of the position slider paused the deck; the text stays until it ends.
  if (state == PlayerState::Paused && seekHold_) return;
  model_.SetStateText(StateText(state));
}

void Player::OnInputName(const QString& name) {
  if (name.size() <= 12) return;
  // Adverts keep the title the songs list gave them (their file names are codes).
  if (!IsAdvertsPath(name)) model_.SetTitle(ClipTitleFromPath(name));
  inputName_ = name;
}

void Player::OnPosition(uint32_t offset, uint32_t range) {
  if (closed_) return;
  if (rangeAsked_ > 0) range = rangeAsked_;
  const uint64_t fps = Fps();
  model_.SetElapsed(FormatTimecode(uint64_t{offset} * 1000 / fps, Fps()));
  // A position past the end (a length estimate that grew) shows no time left, not a wrap.
  const uint64_t left = range > offset ? range - offset : 0;
  model_.SetRemaining(FormatTimecode(left * 1000 / fps, Fps()));
  // The operator's hand wins over the engine while the thumb is held.
  if (!model_.ThumbHeld()) model_.SetPosition(static_cast<int>(std::min<uint32_t>(offset, INT32_MAX)));
  positionFrames_ = offset;
  lengthFrames_ = range;
}

void Player::OnDuration(uint32_t seconds) {
  seekHold_ = false;
  if (!config_.checkOnLoad) model_.SetDuration(FormatTimecode(uint64_t{seconds} * 1000, Fps()));
  // The duration comes in whole seconds: a clip shorter than one reports 0, and the engine
  // refuses a range of 0 (an error in the play log on every load). One frame is the least
  // range there is.
  const int frames = std::max(static_cast<int>(seconds * static_cast<uint32_t>(Fps())), 1);
  Send(XA_MSG_SET_POSITION_RANGE, frames);
  rangeAsked_ = static_cast<uint32_t>(frames);
  Send(XA_MSG_COMMAND_SET_PLAYER_MODE, 1);
  positionFrames_ = 0;
  model_.SetPositionRange(frames, Fps());
  model_.SetPosition(1);
  model_.SetCueMark(QString::fromLatin1(timetext::kUnmeasured));
  model_.SetElapsed(QString::fromLatin1(timetext::kUnmeasured));
  emit Opened(deck_);
}
