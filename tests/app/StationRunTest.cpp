// A station left alone on the real engine and the null output: the start-up play list
// (three good clips, one missing, one that is no MP3) is shuffled and mixed through
// without a hand on it. Each good clip must go on air and into the play log once, in the
// list's order, the bad ones must leave the list, and the output must not fall silent
// between the first clip's start and the last clip's end.
#include "app/MainWindow.h"
#include "support/NoRenamePrompt.h"
#include "audio/devices.h"
#include "deck/Decks.h"
#include "audio/DecoderEngine.h"
#include "formats/PrlWriter.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/PlayLog.h"
#include "platform/SettingsStore.h"
#include "platform/SystemServices.h"
#include "songs/SongsList.h"
#include "songs/ui/SongsListPanel.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

// Long enough that the default style (mix in the last six seconds) leaves a few seconds
// of each clip on air before the next one comes in.
constexpr int kClipSeconds = 9;
// -40 dBFS; the clips' tones peak near -6 dBFS, a crossfade never dips near this.
constexpr float kSilentPeak = 0.01f;
constexpr int kSampleMs = 25;
// Start-up mix after 5 s, then a few seconds a clip; sanitizers and a busy machine slow
// the GUI thread, not the null output's pace.
constexpr qint64 kDeadlineMs = 120000;

bool MakeToneMp3(const QString& folder, const QString& name, int hz, QString* error) {
  const QString wav = folder + QStringLiteral("/tone.wav");
  QProcess sox;
  sox.start(QStringLiteral("sox"), {QStringLiteral("-q"), QStringLiteral("-n"), QStringLiteral("-r"),
                                    QStringLiteral("44100"), QStringLiteral("-c"), QStringLiteral("2"), wav,
                                    QStringLiteral("synth"), QString::number(kClipSeconds), QStringLiteral("sine"),
                                    QString::number(hz), QStringLiteral("gain"), QStringLiteral("-6")});
  if (!sox.waitForFinished(60000) || sox.exitCode() != 0) {
    *error = QStringLiteral("sox: ") + QString::fromLocal8Bit(sox.readAllStandardError()) + sox.errorString();
    return false;
  }
  QProcess lame;
  lame.start(QStringLiteral("lame"),
             {QStringLiteral("--quiet"), QStringLiteral("-b"), QStringLiteral("128"), wav, folder + u'/' + name});
  const bool ok = lame.waitForFinished(60000) && lame.exitCode() == 0;
  if (!ok) *error = QStringLiteral("lame: ") + QString::fromLocal8Bit(lame.readAllStandardError()) + lame.errorString();
  QFile::remove(wav);
  return ok;
}

// The clip paths of the play log's "CLP" entries, in order.
QStringList LoggedClips(const QString& logPath) {
  QFile f(logPath);
  QStringList clips;
  if (!f.open(QIODevice::ReadOnly)) return clips;
  const QString marker = QStringLiteral("\",\"CLP\",\"");
  for (const QString& line : QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
    const qsizetype at = line.indexOf(marker);
    if (at < 0) continue;
    const qsizetype from = at + marker.size();
    clips << line.mid(from, line.indexOf(u'"', from) - from);
  }
  return clips;
}

// A station folder with its settings, clips and start-up list, and the window over the
// real engine that main() uses.
class UnattendedStation {
 public:
  UnattendedStation() : settings(dir.filePath(QStringLiteral("KORVO XA.ini"))) {
    startFolder = dir.filePath(QStringLiteral("station")) + u'/';
    music = startFolder + QStringLiteral("Music");
    QDir().mkpath(music);
    dialogs.defaultAnswer = Dialogs::Answer::Yes;
  }

  // Three tones, one clip that is not there and one text file named like an MP3.
  bool MakeClips(QString* error) {
    enum class Kind { Tone, Missing, NotMp3 };
    struct Clip {
      const char* name;
      Kind kind;
      int hz;
    };
    // Listed so that the start-up shuffle puts each bad clip between two good ones:
    // Alpha, Missing, Bravo, Corrupt, Charlie. The station meets both in mid-run.
    const Clip clips[] = {{"Corrupt Clip.mp3", Kind::NotMp3, 0},
                          {"Alpha Tone.mp3", Kind::Tone, 330},
                          {"Bravo Tone.mp3", Kind::Tone, 440},
                          {"Charlie Tone.mp3", Kind::Tone, 550},
                          {"Missing Clip.mp3", Kind::Missing, 0}};
    QList<PrlClip> lines;
    for (const Clip& c : clips) {
      const QString name = QString::fromLatin1(c.name);
      const QString path = music + u'/' + name;
      if (c.kind == Kind::Tone && !MakeToneMp3(music, name, c.hz, error)) return false;
      if (c.kind == Kind::NotMp3) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly)) return false;
        f.write(QByteArray("This is the running order for Tuesday, not a song.\n").repeated(200));
      }
      (c.kind == Kind::Tone ? good : bad) << path;
      lines << PrlClip{QStringLiteral("00:00:%1:00").arg(kClipSeconds, 2, 10, QLatin1Char('0')), path};
    }
    const QString prl = startFolder + QStringLiteral("StartUp.prl");
    if (prl::SavePrl(prl, PrlWriterKind::MainSave, lines, PrlSaveValues{}) != 0) return false;
    settings.WriteSettingValue(QStringLiteral("Def OnStartUp Program"), prl);
    settings.WriteSettingValue(QStringLiteral("Keep Play Log"), QStringLiteral("1"));
    settings.WriteSettingValue(QStringLiteral("FPS"), QStringLiteral("25"));
    return true;
  }

  void Open() {
    log = std::make_unique<PlayLog>(clock, startFolder);
    ctx = std::make_unique<AppContext>(
        AppContext{settings, clock, dialogs, system, engine, *log, startFolder, dir.filePath(QStringLiteral("drive_c")),
                   renamePrompt});
    window = std::make_unique<MainWindow>(*ctx);
    window->Start();
  }

  QStringList ListPaths() {
    SongsList& list = window->SongsPanel().List();
    QStringList paths;
    for (int row = 0; row < list.Count(); ++row) paths << paths::ResolvePath(list.At(row).path);
    return paths;
  }

  QTemporaryDir dir;
  SettingsStore settings;
  SystemClock clock;
  ScriptedDialogs dialogs;
  FakeSystemServices system;
  XaudioEngine engine;
  QString startFolder;
  QString music;
  QStringList good;
  QStringList bad;
  std::unique_ptr<PlayLog> log;
  NoRenamePrompt renamePrompt;
  std::unique_ptr<AppContext> ctx;
  std::unique_ptr<MainWindow> window;
};

