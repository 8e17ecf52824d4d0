// Counting the play times of 1 000 clips (the analyser reads frame headers only), as a
// ratio per clip to `mpg123 -t` (decodes without output) on the same files. ffprobe is
// not installed on the build machines; mpg123 is. mpg123 runs over a sample of the clips
// because decoding all of them would take minutes; the ratio compares time per clip.
#include "BenchSupport.h"
#include "playlist/ClipAnalyzer.h"
#include "playlist/DeckAccess.h"
#include "playlist/PlayTimeCounter.h"
#include "playlist/SongsListPanel.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

constexpr int kClips = 1000;
constexpr int kDecodeSample = 20;

class IdleDecks final : public DeckAccess {
 public:
  int LoadClip(int, const QString&, const QString&) override { return -1; }
  State DeckState(int) const override { return State::None; }
  QString TitleText(int) const override { return {}; }
  void Pause(int) override {}
  void Reset(int) override {}
  void OpenReady(int, const QString&) override {}
};

bool Run(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir dir;
  const QString wav = dir.path() + "/song.wav", mp3 = dir.path() + "/song.mp3";
  // One three-minute song at 128 kbit/s, linked under 1 000 names.
  if (!Run("sox", {"-n", "-r", "44100", "-c", "2", "-b", "16", wav, "synth", "180", "sine", "200-2000", "vol", "0.4"}) ||
      !Run("lame", {"--quiet", "-b", "128", "--cbr", "-t", wav, mp3})) {
    std::fprintf(stderr, "sox and lame are needed to make the input\n");
    return 1;
  }
  QStringList files;
  for (int i = 0; i < kClips; ++i) {
    const QString name = dir.path() + QStringLiteral("/clip%1.mp3").arg(i, 4, 10, QLatin1Char('0'));
    if (!QFile::link(mp3, name)) QFile::copy(mp3, name);
    files << name;
  }

  FixedClock clock;
  PlayLog log(clock, dir.path() + QLatin1Char('/'));
  bench::SilentDialogs dialogs;
  IdleDecks decks;
  XaudioClipAnalyzer analyzer;
  SongsListPanel panel(log, {});
  std::vector<ClipEntry> rows;
  for (const QString& f : files) rows.push_back(MakeClipEntry(f));
  panel.Model().Insert(0, std::move(rows));
  PlayTimeCounter counter(panel.List(), decks, dialogs, log, analyzer, [] { return 25; }, [](const QString&) {},
                          [](const QString&) {});

  const double count = bench::Seconds([&] {
    counter.CountPlayListTimes();
    if (!QTest::qWaitFor([&] { return !counter.Running(); }, 600000)) std::fprintf(stderr, "count did not end\n");
  });
  const QString total = panel.List().ListDuration();

  QStringList sample = files.mid(0, kDecodeSample);
  sample.prepend("-t");
  sample.prepend("-q");
  bool decoded = false;
  const double decode = bench::Seconds([&] { decoded = Run("mpg123", sample); });
  if (!decoded) {
    std::fprintf(stderr, "mpg123 -t failed\n");
    return 1;
  }

  const double perClip = count / kClips, perDecode = decode / kDecodeSample;
  std::printf("%d clips of 180 s, 128 kbit/s; list duration counted: %s\n", kClips, qPrintable(total));
  std::printf("count play times:   %8.2f ms a clip (%.2f s in all)\n", perClip * 1000, count);
  std::printf("mpg123 -t:          %8.2f ms a clip (%d clips)\n", perDecode * 1000, kDecodeSample);
  std::printf("ratio count / mpg123 -t: %.3f\n", perClip / perDecode);
  return 0;
}
