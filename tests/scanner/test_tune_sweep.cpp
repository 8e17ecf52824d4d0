// The library as the programs use it: loaded by name, FIND_main looked up and called.
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "ScanTree.h"
#include "ScopedEnv.h"

namespace {

using FindMain = int (*)();

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class TuneSweepTest : public ::testing::Test {
 protected:
  void SetUp() override {
    library_.setFileName(QDir(QStringLiteral(KORVO_OUTPUT_DIR)).filePath("TuneSweep"));
    ASSERT_TRUE(library_.load()) << qPrintable(library_.errorString());
    findMain_ = reinterpret_cast<FindMain>(library_.resolve("FIND_main"));
    ASSERT_NE(findMain_, nullptr);
  }
  void TearDown() override { library_.unload(); }

  QLibrary library_;
  FindMain findMain_ = nullptr;
  QTemporaryDir driveC_;
  ScopedEnv driveCEnv_{"KORVO_DRIVE_C", driveC_.path()};
};

// Each call rebuilds the profile from nothing: nothing of an earlier call is kept.
TEST_F(TuneSweepTest, WritesTheProfileOfTheScanRootsAndReturnsTheCount) {
  ScanTree first, second, empty;
  first.File("Rock/a.mp3");
  first.File("Rock/cover.jpg");
  second.File("b.MP3");
  second.File("Jazz/c.mp3");
  empty.File("notes.txt");
  const QString profile = driveC_.filePath("_mp3files.txt");
  {
    const ScopedEnv roots("KORVO_SCAN_ROOTS", first.Root() + ":" + second.Root());
    EXPECT_EQ(findMain_(), 3);
  }
  QByteArray bytes = ReadAll(profile);
  EXPECT_TRUE(bytes.startsWith("\"Tevro Play List - Version 2.0\"\r\n"));
  EXPECT_EQ(bytes.count("\r\n"), 9);
  EXPECT_EQ(bytes.count('\n'), 9 + 3);
  EXPECT_TRUE(bytes.contains("\"00:00:00:00" + QFile::encodeName(first.Path("Rock/a.mp3")) + "\"\n"));

  // The figures of the call are there to poll, for a window that shows the scan's progress.
  using FindProgress = void (*)(long long*, long long*);
  const auto progress = reinterpret_cast<FindProgress>(library_.resolve("FIND_progress"));
  ASSERT_NE(progress, nullptr);
  long long folders = -1, clips = -1;
  progress(&folders, &clips);
  EXPECT_EQ(clips, 3);
  EXPECT_GE(folders, 4);  // the two roots, "Rock" and "Jazz"

  const ScopedEnv roots("KORVO_SCAN_ROOTS", empty.Root());
  EXPECT_EQ(findMain_(), 0);
  bytes = ReadAll(profile);
  EXPECT_EQ(bytes.count('\n'), 9);
  EXPECT_TRUE(bytes.endsWith("\"Time to play: \"\r\n"));
}

// The library's own code stays hidden: the programs can bind nothing but its exports.
TEST_F(TuneSweepTest, ExportsNothingButItsEntries) {
  for (const char* symbol :
       {"_ZN7scanner11ProfilePathEv", "_ZN7scanner18PlanForThisMachineEv", "_ZN5paths12DriveCFolderEv"})
    EXPECT_EQ(library_.resolve(symbol), nullptr) << symbol;
}

}  // namespace
