#include "platform/SingleInstance.h"

#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace {

const QString kName = QStringLiteral("PreventSecondInstance");

TEST(SingleInstanceTest, SecondCopyIsRefusedUntilTheFirstEnds) {
  QTemporaryDir dir;
  std::optional<SingleInstance> first(std::in_place, kName, dir.path());
  EXPECT_TRUE(first->IsFirst());
  {
    SingleInstance second(kName, dir.path());
    EXPECT_FALSE(second.IsFirst());
  }
  // The refused copy must not have taken the lock away from the running one.
  EXPECT_FALSE(SingleInstance(kName, dir.path()).IsFirst());
  first.reset();
  EXPECT_TRUE(SingleInstance(kName, dir.path()).IsFirst());
}

TEST(SingleInstanceTest, OtherNamesDoNotInterfere) {
  QTemporaryDir dir;
  SingleInstance a(kName, dir.path());
  SingleInstance b(QStringLiteral("OtherTool"), dir.path());
  EXPECT_TRUE(a.IsFirst());
  EXPECT_TRUE(b.IsFirst());
}

TEST(SingleInstanceTest, LockLeftByACrashedProcessDoesNotBlockANewStart) {
  QTemporaryDir dir;
  // A process that has ended: its id is certainly not running any more.
  QProcess gone;
  gone.start(QStringLiteral("true"), {});
  ASSERT_TRUE(gone.waitForFinished(30000));
  const qint64 deadPid = gone.processId() > 0 ? gone.processId() : 0;
  ASSERT_TRUE(gone.exitStatus() == QProcess::NormalExit);

  // First let a real instance create the lock, so the file name is the one in use.
  QString lockPath;
  {
    SingleInstance probe(kName, dir.path());
    ASSERT_TRUE(probe.IsFirst());
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1);
    lockPath = dir.filePath(files.first());
  }
  QFile stale(lockPath);
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  stale.write(QByteArray::number(deadPid ? deadPid : 999999) + "\nkorvoxa\n" + QSysInfo::machineHostName().toUtf8() +
              "\n");
  stale.close();
  ASSERT_TRUE(QFile::exists(lockPath));
  EXPECT_TRUE(SingleInstance(kName, dir.path()).IsFirst());
}

}  // namespace
