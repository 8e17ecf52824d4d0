// The programs' binding to the scanner library: the three outcomes and what each logs.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ScanTree.h"
#include "ScopedEnv.h"
#include "platform/Clock.h"
#include "platform/PlayLog.h"
#include "scanner/ScannerBinding.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ScannerBindingTest : public ::testing::Test {
 protected:
  ScannerBindingTest() {
    tree.File(QStringLiteral("Rock/a.mp3"));
    tree.File(QStringLiteral("Jazz/b.MP3"));
    tree.File(QStringLiteral("notes.txt"));
    log.SetEnabled(true);
  }
  QByteArray LogBytes() const { return ReadAll(log.FilePath()); }

  ScanTree tree;
  QTemporaryDir driveC;
  QTemporaryDir station;
  ScopedEnv driveCEnv{"KORVO_DRIVE_C", driveC.path()};
  ScopedEnv rootsEnv{"KORVO_SCAN_ROOTS", tree.Root()};
  FixedClock clock{QDateTime(QDate(2026, 5, 4), QTime(10, 0, 0))};
  PlayLog log{clock, station.path() + QLatin1Char('/')};
};

TEST_F(ScannerBindingTest, OutcomesOfTheThreeLibraries) {
  struct Case {
    const char* name;
    QString library;
    scanner::BindingOutcome outcome;
    int result;        // of RunDriveScan
    QByteArray entry;  // the log entry it writes, after date and time
  };
  const Case cases[] = {
      {"absent", QDir(station.path()).filePath(QStringLiteral("NoSuchTuneSweep")),
       scanner::BindingOutcome::LibraryAbsent, 0, QByteArray()},
      {"no FIND_main", QStringLiteral(NO_EXPORT_SCANNER), scanner::BindingOutcome::NoExport, -1,
       "\"ERR\",\"Can't Load TuneSweep.dll\",\"Auto Play List Not Created\"\r\n"},
      {"the scanner", QStringLiteral(TUNE_SWEEP), scanner::BindingOutcome::Ran, 2,
       "\"ACC\",\"Auto Play List Created\",\"\"\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(log.FilePath());
    const scanner::ScannerCall call = scanner::CallFindMain(c.library);
    EXPECT_EQ(call.outcome, c.outcome);
    EXPECT_EQ(call.clips, c.result > 0 ? c.result : 0);
    EXPECT_TRUE(LogBytes().isEmpty()) << "CallFindMain logs nothing";

    EXPECT_EQ(scanner::RunDriveScan(log, c.library), c.result);
    const QByteArray bytes = LogBytes();
    EXPECT_EQ(bytes.isEmpty() ? QByteArray() : bytes.mid(24), c.entry) << bytes.constData();
  }
}

// A bare name that no folder holds is an absent library, not a failure of the caller.
TEST_F(ScannerBindingTest, BareNameNotFoundAnywhereIsAbsent) {
  EXPECT_EQ(scanner::CallFindMain(QStringLiteral("NoSuchTuneSweepAnywhere")).outcome,
            scanner::BindingOutcome::LibraryAbsent);
}

}  // namespace
