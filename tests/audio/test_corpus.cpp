// MP3 files as stations meet them, made at test time with sox and lame: every rate and
// MPEG version, VBR with and without a Xing header, tags at both ends, files joined with
// cat or damaged in the middle, a very short clip; and content that only has an .mp3 name.
// The analyser's length and what the player writes are held against a full decode by
// libmpg123 (gapless, as the player decodes).
#include "AudioHarness.h"

#include <mpg123.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr double kFrame = 1.0 / 25;  // one counter frame

struct Decoded {
  int rate = 0;
  std::vector<float> left;
  double Seconds() const { return rate ? double(left.size()) / rate : 0; }
};

// The reference: libmpg123 decoding the whole file, gapless, without the engine.
bool DecodeWhole(const QString& path, Decoded* out) {
  mpg123_handle* h = mpg123_new(nullptr, nullptr);
  if (!h) return false;
  mpg123_param(h, MPG123_FLAGS, MPG123_GAPLESS | MPG123_FORCE_STEREO | MPG123_QUIET, 0);
  mpg123_param(h, MPG123_RESYNC_LIMIT, -1, 0);  // through any damage, to the file's end
  mpg123_format_none(h);
  const long* rates = nullptr;
  size_t count = 0;
  mpg123_rates(&rates, &count);
  for (size_t i = 0; i < count; ++i) mpg123_format(h, rates[i], MPG123_STEREO, MPG123_ENC_FLOAT_32);
  bool ok = mpg123_open(h, QFile::encodeName(path).constData()) == MPG123_OK;
  long rate = 0;
  int channels = 0, encoding = 0;
  ok = ok && mpg123_getformat(h, &rate, &channels, &encoding) == MPG123_OK;
  out->rate = int(rate);
  out->left.clear();
  std::vector<float> buffer(2 * 4608);
  while (ok) {
    size_t done = 0;
    const int err = mpg123_read(h, reinterpret_cast<unsigned char*>(buffer.data()), buffer.size() * sizeof(float), &done);
    for (size_t i = 0; i + 1 < done / sizeof(float); i += 2) out->left.push_back(buffer[i]);
    if (err != MPG123_OK && err != MPG123_NEW_FORMAT) break;
  }
  mpg123_close(h);
  mpg123_delete(h);
  return ok && !out->left.empty();
}

