// The level log the soak test reads its silences from: blocks fed as a render feeds
// them, the file read back as the soak reads it.
#include "audio/LevelRecorder.h"
#include "audio/NullOutput.h"
#include "audio/OutputRouter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

namespace {

constexpr float kSilence = 0.001f;  // -60 dBFS, the soak's threshold

struct Record {
  int64_t frames;
  double peak;
};

struct Log {
  int sessions = 0;
  std::vector<Record> records;
  std::vector<int64_t> timeLineFrames;  // the "frames so far" of each time line
  int64_t Frames() const {
    int64_t total = 0;
    for (const Record& r : records) total += r.frames;
    return total;
  }
  // The longest stretch of records below the threshold, in frames.
  int64_t LongestSilence() const {
    int64_t run = 0, longest = 0;
    for (const Record& r : records) {
      run = r.peak < kSilence ? run + r.frames : 0;
      longest = std::max(longest, run);
    }
    return longest;
  }
};

Log ReadLog(const QString& path) {
  Log log;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return log;
  while (!file.atEnd()) {
    const QByteArray line = file.readLine();
    if (!line.endsWith('\n')) break;  // still being written
    const QList<QByteArray> parts = line.trimmed().split(' ');
    if (parts.value(0) == "#") {
      ++log.sessions;
    } else if (parts.value(0) == "@" && parts.size() == 3) {
      log.timeLineFrames.push_back(parts[2].toLongLong());
    } else if (parts.size() == 2) {
      log.records.push_back({parts[0].toLongLong(), parts[1].toDouble()});
    } else {
      ADD_FAILURE() << "unreadable line: " << parts.join(' ').toStdString();
    }
  }
  return log;
}

// A stereo block at one level; the peak on the right channel only when asked.
std::vector<float> Block(int frames, float level, bool rightOnly = false) {
  std::vector<float> b(size_t(frames) * 2, 0.0f);
  for (int i = 0; i < frames; ++i) {
    b[size_t(2 * i + 1)] = level;
    if (!rightOnly) b[size_t(2 * i)] = level * 0.5f;
  }
  return b;
}

class LevelRecorderTest : public ::testing::Test {
 protected:
  QString Path() const { return dir_.filePath(QStringLiteral("levels.log")); }
  QTemporaryDir dir_;
};

TEST_F(LevelRecorderTest, EveryBlockIsLoggedInOrderWithItsPeak) {
  struct Fed {
    int frames;
    float level;
    bool rightOnly;
    double peak;  // as logged
  };
  const Fed fed[] = {
      {441, 0.5f, false, 0.5},    {441, 0.0f, false, 0.0},     {441, 0.0005f, false, 0.0005},
      {220, 0.0f, false, 0.0},    {441, -0.25f, false, 0.25},  // a negative swing counts by its size
      {441, 0.0f, false, 0.0},    {441, 0.8f, true, 0.8},      // on one channel only
  };
  {
    LevelRecorder recorder(Path().toStdString(), 44100);
    ASSERT_TRUE(recorder.Open());
    for (const Fed& f : fed) {
      const std::vector<float> block = Block(f.frames, f.level, f.rightOnly);
      recorder.Feed(block.data(), f.frames);
    }
    recorder.Drain();
  }
  const Log log = ReadLog(Path());
  EXPECT_EQ(log.sessions, 1);
  ASSERT_EQ(log.records.size(), std::size(fed));
  for (size_t i = 0; i < std::size(fed); ++i) {
    EXPECT_EQ(log.records[i].frames, fed[i].frames) << i;
    EXPECT_NEAR(log.records[i].peak, fed[i].peak, 1e-6) << i;
  }
  // Three blocks under -60 dBFS between the first sound and the second.
  EXPECT_EQ(log.LongestSilence(), 441 + 441 + 220);
  ASSERT_FALSE(log.timeLineFrames.empty());
  EXPECT_EQ(log.timeLineFrames.back(), log.Frames());
}

TEST_F(LevelRecorderTest, AWriterFallingBehindLosesNoFramesAndNoPeak) {
  LevelRecorder recorder(Path().toStdString(), 44100, 4);
  ASSERT_TRUE(recorder.Open());
  const std::vector<float> quiet = Block(441, 0.0f);
  const std::vector<float> loud = Block(441, 0.9f);
  // Ten blocks into a ring of four, the loud one after it filled up.
  for (int i = 0; i < 10; ++i) recorder.Feed((i == 6 ? loud : quiet).data(), 441);
  recorder.Drain();
  recorder.Feed(quiet.data(), 441);  // carries what did not fit
  recorder.Drain();
  const Log log = ReadLog(Path());
  EXPECT_EQ(log.Frames(), 11 * 441);
  ASSERT_EQ(log.records.size(), 5u);
  EXPECT_EQ(log.records[4].frames, 7 * 441);
  EXPECT_NEAR(log.records[4].peak, 0.9, 1e-6);
  EXPECT_EQ(log.timeLineFrames.back(), 11 * 441);
}

TEST_F(LevelRecorderTest, TheWriterThreadKeepsUpAndEachStartAppendsASession) {
  const std::vector<float> block = Block(441, 0.1f);
  // A station killed and started again logs into the same file.
  for (int session = 0; session < 2; ++session) {
    LevelRecorder recorder(Path().toStdString(), 44100, 64);
    ASSERT_TRUE(recorder.Open());
    recorder.StartWriter();
    std::thread render([&] {
      // 1.5 s of 10 ms blocks, faster than real time: more than the ring holds.
      for (int i = 0; i < 150; ++i) {
        recorder.Feed(block.data(), 441);
        if (i % 10 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
      }
    });
    render.join();
  }
  const Log log = ReadLog(Path());
  EXPECT_EQ(log.sessions, 2);
  EXPECT_EQ(log.Frames(), 2 * 150 * 441);
  EXPECT_EQ(log.LongestSilence(), 0);
}

TEST_F(LevelRecorderTest, TheRouterLogsTheNullMainOutputWhenAsked) {
  // Before the router is first used: it reads the variable once.
  qputenv("KORVO_LEVEL_LOG", Path().toUtf8());
  NullOutput* out = OutputRouter::Instance().NullOutputFor(0);
  ASSERT_NE(out, nullptr);
  // The null output renders silence with nothing playing; the writer drains twice a second.
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  Log log;
  while (std::chrono::steady_clock::now() < until) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    log = ReadLog(Path());
    if (log.Frames() >= 44100 / 2) break;
  }
  EXPECT_EQ(log.sessions, 1);
  EXPECT_GE(log.Frames(), 44100 / 2);
  EXPECT_EQ(log.LongestSilence(), log.Frames());
}

}  // namespace
