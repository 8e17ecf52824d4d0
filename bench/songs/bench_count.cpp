// Counting the play times of 1 000 clips (the analyser reads frame headers only), as a
// ratio per clip to ffprobe reading the duration of the same files in the same run, one
// process per file as a user would run it. Starting ffprobe costs far more than the count,
// so it runs over a sample of the clips; the ratio compares time per clip. `mpg123 -t`
// (decodes without output) is shown as a second baseline, and stands in for ffprobe where
// ffprobe is not installed (`scripts/setup --bench` installs it).
//
// The count runs the way the program runs it: PlayTimeCounter's worker thread measures,
// and each result is written on the GUI thread by the event loop. The clips carry no
// Xing/Info header, so the analyser walks every frame header; a second line counts the
// same song with lame's Info header, where the analyser reads the length from the header.
//
// Counts and ffprobe runs take turns, round by round, so a busy shared machine slows both
// alike rather than whichever ran while it was busy.
#include "BenchSupport.h"
#include "formats/TimeText.h"
#include "audio/ClipAnalyzer.h"
#include "songs/PlayTimeCounter.h"
#include "songs/ui/SongsListPanel.h"

#include <QApplication>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kClips = 1000;
constexpr int kRounds = 3;
constexpr int kProbesPerRound = 34;
constexpr int kDecodeSample = 20;
constexpr double kClipSeconds = 180;
constexpr int kFps = 25;

bool Run(const QString& program, const QStringList& args, QByteArray* out = nullptr) {
  QProcess p;
  p.start(program, args);
  const bool ok = p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
  if (out) *out = p.readAllStandardOutput();
  return ok;
}

struct Spread {
  double median = 0, mean = 0, min = 0, max = 0;
};

Spread SpreadOf(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  Spread s;
  s.median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
  for (double x : v) s.mean += x / n;
  s.min = v.front();
  s.max = v.back();
  return s;
}

// A songs list of the given clips and the counter over it, as the main window holds them.
class ListCount {
 public:
  ListCount(const QStringList& files, PlayLog& log)
      : clips_(int(files.size())),
        list_(log),
        panel_(list_, {}),
        counter_(list_, nullptr, dialogs_, log, analyzer_, [] { return kFps; }, [](const QString&) {},
                 [](const QString&) {}) {
    std::vector<ClipEntry> rows;
    for (const QString& f : files) rows.push_back(MakeClipEntry(f));
    panel_.Model().Insert(0, std::move(rows));
  }

  // Counts the whole list once; the event loop runs as in the program until the counter
  // says it has finished. A count that measured nothing would look fast, so the list must
  // add up to its clips. Seconds a clip, or a negative number on failure.
  double Round() {
    QEventLoop loop;
    QObject::connect(&counter_, &PlayTimeCounter::finished, &loop, &QEventLoop::quit);
    bool timedOut = false;
    QTimer::singleShot(600000, &loop, [&] {
      timedOut = true;
      loop.quit();
    });
    bool started = false;
    const double seconds = bench::Seconds([&] {
      started = counter_.CountPlayListTimes() == 0;
      if (started) loop.exec();
    });
    if (!started || timedOut) {
      std::fprintf(stderr, "the count %s\n", started ? "did not end" : "did not start");
      return -1;
    }
    if (std::abs(timetext::DurationToFrames(Total(), kFps) / double(kFps) - clips_ * kClipSeconds) > clips_) {
      std::fprintf(stderr, "the count gave %s for %d clips of %.0f s\n", qPrintable(Total()), clips_, kClipSeconds);
      return -1;
    }
    return seconds / clips_;
  }

  QString Total() { return panel_.List().ListDuration(); }

 private:
  int clips_;
  SilentDialogs dialogs_;
  XaudioClipAnalyzer analyzer_;
  SongsList list_;
  SongsListPanel panel_;
  PlayTimeCounter counter_;
};

// One ffprobe process for one file, timed; the answer must be the clip's length, so a
// failing or short-cut run cannot pass as fast. Seconds, or a negative number on failure.
double ProbeDuration(const QString& ffprobe, const QString& file) {
  QByteArray out;
  bool ok = false;
  const double seconds = bench::Seconds([&] {
    ok = Run(ffprobe, {"-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", file}, &out);
  });
  bool parsed = false;
  const double duration = out.trimmed().toDouble(&parsed);
  if (!ok || !parsed || std::abs(duration - kClipSeconds) > 1) {
    std::fprintf(stderr, "ffprobe failed on %s (output \"%s\")\n", qPrintable(file), out.trimmed().constData());
    return -1;
  }
  return seconds;
}

