#include "audio/XaPlayer.h"

#include "audio/Denormals.h"
#include "audio/OutputRouter.h"
#include "audio/Mixer.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kChunkFrames = 1152;
constexpr double kRingSeconds = 0.4;  // short, so equaliser moves are heard promptly
constexpr auto kReportEvery = std::chrono::milliseconds(40);
}  // namespace

XA_Player::XA_Player(QObject* receiver)
    : voicePtr_(std::make_unique<Voice>()),
      voice_(*voicePtr_),
      relay_(receiver),
      buffer_(size_t(Voice::kMaxBlock) * 8 * 2) {}

XA_Player::~XA_Player() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    quit_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
  if (registered_) OutputRouter::Instance().RemoveVoice(std::move(voicePtr_));
  wav_.Finish();
}

bool XA_Player::Start() {
  if (!voice_.resampler || !OutputRouter::Instance().AddVoice(&voice_)) return false;
  registered_ = true;
  thread_ = std::thread([this] { Run(); });
  Post(XA_MSG_NOTIFY_READY);
  return true;
}

void XA_Player::Send(const XA_Message& message) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    queue_.push_back(message);
  }
  wake_.notify_one();
}

void XA_Player::Run() {
  FlushDenormalsOnThisThread();  // the equaliser and, for "wav:", the mix run here
  bool busy = false;
  while (true) {
    std::deque<XA_Message> commands;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      // The ring holds 0.4 s: waking every 20 ms while playing keeps it full and the
      // positions flowing; a paused or idle player only waits for commands.
      const auto idle = std::chrono::milliseconds(state_ == XA_STATE_PLAYING ? 20 : 100);
      if (!busy && queue_.empty() && !quit_) wake_.wait_for(lock, idle);
      if (quit_) break;
      commands.swap(queue_);
    }
    for (const XA_Message& m : commands) Handle(m);
    busy = FillRing();
    if (wavMode_ && state_ == XA_STATE_PLAYING) busy = RenderWav() || busy;
    Report(false);
  }
}

void XA_Player::Handle(const XA_Message& m) {
  int error = XA_SUCCESS;
  switch (m.code) {
    case XA_MSG_COMMAND_PLAY: error = Play(); break;
    case XA_MSG_COMMAND_PAUSE: error = Pause(); break;
    case XA_MSG_COMMAND_STOP: error = Stop(); break;
    case XA_MSG_COMMAND_SEEK: error = Seek(m.a, m.b); break;
    case XA_MSG_COMMAND_INPUT_OPEN: error = OpenInput(m.text); break;
    case XA_MSG_COMMAND_INPUT_CLOSE: CloseInput(); break;
    case XA_MSG_COMMAND_INPUT_MODULES_LIST:
      Post(XA_MSG_NOTIFY_INPUT_MODULE_INFO, 0, 0, 0, 0, QStringLiteral("MPEG audio file input (libmpg123)"));
      break;
    case XA_MSG_COMMAND_OUTPUT_MODULES_LIST:
      Post(XA_MSG_NOTIFY_OUTPUT_MODULE_INFO, 0, 0, 0, 0, QStringLiteral("PortAudio sound output"));
      Post(XA_MSG_NOTIFY_OUTPUT_MODULE_INFO, 0, 0, 0, 0, QStringLiteral("Null output (real-time, silent)"));
      Post(XA_MSG_NOTIFY_OUTPUT_MODULE_INFO, 0, 0, 0, 0, QStringLiteral("WAV file writer (wav:)"));
      break;
    case XA_MSG_COMMAND_OUTPUT_OPEN: error = SetOutput(m.text); break;
    case XA_MSG_COMMAND_OUTPUT_CLOSE: error = CloseOutput(); break;
    case XA_MSG_COMMAND_OUTPUT_RESET:
      // Drops what is buffered; playing resumes from what was last heard.
      if (decoder_.IsOpen()) error = Rewind(HeardFrames());
      break;
    case XA_MSG_COMMAND_OUTPUT_MODULE_REGISTER:
    case XA_MSG_COMMAND_SET_PLAYER_MODE:
    case XA_MSG_SET_OUTPUT_FEEDBACK: break;  // one built-in output set; nothing to change
    case XA_MSG_SET_OUTPUT_PROPERTY: error = SetProperty(m.text, m.a); break;
    case XA_MSG_SET_POSITION_RANGE:
      if (m.a <= 0) error = XA_ERROR_INVALID_PARAMETERS;
      else range_ = m.a;
      break;
    case XA_MSG_SET_OUTPUT_NAME: error = SetOutput(m.text); break;
    case XA_MSG_SET_OUTPUT_VOLUME: error = SetLevels(m.a, m.b, m.c); break;
    case XA_MSG_GET_OUTPUT_VOLUME: Post(XA_MSG_NOTIFY_OUTPUT_VOLUME, masterLevel_, deckLevel_, balance_); break;
    case XA_MSG_SET_CODEC_EQUALIZER: {
      decoder_.SetEqualizer(m.eq);
      XA_Message echo;
      echo.code = XA_MSG_NOTIFY_CODEC_EQUALIZER;
      echo.eq = m.eq;
      relay_.Post(this, echo);
      break;
    }
    default: error = XA_ERROR_NOT_SUPPORTED; break;
  }
  if (error == XA_SUCCESS) Post(XA_MSG_NOTIFY_ACK, m.code);
  else Post(XA_MSG_NOTIFY_NACK, m.code, error);
}