bool RunTool(const QString& program, const QStringList& arguments) {
  QProcess p;
  p.start(program, arguments);
  return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QByteArray Bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Save(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray Le32(uint32_t v) {
  QByteArray b(4, '\0');
  for (int i = 0; i < 4; ++i) b[i] = char((v >> (8 * i)) & 0xff);
  return b;
}

// An APEv2 tag (header, one item, footer), as some taggers append after the audio.
QByteArray ApeTag() {
  const QByteArray key = "Title", value = "Ape Tagged";
  const QByteArray item = Le32(uint32_t(value.size())) + Le32(0) + key + '\0' + value;
  auto block = [&](uint32_t flags) {
    return "APETAGEX" + Le32(2000) + Le32(uint32_t(item.size() + 32)) + Le32(1) + Le32(flags) + QByteArray(8, '\0');
  };
  return block(0xA0000000u) + item + block(0x80000000u);
}

QByteArray RandomBytes(int size, unsigned seed) {
  std::mt19937 random(seed);
  QByteArray b(size, '\0');
  for (char& c : b) c = char(random() & 0xff);
  return b;
}

class Corpus : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (QStandardPaths::findExecutable("sox").isEmpty() || QStandardPaths::findExecutable("lame").isEmpty()) return;
    dir_ = new QTemporaryDir;
    ready_ = dir_->isValid() && Make();
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }
  void SetUp() override {
    if (!dir_) GTEST_SKIP() << "sox and lame are needed to make the corpus";
    ASSERT_TRUE(ready_) << "making the corpus failed";
  }
  static QString Path(const QString& name) { return dir_->filePath(name); }

 private:
  static bool Tone(const QString& name, int rate, int channels, double seconds, const QString& what,
                   int bits = 16) {
    QStringList args = {"-n", "-r", QString::number(rate), "-c", QString::number(channels), "-b",
                        QString::number(bits), Path(name), "synth", QString::number(seconds)};
    args += what.split(' ');
    return RunTool("sox", args);
  }
  static bool Lame(const QString& wav, const QString& mp3, const QString& options) {
    return RunTool("lame", QStringList{"--quiet"} + options.split(' ', Qt::SkipEmptyParts) + QStringList{Path(wav), Path(mp3)});
  }
  static bool Make() {
    bool ok = Tone("s44.wav", 44100, 2, 3, "sine 440 vol 0.5") && Tone("sweep.wav", 44100, 2, 3, "sine 200-6000 vol 0.4") &&
              Tone("other.wav", 44100, 2, 2, "sine 880 vol 0.5") && Tone("m22.wav", 22050, 1, 2, "sine 440 vol 0.5") &&
              Tone("s24.wav", 24000, 2, 2, "sine 300-3000 vol 0.4") && Tone("m8.wav", 8000, 1, 2, "sine 440 vol 0.5") &&
              Tone("s11.wav", 11025, 2, 2, "sine 440 vol 0.5") && Tone("short.wav", 44100, 2, 0.2, "sine 440 vol 0.5") &&
              Tone("m48.wav", 48000, 1, 1, "sine 1000 vol 0.5");
    ok = ok && Lame("s44.wav", "cbr128.mp3", "-b 128 --cbr") && Lame("sweep.wav", "vbr_xing.mp3", "-V 2") &&
         Lame("sweep.wav", "vbr_no_xing.mp3", "-V 2 -t") && Lame("other.wav", "other.mp3", "-V 4") &&
         Lame("m22.wav", "mpeg2_22k_mono.mp3", "-b 32") && Lame("s24.wav", "mpeg2_24k_stereo.mp3", "-V 4") &&
         Lame("m8.wav", "mpeg25_8k_mono.mp3", "-b 16") && Lame("s11.wav", "mpeg25_11k_stereo.mp3", "-b 32 --resample 11.025") &&
         Lame("short.wav", "short.mp3", "-b 128") && Lame("m48.wav", "mono48.mp3", "-b 64") &&
         Lame("s44.wav", "tagged.mp3", "-b 128 --add-id3v2 --tt Corpus_Title --ta Corpus_Artist");
    if (!ok) return false;
    // Two clips joined with cat: the first one's Info header speaks for the first only.
    ok = Save(Path("joined.mp3"), Bytes(Path("vbr_xing.mp3")) + Bytes(Path("other.mp3")));
    // Damage in the middle, as a broken copy leaves it: a few frames' worth of bytes gone,
    // and some garbled around the gap.
    QByteArray damaged = Bytes(Path("vbr_xing.mp3"));
    damaged.remove(damaged.size() / 2, 1500);
    const QByteArray noise = RandomBytes(300, 7);
    damaged.replace(damaged.size() / 2 - 150, noise.size(), noise);
    ok = ok && Save(Path("corrupt.mp3"), damaged);
    ok = ok && Save(Path("ape.mp3"), Bytes(Path("cbr128.mp3")) + ApeTag());
    // More ID3v2 tags in front of the file's own: a small one, then one padded with 6000
    // bytes, more than the resync window.
    const QByteArray small = QByteArray("ID3\x03\x00\x00\x00\x00\x00\x0a", 10) + QByteArray(10, '\0');
    const QByteArray padded = QByteArray("ID3\x03\x00\x00\x00\x00\x2e\x70", 10) + QByteArray(6000, '\0');
    ok = ok && Save(Path("three_id3v2.mp3"), small + padded + Bytes(Path("tagged.mp3")));
    // A little junk before the first frame, as some broken taggers leave.
    ok = ok && Save(Path("junk_start.mp3"), RandomBytes(700, 5) + Bytes(Path("vbr_no_xing.mp3")));
    // Not MPEG audio, named .mp3.
    ok = ok && Tone("wav_440_mono_8k.mp3.wav", 8000, 1, 2, "sine 440") &&
         Tone("wav_1k_stereo_44k.mp3.wav", 44100, 2, 2, "sine 1000") &&
         Tone("wav_1k_stereo_44k_quiet.mp3.wav", 44100, 2, 2, "sine 1000 vol 0.3") &&
         Tone("wav_noise_stereo_48k_24bit.mp3.wav", 48000, 2, 1, "whitenoise vol 0.5", 24) &&
         Tone("wav_220_mono_22k_8bit.mp3.wav", 22050, 1, 1, "sine 220 vol 0.9", 8);
    for (const char* name : {"wav_440_mono_8k.mp3", "wav_1k_stereo_44k.mp3", "wav_1k_stereo_44k_quiet.mp3",
                             "wav_noise_stereo_48k_24bit.mp3",
                             "wav_220_mono_22k_8bit.mp3"})
      ok = ok && QFile::rename(Path(QString(name) + ".wav"), Path(name));
    ok = ok && Save(Path("empty.mp3"), {}) &&
         Save(Path("text.mp3"), QByteArray("Running order for Saturday\n").repeated(200)) &&
         Save(Path("random.mp3"), RandomBytes(64 * 1024, 11));
    return ok;
  }
  static QTemporaryDir* dir_;
  static bool ready_;
};
QTemporaryDir* Corpus::dir_ = nullptr;
bool Corpus::ready_ = false;

struct MpegCase {
  const char* file;
  int rate, channels;
  // The rate lame was told for a constant bit rate; -1 for a variable one, which reads as
  // the file's bytes over its length; 0 where tags or damage leave it open.
  int kbps;
};

const MpegCase kMpegCases[] = {
    {"cbr128.mp3", 44100, 2, 128},
    {"vbr_xing.mp3", 44100, 2, -1},
    {"vbr_no_xing.mp3", 44100, 2, -1},
    {"mpeg2_22k_mono.mp3", 22050, 1, 32},
    {"mpeg2_24k_stereo.mp3", 24000, 2, -1},
    {"mpeg25_8k_mono.mp3", 8000, 1, 16},
    {"mpeg25_11k_stereo.mp3", 11025, 2, 32},
    {"mono48.mp3", 48000, 1, 64},
    {"tagged.mp3", 44100, 2, 128},
    {"ape.mp3", 44100, 2, 128},
    {"joined.mp3", 44100, 2, -1},
    {"corrupt.mp3", 44100, 2, 0},
    {"short.mp3", 44100, 2, 128},
    {"junk_start.mp3", 44100, 2, 0},
    {"three_id3v2.mp3", 44100, 2, 128},
};

