// The engine decoding real MP3 fixtures into WAV files: length, speed, equaliser, levels
// and seeking, measured on the written audio.
#include "AudioHarness.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kFrame = 1.0 / 25;  // one counter frame

struct RenderTest : ::testing::Test {
  QTemporaryDir dir;
  QString Out(const char* name) { return dir.filePath(name); }
};

TEST_F(RenderTest, WritesTheWholeClipAtItsOwnRate) {
  struct Case {
    const char* file;
    int rate;
    double seconds;  // as the reference decoder (mpg123) gives them
  };
  const Case cases[] = {{"tone440_44k_cbr.mp3", 44100, 3.0302}, {"mono48_id3v2.mp3", 48000, 2.0},
                        {"mono22_id3v1.mp3", 22050, 2.0637}, {"sweep_vbr_xing.mp3", 44100, 4.0}};
  for (const Case& c : cases) {
    WavData wav;
    ASSERT_TRUE(RenderToWav(Fixture(c.file), Out("out.wav"), nullptr, &wav)) << c.file;
    EXPECT_EQ(wav.rate, c.rate) << c.file;
    EXPECT_NEAR(wav.Seconds(), c.seconds, kFrame) << c.file;
  }
}

TEST_F(RenderTest, PitchChangesSpeedAndFrequencyTogether) {
  WavData normal, fast;
  ASSERT_TRUE(RenderToWav(Fixture("tone440_44k_cbr.mp3"), Out("normal.wav"), nullptr, &normal));
  ASSERT_TRUE(RenderToWav(Fixture("tone440_44k_cbr.mp3"), Out("fast.wav"),
                          [](TestPlayer& p) { p.SendText(XA_MSG_SET_OUTPUT_PROPERTY, "OUTPUT.DIRECTSOUND.PITCH", 1100); },
                          &fast));
  const size_t skip = 4410;  // past the encoder's start-up
  auto middle = [&](const WavData& w) { return std::vector<float>(w.left.begin() + skip, w.left.end() - skip); };
  EXPECT_NEAR(FrequencyByZeroCrossings(middle(normal), normal.rate), 440.0, 1.0);
  EXPECT_NEAR(FrequencyByZeroCrossings(middle(fast), fast.rate), 484.0, 2.0);
  EXPECT_NEAR(fast.Seconds(), normal.Seconds() / 1.1, kFrame);
}

TEST_F(RenderTest, EqualiserCutsOnlyItsOwnBand) {
  // 440 Hz lies in band 0 (0-689 Hz at 44.1 kHz).
  struct Case {
    int band;
    int value;
    double minCutDb, maxCutDb;
  };
  const Case cases[] = {{0, -127, 9.0, 15.0}, {0, -64, 4.0, 8.0}, {20, -127, -1.0, 1.0}};
  WavData flat;
  ASSERT_TRUE(RenderToWav(Fixture("tone440_44k_cbr.mp3"), Out("flat.wav"), nullptr, &flat));
  const double flatDb = ToneDb(flat.left, flat.rate, 440, 8820, 88200);
  for (const Case& c : cases) {
    std::array<int8_t, 64> eq{};
    eq[size_t(c.band)] = int8_t(c.value);
    eq[size_t(c.band) + 32] = int8_t(c.value);
    WavData cut;
    ASSERT_TRUE(RenderToWav(Fixture("tone440_44k_cbr.mp3"), Out("cut.wav"), [&](TestPlayer& p) { p.SendEq(eq); }, &cut));
    const double drop = flatDb - ToneDb(cut.left, cut.rate, 440, 8820, 88200);
    EXPECT_GT(drop, c.minCutDb) << "band " << c.band << " value " << c.value;
    EXPECT_LT(drop, c.maxCutDb) << "band " << c.band << " value " << c.value;
  }
}

TEST_F(RenderTest, LevelsAreDecibelTrueAndMultiply) {
  struct Case {
    int deck, master;
    double expectedDb;  // against full level
  };
  const Case cases[] = {{70, 255, -30}, {80, 90, -30}, {100, 50, -50}};
  WavData full;
  ASSERT_TRUE(RenderToWav(Fixture("tone440_44k_cbr.mp3"), Out("full.wav"), nullptr, &full));
  const double fullDb = RmsDb(full.left, 8820, 88200);
  for (const Case& c : cases) {
    WavData quiet;
    ASSERT_TRUE(RenderToWav(Fixture("tone440_44k_cbr.mp3"), Out("quiet.wav"),
                            [&](TestPlayer& p) { p.Send(XA_MSG_SET_OUTPUT_VOLUME, 255, c.deck, c.master); }, &quiet));
    EXPECT_NEAR(RmsDb(quiet.left, 8820, 88200) - fullDb, c.expectedDb, 0.5) << c.deck << "/" << c.master;
  }
  WavData silent;
  ASSERT_TRUE(RenderToWav(Fixture("tone440_44k_cbr.mp3"), Out("silent.wav"),
                          [](TestPlayer& p) { p.Send(XA_MSG_SET_OUTPUT_VOLUME, 255, 0, 255); }, &silent));
  EXPECT_LT(RmsDb(silent.left, 0, silent.left.size()), -120);
}

