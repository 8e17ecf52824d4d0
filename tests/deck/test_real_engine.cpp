// A deck over the real engine on the null output: a clip loads, plays, pauses and closes.
#include <QTest>

#include "DeckFixture.h"

namespace {

QString Fixture(const char* name) {
  return qEnvironmentVariable("KORVO_FIXTURES", QStringLiteral(KORVO_SOURCE_DIR "/tests/fixtures")) +
         QLatin1Char('/') + QLatin1String(name);
}

}  // namespace

TEST(RealEngineDeck, LoadsPlaysPausesAndCloses) {
  qputenv("KORVO_AUDIO", "null");
  XaudioEngine engine;
  ScriptedDialogs dialogs;
  QTemporaryDir dir;
  FixedClock clock;
  PlayLog log(clock, dir.path());
  TimerTable timers;
  Decks decks(engine, dialogs, log, timers);
  decks.SetFps(25);
  ASSERT_TRUE(dialogs.messages.isEmpty());

  ASSERT_EQ(decks.LoadClip(1, QStringLiteral("tone"), Fixture("tone440_44k_cbr.mp3")), 1);
  ASSERT_TRUE(QTest::qWaitFor([&] { return decks.State(1) == PlayerState::Paused; }, 10000))
      << qPrintable(decks.StateText(1));
  EXPECT_EQ(decks.Title(1), QStringLiteral("tone440_44k_cbr"));
  const int range = decks.Model(1)->PositionMax();  // a 3-second clip at 25 fps
  EXPECT_GE(range, 50);
  EXPECT_LE(range, 100);

  decks.PlayPause(1);
  ASSERT_TRUE(QTest::qWaitFor([&] { return decks.StateText(1) == QLatin1String("PLAYING"); }, 10000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return decks.PositionFrames(1) > 0; }, 10000));
  const uint32_t first = decks.PositionFrames(1);
  ASSERT_TRUE(QTest::qWaitFor([&] { return decks.PositionFrames(1) > first; }, 10000));
  EXPECT_NE(decks.ElapsedText(1), QStringLiteral("00:00:00:00"));

  decks.PlayPause(1);
  ASSERT_TRUE(QTest::qWaitFor([&] { return decks.StateText(1) == QLatin1String("PAUSED"); }, 10000));

  decks.Reset(1);
  EXPECT_EQ(decks.StateText(1), QStringLiteral("CLOSED"));
  EXPECT_EQ(decks.Title(1), QString());
  // Once the engine has stopped and closed the clip, the deck is still closed.
  QTest::qWait(300);
  EXPECT_EQ(decks.StateText(1), QStringLiteral("CLOSED"));
  EXPECT_EQ(decks.State(1), PlayerState::None);
  EXPECT_EQ(decks.RemainingText(1), QStringLiteral("00:00:00:00"));
  EXPECT_TRUE(dialogs.messages.isEmpty());
}
