// A player on the null output (real-time pace): the notifications the decks rely on,
// bad inputs, commands without input, and clean deletion.
#include "AudioHarness.h"

#include "audio/OutputRouter.h"
#include "audio/NullOutput.h"
#include "audio/XaPlayer.h"
#include "audio/devices.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <memory>
#include <thread>

namespace {

TEST(Player, ReportsReadyAndTheVersionTheDecksCheck) {
  TestPlayer p;
  ASSERT_NE(p.player, nullptr);
  EXPECT_TRUE(p.WaitFor(XA_MSG_NOTIFY_READY) || p.log.Count(XA_MSG_NOTIFY_READY) == 1);
  const int v = xaudio_get_api_version(2);
  EXPECT_EQ((v >> 16) & 0xff, 3);
  EXPECT_EQ((v >> 8) & 0xff, 2);
}

TEST(Player, PlaysAClipThroughInTheOrderTheDecksExpect) {
  TestPlayer p;
  const QString path = Fixture("mono48_id3v2.mp3");  // 2 s
  p.SendText(XA_MSG_COMMAND_INPUT_OPEN, path);
  ASSERT_TRUE(p.WaitFor(XA_MSG_NOTIFY_INPUT_DURATION));
  p.Send(XA_MSG_SET_POSITION_RANGE, 2 * 25);
  QElapsedTimer clock;
  clock.start();
  p.Send(XA_MSG_COMMAND_PLAY);
  ASSERT_TRUE(p.WaitFor(XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_EOF));
  const auto& log = p.log;

  const int opened = log.Find(XA_MSG_NOTIFY_INPUT_STATE, 0, 0);
  const int name = log.Find(XA_MSG_NOTIFY_INPUT_NAME);
  const int duration = log.Find(XA_MSG_NOTIFY_INPUT_DURATION);
  const int info = log.Find(XA_MSG_NOTIFY_INPUT_STREAM_INFO);
  const int playing = log.Find(XA_MSG_NOTIFY_PLAYER_STATE, 0, XA_STATE_PLAYING);
  const int end = log.Find(XA_MSG_NOTIFY_PLAYER_STATE, 0, XA_STATE_EOF);
  ASSERT_GE(opened, 0);
  EXPECT_LT(opened, name);
  EXPECT_LT(name, duration);
  EXPECT_LT(duration, info);
  EXPECT_LT(info, playing);
  EXPECT_LT(playing, end);
  EXPECT_EQ(log.messages[size_t(name)].text, path);
  EXPECT_EQ(log.messages[size_t(duration)].a, 2);
  const XA_Message& si = log.messages[size_t(info)];
  EXPECT_EQ(si.b, 3);
  EXPECT_EQ(si.d, 48000);
  EXPECT_GE(log.Find(XA_MSG_NOTIFY_OUTPUT_STATE, 0, 0), 0);

  // Positions while playing rise, in the range asked for, and the last one is the end.
  int previous = -1, distinct = 0;
  for (int i = playing; i < end; ++i) {
    const XA_Message& m = log.messages[size_t(i)];
    if (m.code != XA_MSG_NOTIFY_INPUT_POSITION) continue;
    EXPECT_EQ(m.b, 50);
    EXPECT_GE(m.a, previous);
    distinct += m.a > previous;
    previous = m.a;
  }
  EXPECT_GE(distinct, 5);
  EXPECT_EQ(previous, 50);
  // The null output keeps real time: a 2 s clip cannot end much sooner.
  EXPECT_GT(clock.elapsed(), 1500);
}

TEST(Player, PauseHoldsThePositionAndPlayResumesIt) {
  TestPlayer p;
  p.SendText(XA_MSG_COMMAND_INPUT_OPEN, Fixture("tone440_44k_cbr.mp3"));
  p.Send(XA_MSG_COMMAND_PLAY);
  ASSERT_TRUE(WaitUntil([&] {
    const XA_Message* m = p.log.Last(XA_MSG_NOTIFY_INPUT_POSITION);
    return m && m->a >= 40;  // 0.3 s of the default range 400
  }));
  p.Send(XA_MSG_COMMAND_PAUSE);
  ASSERT_TRUE(p.WaitFor(XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_PAUSED));
  const int held = p.log.Last(XA_MSG_NOTIFY_INPUT_POSITION)->a;
  WaitUntil([] { return false; }, 300);
  EXPECT_EQ(p.log.Last(XA_MSG_NOTIFY_INPUT_POSITION)->a, held);
  p.Send(XA_MSG_COMMAND_PLAY);
  ASSERT_TRUE(WaitUntil([&] { return p.log.Last(XA_MSG_NOTIFY_INPUT_POSITION)->a > held + 10; }));
  p.Send(XA_MSG_COMMAND_STOP);
  ASSERT_TRUE(p.WaitFor(XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_STOPPED));
  EXPECT_EQ(p.log.Last(XA_MSG_NOTIFY_INPUT_POSITION)->a, 0);
}

TEST(Player, BadInputsAreRefusedWithAReasonAndThePlayerStaysUsable) {
  struct Case {
    const char* file;
    int error;
  };
  const Case cases[] = {{"no_such_file.mp3", XA_ERROR_OPEN_FAILED},
                        {"empty.mp3", XA_ERROR_INVALID_FORMAT},
                        {"text.mp3", 0},  // any refusal; the decoder names its reason
                        {"truncated.mp3", 0}};
  TestPlayer p;
  for (const Case& c : cases) {
    p.SendText(XA_MSG_COMMAND_INPUT_OPEN, Fixture(c.file));
    ASSERT_TRUE(p.WaitFor(XA_MSG_NOTIFY_NACK)) << c.file;
    const XA_Message& nack = *p.log.Last(XA_MSG_NOTIFY_NACK);
    EXPECT_EQ(nack.a, XA_MSG_COMMAND_INPUT_OPEN) << c.file;
    EXPECT_LT(nack.b, 0) << c.file;
    if (c.error) {
      EXPECT_EQ(nack.b, c.error) << c.file;
    }
    EXPECT_STRNE(xaudio_error_string(nack.b), "unknown error") << c.file;
    p.Send(XA_MSG_COMMAND_PLAY);
    ASSERT_TRUE(p.WaitFor(XA_MSG_NOTIFY_NACK)) << c.file;
    EXPECT_EQ(p.log.Last(XA_MSG_NOTIFY_NACK)->b, XA_ERROR_NO_INPUT);
  }
  p.SendText(XA_MSG_COMMAND_INPUT_OPEN, Fixture("tone440_44k_cbr.mp3"));
  EXPECT_TRUE(p.WaitFor(XA_MSG_NOTIFY_INPUT_DURATION));
}

TEST(Player, EveryCommandWithoutInputIsAnswered) {
  TestPlayer p;
  ASSERT_TRUE(p.WaitFor(XA_MSG_NOTIFY_READY) || p.log.Count(XA_MSG_NOTIFY_READY));
  const int codes[] = {XA_MSG_COMMAND_PLAY, XA_MSG_COMMAND_PAUSE, XA_MSG_COMMAND_STOP, XA_MSG_COMMAND_SEEK,
                       XA_MSG_COMMAND_INPUT_CLOSE, XA_MSG_COMMAND_OUTPUT_CLOSE, XA_MSG_COMMAND_OUTPUT_RESET,
                       XA_MSG_COMMAND_OUTPUT_MODULE_REGISTER, XA_MSG_COMMAND_SET_PLAYER_MODE,
                       XA_MSG_SET_OUTPUT_FEEDBACK, XA_MSG_SET_OUTPUT_VOLUME, 99};
  for (int code : codes) {
    const size_t before = p.log.messages.size();
    p.Send(code, 1, 1, 255);
    ASSERT_TRUE(WaitUntil([&] {
      for (size_t i = before; i < p.log.messages.size(); ++i) {
        const XA_Message& m = p.log.messages[i];
        if ((m.code == XA_MSG_NOTIFY_ACK || m.code == XA_MSG_NOTIFY_NACK) && m.a == code) return true;
      }
      return false;
    })) << code;
  }
  EXPECT_EQ(p.log.Last(XA_MSG_NOTIFY_NACK)->b, XA_ERROR_NOT_SUPPORTED);  // the unknown 99
}

TEST(Player, AnswersQueriesWithTheirNotifications) {
  TestPlayer p;
  p.Send(XA_MSG_COMMAND_INPUT_MODULES_LIST);
  p.Send(XA_MSG_COMMAND_OUTPUT_MODULES_LIST);
  p.Send(XA_MSG_SET_OUTPUT_VOLUME, 255, 255, 64);
  p.Send(XA_MSG_GET_OUTPUT_VOLUME);
  std::array<int8_t, 64> eq{};
  eq[3] = -20;
  eq[40] = 7;
  p.SendEq(eq);
  ASSERT_TRUE(p.WaitFor(XA_MSG_NOTIFY_CODEC_EQUALIZER));
  EXPECT_GE(p.log.Count(XA_MSG_NOTIFY_INPUT_MODULE_INFO), 1);
  EXPECT_GE(p.log.Count(XA_MSG_NOTIFY_OUTPUT_MODULE_INFO), 1);
  EXPECT_FALSE(p.log.Last(XA_MSG_NOTIFY_OUTPUT_MODULE_INFO)->text.isEmpty());
  EXPECT_EQ(p.log.Last(XA_MSG_NOTIFY_OUTPUT_VOLUME)->a, 64);
  EXPECT_EQ(p.log.Last(XA_MSG_NOTIFY_CODEC_EQUALIZER)->eq[3], -20);
}

TEST(Player, DeletesQuicklyWhilePlayingEvenAfterItsReceiverIsGone) {
  for (int round = 0; round < 3; ++round) {
    auto receiver = std::make_unique<NotificationLog>();
    XA_Player* player = nullptr;
    ASSERT_EQ(player_new(&player, receiver.get()), 0);
    receiver->player = player;
    XA_Message open;
    open.code = XA_MSG_COMMAND_INPUT_OPEN;
    open.text = Fixture("tone440_44k_cbr.mp3");
    control_message_send(player, open);
    XA_Message play;
    play.code = XA_MSG_COMMAND_PLAY;
    control_message_send(player, play);
    ASSERT_TRUE(WaitUntil([&] { return receiver->Find(XA_MSG_NOTIFY_INPUT_POSITION) >= 0; }));
    receiver.reset();  // the decks destroy their window first
    WaitUntil([] { return false; }, 100);  // notifications still arrive for the dead receiver
    QElapsedTimer t;
    t.start();
    player_delete(player);
    EXPECT_LT(t.elapsed(), 1000);
  }
}

// An output render that never returns (a stuck device), simulated by holding the null
// output inside its render; once let go it touches the voice it was rendering.
struct StuckRender {
  std::atomic<bool> hold{false};
  std::atomic<bool> holding{false};
  std::atomic<int> resumed{0};
  Voice* voice = nullptr;
  static void Tap(void* context, const float*, int) {
    auto* s = static_cast<StuckRender*>(context);
    if (!s->hold.load()) return;
    s->holding = true;
    while (s->hold.load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    s->resumed = s->voice->playing.load() ? 1 : 2;
  }
};

TEST(Player, DeletingWhileARenderIsStuckKeepsTheVoiceAliveAndReturns) {
  NullOutput* out = OutputRouter::Instance().NullOutputFor(kRouteMain);
  ASSERT_NE(out, nullptr);
  auto p = std::make_unique<TestPlayer>();
  p->SendText(XA_MSG_COMMAND_INPUT_OPEN, Fixture("tone440_44k_cbr.mp3"));
  p->Send(XA_MSG_COMMAND_PLAY);
  ASSERT_TRUE(p->WaitFor(XA_MSG_NOTIFY_INPUT_POSITION));
  StuckRender stuck;
  stuck.voice = &p->player->GetVoice();
  out->SetTap(&StuckRender::Tap, &stuck);
  stuck.hold = true;
  ASSERT_TRUE(WaitUntil([&] { return stuck.holding.load(); }));
  const int parked = OutputRouter::Instance().ParkedVoices();
  QElapsedTimer t;
  t.start();
  p.reset();
  EXPECT_LT(t.elapsed(), 10000);  // gives up waiting rather than hanging the caller
  EXPECT_EQ(OutputRouter::Instance().ParkedVoices(), parked + 1);
  stuck.hold = false;
  EXPECT_TRUE(WaitUntil([&] { return stuck.resumed.load() != 0; }));  // no use after free
  out->SetTap(nullptr, nullptr);
}

TEST(Player, TwoPlayersShareTheOutputAndEachReachesItsEnd) {
  TestPlayer a, b;
  a.SendText(XA_MSG_COMMAND_INPUT_OPEN, Fixture("mono22_id3v1.mp3"));
  b.SendText(XA_MSG_COMMAND_INPUT_OPEN, Fixture("mono48_id3v2.mp3"));
  b.SendText(XA_MSG_SET_OUTPUT_NAME, "/dev/dsound/2");
  a.Send(XA_MSG_COMMAND_PLAY);
  b.Send(XA_MSG_COMMAND_PLAY);
  EXPECT_TRUE(WaitUntil([&] {
    return a.log.Find(XA_MSG_NOTIFY_PLAYER_STATE, 0, XA_STATE_EOF) >= 0 &&
           b.log.Find(XA_MSG_NOTIFY_PLAYER_STATE, 0, XA_STATE_EOF) >= 0;
  }));
}

TEST(Player, MasterVolumeScalesTheMainOutputPeak) {
  ASSERT_EQ(xaudio_output_devices().size(), 1);  // KORVO_AUDIO=null: the null output only
  TestPlayer p;
  p.SendText(XA_MSG_COMMAND_INPUT_OPEN, Fixture("tone440_44k_cbr.mp3"));  // peaks at 0.5
  p.Send(XA_MSG_COMMAND_PLAY);
  ASSERT_TRUE(p.WaitFor(XA_MSG_NOTIFY_INPUT_POSITION));
  auto peakOver = [](int ms) {
    xaudio_main_peak();
    WaitUntil([] { return false; }, ms);
    return xaudio_main_peak();
  };
  const float full = peakOver(200);
  xaudio_set_master_volume(65536 - 728 * 20);  // -20 dB
  EXPECT_EQ(xaudio_get_master_volume(), 65536 - 728 * 20);
  peakOver(50);  // let the ramp pass
  const float low = peakOver(200);
  xaudio_set_master_volume(65535);
  EXPECT_NEAR(full, 0.5f, 0.05f);
  EXPECT_NEAR(20 * std::log10(low / full), -20.0, 1.0);
}

}  // namespace
