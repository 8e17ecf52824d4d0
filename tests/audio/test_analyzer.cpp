// The analyser over the fixtures: stream fields, exact lengths and tags.
#include "audio/xaudio.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray Fixture(const char* name) { return QFile::encodeName(qEnvironmentVariable("KORVO_FIXTURES") + "/" + name); }

TEST(Analyzer, MeasuresEachFixture) {
  struct Case {
    const char* file;
    int channels, rate, bitrate;
    uint32_t durationMs, frames;
    double toleranceMs;
    const char* title;
    const char* artist;
  };
  // Lengths as the reference decoder gives them (gapless where an Info header says so).
  const Case cases[] = {
      {"tone440_44k_cbr.mp3", 2, 44100, 128, 3030, 116, 2, "", ""},
      {"mono48_id3v2.mp3", 1, 48000, 64, 2000, 0, 2, "Tone Forty Eight", "Korvo Fixtures"},
      {"mono22_id3v1.mp3", 1, 22050, 32, 2064, 0, 2, "Low Rate Tone", "Old Tagger"},
      {"sweep_vbr_xing.mp3", 2, 44100, 0, 4000, 0, 2, "", ""},
      {"truncated_vbr.mp3", 2, 44100, 0, 1203, 0, 30, "", ""},  // not the 4 s its header claims;
                                                             // its last frame is cut
  };
  XA_Analyzer* analyzer = nullptr;
  ASSERT_EQ(xanalyzer_new(&analyzer), 0);
  for (const Case& c : cases) {
    XA_AnalyzerInfo info;
    ASSERT_EQ(xanalyzer_process_file(analyzer, Fixture(c.file).constData(), &info, 0), 0) << c.file;
    EXPECT_EQ(info.layer, 3) << c.file;
    EXPECT_EQ(info.channels, c.channels) << c.file;
    EXPECT_EQ(info.frequency, c.rate) << c.file;
    if (c.bitrate) {
      EXPECT_EQ(info.bitrate, c.bitrate) << c.file;
    } else {
      EXPECT_GT(info.bitrate, 16) << c.file;
    }
    EXPECT_NEAR(double(info.duration), double(c.durationMs), c.toleranceMs) << c.file;
    if (c.frames) {
      EXPECT_EQ(info.frames, c.frames) << c.file;
    }
    const int spf = c.rate < 32000 ? 576 : 1152;
    EXPECT_NEAR(double(info.frames) * spf / c.rate * 1000, double(c.durationMs), 60.0) << c.file;
    EXPECT_EQ(info.title, QString::fromUtf8(c.title)) << c.file;
    EXPECT_EQ(info.artist, QString::fromUtf8(c.artist)) << c.file;
  }
  xanalyzer_delete(analyzer);
}

TEST(Analyzer, RefusesWhatIsNotAudio) {
  XA_Analyzer* analyzer = nullptr;
  ASSERT_EQ(xanalyzer_new(&analyzer), 0);
  for (const char* file : {"no_such_file.mp3", "empty.mp3", "text.mp3", "truncated.mp3"}) {
    XA_AnalyzerInfo info;
    EXPECT_NE(xanalyzer_process_file(analyzer, Fixture(file).constData(), &info, 0), 0) << file;
    EXPECT_EQ(info.duration, 0u) << file;
  }
  // Still usable afterwards.
  XA_AnalyzerInfo info;
  EXPECT_EQ(xanalyzer_process_file(analyzer, Fixture("mono48_id3v2.mp3").constData(), &info, 0), 0);
  xanalyzer_delete(analyzer);
}

}  // namespace
