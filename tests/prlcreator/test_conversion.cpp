// Conversion to WAV files with the real engine (null output): each clip's copy lies
// beside it with its length, a clip that cannot be read is reported and skipped.
#include <QTest>
#include <QtEndian>

#include "CreatorFixture.h"

namespace {

struct WavFacts {
  bool valid = false;
  qint64 frames = 0;
  int rate = 0;
  int peak = 0;  // largest sample, 16-bit
};

WavFacts ReadWav(const QString& path) {
  const QByteArray b = ReadBytes(path);
  WavFacts w;
  const qsizetype data = b.indexOf("data");
  if (b.size() < 44 || !b.startsWith("RIFF") || data < 0 || data + 8 > b.size()) return w;
  w.rate = qFromLittleEndian<qint32>(b.constData() + 24);
  const int channels = qFromLittleEndian<qint16>(b.constData() + 22);
  const qint64 bytes = qMin<qint64>(qFromLittleEndian<quint32>(b.constData() + data + 4), b.size() - data - 8);
  w.frames = bytes / (2 * channels);
  for (qint64 i = data + 8; i + 1 < b.size(); i += 2)
    w.peak = std::max(w.peak, std::abs(int(qFromLittleEndian<qint16>(b.constData() + i))));
  w.valid = w.rate > 0;
  return w;
}

class ConversionTest : public CreatorFixtureOf<XaudioEngine> {
 protected:
  void SetUp() override {
    const QString fixtures = qEnvironmentVariable("KORVO_FIXTURES");
    for (auto [from, to] : {std::pair{"tone440_44k_cbr.mp3", "one.mp3"},
                            {"text.mp3", "bad.mp3"},
                            {"mono22_id3v1.mp3", "two.mp3"},
                            {"sweep_vbr_xing.mp3", "three.mp3"}})
      ASSERT_TRUE(QFile::copy(QDir(fixtures).filePath(from), Path(to))) << from;
    Start();
    Add({"one.mp3", "bad.mp3", "two.mp3", "three.mp3"});
    // The copies are written at the clips' own level, whatever the preview plays at.
    creator->Preview().SetVolumeSlider(100);
  }
  bool WaitConverted() {
    return QTest::qWaitFor([this] { return !creator->Converter().Running(); }, 60000);
  }
  // The clip's length in seconds as the analyser measures it.
  double ClipSeconds(const QString& name) {
    XA_AnalyzerInfo info;
    EXPECT_EQ(engine.Analyze(Path(name), &info), 0) << qPrintable(name);
    return info.duration / 1000.0;
  }
};

TEST_F(ConversionTest, WholeListGivesOneWavPerReadableClipAndEndsOnTheFirst) {
  List().List().SelectItem(3);
  ASSERT_EQ(creator->Converter().ConvertPlayList(), 0);
  EXPECT_TRUE(creator->Busy());
  ASSERT_TRUE(WaitConverted());

  for (const char* name : {"one", "two", "three"}) {
    SCOPED_TRACE(name);
    const WavFacts wav = ReadWav(Path(QString::fromLatin1(name) + ".wav"));
    ASSERT_TRUE(wav.valid);
    // Within one frame of the play list's 25 a second.
    EXPECT_NEAR(double(wav.frames) / wav.rate, ClipSeconds(QString::fromLatin1(name) + ".mp3"), 1.0 / 25);
    EXPECT_GT(wav.peak, 1000);
  }
  EXPECT_FALSE(QFile::exists(Path("bad.wav")));
  EXPECT_EQ(creator->Converter().Failed(), QStringList({Path("bad.mp3")}));
  EXPECT_EQ(creator->Converter().Converted(), 3);
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(dialogs.messages[0].text.contains(Path("bad.mp3")));
  EXPECT_EQ(List().List().SelectedRow(), 0);
  EXPECT_EQ(List().Status(), "3 of 4 clip(s) converted to WAV");
  EXPECT_FALSE(creator->Busy());
  EXPECT_TRUE(creator->Preview().OpenFileEnabled());
}

TEST_F(ConversionTest, SelectedClipOnlyAndTheSelectionStays) {
  List().List().SelectItem(2);
  ASSERT_EQ(creator->Converter().ConvertSelected(), 0);
  EXPECT_EQ(creator->Converter().ConvertSelected(), -1);  // one at a time
  ASSERT_TRUE(WaitConverted());
  EXPECT_TRUE(ReadWav(Path("two.wav")).valid);
  EXPECT_FALSE(QFile::exists(Path("one.wav")));
  EXPECT_FALSE(QFile::exists(Path("three.wav")));
  EXPECT_EQ(List().List().SelectedRow(), 2);
  EXPECT_TRUE(dialogs.messages.isEmpty());

  // The preview plays again after a conversion.
  creator->OpenRow(0);
  creator->Preview().PlayPause();
  EXPECT_TRUE(QTest::qWaitFor([this] { return creator->Preview().State() == XA_STATE_PLAYING; }, 10000));
  creator->Stop();
}

TEST_F(ConversionTest, StopEndsAConversion) {
  ASSERT_EQ(creator->Converter().ConvertPlayList(), 0);
  creator->Stop();
  EXPECT_FALSE(creator->Converter().Running());
  QTest::qWait(300);  // late answers of the engine start nothing
  EXPECT_FALSE(creator->Converter().Running());
  EXPECT_FALSE(QFile::exists(Path("three.wav")));
}

// A ".wav" in the list would be its own copy: it is reported and left as it is.
TEST_F(ConversionTest, AClipThatWouldBeWrittenOverItselfIsLeftAlone) {
  WriteBytes(Path("old.wav"), "RIFF and more");
  creator->New();
  Add({"old.wav", "two.mp3"});
  ASSERT_EQ(creator->Converter().ConvertPlayList(), 0);
  ASSERT_TRUE(WaitConverted());
  EXPECT_EQ(ReadBytes(Path("old.wav")), "RIFF and more");
  EXPECT_EQ(creator->Converter().Failed(), QStringList({Path("old.wav")}));
  EXPECT_TRUE(ReadWav(Path("two.wav")).valid);
}

TEST(WavPath, TheLastThreeCharactersBecomeWav) {
  EXPECT_EQ(creator::WavConverter::WavPathFor("/m/a.mp3"), "/m/a.wav");
  EXPECT_EQ(creator::WavConverter::WavPathFor("/m/b.MP3"), "/m/b.wav");
  EXPECT_EQ(creator::WavConverter::WavPathFor("ab"), "");
}

}  // namespace
