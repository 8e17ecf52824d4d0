// One engine player: a decode thread that owns the MP3 input, carries out the commands in
// order, keeps the voice's ring filled (also while paused) and posts the notifications.
// Constructor, Send and destructor run on the GUI thread; everything else on the decode
// thread.
#pragma once

#include "audio/Mp3Decoder.h"
#include "audio/NotifyRelay.h"
#include "audio/Voice.h"
#include "audio/WavWriter.h"
#include "audio/xaudio.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

struct XA_Player {
 public:
  explicit XA_Player(QObject* receiver);
  ~XA_Player();
  XA_Player(const XA_Player&) = delete;
  XA_Player& operator=(const XA_Player&) = delete;

  bool Start();  // registers the voice and starts the decode thread
  void Send(const XA_Message& message);
  Voice& GetVoice() { return voice_; }

 private:
  using Clock = std::chrono::steady_clock;
  void Run();
  void Handle(const XA_Message& m);
  int OpenInput(const QString& path);
  void CloseInput();
  int Play();
  int Pause();
  int Stop();
  int Seek(int offset, int range);
  int SetOutput(const QString& name);
  int CloseOutput();
  int SetProperty(const QString& name, int value);
  int SetLevels(int balance, int deck, int master);
  int Rewind(int64_t frame);
  void PublishFlush(int64_t base);
  bool FillRing();
  bool RenderWav();
  void Report(bool force);
  int64_t HeardFrames() const;
  void PostState(int state);
  void PostPosition();
  void Post(int code, int a = 0, int b = 0, int c = 0, int d = 0, const QString& text = QString());

  std::unique_ptr<Voice> voicePtr_;  // handed to the engine on deletion
  Voice& voice_;
  NotifyRelay relay_;
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<XA_Message> queue_;
  bool quit_ = false;
  bool registered_ = false;

  // Decode-thread state.
  Mp3Decoder decoder_;
  WavWriter wav_;
  std::vector<float> buffer_;
  QString wavPath_;
  bool wavMode_ = false;
  bool outputOpen_ = false;
  bool decodeEnded_ = false;
  int state_ = XA_STATE_STOPPED;
  int range_ = 400;
  int balance_ = 50, deckLevel_ = 100, masterLevel_ = 100;
  uint32_t expectedGen_ = 0;
  int lastSecond_ = -1;
  Clock::time_point lastReport_{};
};
