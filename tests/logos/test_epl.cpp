// The play list's EPL load and export.
#include "LogosFixture.h"

namespace {

class EplTest : public LogosFixture {};

// What a planner's file holds, spots of one block apart included, comes back out as it
// went in, only with the export's date.
TEST_F(EplTest, AnExportOfALoadedListKeepsEverySpotString) {
  const QByteArray spots =
      "\"08:00   LOGO1-1   MORNING SPOT\"\r\n"
      "\"12:30   LOGO1-X   NOON SPOT\"\r\n"
      "\"08:00   00000-S   \"\r\n"
      "\"23:05   ab123-4   lower case and \xc3\xa9\"\r\n";
  const QString in =
      WriteFile(Folder("epl") + "/planner.epl", "\"Spotwright0116 Play List of: 05/12/2000\"\r\n" + spots);
  NextOpen(in);
  job.PlayListCmds().LoadEpl();
  EXPECT_EQ(dialogs.fileDialogs.last().folder, Folder("epl"));
  EXPECT_EQ(Rows(), QStringList({"08:00 LOGO1-1 MORNING SPOT", "12:30 LOGO1-X NOON SPOT", "08:00 00000-S ",
                                 "23:05 ab123-4 lower case and \u00e9"}));
  EXPECT_EQ(job.PlayList().BlockTimes(), QStringList({"08:00", "12:30", "23:05"}));
  EXPECT_EQ(job.PlayList().At(0).clipTime, "");
  EXPECT_EQ(job.PlayList().At(0).spot.clipPath, Adverts() + "/LOGO1-1.mp3");
  EXPECT_EQ(job.PlayList().SelectedRow(), 0);
  EXPECT_EQ(job.Form().Status(), "Play List Loaded");
  EXPECT_FALSE(job.Form().TypeChoosable());

  const QString out = Folder("epl") + "/again";
  NextSave(out);
  job.PlayListCmds().ExportEpl();
  EXPECT_EQ(ReadFile(out + ".epl"), "\"Spotwright0116 Play List of: 01/03/2024\"\r\n" + spots);
  EXPECT_EQ(job.Form().Status(), "Play List exported O.K. Press 'Exit' or 'New'");
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(EplTest, LoadingOverRowsAsksAndKeepsTheBlockTimes) {
  const QString first = WriteFile(Folder("epl") + "/a.epl", "\"h\"\"08:00   LOGO1-1   A\"");
  const QString second = WriteFile(Folder("epl") + "/b.epl", "\"h\"\"09:00   LOGO1-1   B\"\"09:00   LOGO1-2   C\"");
  NextOpen(first);
  job.PlayListCmds().LoadEpl();
  Answer(Dialogs::Answer::No);
  job.PlayListCmds().LoadEpl();
  EXPECT_EQ(dialogs.fileDialogs.size(), 1);  // No: not even the dialog
  EXPECT_EQ(dialogs.Texts(), QStringList({"Do you want to clear all items?"}));
  EXPECT_EQ(Rows(), QStringList({"08:00 LOGO1-1 A"}));

  Answer(Dialogs::Answer::Yes);
  job.PlayListCmds().LoadEpl();  // emptied, then the dialog is cancelled
  EXPECT_EQ(job.PlayList().Count(), 0);
  NextOpen(second);
  job.PlayListCmds().LoadEpl();
  EXPECT_EQ(Rows(), QStringList({"09:00 LOGO1-1 B", "09:00 LOGO1-2 C"}));
  EXPECT_EQ(job.PlayList().BlockTimes(), QStringList({"08:00", "09:00"}));

  // An empty file is no play list: silently nothing.
  Answer(Dialogs::Answer::Yes);
  NextOpen(WriteFile(Folder("epl") + "/empty.epl", {}));
  job.PlayListCmds().LoadEpl();
  EXPECT_EQ(job.PlayList().Count(), 0);
  EXPECT_EQ(dialogs.messages.size(), 3);
}

TEST_F(EplTest, ExportOfNothingAndAFileThatCannotBeMadeAreSaid) {
  job.PlayListCmds().ExportEpl();
  EXPECT_EQ(LastText(), "Nothing To Save!\nPlay List is empty");
  EXPECT_TRUE(dialogs.fileDialogs.isEmpty());

  Logo("LOGO1", "1", "SPOT");
  job.Form().SetHour("08:00");
  ASSERT_EQ(job.PlayListCmds().InsertLogos(), 1);
  const QString nowhere = dir.filePath("no/such/folder/day.epl");
  NextSave(nowhere);
  job.PlayListCmds().ExportEpl();
  EXPECT_EQ(dialogs.messages.last().text, nowhere);
  EXPECT_EQ(dialogs.messages.last().title, "Spotwright couldn't create play list file!");
  EXPECT_EQ(job.Form().Status(), "1 Logos In Play List");
}

TEST_F(EplTest, NewJobEmptiesEverythingAndExitAsksOnlyOverRows) {
  EXPECT_TRUE(job.ConfirmExit());
  Logo("LOGO1", "1", "SPOT");
  ASSERT_EQ(job.LogoCmds().AddLogo(), 0);
  Logo("LOGO1", "1", "SPOT");
  job.HoursCmds().AddHour();
  ASSERT_EQ(job.PlayListCmds().InsertLogos(), 1);
  Answer(Dialogs::Answer::No);
  EXPECT_FALSE(job.ConfirmExit());
  EXPECT_EQ(LastText(), "Do you want to Exit?");

  Answer(Dialogs::Answer::Yes);  // "Do you want to clear all items?" of the logos
  job.NewJob();
  EXPECT_EQ(job.PlayList().Count(), 0);
  EXPECT_EQ(job.Logos().Count(), 0);
  EXPECT_EQ(job.Hours().Count(), 0);
  EXPECT_TRUE(job.Form().TypeChoosable());
  EXPECT_TRUE(job.ConfirmExit());
}

}  // namespace
