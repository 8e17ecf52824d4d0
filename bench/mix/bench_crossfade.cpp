// Crossfade timings on the real decks (the decoder engine on the real-time null output, the
// deck panels drawn offscreen), against baselines run in the same process:
//  - the spacing of the crossfade ticks at a 10 ms period (median, 99th percentile, as a
//    ratio to the period), next to a bare precise QTimer of the same period running while
//    the same decks play, so the figures show what the mix adds to the platform's jitter;
//  - the process's CPU share while crossfading, next to the same decks playing the same
//    wall time with the bare timer and with no timer at all.
// Each round crossfades once (the direction alternates) and then replays the decks' own
// activity of that crossfade for the baselines, so load from elsewhere hits all alike.
// With --hidden the window is never shown, which leaves out the drawing of the faders.
#include "BenchInput.h"

#include "bench/support/SilentDialogs.h"
#include "deck/ui/CentrePanel.h"
#include "deck/ui/CheckOnLoadButton.h"
#include "deck/ui/DeckPanel.h"
#include "deck/ui/DeckPanels.h"
#include "audio/DecoderEngine.h"
#include "deck/Decks.h"
#include "mix/MixEngine.h"
#include "mix/MixPorts.h"
#include "mix/MixSettings.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/PlayLog.h"
#include "platform/SystemServices.h"
#include "platform/TimerIds.h"
#include "platform/TimerTable.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kPeriodMs = 10;
constexpr int kRounds = 20;
constexpr int kClipSeconds = 150;  // well past what either deck plays in the run
constexpr int kCrossfadeLimitMs = 10000;
constexpr int kSettleMs = 300;  // lets the engine's state reports arrive between segments

int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void Idle(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

// Waits in the event loop, looking every 20 ms (only used outside the measured segments).
bool WaitFor(const std::function<bool()>& done, int limitMs) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < limitMs) Idle(20);
  return done();
}

double Percentile(std::vector<double> v, double q) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const auto rank = size_t(std::ceil(q * double(v.size())));
  return v[std::clamp<size_t>(rank, 1, v.size()) - 1];
}

void AddSpacings(const std::vector<int64_t>& stamps, std::vector<double>& spacingsMs) {
  for (size_t i = 1; i < stamps.size(); ++i) spacingsMs.push_back(double(stamps[i] - stamps[i - 1]) / 1e6);
}

const char* StateName(PlayerState s) {
  switch (s) {
    case PlayerState::Playing: return "playing";
    case PlayerState::AtEnd: return "at end";
    case PlayerState::Stopped: return "stopped";
    case PlayerState::Paused: return "paused";
    case PlayerState::None: return "none";
  }
  return "?";
}

// A list with one item that is always current; LOAD NEXT stays off, so nothing is loaded.
class OneItemList final : public MixList {
 public:
  int Count() const override { return 1; }
  int CurrentIndex() override { return 0; }
  void MarkHot(int) override {}
  void LoadNextIntoPlayer() override {}
};

// The mixing controls as a slow style: the incoming fader speeds up by 1 a tick, the
// outgoing one moves 1 a tick, so a crossfade takes about 100 ticks.
class SlowStyleControls final : public MixControls {
 public:
  SlowStyleControls(MixSettings& settings, QLabel& status) : settings_(settings), status_(status) {}
  void CaptureMixSettings() override {
    settings_.skipSecOffset = 4;
    settings_.waitVolume = 0;
    settings_.waitVolumeValue = 0;
    settings_.inSpeedStep = 1;
    settings_.outSpeedStep = 0;
    settings_.mixTimerInterval = kPeriodMs;
    settings_.inSpeed = 1;
    settings_.outSpeed = 1;
  }
  void SetStatus(const QString& text) override { status_.setText(text); }
  void ShowMixNextPicture(bool) override {}
  void SetBusyCursor(bool) override {}

 private:
  MixSettings& settings_;
  QLabel& status_;
};

struct Share {
  double cpu = 0;
  double wall = 0;
  void Add(double c, double w) {
    cpu += c;
    wall += w;
  }
  double Percent() const { return wall > 0 ? cpu / wall * 100 : 0; }
};

void PrintSpacing(const char* what, const std::vector<double>& ms) {
  const double median = Percentile(ms, 0.5);
  const double p99 = Percentile(ms, 0.99);
  const double max = ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end());
  double sum = 0;
  for (double v : ms) sum += v;
  std::printf("%-34s %5zu spacings: median %6.3f ms (%.3f x period), p99 %6.3f ms (%.3f x period), "
              "max %6.2f ms, mean %6.3f ms\n",
              what, ms.size(), median, median / kPeriodMs, p99, p99 / kPeriodMs, max,
              ms.empty() ? 0.0 : sum / double(ms.size()));
}

