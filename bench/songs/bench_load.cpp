// Loading a PRL play list of 100 000 clips into the songs list, as a ratio to reading the
// same file and splitting it into its quoted values, plus the memory the loaded list holds.
#include "BenchSupport.h"
#include "formats/QuotedValues.h"
#include "songs/ClipLoader.h"
#include "songs/RememberedFolders.h"
#include "songs/ui/SongsListPanel.h"

#include <QApplication>
#include <QTableView>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kClips = 100000;

QByteArray MakePrl() {
  QByteArray b =
      "\"Tevro Play List - Version 2.0\"\r\n\"Date: \"\r\n\"Owner: KORVO XA user\"\r\n\"Clips: 100000\"\r\n"
      "\"Duration: 00:00:00:00\"\r\n\"Style: \"\r\n\"Description: Created By KORVO XA\"\r\n\"Date to play: \"\r\n"
      "\"Time to play: \"\r\n";
  for (int i = 0; i < kClips; ++i)
    b += QStringLiteral("\"00:03:%1:00D:\\Music\\Artist %2\\Album %3\\%4 - Song title number %5.mp3\"\r\n")
             .arg(i % 60, 2, 10, QLatin1Char('0'))
             .arg(i % 97)
             .arg(i % 13)
             .arg(i % 20 + 1, 2, 10, QLatin1Char('0'))
             .arg(i)
             .toUtf8();
  return b;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir dir;
  const QString path = dir.path() + QStringLiteral("/big.prl");
  {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return 1;
    f.write(MakePrl());
  }

  // Baseline: read the whole file and split it into its values.
  qsizetype values = 0;
  double baseline = 1e9;
  for (int run = 0; run < 3; ++run) {
    baseline = std::min(baseline, bench::Seconds([&] {
      QFile f(path);
      if (!f.open(QIODevice::ReadOnly)) return;
      values = quoted::Values(f.readAll()).size();
    }));
  }

  FixedClock clock;
  PlayLog log(clock, dir.path() + QLatin1Char('/'));
  SilentDialogs dialogs;
  RememberedFolders folders;
  double load = 1e9;
  long rssBefore = 0, rssAfter = 0;
  for (int run = 0; run < 3; ++run) {
    SongsList list(log);
    SongsListPanel panel(list, {});
    panel.resize(220, 540);
    panel.show();
    ClipLoader loader(panel.List(), dialogs, log, folders, [](const QString&) {});
    QApplication::processEvents();
    const long before = bench::ResidentKb();
    load = std::min(load, bench::Seconds([&] {
      loader.LoadPrl(path);
      QApplication::processEvents();  // the view lays out and paints the new rows
    }));
    // The first run shows what the rows cost; later runs reuse the memory freed before.
    if (run == 0) {
      rssBefore = before;
      rssAfter = bench::ResidentKb();
    }
    if (panel.List().Count() != kClips) {
      std::fprintf(stderr, "loaded %d clips, expected %d\n", panel.List().Count(), kClips);
      return 1;
    }
  }

  std::printf("PRL of %d clips (%lld values, %lld bytes)\n", kClips, static_cast<long long>(values),
              static_cast<long long>(QFileInfo(path).size()));
  std::printf("read + split:            %8.1f ms\n", baseline * 1000);
  std::printf("load into songs list:    %8.1f ms  (ratio %.2f)\n", load * 1000, load / baseline);
  std::printf("VmRSS: %ld kB before, %ld kB after (+%ld kB, %.0f bytes a clip)\n", rssBefore, rssAfter,
              rssAfter - rssBefore, (rssAfter - rssBefore) * 1024.0 / kClips);
  return 0;
}
