// Drives a real engine player from a test: collects its notifications, waits for them
// with generous limits, and reads back the WAV files it writes.
#pragma once

#include "audio/xaudio.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

QString Fixture(const char* name);

class NotificationLog : public QObject {
 public:
  bool event(QEvent* e) override;
  std::vector<XA_Message> messages;
  // Also told of each message as it arrives (timings in the benchmarks).
  std::function<void(const XA_Message&)> onMessage;
  XA_Player* player = nullptr;
  int Count(int code) const;
  const XA_Message* Last(int code) const;
  // Index of the first message with code (and state a, when given) from start on; -1.
  int Find(int code, int from = 0, int a = -1) const;
};

// Processes events until done() or the limit; returns done().
bool WaitUntil(const std::function<bool()>& done, int limitMs = 15000);

class TestPlayer {
 public:
  TestPlayer();
  ~TestPlayer();
  void Send(int code, int a = 0, int b = 0, int c = 0);
  void SendText(int code, const QString& text, int a = 0);
  void SendEq(const std::array<int8_t, 64>& eq);
  bool WaitFor(int code, int a = -1, int limitMs = 15000);
  // The last state the player reported, -1 before any.
  int State() const;
  XA_Player* player = nullptr;
  NotificationLog log;
};

struct WavData {
  int rate = 0;
  std::vector<float> left;  // the left channel, -1..1
  std::vector<float> right;
  double Seconds() const { return rate ? double(left.size()) / rate : 0; }
};
bool ReadWav(const QString& path, WavData* wav);

// Renders path into a WAV file through the engine; setup sends extra commands after the
// open. Returns false when the clip did not reach its end.
bool RenderToWav(const QString& mp3, const QString& wavPath, const std::function<void(TestPlayer&)>& setup,
                 WavData* wav);

// Signal measurements.
double FrequencyByZeroCrossings(const std::vector<float>& x, int rate);
double RmsDb(const std::vector<float>& x, size_t from, size_t to);
// Level of one frequency (Goertzel), dB relative to a full-scale sine.
double ToneDb(const std::vector<float>& x, int rate, double hz, size_t from, size_t to);
