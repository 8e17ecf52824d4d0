// Players made, driven and deleted rapidly on several threads at once on the null output:
// nothing crashes or hangs, and every command a player lived to carry out is answered.
// Also built with ThreadSanitizer by scripts/tsan.
#include "AudioHarness.h"

#include "audio/devices.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <random>
#include <thread>
#include <vector>

namespace {

int Answers(const NotificationLog& log) { return log.Count(XA_MSG_NOTIFY_ACK) + log.Count(XA_MSG_NOTIFY_NACK); }

struct Outcome {
  int rounds = 0;
  int unanswered = 0;  // rounds whose commands were not all answered in time
  int played = 0;      // rounds that reported playing
};

// One thread's share: rounds of open, play, seeks, pauses, level and output changes.
// Every third player is deleted at once, while it still has commands queued.
Outcome Churn(unsigned seed, int rounds) {
  const char* clips[] = {"tone440_44k_cbr.mp3", "mono22_id3v1.mp3", "sweep_vbr_xing.mp3", "text.mp3",
                         "truncated_vbr.mp3", "no_such_file.mp3"};
  std::mt19937 random(seed);
  Outcome outcome;
  for (int round = 0; round < rounds; ++round) {
    auto p = std::make_unique<TestPlayer>();
    int sent = 0;
    auto send = [&](int code, int a = 0, int b = 0, int c = 0) {
      p->Send(code, a, b, c);
      ++sent;
    };
    p->SendText(XA_MSG_COMMAND_INPUT_OPEN, Fixture(clips[random() % std::size(clips)]));
    ++sent;
    if (random() % 2) {
      p->SendText(XA_MSG_SET_OUTPUT_NAME, random() % 2 ? "/dev/dsound/2" : "/dev/dsound/1");
      ++sent;
    }
    send(XA_MSG_COMMAND_PLAY);
    for (int i = 0; i < 6; ++i) {
      switch (random() % 5) {
        case 0: send(XA_MSG_COMMAND_SEEK, int(random() % 120), 100); break;
        case 1: send(XA_MSG_COMMAND_PAUSE); break;
        case 2: send(XA_MSG_COMMAND_PLAY); break;
        case 3: send(XA_MSG_SET_OUTPUT_VOLUME, 255, int(random() % 101), 255); break;
        default: send(XA_MSG_COMMAND_OUTPUT_RESET); break;
      }
      if (random() % 3 == 0) WaitUntil([] { return false; }, int(random() % 30));
    }
    ++outcome.rounds;
    if (round % 3 == 2) continue;  // deleted with work in flight
    if (!WaitUntil([&] { return Answers(p->log) >= sent; }, 20000)) ++outcome.unanswered;
    EXPECT_EQ(Answers(p->log), sent);
    for (const XA_Message& m : p->log.messages) {  // reason texts, looked up on every thread
      if (m.code == XA_MSG_NOTIFY_NACK) {
        EXPECT_STRNE(xaudio_error_string(m.b), "unknown error");
      }
    }
    outcome.played += p->log.Find(XA_MSG_NOTIFY_PLAYER_STATE, 0, XA_STATE_PLAYING) >= 0;
  }
  return outcome;
}

TEST(EngineStress, PlayersMadeDrivenAndDeletedOnSeveralThreads) {
  constexpr int kThreads = 3;
  constexpr int kRounds = 9;
  std::vector<Outcome> outcomes(kThreads + 1);
  // Plain threads (Qt adopts them and runs their event loops): their joins are visible to
  // ThreadSanitizer, unlike waits inside the Qt library.
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([&outcomes, t] { outcomes[size_t(t)] = Churn(unsigned(t + 1), kRounds); });
  outcomes[kThreads] = Churn(99, kRounds);  // and the GUI thread
  xaudio_main_peak();
  for (auto& thread : threads) thread.join();
  for (const Outcome& o : outcomes) {
    EXPECT_EQ(o.rounds, kRounds);
    EXPECT_EQ(o.unanswered, 0);
    EXPECT_GT(o.played, 0);  // the playable clips did play
  }
  // Still usable afterwards: a clip plays to its end.
  TestPlayer p;
  p.SendText(XA_MSG_COMMAND_INPUT_OPEN, Fixture("mono48_id3v2.mp3"));
  p.Send(XA_MSG_COMMAND_PLAY);
  EXPECT_TRUE(p.WaitFor(XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_EOF));
}

}  // namespace
