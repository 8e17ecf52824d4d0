// Converting a clip to a WAV file, as the play-list creator does, against `mpg123 -w` of the
// same file in the same run: wall time from the command to the finished file, best of
// several rounds each, so the figure is a ratio that holds on any machine.
#include "AudioHarness.h"
#include "BenchInput.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <cstdio>

namespace {

constexpr int kClipSeconds = 180;
constexpr int kRounds = 5;

double EngineSeconds(const QString& mp3, const QString& wav) {
  QFile::remove(wav);
  TestPlayer p;
  QElapsedTimer t;
  t.start();
  p.SendText(XA_MSG_COMMAND_OUTPUT_OPEN, "wav:" + wav);
  p.SendText(XA_MSG_COMMAND_INPUT_OPEN, mp3);
  p.Send(XA_MSG_COMMAND_PLAY);
  if (!p.WaitFor(XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_EOF, 120000)) return -1;
  // The file is complete once the player has closed it: the end is reported after that.
  return QFile::exists(wav) ? t.nsecsElapsed() / 1e9 : -1;
}

double Mpg123Seconds(const QString& mp3, const QString& wav) {
  QFile::remove(wav);
  QElapsedTimer t;
  t.start();
  QProcess p;
  p.start(QStringLiteral("mpg123"), {QStringLiteral("-q"), QStringLiteral("-w"), wav, mp3});
  if (!p.waitForFinished(120000) || p.exitCode() != 0) return -1;
  return t.nsecsElapsed() / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir dir;
  const QString mp3 = MakeBenchMp3(dir.path(), kClipSeconds);
  if (mp3.isEmpty()) {
    std::fprintf(stderr, "bench: sox or lame failed\n");
    return 1;
  }
  const QString wav = dir.filePath(QStringLiteral("out.wav"));
  double engine = 1e9, mpg123 = 1e9;
  qint64 engineBytes = 0, mpg123Bytes = 0;
  for (int round = 0; round < kRounds; ++round) {
    const double m = Mpg123Seconds(mp3, wav);
    mpg123Bytes = QFileInfo(wav).size();
    const double e = EngineSeconds(mp3, wav);
    engineBytes = QFileInfo(wav).size();
    if (m < 0 || e < 0) {
      std::fprintf(stderr, "bench: a conversion failed (mpg123 %.3f, engine %.3f)\n", m, e);
      return 1;
    }
    mpg123 = std::min(mpg123, m);
    engine = std::min(engine, e);
  }
  // A fast conversion that wrote less would not count: the files must hold the same audio
  // within one 1/25 s frame (44.1 kHz stereo 16-bit).
  if (std::llabs(engineBytes - mpg123Bytes) > 44100 * 4 / 25) {
    std::fprintf(stderr, "bench: WAV sizes differ: engine %lld, mpg123 %lld bytes\n", static_cast<long long>(engineBytes),
                 static_cast<long long>(mpg123Bytes));
    return 1;
  }
  std::printf("%d s clip to WAV: engine best %.3f s, mpg123 -w best %.3f s of %d rounds\n", kClipSeconds, engine,
              mpg123, kRounds);
  std::printf("ratio engine / mpg123: %.2f (target at most 1.5)\n", engine / mpg123);
  return 0;
}