TEST_F(Corpus, AnalyserMeasuresWhatAFullDecodeGives) {
  XA_Analyzer* analyzer = nullptr;
  ASSERT_EQ(xanalyzer_new(&analyzer), 0);
  for (const MpegCase& c : kMpegCases) {
    Decoded ref;
    ASSERT_TRUE(DecodeWhole(Path(c.file), &ref)) << c.file;
    XA_AnalyzerInfo info;
    ASSERT_EQ(xanalyzer_process_file(analyzer, QFile::encodeName(Path(c.file)).constData(), &info, 0), 0) << c.file;
    EXPECT_EQ(info.frequency, c.rate) << c.file;
    EXPECT_EQ(info.channels, c.channels) << c.file;
    EXPECT_NEAR(info.duration / 1000.0, ref.Seconds(), kFrame) << c.file;
    if (c.kbps > 0) {
      EXPECT_EQ(info.bitrate, c.kbps) << c.file;
    } else if (c.kbps < 0) {
      const double average = QFile(Path(c.file)).size() * 8 / ref.Seconds() / 1000;
      EXPECT_NEAR(info.bitrate, average, average * 0.05) << c.file;
    }
  }
  XA_AnalyzerInfo info;
  ASSERT_EQ(xanalyzer_process_file(analyzer, QFile::encodeName(Path("tagged.mp3")).constData(), &info, 0), 0);
  EXPECT_EQ(info.title, "Corpus_Title");
  EXPECT_EQ(info.artist, "Corpus_Artist");
  xanalyzer_delete(analyzer);
}

TEST_F(Corpus, PlayerPlaysExactlyWhatAFullDecodeGives) {
  for (const MpegCase& c : kMpegCases) {
    Decoded ref;
    ASSERT_TRUE(DecodeWhole(Path(c.file), &ref)) << c.file;
    WavData wav;
    ASSERT_TRUE(RenderToWav(Path(c.file), Path("out.wav"), nullptr, &wav)) << c.file;
    EXPECT_EQ(wav.rate, c.rate) << c.file;
    EXPECT_NEAR(wav.Seconds(), ref.Seconds(), kFrame) << c.file;
    // Sample for sample from the first one (no start trim lost, no silence added), to
    // the 16-bit rounding of the WAV file.
    const size_t n = std::min<size_t>({ref.left.size(), wav.left.size(), 4096});
    double worst = 0;
    for (size_t i = 0; i < n; ++i)
      worst = std::max(worst, std::fabs(double(wav.left[i]) - std::clamp(ref.left[i], -1.0f, 1.0f)));
    EXPECT_LT(worst, 2.0 / 32768) << c.file;
  }
}

TEST_F(Corpus, WhatIsNotMpegAudioIsRefusedNeverPlayed) {
  const char* files[] = {"wav_440_mono_8k.mp3", "wav_1k_stereo_44k.mp3", "wav_1k_stereo_44k_quiet.mp3",
                         "wav_noise_stereo_48k_24bit.mp3",
                         "wav_220_mono_22k_8bit.mp3", "empty.mp3", "text.mp3", "random.mp3"};
  XA_Analyzer* analyzer = nullptr;
  ASSERT_EQ(xanalyzer_new(&analyzer), 0);
  TestPlayer p;
  for (const char* file : files) {
    XA_AnalyzerInfo info;
    EXPECT_EQ(xanalyzer_process_file(analyzer, QFile::encodeName(Path(file)).constData(), &info, 0),
              XA_ERROR_INVALID_FORMAT)
        << file;
    EXPECT_EQ(info.duration, 0u) << file;
    p.SendText(XA_MSG_COMMAND_INPUT_OPEN, Path(file));
    ASSERT_TRUE(p.WaitFor(XA_MSG_NOTIFY_NACK)) << file;
    const XA_Message nack = *p.log.Last(XA_MSG_NOTIFY_NACK);
    EXPECT_EQ(nack.a, XA_MSG_COMMAND_INPUT_OPEN) << file;
    EXPECT_EQ(nack.b, XA_ERROR_INVALID_FORMAT) << file;
    p.Send(XA_MSG_COMMAND_PLAY);
    ASSERT_TRUE(p.WaitFor(XA_MSG_NOTIFY_NACK)) << file;
    EXPECT_EQ(p.log.Last(XA_MSG_NOTIFY_NACK)->b, XA_ERROR_NO_INPUT) << file;
  }
  EXPECT_EQ(p.log.Find(XA_MSG_NOTIFY_PLAYER_STATE, 0, XA_STATE_PLAYING), -1);
  xanalyzer_delete(analyzer);
}

}  // namespace