int XA_Player::OpenInput(const QString& path) {
  if (path.isEmpty()) return XA_ERROR_INVALID_PARAMETERS;
  const bool hadInput = decoder_.IsOpen();
  const int previousState = state_;
  voice_.playing.store(false);
  wav_.Finish();
  const int error = decoder_.Open(path);  // closes the previous input in any case
  PublishFlush(0);
  decodeEnded_ = false;
  voice_.inputEnded.store(false);
  state_ = XA_STATE_STOPPED;
  if (error != XA_SUCCESS) {
    if (hadInput) Post(XA_MSG_NOTIFY_INPUT_STATE, 1);
    if (previousState != XA_STATE_STOPPED) PostState(XA_STATE_STOPPED);
    return error;
  }
  voice_.sourceRate.store(decoder_.Rate());
  const Mp3StreamInfo& info = decoder_.Info();
  Post(XA_MSG_NOTIFY_INPUT_STATE, 0);
  Post(XA_MSG_NOTIFY_INPUT_NAME, 0, 0, 0, 0, path);
  Post(XA_MSG_NOTIFY_INPUT_DURATION, int(decoder_.LengthFrames() / decoder_.Rate()));
  Post(XA_MSG_NOTIFY_INPUT_STREAM_INFO, info.version, info.layer, info.kbps, info.rate);
  PostState(XA_STATE_STOPPED);
  lastSecond_ = -1;
  PostPosition();
  return XA_SUCCESS;
}

void XA_Player::CloseInput() {
  if (!decoder_.IsOpen()) return;
  voice_.playing.store(false);
  decoder_.Close();
  PublishFlush(0);
  decodeEnded_ = false;
  voice_.inputEnded.store(false);
  wav_.Finish();
  Post(XA_MSG_NOTIFY_INPUT_STATE, 1);
  if (state_ != XA_STATE_STOPPED) PostState(XA_STATE_STOPPED);
}

int XA_Player::Play() {
  if (!decoder_.IsOpen()) return XA_ERROR_NO_INPUT;
  if (state_ == XA_STATE_EOF && HeardFrames() >= decoder_.LengthFrames()) Rewind(0);
  if (wavMode_ && !wav_.IsOpen() && !wav_.Open(wavPath_, decoder_.Rate())) return XA_ERROR_OUTPUT_FAILED;
  if (!outputOpen_) {
    outputOpen_ = true;
    Post(XA_MSG_NOTIFY_OUTPUT_STATE, 0);
  }
  voice_.playing.store(true, std::memory_order_release);
  PostState(XA_STATE_PLAYING);
  return XA_SUCCESS;
}

int XA_Player::Pause() {
  if (!decoder_.IsOpen()) return XA_ERROR_NO_INPUT;
  voice_.playing.store(false);
  PostState(XA_STATE_PAUSED);
  PostPosition();
  return XA_SUCCESS;
}

