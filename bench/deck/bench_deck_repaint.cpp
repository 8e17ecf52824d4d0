// What the deck panels cost to keep current: two decks fed position reports 100 times a
// second, once just playing and once crossfading (both faders and the crossfade bars moving
// every tick), with the panels shown on the offscreen platform. Prints the process's CPU
// time per second of wall time and per tick for each, and the same decks with the window
// never shown as the baseline of what the deck logic itself costs.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

#include "bench/support/SilentDialogs.h"
#include "deck/Decks.h"
#include "audio/DecoderEngine.h"
#include "deck/ui/CentrePanel.h"
#include "deck/ui/DeckPanel.h"
#include "deck/ui/DeckPanels.h"
#include "platform/Clock.h"
#include "platform/PlayLog.h"
#include "platform/TimerTable.h"

namespace {

constexpr int kTickMs = 10;
constexpr int kSeconds = 4;
constexpr int kClipFrames = 25 * 300;

// An engine that only hands out players and delivers the notifications the bench makes.
class BenchEngine final : public DecoderEngine {
 public:
  int ApiVersion() override { return (3 << 16) | (2 << 8); }
  int PlayerNew(XA_Player** player, QObject* receiver) override {
    receivers_[count_] = receiver;
    *player = reinterpret_cast<XA_Player*>(&receivers_[count_++]);
    return 0;
  }
  void PlayerDelete(XA_Player*) override {}
  int PlayerSetPriority(XA_Player*, int) override { return 0; }
  int Send(XA_Player*, const XA_Message&) override { return 0; }
  using DecoderEngine::Send;
  int ParamsToMessage(XA_Player* player, XA_Message* message, const QEvent* event) override {
    auto* notify = static_cast<const XaNotifyEvent*>(event);
    if (notify->player != player) return -1;
    *message = notify->message;
    return 0;
  }
  QString ErrorString(int) override { return {}; }
  int Analyze(const QString&, XA_AnalyzerInfo*) const override { return -1; }
  QList<XaOutputDevice> OutputDevices() override { return {}; }
  void SetOutputDevices(int, int) override {}
  void SetMasterVolume(int) override {}
  int MasterVolume() override { return 65535; }

  void Notify(int deck, int code, int a = 0, int b = 0) {
    XA_Player* player = reinterpret_cast<XA_Player*>(&receivers_[deck - 1]);
    XaNotifyEvent event(player, XaMessage(code, a, b));
    QCoreApplication::sendEvent(receivers_[deck - 1], &event);
  }

 private:
  QObject* receivers_[2] = {};
  int count_ = 0;
};

double CpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

struct Figures {
  double cpuPercent;
  double usPerTick;
};

// Runs the ticks for kSeconds and returns the CPU share and the CPU time per tick.
template <typename Tick>
Figures Run(Tick tick) {
  QEventLoop loop;
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  timer.setInterval(kTickMs);
  int ticks = 0;
  QObject::connect(&timer, &QTimer::timeout, [&] { tick(ticks++); });
  QTimer::singleShot(kSeconds * 1000, &loop, &QEventLoop::quit);
  QElapsedTimer wall;
  const double cpu0 = CpuSeconds();
  wall.start();
  timer.start();
  loop.exec();
  timer.stop();
  const double cpu = CpuSeconds() - cpu0;
  const double seconds = double(wall.nsecsElapsed()) / 1e9;
  return {cpu / seconds * 100, ticks > 0 ? cpu / ticks * 1e6 : 0};
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir dir;
  FixedClock clock;
  PlayLog log(clock, dir.path());
  TimerTable timers;
  SilentDialogs dialogs;
  BenchEngine engine;
  QWidget window;
  window.resize(800, 600);
  Decks decks(engine, dialogs, log, timers);
  DeckPanels panels(decks, &window);
  panels.Deck(1)->move(232, 28);
  panels.Centre()->move(446, 28);
  panels.Deck(2)->move(584, 28);
  for (int deck = 1; deck <= 2; ++deck) {
    engine.Notify(deck, XA_MSG_NOTIFY_INPUT_DURATION, kClipFrames / 25);
    engine.Notify(deck, XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_PLAYING);
  }

  // Each tick: both decks report a position, as the engine does while they play.
  const auto play = [&](int n) {
    for (int deck = 1; deck <= 2; ++deck) {
      engine.Notify(deck, XA_MSG_NOTIFY_INPUT_POSITION, n % kClipFrames, kClipFrames);
    }
  };
  // A crossfade on top: one fader goes up, the other down, the bars follow.
  const auto crossfade = [&](int n) {
    play(n);
    const int in = 100 - n % 101, out = n % 101;
    decks.SetFader(1, in, false);
    decks.SendLevel(1);
    decks.SetFader(2, out, false);
    decks.SendLevel(2);
    decks.SetCrossfade(1, 100 - in);
    decks.SetCrossfade(2, 100 - out);
  };

  const Figures hiddenPlay = Run(play);
  const Figures hiddenFade = Run(crossfade);
  window.show();
  app.processEvents();
  const Figures shownPlay = Run(play);
  const Figures shownFade = Run(crossfade);
  std::printf("%-28s %8s %12s\n", "", "CPU %", "us per tick");
  std::printf("%-28s %8.2f %12.1f\n", "hidden, two decks playing", hiddenPlay.cpuPercent, hiddenPlay.usPerTick);
  std::printf("%-28s %8.2f %12.1f\n", "hidden, crossfade", hiddenFade.cpuPercent, hiddenFade.usPerTick);
  std::printf("%-28s %8.2f %12.1f\n", "shown, two decks playing", shownPlay.cpuPercent, shownPlay.usPerTick);
  std::printf("%-28s %8.2f %12.1f\n", "shown, crossfade", shownFade.cpuPercent, shownFade.usPerTick);
  return 0;
}