QStringList LinkClips(const QString& dir, const QString& prefix, const QString& source) {
  QStringList files;
  for (int i = 0; i < kClips; ++i) {
    const QString name = dir + QStringLiteral("/%1%2.mp3").arg(prefix).arg(i, 4, 10, QLatin1Char('0'));
    if (!QFile::link(source, name)) QFile::copy(source, name);
    files << name;
  }
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir dir;
  const QString wav = dir.path() + "/song.wav", mp3 = dir.path() + "/song.mp3";
  const QString tagged = dir.path() + "/tagged.mp3";
  // One three-minute song at 128 kbit/s, linked under 1 000 names: without an Info header
  // (lame -t) and, for the second line, with one.
  if (!Run("sox", {"-n", "-r", "44100", "-c", "2", "-b", "16", wav, "synth", QString::number(kClipSeconds), "sine",
                   "200-2000", "vol", "0.4"}) ||
      !Run("lame", {"--quiet", "-b", "128", "--cbr", "-t", wav, mp3}) ||
      !Run("lame", {"--quiet", "-b", "128", "--cbr", wav, tagged})) {
    std::fprintf(stderr, "sox and lame are needed to make the input\n");
    return 1;
  }
  const QStringList files = LinkClips(dir.path(), "clip", mp3);
  const QStringList taggedFiles = LinkClips(dir.path(), "tagged", tagged);

  FixedClock clock;
  PlayLog log(clock, dir.path() + QLatin1Char('/'));
  ListCount plain(files, log), withInfo(taggedFiles, log);
  const QString ffprobe = QStandardPaths::findExecutable("ffprobe");
  const bool haveProbe = !ffprobe.isEmpty();

  // Each round: both counts over all 1 000 clips, then ffprobe over the next part of an
  // evenly spread sample. The ratio of each round compares times taken side by side.
  std::vector<double> countTimes, infoTimes, probeTimes, roundSpeedups;
  for (int r = 0; r < kRounds; ++r) {
    const double count = plain.Round(), info = withInfo.Round();
    if (count < 0 || info < 0) return 1;
    countTimes.push_back(count);
    infoTimes.push_back(info);
    if (!haveProbe) continue;
    double roundProbe = 0;
    for (int i = 0; i < kProbesPerRound; ++i) {
      const int clip = (r * kProbesPerRound + i) * kClips / (kRounds * kProbesPerRound);
      const double t = ProbeDuration(ffprobe, files[clip]);
      if (t < 0) return 1;
      probeTimes.push_back(t);
      roundProbe += t / kProbesPerRound;
    }
    roundSpeedups.push_back(roundProbe / count);
  }

  QStringList decodeArgs = files.mid(0, kDecodeSample);
  decodeArgs.prepend("-t");
  decodeArgs.prepend("-q");
  bool decoded = false;
  const double decode = bench::Seconds([&] { decoded = Run("mpg123", decodeArgs); }) / kDecodeSample;
  if (!decoded) {
    std::fprintf(stderr, "mpg123 -t failed\n");
    return 1;
  }

  const Spread count = SpreadOf(countTimes), info = SpreadOf(infoTimes);
  std::printf("%d clips of %.0f s, 128 kbit/s, no Info header; list duration counted: %s\n", kClips, kClipSeconds,
              qPrintable(plain.Total()));
  std::printf("count play times:  %9.3f ms a clip (median of %d rounds over %d clips; rounds %.3f-%.3f)\n",
              count.median * 1000, kRounds, kClips, count.min * 1000, count.max * 1000);
  double base = decode;
  const char* baseName = "mpg123 -t";
  if (haveProbe) {
    const Spread probe = SpreadOf(probeTimes);
    std::printf("ffprobe duration:  %9.3f ms a clip (mean of %d processes, %d a round; single ones median %.3f, "
                "%.3f-%.3f)\n",
                probe.mean * 1000, int(probeTimes.size()), kProbesPerRound, probe.median * 1000, probe.min * 1000,
                probe.max * 1000);
    base = probe.mean;
    baseName = "ffprobe";
  } else {
    std::printf("ffprobe:           not installed (scripts/setup --bench installs it); mpg123 -t is the baseline\n");
  }
  std::printf("mpg123 -t:         %9.3f ms a clip (%d clips in one process)\n", decode * 1000, kDecodeSample);

  std::printf("ratio count / %s: %.5f (count is %.1f times faster a clip; target at least 10)\n", baseName,
              count.median / base, base / count.median);
  if (haveProbe) {
    const Spread speedup = SpreadOf(roundSpeedups);
    std::printf("  round by round: %.1f-%.1f times faster\n", speedup.min, speedup.max);
    std::printf("ratio count / mpg123 -t: %.5f (%.1f times faster)\n", count.median / decode, decode / count.median);
  }
  std::printf("with an Info header: count %.3f ms a clip (rounds %.3f-%.3f); ratio to %s %.5f (%.0f times faster)\n",
              info.median * 1000, info.min * 1000, info.max * 1000, baseName, info.median / base,
              base / info.median);
  return 0;
}