TEST(StationRun, StartUpListPlaysThroughWithCrossfadesLoggedAndWithoutDeadAir) {
  ASSERT_EQ(qgetenv("KORVO_AUDIO"), QByteArray("null"));
  UnattendedStation s;
  ASSERT_TRUE(s.dir.isValid());
  QString error;
  ASSERT_TRUE(s.MakeClips(&error)) << error.toStdString();
  s.Open();

  // The order the station is to keep: the list as shuffled, less the clips it cannot play.
  // Removals leave the others' order alone.
  const QStringList shuffled = s.ListPaths();
  ASSERT_EQ(shuffled.size(), 5) << "a bad clip left the list before the run";
  ASSERT_TRUE(s.good.contains(shuffled.first()) && s.good.contains(shuffled.last()))
      << shuffled.join(u'|').toStdString();
  QStringList expected = shuffled;
  for (const QString& b : s.bad) expected.removeAll(b);
  ASSERT_EQ(expected.size(), s.good.size()) << shuffled.join(u'|').toStdString();
  const QString last = expected.last();

  Decks& decks = s.window->DeckSet();
  const auto deckHolding = [&](const QString& path) {
    for (int deck = 1; deck <= 2; ++deck) {
      if (decks.ClipPath(deck) == path) return deck;
    }
    return 0;
  };

  QElapsedTimer clock;
  clock.start();
  qint64 firstOnAir = -1;    // the first CLP entry
  qint64 lastPlaying = -1;   // the last clip seen playing after its CLP entry
  qint64 lastEnded = -1;     // ... and then no longer playing
  qint64 silentSince = -1;   // start of the current silent stretch
  qint64 longestSilence = 0;
  qint64 longestSilenceAt = -1;
  qsizetype seenOnAir = 0;
  QStringList cutIns;  // clips that came on air with nothing on air to fade from
  xaudio_main_peak();
  qint64 previous = clock.elapsed();
  while (lastEnded < 0 && clock.elapsed() < kDeadlineMs) {
    QTest::qWait(kSampleMs);
    const float peak = xaudio_main_peak();
    const qint64 now = clock.elapsed();
    const QStringList logged = LoggedClips(s.log->FilePath());
    if (firstOnAir < 0 && !logged.isEmpty()) firstOnAir = now;
    if (firstOnAir >= 0) {
      // The peak covers everything since the previous sample.
      if (peak >= kSilentPeak) {
        silentSince = -1;
      } else {
        if (silentSince < 0) silentSince = std::max(previous, firstOnAir);
        if (now - silentSince > longestSilence) {
          longestSilence = now - silentSince;
          longestSilenceAt = silentSince;
        }
      }
    }
    // The clip before a clip that just went on air is still playing: it fades under it.
    for (qsizetype k = std::max<qsizetype>(seenOnAir, 1); k < logged.size(); ++k) {
      const int from = deckHolding(logged[k - 1]);
      if (from == 0 || decks.State(from) != PlayerState::Playing) cutIns << logged[k];
    }
    seenOnAir = logged.size();
    if (logged.contains(last)) {
      const int deck = deckHolding(last);
      const bool playing = deck != 0 && decks.State(deck) == PlayerState::Playing;
      if (lastPlaying < 0 && playing) lastPlaying = now;
      if (lastPlaying >= 0 && !playing) lastEnded = now;
    }
    previous = now;
  }

  const QStringList logged = LoggedClips(s.log->FilePath());
  ASSERT_GE(firstOnAir, 0) << "nothing went on air";
  ASSERT_GE(lastEnded, 0) << "the last clip did not go on air and end within the deadline; on air: "
                          << logged.join(u'|').toStdString();

  // Every good clip once, in list order; when the list wrapped round before the last clip
  // ended, whatever followed it is the list from its top again.
  ASSERT_GE(logged.size(), expected.size()) << logged.join(u'|').toStdString();
  EXPECT_EQ(logged.mid(0, expected.size()), expected) << logged.join(u'|').toStdString();
  for (int i = int(expected.size()); i < logged.size(); ++i) {
    EXPECT_EQ(logged[i], expected[i % expected.size()]) << "entry " << i << ": " << logged.join(u'|').toStdString();
  }

  // The clips that failed their check left the list; the good ones stayed.
  EXPECT_EQ(s.ListPaths(), expected);

  EXPECT_LT(longestSilence, 1000) << "silent for " << longestSilence << " ms from " << longestSilenceAt
                                  << " ms; first clip on air at " << firstOnAir << " ms, last clip ended at "
                                  << lastEnded << " ms";
  EXPECT_TRUE(cutIns.isEmpty()) << "cut in without a crossfade: " << cutIns.join(u'|').toStdString();
}

}  // namespace