// Where does `part` start inside `whole`? Searched within +-0.1 s of `expected`.
long BestOffset(const std::vector<float>& whole, const std::vector<float>& part, long expected, int rate) {
  const size_t skip = 0;  // the very first samples count: no silence after a seek
  const size_t n = 2048;
  long best = -1;
  double bestError = 1e300;
  for (long lag = std::max(0L, expected - rate / 10); lag < expected + rate / 10; ++lag) {
    if (size_t(lag) + n > whole.size()) break;
    double e = 0;
    for (size_t i = skip; i < n; ++i) e += std::pow(double(whole[size_t(lag) + i] - part[i]), 2);
    if (e < bestError) bestError = e, best = lag;
  }
  return best;
}

TEST_F(RenderTest, SeekLandsWithinOneCounterFrame) {
  WavData whole, tail;
  ASSERT_TRUE(RenderToWav(Fixture("sweep_vbr_xing.mp3"), Out("whole.wav"), nullptr, &whole));
  // Range 100 (seconds x 25): offset 50 is 2.0 s into the 4 s clip.
  ASSERT_TRUE(RenderToWav(Fixture("sweep_vbr_xing.mp3"), Out("tail.wav"),
                          [](TestPlayer& p) { p.Send(XA_MSG_COMMAND_SEEK, 50, 100); }, &tail));
  const long expected = whole.rate * 2;
  const long found = BestOffset(whole.left, tail.left, expected, whole.rate);
  EXPECT_LE(std::abs(found - expected), whole.rate / 25);
  EXPECT_GT(RmsDb(tail.left, 0, 512), -20.0);  // sound from the first block, no silent gap
  EXPECT_NEAR(tail.Seconds(), 2.0, kFrame);
}

TEST_F(RenderTest, SeekPastTheEndEndsTheClipAtOnce) {
  WavData none;
  ASSERT_TRUE(RenderToWav(Fixture("tone440_44k_cbr.mp3"), Out("end.wav"),
                          [](TestPlayer& p) { p.Send(XA_MSG_COMMAND_SEEK, 500, 100); }, &none));
  EXPECT_LT(none.Seconds(), kFrame);
}

TEST_F(RenderTest, CutOffFilePlaysWhatItHoldsAndReportsItsRealLength) {
  WavData wav;
  TestPlayer* seen = nullptr;
  int duration = -1;
  ASSERT_TRUE(RenderToWav(Fixture("truncated_vbr.mp3"), Out("cut.wav"),
                          [&](TestPlayer& p) {
                            seen = &p;
                            p.WaitFor(XA_MSG_NOTIFY_INPUT_DURATION);
                            duration = p.log.Last(XA_MSG_NOTIFY_INPUT_DURATION)->a;
                          },
                          &wav));
  EXPECT_NE(seen, nullptr);
  EXPECT_EQ(duration, 1);  // 1.2 s left of the 4 s its header announces
  EXPECT_NEAR(wav.Seconds(), 1.2027, kFrame);
}

TEST_F(RenderTest, TheWavCopyAppearsOnlyWhenComplete) {
  const QString target = Out("copy.wav");
  TestPlayer p;
  p.SendText(XA_MSG_COMMAND_OUTPUT_OPEN, "wav:" + target);
  p.SendText(XA_MSG_COMMAND_INPUT_OPEN, Fixture("tone440_44k_cbr.mp3"));
  p.Send(XA_MSG_COMMAND_PLAY);  // opens the copy ...
  p.Send(XA_MSG_COMMAND_PAUSE);  // ... and holds it before anything is rendered
  ASSERT_TRUE(p.WaitFor(XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_PAUSED));
  EXPECT_FALSE(QFile::exists(target));
  p.Send(XA_MSG_COMMAND_PLAY);
  ASSERT_TRUE(p.WaitFor(XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_EOF));
  WavData wav;
  ASSERT_TRUE(ReadWav(target, &wav));
  EXPECT_NEAR(wav.Seconds(), 3.0302, kFrame);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"copy.wav"});  // no temporary left
}

}  // namespace
