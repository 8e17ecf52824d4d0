// The logos group: adding a logo from the fields, the pickers, and the logos file.
#include "LogosFixture.h"

namespace {

const QString kBoth = "Type both Logo ID (5 characters) & Descreption(max 40 characters)";
const QString kFive = "Logo must be 5 characters long";

class LogosListTest : public LogosFixture {};

TEST_F(LogosListTest, FieldsThatMakeNoLogoAreRefusedWithTheirBox) {
  struct Case {
    const char* name;
    const char* description;
    const QString& message;
  } cases[] = {
      {"LOGO", "MORNING SPOT", kFive}, {"LOGO1", "", kBoth}, {"", "MORNING SPOT", kBoth}, {"", "", kBoth},
      {"L1", "MORNING SPOT", kFive},
  };
  for (const Case& c : cases) {
    Logo(c.name, "1", c.description);
    EXPECT_EQ(job.LogoCmds().AddLogo(), -1) << c.name << "/" << c.description;
    EXPECT_EQ(LastText(), c.message) << c.name << "/" << c.description;
    EXPECT_EQ(dialogs.messages.last().icon, Dialogs::Icon::Warning);
  }
  EXPECT_EQ(job.Logos().Count(), 0);
  EXPECT_TRUE(job.Logos().Names().isEmpty());
  EXPECT_EQ(job.Form().Status(), "Ready");
}

TEST_F(LogosListTest, AddedLogoIsOneRecordAndJoinsBothPickers) {
  Logo("LOGO1", "S", "MORNING SPOT");
  ASSERT_EQ(job.LogoCmds().AddLogo(), 0);
  Logo("00000", "X", "BREAK");
  ASSERT_EQ(job.LogoCmds().AddLogo(), 0);
  EXPECT_EQ(job.Logos().Records(), QStringList({"00000-XBREAK", "LOGO1-SMORNING SPOT"}));
  EXPECT_EQ(job.Logos().Names(), QStringList({"00000", "LOGO1"}));
  EXPECT_EQ(job.Logos().Descriptions(), QStringList({"BREAK", "MORNING SPOT"}));
  EXPECT_EQ(job.Form().Name(), "");
  EXPECT_EQ(job.Form().Description(), "");
  EXPECT_EQ(job.Form().Status(), "Logo Added");
}

// Spotwright logos are told apart by their record, MP3 clips by their description only.
TEST_F(LogosListTest, TheSameRecordTwiceIsRefusedOnlyForSpotwrightLists) {
  Logo("LOGO1", "1", "MORNING SPOT");
  ASSERT_EQ(job.LogoCmds().AddLogo(), 0);
  Logo("LOGO1", "1", "MORNING SPOT");
  EXPECT_EQ(job.LogoCmds().AddLogo(), -1);
  EXPECT_EQ(LastText(), "This Logo data existes in logo list");
  EXPECT_EQ(job.Logos().Count(), 1);

  LogosStation mp3;
  mp3.job.PlayListCmds().ChooseType(PlayListType::Mp3Clips);
  EXPECT_EQ(mp3.job.Form().Name(), "XXXXX");
  for (int i = 0; i < 2; ++i) {
    mp3.job.Form().SetDescription("MORNING SPOT");
    ASSERT_EQ(mp3.job.LogoCmds().AddLogo(), 0);
    EXPECT_EQ(mp3.job.Form().Name(), "XXXXX");  // kept for the next clip
  }
  EXPECT_EQ(mp3.job.Logos().Records(), QStringList({"XXXXX-XMORNING SPOT", "XXXXX-XMORNING SPOT"}));
  EXPECT_TRUE(mp3.dialogs.messages.isEmpty());
}

TEST_F(LogosListTest, PickingANameOrADescriptionFillsTheOtherFields) {
  for (const char* r : {"LOGO1-SMORNING SPOT", "LOGO2-4NOON SPOT", "LOGO1-1LATE SPOT"}) {
    Logo(QString(r).left(5), QString(r).mid(6, 1), QString(r).mid(7));
    ASSERT_EQ(job.LogoCmds().AddLogo(), 0);
  }
  job.LogoCmds().PickName("LOGO1");  // the first record with the name, in sorted order
  EXPECT_EQ(job.Form().Id(), "1");
  EXPECT_EQ(job.Form().Description(), "LATE SPOT");
  job.LogoCmds().PickDescription("NOON SPOT");
  EXPECT_EQ(job.Form().Name(), "LOGO2");
  EXPECT_EQ(job.Form().Id(), "4");
  EXPECT_EQ(job.Form().Description(), "NOON SPOT");
}

TEST_F(LogosListTest, LogosFileReadsBackAsSavedAndALoadWithoutClearingListsOldNamesAgain) {
  Logo("LOGO1", "1", "MORNING SPOT");
  ASSERT_EQ(job.LogoCmds().AddLogo(), 0);
  Logo("00000", "S", "BREAK");
  ASSERT_EQ(job.LogoCmds().AddLogo(), 0);
  const QString mlf = Folder("Sources") + "/day";
  NextSave(mlf);
  job.LogoCmds().SaveLogos();
  EXPECT_EQ(dialogs.fileDialogs.last().folder, Folder("Sources"));
  EXPECT_EQ(ReadFile(mlf + ".mlf"), "\"00000-SBREAK\"\r\n\"LOGO1-1MORNING SPOT\"\r\n");
  EXPECT_EQ(job.Form().Status(), "Logos Saved");

  const QString other = WriteValues(Folder("Sources") + "/other.mlf", {"LOGO2-XNOON SPOT"});
  NextOpen(other);
  Answer(Dialogs::Answer::No);  // "Clear Existing Logos?"
  job.LogoCmds().LoadLogos();
  EXPECT_EQ(dialogs.Texts(), QStringList({"Clear Existing Logos?"}));
  EXPECT_EQ(job.Logos().Records(), QStringList({"00000-SBREAK", "LOGO1-1MORNING SPOT", "LOGO2-XNOON SPOT"}));
  EXPECT_EQ(job.Logos().Names(), QStringList({"00000", "00000", "LOGO1", "LOGO1", "LOGO2"}));
  EXPECT_EQ(job.Form().Status(), "Logos Loaded");

  // Clearing first asks its own question, then the pickers hold the file's logos once.
  NextOpen(mlf + ".mlf");
  Answer(Dialogs::Answer::Yes);
  Answer(Dialogs::Answer::Yes);
  job.LogoCmds().LoadLogos();
  EXPECT_EQ(dialogs.Texts().mid(1), QStringList({"Clear Existing Logos?", "Do you want to clear all items?"}));
  EXPECT_EQ(job.Logos().Records(), QStringList({"00000-SBREAK", "LOGO1-1MORNING SPOT"}));
  EXPECT_EQ(job.Logos().Names(), QStringList({"00000", "LOGO1"}));
}

TEST_F(LogosListTest, ListFilesThatCannotBeReadSayWhyAndChangeNothing) {
  Logo("LOGO1", "1", "MORNING SPOT");
  ASSERT_EQ(job.LogoCmds().AddLogo(), 0);
  const QString empty = WriteFile(Folder("Sources") + "/empty.mlf", {});
  // A folder exists but opens as no file, even for root.
  const QString folder = Folder("Sources/day.mlf");
  struct Case {
    QString path;
    const char* message;
  } cases[] = {
      {empty, "Zero bytes read from file."},
      {folder, "Couldn't open a file to read."},
  };
  for (const Case& c : cases) {
    NextOpen(c.path);
    job.LogoCmds().LoadLogos();
    NextOpen(c.path);
    job.HoursCmds().LoadHours();
    ASSERT_GE(dialogs.messages.size(), 2);
    for (const auto& m : dialogs.messages.mid(dialogs.messages.size() - 2)) {
      EXPECT_EQ(m.text, c.message);
      EXPECT_EQ(m.title, "Spotwright01");
    }
  }
  EXPECT_EQ(job.Logos().Records(), QStringList({"LOGO1-1MORNING SPOT"}));
  EXPECT_EQ(job.Hours().Count(), 0);
}

TEST_F(LogosListTest, NothingToSaveAndAFileThatCannotBeMadeAreSaid) {
  job.LogoCmds().SaveLogos();
  EXPECT_EQ(LastText(), "Nothing To Save!\nLogos List is empty");
  EXPECT_TRUE(dialogs.fileDialogs.isEmpty());

  Logo("LOGO1", "1", "MORNING SPOT");
  ASSERT_EQ(job.LogoCmds().AddLogo(), 0);
  const QString nowhere = dir.filePath("no/such/folder/day.mlf");
  NextSave(nowhere);
  job.LogoCmds().SaveLogos();
  EXPECT_EQ(dialogs.messages.last().text, nowhere);
  EXPECT_EQ(dialogs.messages.last().title, "couldn't create logos file!");
  EXPECT_EQ(job.Form().Status(), "Logo Added");
}

TEST_F(LogosListTest, ClearingAsksOnlyWhileThereAreNames) {
  EXPECT_TRUE(job.LogoCmds().ClearLogos());
  EXPECT_TRUE(dialogs.messages.isEmpty());
  Logo("LOGO1", "1", "MORNING SPOT");
  ASSERT_EQ(job.LogoCmds().AddLogo(), 0);
  Answer(Dialogs::Answer::No);
  EXPECT_FALSE(job.LogoCmds().ClearLogos());
  EXPECT_EQ(job.Logos().Count(), 1);
  Answer(Dialogs::Answer::Yes);
  EXPECT_TRUE(job.LogoCmds().ClearLogos());
  EXPECT_EQ(job.Logos().Count(), 0);
  EXPECT_TRUE(job.Logos().Descriptions().isEmpty());
}

TEST_F(LogosListTest, AnMp3ClipNamesTheDescriptionWhenItsFileNameIsShortEnough) {
  const QString shortClip = WriteFile(dir.filePath("Morning Spot.mp3"), "x");
  const QString longClip = WriteFile(dir.filePath(QString(36, u'a') + ".mp3"), "x");  // 40 with ".mp3"
  NextOpen(shortClip);
  job.LogoCmds().PickClip();
  EXPECT_EQ(job.Form().Description(), "MORNING SPOT");
  NextOpen(longClip);
  job.LogoCmds().PickClip();
  EXPECT_EQ(LastText(), "Shorten this filename to load it\nYou can use filenames up to 40 charachters");
  EXPECT_EQ(dialogs.messages.last().title, QString(36, u'a') + ".mp3");
  EXPECT_EQ(job.Form().Description(), "MORNING SPOT");
}

}  // namespace