// The offscreen platform warns on every layout change of a shown window; nothing else is
// dropped.
QtMessageHandler defaultHandler = nullptr;
void QuietSizeHints(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.contains(QLatin1String("propagateSizeHints"))) return;
  if (defaultHandler) {
    defaultHandler(type, context, text);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(text));
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("KORVO_AUDIO", "null");
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  defaultHandler = qInstallMessageHandler(QuietSizeHints);
  QApplication app(argc, argv);
  const bool hidden = app.arguments().contains(QStringLiteral("--hidden"));

  QTemporaryDir dir;
  const QString clipA = MakeBenchMp3(dir.path(), kClipSeconds);
  const QString clipB = dir.path() + "/bench-b.mp3";
  if (clipA.isEmpty() || !QFile::copy(clipA, clipB)) {
    std::fprintf(stderr, "bench: sox or lame failed\n");
    return 1;
  }

  QWidget window;
  QLabel* status = nullptr;
  TimerTable timers;
  SystemClock clock;
  PlayLog log(clock, dir.path());  // disabled: nothing is written
  SilentDialogs dialogs;
  XaudioEngine engine;
  FakeSystemServices system;
  auto decks = std::make_unique<Decks>(engine, dialogs, log, timers);
  auto panels = std::make_unique<DeckPanels>(*decks, &window);
  {
    auto* row = new QHBoxLayout(&window);
    row->addWidget(panels->Deck(1));
    row->addWidget(panels->Centre());
    row->addWidget(panels->Deck(2));
    row->addWidget(panels->CheckOnLoad());
    status = new QLabel(&window);
    row->addWidget(status);
  }
  if (!hidden) window.show();  // the faders' labels and sliders repaint as they would on air

  OneItemList list;
  MixSettings settings;
  SlowStyleControls controls(settings, *status);
  MixEngine mix(*decks, list, controls, timers, settings, system);

  // The stamp is taken before the engine handles the tick, as the window's handler would
  // see it.
  std::vector<int64_t>* tickStamps = nullptr;
  int64_t firstPauseNs = 0;
  QEventLoop* crossfadeLoop = nullptr;
  QObject::connect(&timers, &TimerTable::Timeout, [&](int id) {
    if (id != timerid::kCrossfade) return;
    if (tickStamps) tickStamps->push_back(NowNs());
    // Noted so the baselines can replay the same deck activity: the mix pauses the
    // outgoing deck on the first tick that finds its fader past 80.
    if (firstPauseNs == 0 && mix.Mixing()) {
      const int outgoing = mix.Direction() == MixDirection::Player1In ? 2 : 1;
      if (decks->Fader(outgoing) > 80) firstPauseNs = NowNs();
    }
  });
  QObject::connect(&timers, &TimerTable::Timeout, [&](int id) {
    mix.OnTimer(id);
    if (id == timerid::kCrossfade && !mix.Mixing() && crossfadeLoop) crossfadeLoop->quit();
  });

  decks->LoadClip(1, QStringLiteral("Bench A"), clipA);
  decks->LoadClip(2, QStringLiteral("Bench B"), clipB);
  const bool loaded = WaitFor(
      [&] {
        return decks->State(1) == PlayerState::Paused && decks->State(2) == PlayerState::Paused &&
               decks->LengthFrames(1) > 0 && decks->LengthFrames(2) > 0;
      },
      10000);
  if (!loaded) {
    std::fprintf(stderr, "bench: the clips did not load (deck 1 %s, deck 2 %s)\n", StateName(decks->State(1)),
                 StateName(decks->State(2)));
    return 1;
  }
  decks->SetFader(1, 0, true);
  decks->PlayPause(1);
  if (!WaitFor([&] { return decks->State(1) == PlayerState::Playing; }, 5000)) {
    std::fprintf(stderr, "bench: deck 1 did not start\n");
    return 1;
  }
  Idle(1000);

  std::vector<double> mixSpacings, bareSpacings;
  std::vector<int> ticksPerCrossfade;
  std::vector<double> crossfadeMs;
  Share mixing, bare, quiet;
  int faults = 0;

  for (int round = 0; round < kRounds; ++round) {
    const int out = decks->State(1) == PlayerState::Playing ? 1 : 2;
    const int in = 3 - out;
    if (decks->State(out) != PlayerState::Playing || decks->State(in) != PlayerState::Paused) {
      std::printf("FAULT round %d: before the crossfade deck %d is %s and deck %d is %s (want playing / paused)\n",
                  round + 1, out, StateName(decks->State(out)), in, StateName(decks->State(in)));
      ++faults;
      break;
    }

    // The crossfade.
    std::vector<int64_t> stamps;
    tickStamps = &stamps;
    firstPauseNs = 0;
    QEventLoop loop;
    crossfadeLoop = &loop;
    QTimer::singleShot(kCrossfadeLimitMs, &loop, &QEventLoop::quit);
    const int64_t t0 = NowNs();
    const double c0 = ProcessCpuSeconds();
    mix.StartMix();
    if (mix.Mixing()) loop.exec();
    const double c1 = ProcessCpuSeconds();
    const int64_t t1 = NowNs();
    crossfadeLoop = nullptr;
    tickStamps = nullptr;
    if (mix.Mixing() || mix.Direction() != MixDirection::None) {
      std::printf("FAULT round %d: crossfade deck %d -> deck %d did not complete in %d ms (%zu ticks, faders %d / %d)\n",
                  round + 1, out, in, kCrossfadeLimitMs, stamps.size(), decks->Fader(out), decks->Fader(in));
      ++faults;
      timers.Stop(timerid::kCrossfade);
      break;
    }
    if (decks->Fader(in) != 0 || decks->Fader(out) != 100 || firstPauseNs == 0) {
      std::printf("FAULT round %d: crossfade ended with faders in %d / out %d, outgoing deck %s\n", round + 1,
                  decks->Fader(in), decks->Fader(out), firstPauseNs ? "paused" : "never paused");
      ++faults;
    }
    const int64_t wallNs = t1 - t0;
    const int64_t pauseAfterNs = firstPauseNs ? firstPauseNs - t0 : wallNs;
    mixing.Add(c1 - c0, double(wallNs) / 1e9);
    AddSpacings(stamps, mixSpacings);
    ticksPerCrossfade.push_back(int(stamps.size()));
    crossfadeMs.push_back(double(wallNs) / 1e6);
    Idle(kSettleMs);

    // The same deck activity without the mix: the outgoing deck plays again until the
    // moment the mix paused it, the incoming one goes on playing; once with the bare
    // timer, once with nothing.
    for (const bool withTimer : {true, false}) {
      std::vector<int64_t> bareStamps;
      QTimer timer;
      timer.setTimerType(Qt::PreciseTimer);
      QObject::connect(&timer, &QTimer::timeout, [&] { bareStamps.push_back(NowNs()); });
      QEventLoop segment;
      QTimer::singleShot(int(pauseAfterNs / 1000000), Qt::PreciseTimer, &segment,
                         [&] { decks->Send(out, XA_MSG_COMMAND_PAUSE); });
      QTimer::singleShot(int(wallNs / 1000000), Qt::PreciseTimer, &segment, &QEventLoop::quit);
      const int64_t s0 = NowNs();
      const double sc0 = ProcessCpuSeconds();
      decks->Send(out, XA_MSG_COMMAND_PLAY);
      if (withTimer) timer.start(kPeriodMs);
      segment.exec();
      timer.stop();
      const double sc1 = ProcessCpuSeconds();
      const int64_t s1 = NowNs();
      (withTimer ? bare : quiet).Add(sc1 - sc0, double(s1 - s0) / 1e9);
      AddSpacings(bareStamps, bareSpacings);
      Idle(kSettleMs);
    }
  }
  timers.StopAll();

  if (ticksPerCrossfade.empty()) {
    std::printf("no crossfade completed\n");
    return 1;
  }
  const auto [fewest, most] = std::minmax_element(ticksPerCrossfade.begin(), ticksPerCrossfade.end());
  int ticks = 0;
  for (int n : ticksPerCrossfade) ticks += n;
  std::printf("crossfades: %zu (alternating decks), %d-%d ticks each, median %.0f ms; period %d ms; window %s\n",
              ticksPerCrossfade.size(), *fewest, *most, Percentile(crossfadeMs, 0.5), kPeriodMs,
              hidden ? "hidden" : "shown (offscreen)");
  PrintSpacing("crossfade tick (timer 2):", mixSpacings);
  PrintSpacing("bare QTimer, same decks playing:", bareSpacings);
  const double bareMedian = Percentile(bareSpacings, 0.5);
  const double bareP99 = Percentile(bareSpacings, 0.99);
  std::printf("crossfade tick / bare timer: median %.3f, p99 %.3f\n",
              bareMedian > 0 ? Percentile(mixSpacings, 0.5) / bareMedian : 0.0,
              bareP99 > 0 ? Percentile(mixSpacings, 0.99) / bareP99 : 0.0);
  std::printf("CPU share of one core over %.1f s each: crossfading %.2f %%, same decks + bare timer %.2f %%, "
              "same decks alone %.2f %%\n",
              mixing.wall, mixing.Percent(), bare.Percent(), quiet.Percent());
  std::printf("crossfade's own cost: %+.2f points over the decks alone (%+.2f over the bare timer), "
              "%.0f us CPU a tick\n",
              mixing.Percent() - quiet.Percent(), mixing.Percent() - bare.Percent(),
              ticks > 0 ? (mixing.cpu - quiet.cpu * mixing.wall / quiet.wall) / ticks * 1e6 : 0.0);
  if (faults) std::printf("FAULTS: %d (see above)\n", faults);
  return faults ? 1 : 0;
}