int XA_Player::Stop() {
  voice_.playing.store(false);
  if (!decoder_.IsOpen()) return XA_SUCCESS;  // nothing to stop
  Rewind(0);
  PostState(XA_STATE_STOPPED);
  PostPosition();
  return XA_SUCCESS;
}

int XA_Player::Seek(int offset, int range) {
  if (!decoder_.IsOpen()) return XA_ERROR_NO_INPUT;
  if (range <= 0 || offset < 0) return XA_ERROR_INVALID_PARAMETERS;
  // Past the end lands at the end: a playing clip then ends at once.
  const int64_t length = decoder_.LengthFrames();
  const int64_t frame = std::min<int64_t>(length, int64_t(offset) * length / range);
  const int error = Rewind(frame);
  if (error == XA_SUCCESS) PostPosition();
  return error;
}

int XA_Player::Rewind(int64_t frame) {
  const int error = decoder_.Seek(frame);
  if (error != XA_SUCCESS) return error;
  voice_.inputEnded.store(false);
  PublishFlush(std::min(frame, decoder_.LengthFrames()));
  decodeEnded_ = decoder_.AtEnd();
  if (decodeEnded_) voice_.inputEnded.store(true, std::memory_order_release);
  lastSecond_ = -1;
  return XA_SUCCESS;
}

void XA_Player::PublishFlush(int64_t base) { expectedGen_ = voice_.PublishFlush(base); }

bool XA_Player::FillRing() {
  if (!decoder_.IsOpen() || decodeEnded_) return false;
  const int limit = std::min(voice_.ring.Capacity(), int(decoder_.Rate() * kRingSeconds));
  const int free = voice_.ring.Writable() - (voice_.ring.Capacity() - limit);
  if (free < kChunkFrames) return false;
  const int got = decoder_.Read(buffer_.data(), kChunkFrames);
  voice_.ring.Write(buffer_.data(), got);
  if (decoder_.AtEnd()) {
    decodeEnded_ = true;
    voice_.inputEnded.store(true, std::memory_order_release);
  }
  return true;
}

int64_t XA_Player::HeardFrames() const {
  if (voice_.ackGen.load(std::memory_order_acquire) != expectedGen_)
    return voice_.flushBase.load(std::memory_order_acquire);
  int64_t played = voice_.playedFrames.load(std::memory_order_acquire);
  if (!wavMode_) {
    // What left the mixer is heard only after the device's own latency.
    const double latency = OutputRouter::Instance().RouteLatency(voice_.route.load());
    played -= std::llround(latency * decoder_.Rate() * voice_.pitch.load() / 1000.0);
  }
  return std::clamp<int64_t>(played, 0, decoder_.LengthFrames());
}

void XA_Player::Report(bool force) {
  if (!decoder_.IsOpen() || state_ != XA_STATE_PLAYING) return;
  const bool flushed = voice_.ackGen.load(std::memory_order_acquire) == expectedGen_;
  if (flushed && voice_.drained.load(std::memory_order_acquire)) {
    voice_.playing.store(false);
    wav_.Finish();
    Post(XA_MSG_NOTIFY_INPUT_POSITION, range_, range_);
    PostState(XA_STATE_EOF);
    return;
  }
  const auto now = Clock::now();
  if (!force && now - lastReport_ < kReportEvery) return;
  lastReport_ = now;
  PostPosition();
}

void XA_Player::PostState(int state) {
  state_ = state;
  Post(XA_MSG_NOTIFY_PLAYER_STATE, state);
}

void XA_Player::PostPosition() {
  if (!decoder_.IsOpen()) return;
  const int64_t heard = HeardFrames();
  const int64_t length = std::max<int64_t>(1, decoder_.LengthFrames());
  Post(XA_MSG_NOTIFY_INPUT_POSITION, int(heard * range_ / length), range_);
  const int second = int(heard / decoder_.Rate());
  if (second != lastSecond_) {
    lastSecond_ = second;
    Post(XA_MSG_NOTIFY_INPUT_TIMECODE, second / 3600, second / 60 % 60, second % 60);
  }
}

void XA_Player::Post(int code, int a, int b, int c, int d, const QString& text) {
  relay_.Post(this, XaMessage(code, a, b, c, d, text));
}
