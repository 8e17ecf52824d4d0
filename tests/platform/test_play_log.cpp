#include "platform/Clock.h"
#include "platform/PlayLog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PlayLogTest : public ::testing::Test {
 protected:
  QByteArray LogBytes() const {
    QFile f(log.FilePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QTemporaryDir dir;
  FixedClock clock{QDateTime(QDate(2001, 3, 7), QTime(9, 5, 3))};
  PlayLog log{clock, dir.path() + QLatin1Char('/')};
};

TEST_F(PlayLogTest, EntryIsFiveQuotedFieldsWithDayFirstDateAndCrLf) {
  log.SetEnabled(true);
  log.WritePlayLog(QStringLiteral("CLP"), QStringLiteral("/x/a.mp3"), QStringLiteral("Player 1"));
  EXPECT_EQ(log.FilePath(), dir.filePath(QStringLiteral("korvolog.dat")));
  EXPECT_EQ(LogBytes(), QByteArray("\"07/03/2001\",\"09:05:03\",\"CLP\",\"/x/a.mp3\",\"Player 1\"\r\n"));
}

TEST_F(PlayLogTest, EntriesAreAppendedAfterWhatIsAlreadyThere) {
  {
    QFile f(log.FilePath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old line\r\n");
  }
  log.SetEnabled(true);
  log.WritePlayLog(QStringLiteral("APP"), QStringLiteral("CONTROLS INITIALIZED"), QString());
  clock.Set(QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59)));
  log.WritePlayLog(QStringLiteral("ERR"), QStringLiteral("P1 Command 3 failed [x, \"y\"]"),
                   QStringLiteral("Decoder Error - Player 1"));
  EXPECT_EQ(LogBytes(), QByteArray("old line\r\n"
                                   "\"07/03/2001\",\"09:05:03\",\"APP\",\"CONTROLS INITIALIZED\",\"\"\r\n"
                                   "\"31/12/2024\",\"23:59:59\",\"ERR\",\"P1 Command 3 failed [x, \"y\"]\","
                                   "\"Decoder Error - Player 1\"\r\n"));
}

TEST_F(PlayLogTest, PlayerClipCategoryFollowsAdvertsFolderThenKind) {
  struct Case {
    int player;
    QString path;
    int kind;
    const char* line;
  };
  const Case cases[] = {
      {1, QStringLiteral("/x/a.mp3"), PlayLog::kClip, "\"CLP\",\"/x/a.mp3\",\"Player 1\""},
      {2, QStringLiteral("/x/a.mp3"), PlayLog::kAdvert, "\"ADV\",\"/x/a.mp3\",\"Player 2\""},
      {1, QStringLiteral("/x/a.mp3"), PlayLog::kApp, "\"APP\",\"/x/a.mp3\",\"Player 1\""},
      {1, QStringLiteral("/x/a.mp3"), PlayLog::kAcc, "\"ACC\",\"/x/a.mp3\",\"Player 1\""},
      {1, QStringLiteral("/x/a.mp3"), PlayLog::kErr, "\"ERR\",\"/x/a.mp3\",\"Player 1\""},
      {1, QStringLiteral("/x/a.mp3"), 0, "\"OTH\",\"/x/a.mp3\",\"Player 1\""},
      {2, QStringLiteral("/x/a.mp3"), 6, "\"OTH\",\"/x/a.mp3\",\"Player 2\""},
      // A clip from the adverts folder is an advert whatever button played it.
      {1, QStringLiteral("/c/Adverts/spot.MP3"), PlayLog::kClip, "\"ADV\",\"/c/Adverts/spot.MP3\",\"Player 1\""},
      {2, QStringLiteral("C:\\adverts\\x.mp3"), PlayLog::kErr, "\"ADV\",\"C:\\adverts\\x.mp3\",\"Player 2\""},
      {1, QStringLiteral("/music/advert.mp3"), PlayLog::kClip, "\"CLP\",\"/music/advert.mp3\",\"Player 1\""},
  };
  log.SetEnabled(true);
  QByteArray expected;
  for (const Case& c : cases) {
    log.LogPlayerClip(c.player, c.path, c.kind);
    expected += QByteArray("\"07/03/2001\",\"09:05:03\",") + c.line + "\r\n";
  }
  EXPECT_EQ(LogBytes(), expected);
}

TEST_F(PlayLogTest, DisabledLogWritesNothing) {
  log.WritePlayLog(QStringLiteral("APP"), QStringLiteral("APPLICATION EXITED"), QString());
  log.LogPlayerClip(1, QStringLiteral("/x/a.mp3"), PlayLog::kClip);
  EXPECT_FALSE(QFile::exists(log.FilePath()));
  log.SetEnabled(true);
  log.SetEnabled(false);
  log.WritePlayLog(QStringLiteral("APP"), QStringLiteral("APPLICATION EXITED"), QString());
  EXPECT_FALSE(QFile::exists(log.FilePath()));
}

TEST_F(PlayLogTest, EntryThatCannotBeWrittenIsDroppedSilently) {
  // A missing start folder, and a folder standing where the log file should be (these
  // hold even for root, who can write into read-only folders).
  PlayLog missing(clock, dir.filePath(QStringLiteral("gone")) + QLatin1Char('/'));
  missing.SetEnabled(true);
  missing.WritePlayLog(QStringLiteral("APP"), QStringLiteral("x"), QString());
  EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("gone"))).exists());

  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("korvolog.dat")));
  log.SetEnabled(true);
  log.WritePlayLog(QStringLiteral("APP"), QStringLiteral("x"), QString());
  EXPECT_TRUE(QFileInfo(log.FilePath()).isDir());
}

TEST_F(PlayLogTest, ReadOnlyFolderDropsTheEntry) {
  QDir sub(dir.filePath(QStringLiteral("ro")));
  ASSERT_TRUE(sub.mkpath(QStringLiteral(".")));
  ASSERT_TRUE(QFile::setPermissions(sub.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  QFile probe(sub.filePath(QStringLiteral("probe")));
  if (probe.open(QIODevice::WriteOnly)) {
    probe.remove();
    GTEST_SKIP() << "this user writes into read-only folders (root)";
  }
  PlayLog ro(clock, sub.path() + QLatin1Char('/'));
  ro.SetEnabled(true);
  ro.WritePlayLog(QStringLiteral("APP"), QStringLiteral("x"), QString());
  EXPECT_FALSE(QFile::exists(ro.FilePath()));
}

}  // namespace
