// Counting play times on a worker thread, and the clip-information text.
#include "PlaylistFixture.h"
#include "audio/ClipAnalyzer.h"
#include "songs/ClipInformation.h"
#include "songs/PlayTimeCounter.h"

#include <QFileInfo>
#include <QTest>
#include <QTimer>

#include <condition_variable>
#include <mutex>

namespace {

// Durations by file name: "<ms>.mp3"; "bad" in the path cannot be measured. Can hold the
// worker at a clip until the test lets it go.
class FakeAnalyzer final : public ClipAnalyzer {
 public:
  int Analyze(const QString& path, XA_AnalyzerInfo* info) const override {
    {
      std::unique_lock lock(mutex_);
      if (!holdAt_.isEmpty() && path.contains(holdAt_)) {
        held_ = true;
        cv_.notify_all();
        cv_.wait(lock, [this] { return !holdAt_.isEmpty() ? released_ : true; });
      }
    }
    if (path.contains("bad")) return -1;
    info->layer = 3;
    info->channels = 2;
    info->bitrate = 128;
    info->frequency = 44100;
    info->frames = 1234;
    info->duration = QFileInfo(path).completeBaseName().toUInt();
    info->title = "My title";
    return 0;
  }
  void HoldAt(const QString& word) { holdAt_ = word; }
  bool WaitHeld() {
    std::unique_lock lock(mutex_);
    return cv_.wait_for(lock, std::chrono::seconds(30), [this] { return held_; });
  }
  void Release() {
    std::lock_guard lock(mutex_);
    released_ = true;
    cv_.notify_all();
  }

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable cv_;
  QString holdAt_;
  mutable bool held_ = false;
  bool released_ = false;
};

}  // namespace

class CountTest : public PlaylistFixture {
 protected:
  CountTest()
      : counter(list, &decks, dialogs, log, analyzer, [] { return 25; }, StatusSink(),
                [this](const QString& t) { infos << t; }) {}

  void Add(const QStringList& names) {
    std::vector<ClipEntry> rows;
    for (const QString& n : names) rows.push_back(MakeClipEntry("/music/" + n));
    model.Insert(model.Count(), std::move(rows));
  }
  bool WaitDone() {
    return QTest::qWaitFor([this] { return !counter.Running(); }, 30000);
  }

  FakeAnalyzer analyzer;
  QStringList infos;
  PlayTimeCounter counter;
};

TEST_F(CountTest, UnreadableClipAddsNothingAndTheRestIsCounted) {
  Add({"60000.mp3", "bad.mp3", "30000.mp3"});
  ASSERT_EQ(counter.CountPlayListTimes(), 0);
  ASSERT_TRUE(WaitDone());

  EXPECT_EQ(model.At(0).duration, "00:01:00:00");
  EXPECT_EQ(model.At(1).duration, "00:00:00:00");
  EXPECT_EQ(model.At(2).duration, "00:00:30:00");
  EXPECT_EQ(list.ListDuration(), "00:01:30:00");
  EXPECT_TRUE(statuses.contains("Counting /music/60000.mp3... :00:01:00:00"));
  EXPECT_EQ(LastStatus(), "Ready");
  EXPECT_EQ(infos.mid(0, 3), QStringList({"[Total: 3, Left: 3]", "[Total: 3, Left: 2]", "[Total: 3, Left: 1]"}));
  EXPECT_EQ(infos.last(), "");
  EXPECT_TRUE(LogText().contains("\"ACC\",\"Play List Times Count\",\"\""));
}

TEST_F(CountTest, ListChangedDuringTheCountGetsEachDurationOnItsOwnClip) {
  Add({"1000.mp3", "2000.mp3", "3000.mp3", "4000.mp3"});
  analyzer.HoldAt("2000");
  ASSERT_EQ(counter.CountPlayListTimes(), 0);
  ASSERT_TRUE(analyzer.WaitHeld());
  // Timer work changes the list while the worker waits on the second clip.
  QTest::qWait(20);
  model.Insert(0, {MakeClipEntry("/music/advert.mp3"), MakeClipEntry("/music/advert2.mp3")});
  model.Remove(4);  // 3000.mp3 goes
  analyzer.Release();
  ASSERT_TRUE(WaitDone());

  QStringList got;
  for (const ClipEntry& e : model.Rows()) got << e.title + "=" + e.duration;
  EXPECT_EQ(got, QStringList({"advert=", "advert2=", "1000=00:00:01:00", "2000=00:00:02:00", "4000=00:00:04:00"}));
}

TEST_F(CountTest, WindowKeepsRunningWhileCounting) {
  Add({"1000.mp3", "2000.mp3"});
  analyzer.HoldAt("1000");
  bool timerFired = false;
  ASSERT_EQ(counter.CountPlayListTimes(), 0);
  QTimer::singleShot(10, [&] { timerFired = true; });
  EXPECT_TRUE(QTest::qWaitFor([&] { return timerFired; }, 10000));
  EXPECT_TRUE(counter.Running());
  analyzer.Release();
  ASSERT_TRUE(WaitDone());
}

TEST_F(CountTest, AsksWhenADeckIsLoadedAndNoStops) {
  EXPECT_EQ(counter.CountPlayListTimes(), -1);
  EXPECT_EQ(LastStatus(), "Nothing to count");
  Add({"1000.mp3"});
  decks.deck[2].state = PlayerState::Paused;
  Answers({Dialogs::Answer::No});
  EXPECT_EQ(counter.CountPlayListTimes(), -1);
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].text,
            "Suggested to proceed in this operarion\nwhen both players are not loaded\nCount times now?");
  EXPECT_EQ(model.At(0).duration, "");
}

TEST(ClipInformationTest, TextNamesTheClipItsFormatAndCapitalisedTags) {
  XA_AnalyzerInfo info;
  info.layer = 3;
  info.channels = 2;
  info.bitrate = 128;
  info.frequency = 44100;
  info.frames = 9600;
  info.duration = 3723040;  // 1:02:03.040
  info.title = "Song %2 title";
  EXPECT_EQ(ClipInformation::InformationText("C:\\Music\\Song name.mp3", info, 25),
            "Next: Song name\r\nLayer: 3, Channels: 2, Bit Rate: 128, Hz: 44100 \r\nDuration: 01:02:03:01, "
            "[frames: 9600]\r\nTITLE: SONG %2 TITLE\r\nARTIST: ");
}

TEST(ClipInformationTest, UnmeasurableClipWritesNothing) {
  FakeAnalyzer analyzer;
  QStringList shown;
  ClipInformation ci(analyzer, [] { return 30; }, [&](const QString& t) { shown << t; });
  EXPECT_EQ(ci.MeasureClip("/music/bad.mp3"), -1);
  EXPECT_TRUE(shown.isEmpty());
  EXPECT_EQ(ci.MeasureClip("/music/1500.mp3"), 1500);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].startsWith("Next: 1500\r\n"));
}

TEST(ClipInformationTest, RealAnalyserMeasuresAFixtureWithoutDecodingErrors) {
  const QString fixtures = qEnvironmentVariable("KORVO_FIXTURES");
  if (fixtures.isEmpty()) GTEST_SKIP() << "KORVO_FIXTURES not set";
  XaudioClipAnalyzer analyzer;
  XA_AnalyzerInfo info;
  ASSERT_EQ(analyzer.Analyze(fixtures + "/tone440_44k_cbr.mp3", &info), 0);
  EXPECT_GT(info.duration, 0u);
  EXPECT_EQ(info.frequency, 44100);
  EXPECT_EQ(analyzer.Analyze(fixtures + "/text.mp3", &info), -1);
}
