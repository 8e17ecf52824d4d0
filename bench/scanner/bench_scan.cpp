// The drive scan over a tree of 100 000 files (one in ten an MP3, in the folders of a
// music collection beside documents and source trees), as a ratio to
// `find ROOT -iname '*.mp3' -size +0` over the same tree in the same run. Both are run once
// to warm the cache, then take turns, round by round, so a busy shared machine slows both
// alike; the best run of each counts. The scan writes its profile as the library does
// (temporary file, renamed into place); find writes its list to /dev/null.
//
// The tree goes into a temporary folder, or below $KORVO_BENCH_DIR when set (to measure a
// particular disk).
#include "scanner/ProfileScan.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRounds = 7;
constexpr double kTarget = 1.1;

class TreeMaker {
 public:
  explicit TreeMaker(QString root) : root_(std::move(root)) {}

  void Files(const QString& folder, int count, const char* pattern, qint64 bytes) {
    const QString path = root_ + '/' + folder;
    QDir().mkpath(path);
    for (int i = 0; i < count; ++i) {
      const QByteArray name = QFile::encodeName(path + '/' + QString::asprintf(pattern, i + 1));
      const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
      if (fd < 0) continue;
      const QByteArray content(bytes, 'x');
      if (::write(fd, content.constData(), size_t(content.size())) == bytes) ++made_;
      ::close(fd);
    }
  }
  int Made() const { return made_; }

 private:
  QString root_;
  int made_ = 0;
};

// 10 000 clips in genre/artist/album folders with their covers and lists, 10 000 documents
// by year and month, 78 000 source files in project/module/folder trees. A few clips are
// empty: neither side lists them.
int MakeTree(const QString& root) {
  TreeMaker tree(root);
  for (int g = 0; g < 10; ++g)
    for (int a = 0; a < 25; ++a)
      for (int b = 0; b < 4; ++b) {
        const QString album = QString::asprintf("Music/Genre %02d/Artist %03d/Album %d", g, a, b);
        tree.Files(album, 9, "%02d - Track.mp3", 2048);
        tree.Files(album, 1, (g + a + b) % 50 ? "%02d - Bonus.MP3" : "%02d - Damaged.mp3", (g + a + b) % 50 ? 2048 : 0);
        tree.Files(album, 1, "cover%d.jpg", 512);
        tree.Files(album, 1, "playlist%d.m3u", 64);
      }
  for (int y = 0; y < 20; ++y)
    for (int m = 0; m < 10; ++m)
      tree.Files(QString::asprintf("Documents/%d/%02d", 2000 + y, m + 1), 50, "letter %03d.txt", 64);
  for (int p = 0; p < 65; ++p)
    for (int mod = 0; mod < 6; ++mod)
      for (int s = 0; s < 8; ++s)
        tree.Files(QString::asprintf("src/project%02d/module%d/part%d", p, mod, s), 25, "unit%02d.cpp", 32);
  return tree.Made();
}

double Milliseconds(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

// Time of one find run, or a negative time when it failed; lines counts its output when given.
double RunFind(const QString& root, qsizetype* lines = nullptr) {
  QProcess find;
  if (!lines) find.setStandardOutputFile(QProcess::nullDevice());
  QElapsedTimer t;
  t.start();
  find.start(QStringLiteral("find"), {root, "-iname", "*.mp3", "-size", "+0"});
  if (!find.waitForFinished(-1) || find.exitStatus() != QProcess::NormalExit || find.exitCode() != 0) return -1;
  const double ms = Milliseconds(t);
  if (lines) *lines = find.readAllStandardOutput().count('\n');
  return ms;
}

double RunScan(const QString& profile, const scanner::ScanPlan& plan, int* clips) {
  QElapsedTimer t;
  t.start();
  const scanner::ScanResult result = scanner::WriteProfile(profile, plan);
  const double ms = Milliseconds(t);
  *clips = result.written ? result.clips : -1;
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QString base = qEnvironmentVariable("KORVO_BENCH_DIR", QDir::tempPath());
  QTemporaryDir work(base + QStringLiteral("/bench_scan-XXXXXX"));
  if (!work.isValid()) {
    std::fprintf(stderr, "cannot make a folder below %s\n", qPrintable(base));
    return 1;
  }
  const QString root = work.filePath(QStringLiteral("tree"));
  const QString profile = work.filePath(QStringLiteral("_mp3files.txt"));
  QElapsedTimer made;
  made.start();
  const int files = MakeTree(root);
  std::printf("tree: %d files in %.1f s under %s\n", files, Milliseconds(made) / 1000, qPrintable(root));

  const scanner::ScanPlan plan = scanner::PlanForRoots({root}, {}, {});
  int clips = 0;
  qsizetype found = 0;
  RunScan(profile, plan, &clips);  // both warm the cache first
  if (RunFind(root, &found) < 0) {
    std::fprintf(stderr, "find failed\n");
    return 1;
  }
  if (clips != found) {
    std::fprintf(stderr, "the scan found %d clips, find %lld\n", clips, static_cast<long long>(found));
    return 1;
  }

  double bestScan = 1e300, bestFind = 1e300;
  for (int round = 0; round < kRounds; ++round) {
    bestScan = std::min(bestScan, RunScan(profile, plan, &clips));
    const double f = RunFind(root);
    if (f < 0 || clips != found) return 1;
    bestFind = std::min(bestFind, f);
  }
  const double ratio = bestScan / bestFind;
  std::printf("clips: %d\n", clips);
  std::printf("scan (profile written): best %.1f ms of %d\n", bestScan, kRounds);
  std::printf("find -iname '*.mp3' -size +0: best %.1f ms of %d\n", bestFind, kRounds);
  std::printf("ratio scan / find: %.2f (target at most %.1f) %s\n", ratio, kTarget, ratio <= kTarget ? "ok" : "MISSED");
  return 0;
}
