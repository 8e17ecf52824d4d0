// A station's adverts without a window: a songs list with fake decks behind its feed, a
// fixed clock, scripted dialogs, the timer table wired to the adverts as the window wires
// it, a play log and a drive C folder in a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "adverts/Adverts.h"
#include "platform/Clock.h"
#include "platform/PlayLog.h"
#include "platform/TimerIds.h"
#include "platform/TimerTable.h"
#include "songs/PlayerFeed.h"
#include "songs/SongsList.h"
#include "support/FakeDecks.h"
#include "support/ScriptedDialogs.h"

struct AdvertStation {
  AdvertStation()
      : log(clock, dir.path() + u'/'),
        songs(log),
        feed(songs, decks, log, [this](const QString& s) { statuses << s; }),
        adverts(songs, feed, timers, dialogs, clock, log, {[this] { return mixing; }, [this] { return loadingType; }}) {
    qputenv("KORVO_DRIVE_C", DriveC().toUtf8());
    log.SetEnabled(true);
    QObject::connect(&timers, &TimerTable::Timeout, &adverts, [this](int id) { adverts.OnTimer(id); });
  }
  ~AdvertStation() { qunsetenv("KORVO_DRIVE_C"); }

  // An EPL file of the given spot lines ("HH:MM   CODE-I   NAME"), header first.
  QString WriteEpl(const QStringList& spots, const QString& name = QStringLiteral("day.epl")) {
    QByteArray bytes = "\"Spotwright0116 Play List of: 05/12/2000\"\r\n";
    for (const QString& s : spots) bytes += '"' + s.toUtf8() + "\"\r\n";
    return WriteFile(name, bytes);
  }
  QString WriteFile(const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }

  // The songs list holds clip0..clip<n-1>; row `current` is selected.
  void FillSongs(int n, int current) {
    std::vector<ClipEntry> rows;
    for (int i = 0; i < n; ++i) rows.push_back(MakeClipEntry(QStringLiteral("/music/clip%1.mp3").arg(i)));
    songs.Model().Insert(0, std::move(rows));
    songs.SelectItem(current);
  }

  // The standard day: two spots at 08:00, one at 12:30, loaded with adverts switched on.
  void LoadDay() {
    ASSERT_EQ(adverts.LoadAdvertList(WriteEpl(
                  {"08:00   LOGO1-1   MORNING SPOT", "12:30   LOGO1-X   NOON SPOT", "08:00   00000-S   SECOND SPOT"})),
              3);
    adverts.SetAdvertsEnabled(true);
  }

  void At(int h, int m, int s) { clock.Set(QDateTime(QDate(2024, 3, 1), QTime(h, m, s))); }
  // One tick of the advert check at the given time.
  void TickAt(int h, int m, int s) {
    At(h, m, s);
    timers.Fire(timerid::kAdvertCheck);
  }

  QStringList SongTitles() const {
    QStringList t;
    for (const ClipEntry& e : songs.Model().Rows()) t << e.title;
    return t;
  }
  QStringList Blocks() const { return adverts.List().Blocks().Entries(); }
  QString LogText() const {
    QFile f(log.FilePath());
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
  }
  void Answer(Dialogs::Answer a) { dialogs.answers.enqueue(a); }

  QString DriveC() const { return dir.filePath(QStringLiteral("drive_c")); }

  QTemporaryDir dir;
  FixedClock clock{QDateTime(QDate(2024, 3, 1), QTime(7, 0))};
  PlayLog log;
  SongsList songs;
  FakeDecks decks;
  QStringList statuses;
  PlayerFeed feed;
  TimerTable timers;
  ScriptedDialogs dialogs;
  bool mixing = false;
  int loadingType = 0;
  Adverts adverts;
};

class AdvertsFixture : public ::testing::Test, public AdvertStation {};
