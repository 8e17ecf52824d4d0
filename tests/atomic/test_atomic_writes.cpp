// Every writer of station files, failing in mid-write: the old file must stay whole.
//
// The write runs in a child process whose file size limit (RLIMIT_FSIZE) lies below the
// new file's size, so the write fails part way as on a full disk, whoever the test runs as
// (a read-only folder stops no root). A writer that truncated the old file and wrote over
// it would leave the first bytes of the new file behind; one through a temporary file and
// a rename leaves the old file as it was and no temporary beside it.
#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "formats/EplWriter.h"
#include "formats/LogoListFile.h"
#include "formats/PrlWriter.h"
#include "formats/ProgramsTable.h"
#include "formats/StyleTableFile.h"
#include "platform/SettingsStore.h"
#include "programs/SnapshotFiles.h"
#include "scanner/ProfileScan.h"

namespace {

constexpr rlim_t kSizeLimit = 16 * 1024;
// Comfortably past the limit, so every writer is cut off in the middle.
constexpr int kManyRows = 2000;

QByteArray FileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Runs write in a child whose files cannot grow past kSizeLimit; the child's exit code is
// 0 when write reported success, 1 when it reported failure.
int WriteInLimitedChild(const std::function<bool()>& write) {
  const pid_t pid = fork();
  if (pid == 0) {
    std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead
    const rlimit limit{kSizeLimit, kSizeLimit};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(3);
    _exit(write() ? 0 : 1);
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

QList<PrlClip> ManyClips() {
  QList<PrlClip> clips;
  for (int i = 0; i < kManyRows; ++i)
    clips.append({QStringLiteral("00:03:25:12"), QStringLiteral("/music/some artist/track number %1.mp3").arg(i)});
  return clips;
}

struct Writer {
  const char* name;
  const char* fileName;  // in the test's folder
  bool reportsFailure;   // the settings store reports no failure, by design
  std::function<bool(const QString& folder, const QString& path)> write;
};

QList<Writer> Writers(const QString& sources) {
  return {
      {"play list", "list.prl", true,
       [](const QString&, const QString& path) {
         return prl::SavePrl(path, PrlWriterKind::MainSave, ManyClips(), {"01:00:00:00", QDate(2024, 5, 1)}) == 0;
       }},
      {"favourites", "favourites.prl", true,
       [](const QString&, const QString& path) {
         return prl::AppendFavourite(path, {"00:03:00:00", "/music/one more.mp3"}) == 0;
       }},
      {"EPL", "adverts.epl", true,
       [](const QString&, const QString& path) {
         QList<AdvertSpot> spots;
         for (int i = 0; i < kManyRows; ++i)
           spots.append({"08:00", "LOGO1-1", QStringLiteral("SPOT %1").arg(i), QStringLiteral("/adverts/spot%1.mp3").arg(i)});
         return epl::SaveEpl(path, QDate(2024, 5, 1), spots) == 0;
       }},
      {"styles", stylefile::kFileName, true,
       [](const QString& folder, const QString&) {
         QByteArray rows;
         for (int i = 0; i < kManyRows; ++i)
           rows += "\"STYLE" + QByteArray::number(i) + "\",\"6\",\"0\",\"1\",\"2\",\"0\",\"10\",\"46\",\"1\",\"95\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n";
         return stylefile::WriteStyleFile(folder, stylefile::ParseStyles(rows));
       }},
      {"programs table", programs::kFileName, true,
       [](const QString&, const QString& path) {
         QList<ProgramEntry> rows(kManyRows);
         for (ProgramEntry& row : rows) {
           row[ProgramEntry::kPlayList] = QStringLiteral("/lists/a rather long play list name.prl");
           row[ProgramEntry::kTimeToPlay] = QStringLiteral("10:00");
         }
         return programs::SaveProgramsFile(path, rows) == 0;
       }},
      {"logos list", "logos.txt", true,
       [](const QString&, const QString& path) {
         QStringList values;
         for (int i = 0; i < kManyRows; ++i) values.append(QStringLiteral("LOGO%1-1 MORNING").arg(i));
         return logolist::SaveListFile(path, values) == 0;
       }},
      {"snapshot", "Snapshot.epl", true,
       [sources](const QString&, const QString& path) {
         return snapshot::CopyWhole(sources + QStringLiteral("/big.epl"), path);
       }},
      {"profile", scanner::kProfileName, true,
       [sources](const QString&, const QString& path) {
         return scanner::WriteProfile(path, {{(sources + QStringLiteral("/clips")).toStdString()}, {}}).written;
       }},
      {"settings", "settings.ini", false,
       [](const QString&, const QString& path) {
         SettingsStore(path).WriteSettingValue(QStringLiteral("Long"), QString(int(kSizeLimit) * 2, u'x'));
         return false;
       }},
  };
}

TEST(AtomicWrites, AWriteCutOffLeavesTheOldFileWhole) {
  QTemporaryDir sources;
  ASSERT_TRUE(sources.isValid());
  ASSERT_TRUE(WriteBytes(sources.filePath("big.epl"), QByteArray(int(kSizeLimit) * 2, 'e')));
  ASSERT_TRUE(QDir(sources.path()).mkdir("clips"));
  for (int i = 0; i < 300; ++i)
    ASSERT_TRUE(WriteBytes(sources.filePath(QStringLiteral("clips/%1 %2.mp3").arg(i).arg(QString(80, u'c'))), "x"));

  for (const Writer& w : Writers(sources.path())) {
    SCOPED_TRACE(w.name);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QLatin1String(w.fileName));
    // Larger than the limit itself for the favourites, which add to the old file.
    const QByteArray old = "\"the old file\"\r\n" + QByteArray(int(kSizeLimit), 'o') + "\r\n";
    ASSERT_TRUE(WriteBytes(path, old));

    const int exit = WriteInLimitedChild([&] { return w.write(dir.path(), path); });
    if (w.reportsFailure) {
      EXPECT_EQ(exit, 1) << "the failed write must be reported";
    } else {
      EXPECT_GE(exit, 0);
    }
    // Compared whole but not printed: both are tens of kilobytes.
    EXPECT_TRUE(FileBytes(path) == old) << "the old file was altered";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QLatin1String(w.fileName)})
        << "no temporary may be left beside the file";
  }
}

// The same writers without the limit do replace the file: the case above proves nothing if
// a writer never wrote at all.
TEST(AtomicWrites, AWholeWriteReplacesTheFile) {
  QTemporaryDir sources;
  ASSERT_TRUE(sources.isValid());
  ASSERT_TRUE(WriteBytes(sources.filePath("big.epl"), QByteArray(int(kSizeLimit) * 2, 'e')));
  ASSERT_TRUE(QDir(sources.path()).mkdir("clips"));
  ASSERT_TRUE(WriteBytes(sources.filePath("clips/a.mp3"), "x"));

  for (const Writer& w : Writers(sources.path())) {
    SCOPED_TRACE(w.name);
    QTemporaryDir dir;
    const QString path = dir.filePath(QLatin1String(w.fileName));
    const QByteArray old = "\"the old file\"\r\n";
    ASSERT_TRUE(WriteBytes(path, old));
    const bool ok = w.write(dir.path(), path);
    if (w.reportsFailure) {
      EXPECT_TRUE(ok);
    }
    const QByteArray now = FileBytes(path);
    EXPECT_NE(now, old);
    EXPECT_GT(now.size(), old.size());
  }
}

}  // namespace
