// The hours list: blocks added one by one and by a criterion, the hours file with its
// duplicates, clearing and counting.
#include "LogosFixture.h"

namespace {

class HoursListTest : public LogosFixture {
 protected:
  void AddHour(const QString& time) {
    job.Form().SetHour(time);
    job.HoursCmds().AddHour();
  }
};

TEST_F(HoursListTest, AnHourGoesInTickedAtTheTopAndOnlyOnce) {
  EXPECT_EQ(job.Form().Hour(), HourPickerTimes()[kStartHourIndex]);
  EXPECT_EQ(job.Form().Hour(), "11:55");
  AddHour("08:00");
  AddHour("12:00");
  AddHour("08:00");
  EXPECT_EQ(job.Hours().Times(), QStringList({"12:00", "08:00"}));
  EXPECT_EQ(job.Hours().TickedTimes(), job.Hours().Times());
  EXPECT_EQ(dialogs.Texts(), QStringList({"Block is present in Hours (Blocks) List\nSelect another Block to insert"}));
  EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Information);
}

// Each time the criterion matches and the list lacks goes in at the top, so the list
// ends latest first with what was there before at the bottom.
TEST_F(HoursListTest, CriterionAddsTheMatchingTimesNotYetListedEachAtTheTop) {
  AddHour("05:30");
  AddHour("07:00");
  job.Form().SetCriterion("30");
  job.HoursCmds().AddByCriterion();
  const QStringList times = job.Hours().Times();
  ASSERT_EQ(times.size(), 2 + 23);
  EXPECT_EQ(times.first(), "23:30");
  EXPECT_EQ(times[22], "00:30");
  EXPECT_EQ(times.mid(23), QStringList({"07:00", "05:30"}));
  EXPECT_EQ(times.count("05:30"), 1);
  EXPECT_EQ(job.Hours().TickedTimes().size(), times.size());

  struct Case {
    const char* criterion;
    int added;
  } cases[] = {{"00", 24}, {"55", 24}, {"ALL", 288}};
  for (const Case& c : cases) {
    LogosStation s;
    s.job.Form().SetCriterion(c.criterion);
    s.job.HoursCmds().AddByCriterion();
    EXPECT_EQ(s.job.Hours().Count(), c.added) << c.criterion;
  }
}

TEST_F(HoursListTest, LoadingCountsTheHoursAlreadyListedAndPutsTheFileFirst) {
  AddHour("09:00");
  AddHour("08:00");
  const QString hlf =
      WriteValues(Folder("Sources") + "/day.hlf", {"07:00", "08:00", "10:00", "09:00", "7:5", "not a time"});
  NextOpen(hlf);
  Answer(Dialogs::Answer::No);  // keep the hours listed
  job.HoursCmds().LoadHours();
  EXPECT_EQ(dialogs.Texts(), QStringList({"Clear Existing Hours?", "2 Hours allready was in play list"}));
  EXPECT_EQ(job.Hours().Times(), QStringList({"07:00", "10:00", "08:00", "09:00"}));
  EXPECT_EQ(job.Hours().TickedTimes(), job.Hours().Times());
  EXPECT_EQ(job.Form().Status(), "Hours List Loaded");

  // Saved in list order, and read back into an empty list without a question.
  const QString saved = Folder("Sources") + "/again.hlf";
  NextSave(saved);
  job.HoursCmds().SaveHours();
  EXPECT_EQ(ReadFile(saved), "\"07:00\"\r\n\"10:00\"\r\n\"08:00\"\r\n\"09:00\"\r\n");
  LogosStation other;
  other.NextOpen(saved);
  other.job.HoursCmds().LoadHours();
  EXPECT_TRUE(other.dialogs.messages.isEmpty());
  EXPECT_EQ(other.job.Hours().Times(), job.Hours().Times());
}

TEST_F(HoursListTest, ClearingAsksWhileAnEplBroughtBlockTimesAndTheMenuTicksAddOneAgain) {
  AddHour("08:00");
  job.HoursCmds().SetAddOne(false);
  EXPECT_TRUE(job.HoursCmds().ClearHours(false));
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_FALSE(job.Form().AddOne());

  AddHour("08:00");
  job.PlayList().AddBlockTime("08:00");
  Answer(Dialogs::Answer::No);
  EXPECT_FALSE(job.HoursCmds().ClearHours(true));
  EXPECT_EQ(job.Hours().Count(), 1);
  Answer(Dialogs::Answer::Yes);
  EXPECT_TRUE(job.HoursCmds().ClearHours(true));
  EXPECT_EQ(job.Hours().Count(), 0);
  EXPECT_TRUE(job.PlayList().BlockTimes().isEmpty());
  EXPECT_TRUE(job.Form().AddOne());
}

TEST_F(HoursListTest, CountTellsTickedFromUnticked) {
  for (const char* t : {"08:00", "09:00", "10:00"}) AddHour(t);
  job.Hours().SetTicked(1, false);
  job.HoursCmds().CountBlocks();
  EXPECT_EQ(LastText(), "Blocks List Items: 3\r\nSelected Hours to insert: 2\r\nNon selected Hours: 1");
  LogosStation empty;
  empty.job.HoursCmds().SaveHours();
  EXPECT_EQ(empty.LastText(), "Nothing To Save!\nHours (blocks) List is empty");
}

}  // namespace
