// Engine timings against plain mpg123 on the same file, in the same run:
//  - CPU per second of audio for one deck (decode + mix into a WAV sink), as a ratio to
//    `mpg123 -q -w /dev/null`;
//  - two decks with equaliser and pitch 1050 playing in real time on the null output,
//    as a share of one core;
//  - delay from a play command to the first sound leaving the null output;
//  - how far the reported position trails the output.
#include "AudioHarness.h"
#include "BenchInput.h"

#include "audio/OutputRouter.h"
#include "audio/NullOutput.h"
#include "audio/XaPlayer.h"
#include "audio/xaudio.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

void Idle(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// A shaped equaliser: the low bands up, the rest down.
std::array<int8_t, 64> BenchEq() {
  std::array<int8_t, 64> eq{};
  for (int i = 0; i < 64; ++i) eq[size_t(i)] = int8_t((i % 32) < 4 ? 40 : -30);
  return eq;
}

// The null output's tap: when sound first left it, and how much has left since.
std::atomic<int64_t> firstSoundNs{0};
std::atomic<int64_t> soundFrames{0};
void Tap(void*, const float* frames, int count) {
  if (firstSoundNs.load(std::memory_order_relaxed) == 0) {
    bool sound = false;
    for (int i = 0; i < count * 2 && !sound; ++i) sound = frames[i] != 0.0f;
    if (!sound) return;
    firstSoundNs.store(Clock::now().time_since_epoch().count());
  }
  soundFrames.fetch_add(count);
}

double OneDeckCpu(const QString& mp3, int pitch, bool eq) {
  TestPlayer d;
  d.SendText(XA_MSG_COMMAND_OUTPUT_OPEN, "wav:/dev/null");
  d.SendText(XA_MSG_COMMAND_INPUT_OPEN, mp3);
  d.SendText(XA_MSG_SET_OUTPUT_PROPERTY, "OUTPUT.DIRECTSOUND.PITCH", pitch);
  if (eq) d.SendEq(BenchEq());
  WaitUntil([&] { return d.State() == XA_STATE_STOPPED; }, 10000);
  const double start = ProcessCpuSeconds();
  d.Send(XA_MSG_COMMAND_PLAY);
  WaitUntil([&] { return d.State() == XA_STATE_EOF; }, 120000);
  return ProcessCpuSeconds() - start;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("KORVO_AUDIO", "null");
  QCoreApplication app(argc, argv);
  QTemporaryDir dir;
  const int seconds = 60;
  const QString mp3 = MakeBenchMp3(dir.path(), seconds);
  if (mp3.isEmpty()) {
    std::fprintf(stderr, "bench: sox or lame failed\n");
    return 1;
  }
  XA_Analyzer* analyzer = nullptr;
  XA_AnalyzerInfo info;
  xanalyzer_new(&analyzer);
  xanalyzer_process_file(analyzer, QFile::encodeName(mp3).constData(), &info, 0);
  xanalyzer_delete(analyzer);
  const double audioSeconds = info.duration / 1000.0;

  // 1. CPU per second of audio against plain mpg123.
  std::vector<double> ref, plain, varispeed;
  for (int i = 0; i < 3; ++i) {
    ref.push_back(ChildCpuSeconds("mpg123", {"-q", "-w", "/dev/null", mp3}));
    plain.push_back(OneDeckCpu(mp3, 1000, false));
    varispeed.push_back(OneDeckCpu(mp3, 1050, true));
  }
  const double refPerSec = Median(ref) / audioSeconds;
  std::printf("clip: %.1f s, 44.1 kHz stereo 192 kbit/s\n", audioSeconds);
  std::printf("mpg123 -q -w /dev/null: %.3f ms CPU per audio second\n", refPerSec * 1000);
  std::printf("one deck, pitch 1000:          %.3f ms per audio second, ratio %.2f (target <= 1.5)\n",
              Median(plain) / audioSeconds * 1000, Median(plain) / audioSeconds / refPerSec);
  std::printf("one deck, pitch 1050 + eq:     %.3f ms per audio second, ratio %.2f\n",
              Median(varispeed) / audioSeconds * 1000, Median(varispeed) / audioSeconds / refPerSec);

  // 2. Two decks in real time on the null output, equaliser and pitch 1050.
  {
    TestPlayer a, b;
    for (TestPlayer* d : {&a, &b}) {
      d->SendText(XA_MSG_COMMAND_INPUT_OPEN, mp3);
      d->SendText(XA_MSG_SET_OUTPUT_PROPERTY, "OUTPUT.DIRECTSOUND.PITCH", 1050);
      d->SendEq(BenchEq());
      d->Send(XA_MSG_COMMAND_PLAY);
    }
    auto shareOfCore = [] {
      Idle(500);
      const double start = ProcessCpuSeconds();
      QElapsedTimer wall;
      wall.start();
      Idle(8000);
      return (ProcessCpuSeconds() - start) / (wall.elapsed() / 1000.0);
    };
    const double playing = shareOfCore();
    for (TestPlayer* d : {&a, &b}) d->Send(XA_MSG_COMMAND_PAUSE);
    const double paused = shareOfCore();
    const unsigned underruns = a.player->GetVoice().underruns.load() + b.player->GetVoice().underruns.load();
    std::printf("two decks, pitch 1050 + eq, real time: %.2f %% of one core (target < 2 %%); "
                "same two decks paused: %.2f %%; underruns: %u\n", playing * 100, paused * 100, underruns);
  }

  // 3. Play to first sound, and 4. position lag, on the null output.
  NullOutput* out = OutputRouter::Instance().NullOutputFor(0);
  if (!out) return 1;
  out->SetTap(&Tap, nullptr);
  TestPlayer d;
  const int range = int(info.duration);  // position units of 1 ms
  d.SendText(XA_MSG_COMMAND_INPUT_OPEN, mp3);
  d.Send(XA_MSG_SET_POSITION_RANGE, range);
  std::vector<double> delays;
  for (int i = 0; i < 15; ++i) {
    d.Send(XA_MSG_COMMAND_SEEK, (i * 1000) % range, range);
    Idle(300);  // the ring refills while paused
    firstSoundNs = 0;
    const int64_t sent = Clock::now().time_since_epoch().count();
    d.Send(XA_MSG_COMMAND_PLAY);
    WaitUntil([] { return firstSoundNs.load() != 0; }, 2000);
    delays.push_back((firstSoundNs.load() - sent) / 1e6);
    d.Send(XA_MSG_COMMAND_PAUSE);
    Idle(50);
  }
  std::printf("play to first sound: median %.1f ms, max %.1f ms (target < 40 ms)\n", Median(delays),
              *std::max_element(delays.begin(), delays.end()));

  d.Send(XA_MSG_COMMAND_STOP);
  Idle(300);
  std::vector<double> lags;
  bool playing = false;
  int64_t playStartMs = 0;
  d.log.onMessage = [&](const XA_Message& m) {
    if (m.code == XA_MSG_NOTIFY_PLAYER_STATE && m.a == XA_STATE_PLAYING) playing = true;
    if (!playing || m.code != XA_MSG_NOTIFY_INPUT_POSITION || firstSoundNs.load() == 0 || m.a == 0) return;
    const double outputMs = soundFrames.load() * 1000.0 / out->Rate() + playStartMs;
    lags.push_back(outputMs - m.a * double(info.duration) / range);
  };
  firstSoundNs = 0;
  soundFrames = 0;
  d.Send(XA_MSG_COMMAND_PLAY);
  Idle(5000);
  d.log.onMessage = nullptr;
  std::printf("position trails output: median %.1f ms, max %.1f ms over %zu reports (target < 40 ms)\n",
              Median(lags), lags.empty() ? 0.0 : *std::max_element(lags.begin(), lags.end()), lags.size());
  out->SetTap(nullptr, nullptr);
  return 0;
}
