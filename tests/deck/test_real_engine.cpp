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

TEST(RealEngineDeck, AClipShorterThanASecondLoadsWithoutAnError) {
  qputenv("KORVO_AUDIO", "null");
  XaudioEngine engine;
  ScriptedDialogs dialogs;
  QTemporaryDir dir;
  FixedClock clock;
  PlayLog log(clock, dir.path());
  log.SetEnabled(true);
  TimerTable timers;
  // The first 0.3 s of the tone (128 kbit/s, no Xing frame).
  QFile tone(Fixture("tone440_44k_cbr.mp3"));
  ASSERT_TRUE(tone.open(QIODevice::ReadOnly));
  const QString jingle = dir.filePath(QStringLiteral("jingle.mp3"));
  QFile out(jingle);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write(tone.read(4800));
  out.close();

  Decks decks(engine, dialogs, log, timers);
  decks.SetFps(25);
  for (int load = 0; load < 2; ++load) {
    bool opened = false;
    QObject::connect(&decks, &Decks::ClipOpened, [&] { opened = true; });
    ASSERT_EQ(decks.LoadClip(1, QStringLiteral("jingle"), jingle), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return opened && decks.State(1) == PlayerState::Paused; }, 10000));
    QTest::qWait(200);  // the engine's answers to the range and the rest
  }
  EXPECT_GE(decks.Model(1)->PositionMax(), 1);
  QFile file(log.FilePath());
  const QString text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  EXPECT_FALSE(text.contains(QLatin1String("\"ERR\""))) << qPrintable(text);
}
