#include "platform/TimerTable.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

TEST(TimerTableTest, RecordsFollowStartAndStop) {
  TimerTable timers;
  EXPECT_EQ(timers.Record(1), -1);
  EXPECT_EQ(timers.Period(1), 0);
  timers.Start(1, 500);
  timers.Start(99, 1000);
  EXPECT_EQ(timers.Record(1), 1);
  EXPECT_EQ(timers.Record(99), 99);
  EXPECT_EQ(timers.Period(1), 500);
  timers.Start(1, 50);  // restart with a new period
  EXPECT_EQ(timers.Period(1), 50);
  timers.Stop(1);
  EXPECT_EQ(timers.Record(1), -1);
  EXPECT_EQ(timers.Period(1), 50);
  EXPECT_TRUE(timers.IsRunning(99));
  timers.Stop(7);  // never started: nothing happens
  timers.StopAll();
  for (int id : {1, 2, 3, 4, 5, 6, 7, 8, 9, 80, 99}) EXPECT_EQ(timers.Record(id), -1) << id;
}

TEST(TimerTableTest, FireDeliversTheIdAtOnce) {
  TimerTable timers;
  QSignalSpy spy(&timers, &TimerTable::Timeout);
  timers.Fire(3);
  timers.Fire(99);
  ASSERT_EQ(spy.size(), 2);
  EXPECT_EQ(spy.at(0).at(0).toInt(), 3);
  EXPECT_EQ(spy.at(1).at(0).toInt(), 99);
}

TEST(TimerTableTest, RunningTimersReportTheirOwnIdsAndStopReporting) {
  TimerTable timers;
  QSignalSpy spy(&timers, &TimerTable::Timeout);
  timers.Start(2, 10);
  timers.Start(4, 20);
  QList<int> seen;
  for (int i = 0; i < 200 && !(seen.contains(2) && seen.contains(4)); ++i) {
    spy.wait(50);
    for (const auto& args : spy) seen << args.at(0).toInt();
    spy.clear();
  }
  EXPECT_TRUE(seen.contains(2));
  EXPECT_TRUE(seen.contains(4));
  for (int id : seen) EXPECT_TRUE(id == 2 || id == 4) << id;
  timers.StopAll();
  spy.clear();
  EXPECT_FALSE(spy.wait(200));
}

}  // namespace
