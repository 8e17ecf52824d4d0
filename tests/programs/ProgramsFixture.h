// A station's day programs and ensure play without a window: a songs list with fake decks
// behind its feed and a real loader, the adverts, a fixed clock, scripted dialogs, the
// timer table wired to the scheduler, a play log, a station folder and a drive C folder
// in a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "adverts/Adverts.h"
#include "formats/PrlWriter.h"
#include "formats/ProgramsTable.h"
#include "platform/Clock.h"
#include "platform/PlayLog.h"
#include "platform/TimerIds.h"
#include "platform/TimerTable.h"
#include "programs/EnsurePlay.h"
#include "programs/ProgramScheduler.h"
#include "songs/ClipLoader.h"
#include "songs/CrtRand.h"
#include "songs/PlayerFeed.h"
#include "songs/RememberedFolders.h"
#include "songs/SongsList.h"
#include "support/FakeDecks.h"
#include "support/ScriptedDialogs.h"

struct ProgramsStation {
  ProgramsStation()
      : startFolder(dir.filePath(QStringLiteral("station")) + u'/'),
        driveC(dir.filePath(QStringLiteral("drive_c"))),
        log(clock, startFolder),
        songs(log),
        feed(songs, decks, log, [this](const QString& s) { statuses << s; }),
        loader(songs, dialogs, log, folders, [this](const QString& s) { statuses << s; }),
        adverts(songs, feed, timers, dialogs, clock, log, {[this] { return mixing; }, [] { return 0; }}),
        programs(songs, loader, feed, rand, timers, clock, log, startFolder,
                 {[this] { return mixing; }, [this] { return loadNext; }, [this](const QString& s) { statuses << s; }}),
        ensure(songs, loader, adverts, programs, timers, dialogs, log, driveC,
               {[this] { ++autoPlays; }, [this] { ++passResets; }}) {
    QDir().mkpath(startFolder + QStringLiteral("Prglists"));
    QDir().mkpath(driveC);
    log.SetEnabled(true);
    dialogs.defaultAnswer = Dialogs::Answer::Yes;
    QObject::connect(&timers, &TimerTable::Timeout, &programs, [this](int id) { programs.OnTimer(id); });
  }

  // A play list of the named clips in the station folder.
  QString WritePrl(const QString& name, const QStringList& clips) {
    QList<PrlClip> lines;
    for (const QString& c : clips)
      lines.append({QStringLiteral("00:03:00:00"), QStringLiteral("/music/%1.mp3").arg(c)});
    const QString path = startFolder + name;
    EXPECT_EQ(prl::SavePrl(path, PrlWriterKind::MainSave, lines, {}), 0);
    return path;
  }
  // The programs table of (play list, time, shuffle) rows, in file order.
  void WriteTable(const QList<std::array<QString, 3>>& rows) {
    QList<ProgramEntry> entries;
    for (const auto& r : rows) {
      ProgramEntry e;
      e[ProgramEntry::kPlayList] = r[0];
      e[ProgramEntry::kTimeToPlay] = r[1];
      e[ProgramEntry::kShuffleOnLoad] = r[2];
      e[ProgramEntry::kStyle] = QStringLiteral("SHOW ") + r[1];
      entries.append(e);
    }
    ASSERT_EQ(programs::SaveProgramsFile(programs::ProgramsFilePath(startFolder), entries), 0);
  }
  void FillSongs(const QStringList& titles) {
    std::vector<ClipEntry> rows;
    for (const QString& t : titles) rows.push_back(MakeClipEntry(QStringLiteral("/music/%1.mp3").arg(t)));
    songs.Model().Insert(0, std::move(rows));
  }
  QStringList SongTitles() const {
    QStringList t;
    for (const ClipEntry& e : songs.Model().Rows()) t << e.title;
    return t;
  }
  QStringList ProgramTimes() const {
    QStringList t;
    for (const ProgramRow& r : programs.List().Rows()) t << r.time;
    return t;
  }
  void TickAt(int h, int m, int s) {
    clock.Set(QDateTime(QDate(2024, 3, 1), QTime(h, m, s)));
    timers.Fire(timerid::kProgramCheck);
  }
  QString LogText() const {
    QFile f(log.FilePath());
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
  }
  bool Exists(const QString& path) const { return QFile::exists(path); }

  QTemporaryDir dir;
  QString startFolder;
  QString driveC;
  FixedClock clock{QDateTime(QDate(2024, 3, 1), QTime(7, 0))};
  PlayLog log;
  SongsList songs;
  FakeDecks decks;
  QStringList statuses;
  ScriptedDialogs dialogs;
  RememberedFolders folders;
  PlayerFeed feed;
  ClipLoader loader;
  CrtRand rand;
  TimerTable timers;
  bool mixing = false;
  bool loadNext = true;
  int autoPlays = 0;
  int passResets = 0;
  Adverts adverts;
  ProgramScheduler programs;
  EnsurePlay ensure;
};

class ProgramsFixture : public ::testing::Test, public ProgramsStation {};
