// The Day Program Maker's lists: the file read in reverse, "+" with its questions, "-",
// "SAVE", "RE- LOAD", the header of a chosen play list and leaving with changes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "formats/PrlWriter.h"
#include "platform/Clock.h"
#include "programs/DayProgramMaker.h"
#include "support/ScriptedDialogs.h"

namespace {

class DayProgramMakerTest : public ::testing::Test {
 protected:
  DayProgramMakerTest() : startFolder(dir.path() + u'/'), maker(dialogs, clock, startFolder, playListFolder) {
    QDir(dir.path()).mkpath("Prglists");
    dialogs.defaultAnswer = Dialogs::Answer::Yes;
  }

  void Editors(const QString& playList, const QString& time, const QString& duration = "01:00:00:00",
               const QString& style = "POP") {
    ProgramEditors e;
    e.playList = playList;
    e.time = time;
    e.duration = duration;
    e.style = style;
    maker.SetEditors(e);
  }
  QStringList Column(ProgramEntry::Field f) const {
    QStringList out;
    for (const ProgramEntry& e : maker.Rows().Rows()) out << e[f];
    return out;
  }
  QByteArray FileBytes() const {
    QFile f(maker.ProgramsFilePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  QTemporaryDir dir;
  QString startFolder;
  QString playListFolder;
  FixedClock clock{QDateTime(QDate(2024, 3, 9), QTime(12, 0))};
  ScriptedDialogs dialogs;
  DayProgramMaker maker;
};

TEST_F(DayProgramMakerTest, SavedRowsComeBackInReverseOrder) {
  maker.Open();
  EXPECT_EQ(maker.Rows().Count(), 0);
  EXPECT_TRUE(dialogs.Texts().isEmpty()) << "a missing file says nothing at opening";
  for (const char* t : {"08:00", "09:00", "10:00"}) {
    Editors(QStringLiteral("/lists/%1.prl").arg(t), t);
    maker.AddProgram();
  }
  EXPECT_TRUE(maker.Modified());
  maker.SavePrograms();
  EXPECT_EQ(dialogs.Texts().last(), "Do you want to save the Programs List\n" + maker.ProgramsFilePath() + "?");
  EXPECT_FALSE(maker.Modified());
  EXPECT_TRUE(FileBytes().startsWith("\"/lists/08:00.prl\""));
  EXPECT_TRUE(FileBytes().endsWith("\"10:00\",\"1\"\r\n"));

  maker.ReloadPrograms();
  EXPECT_EQ(Column(ProgramEntry::kTimeToPlay), (QStringList{"10:00", "09:00", "08:00"}));
  EXPECT_EQ(Column(ProgramEntry::kCreationDate), (QStringList{"09/03/2024", "09/03/2024", "09/03/2024"}));
}

TEST_F(DayProgramMakerTest, AnExistingTimeIsReplacedByTheNewRowAtTheEnd) {
  for (const char* t : {"08:00", "09:00", "10:00"}) {
    Editors(QStringLiteral("/lists/%1.prl").arg(t), t);
    maker.AddProgram();
  }
  Editors("/lists/new.prl", "09:00");
  dialogs.answers.enqueue(Dialogs::Answer::No);
  maker.AddProgram();
  EXPECT_EQ(dialogs.Texts().last(),
            "The time '09:00' already exists\n\nDo you want to update it with the selected Play List?");
  EXPECT_EQ(maker.Rows().Count(), 3);
  maker.AddProgram();
  EXPECT_EQ(Column(ProgramEntry::kPlayList), (QStringList{"/lists/08:00.prl", "/lists/10:00.prl", "/lists/new.prl"}));
  EXPECT_EQ(maker.SlotMask().left(22), QString("0000000000000000111111"));
}

TEST_F(DayProgramMakerTest, TheQuestionsOfPlus) {
  struct Case {
    const char* what;
    QString playList, time, duration, style;
    Dialogs::Answer answer;
    QString shown;       // the last box
    QString styleAdded;  // empty when no row is added
  };
  const Case cases[] = {
      {"no time", "/l/a.prl", "", "01:00:00:00", "POP", Dialogs::Answer::Yes,
       "Please Enter the 'Time' to play this play list", ""},
      {"unmeasured, No", "/l/a.prl", "10:00", "00:00:00:00", "POP", Dialogs::Answer::No,
       "Play List duration found '00:00:00:00'\n\nThe Play List will be loaded at the right time but you wont be\nable "
       "to monitor the reserved time at the program 'time-line'\n\nDo you want to add this Play List?",
       ""},
      {"no duration, Yes", "/l/a.prl", "10:00", "", "POP", Dialogs::Answer::Yes, "", "POP"},
      {"style from the name", "D:\\LISTS\\morning.prl", "10:00", "01:00:00:00", "", Dialogs::Answer::Yes, "",
       "MORNING"},
      {"style from a native name", "/srv/lists/Evening.prl", "10:00", "01:00:00:00", "", Dialogs::Answer::Yes, "",
       "EVENING"},
  };
  for (const Case& c : cases) {
    maker.Rows().Clear();
    dialogs.messages.clear();
    dialogs.answers.clear();
    dialogs.answers.enqueue(c.answer);
    Editors(c.playList, c.time, c.duration, c.style);
    maker.AddProgram();
    if (!c.shown.isEmpty()) {
      EXPECT_EQ(dialogs.Texts().value(0), c.shown) << c.what;
    }
    EXPECT_EQ(maker.Rows().Count(), c.styleAdded.isEmpty() ? 0 : 1) << c.what;
    if (!c.styleAdded.isEmpty()) {
      EXPECT_EQ(maker.Rows().At(0)[ProgramEntry::kStyle], c.styleAdded) << c.what;
    }
  }
  maker.Rows().Clear();
  Editors("", "10:00");
  dialogs.answers.clear();
  dialogs.answers.enqueue(Dialogs::Answer::No);
  maker.AddProgram();
  EXPECT_EQ(dialogs.Texts().last(), "Do you want to select a Play List now?");
  EXPECT_TRUE(dialogs.fileDialogs.isEmpty());
}

TEST_F(DayProgramMakerTest, LoadReadsThePlayListHeader) {
  const QString prl = startFolder + "morning.prl";
  PrlSaveValues values;
  values.listDuration = "01:02:03:04";
  ASSERT_EQ(prl::SavePrl(prl, PrlWriterKind::MainSave, {{"00:03:00:00", "/m/a.mp3"}}, values), 0);
  dialogs.openFiles.enqueue({prl});
  maker.LoadPlayList();
  const ProgramEditors& e = maker.Editors();
  EXPECT_EQ(e.playList, prl);
  EXPECT_EQ(e.owner, "KORVO XA user");
  EXPECT_EQ(e.clips, "1");
  EXPECT_EQ(e.duration, "01:02:03:04");
  EXPECT_EQ(e.description, "Created By KORVO XA");
  EXPECT_EQ(playListFolder, startFolder);

  const QString other = startFolder + "notes.prl";
  QFile f(other);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("this is not a play list, only some text");
  f.close();
  dialogs.openFiles.enqueue({other});
  maker.LoadPlayList();
  EXPECT_EQ(dialogs.Texts().last(), other + " is not a KORVO xa Play List");
  EXPECT_EQ(maker.Editors().playList, prl);
}

TEST_F(DayProgramMakerTest, RemoveClearReloadAndExit) {
  for (const char* t : {"08:00", "09:00", "10:00"}) {
    Editors(QStringLiteral("/l/%1.prl").arg(t), t);
    maker.AddProgram();
  }
  maker.SavePrograms();
  maker.SelectRow(2);
  maker.RemoveProgram();
  EXPECT_EQ(dialogs.Texts().last(),
            "'POP'\n'/l/10:00.prl'\n\nDo you want to remove this Play List from Programs List?");
  EXPECT_EQ(maker.SelectedRow(), 0) << "past the end: back to the top";
  maker.RemoveProgram();
  EXPECT_EQ(Column(ProgramEntry::kTimeToPlay), (QStringList{"09:00"}));

  dialogs.answers.enqueue(Dialogs::Answer::No);
  EXPECT_FALSE(maker.RequestClose());
  EXPECT_EQ(dialogs.Texts().last(), "Do you want to exit without saving changes?");
  dialogs.answers.enqueue(Dialogs::Answer::No);
  maker.ReloadPrograms();
  EXPECT_EQ(dialogs.Texts().last(), "Do you want to discard changes?");
  EXPECT_EQ(maker.Rows().Count(), 1);
  maker.ReloadPrograms();
  EXPECT_EQ(maker.Rows().Count(), 3);
  EXPECT_FALSE(maker.Modified());
  EXPECT_TRUE(maker.RequestClose());

  maker.ClearPrograms();
  EXPECT_EQ(maker.SlotMask(), QString(49, u'0'));
  QFile::remove(maker.ProgramsFilePath());
  dialogs.answers.enqueue(Dialogs::Answer::Yes);
  maker.ReloadPrograms();
  EXPECT_EQ(dialogs.Texts().last(), "No programs are defined yet");
}

TEST_F(DayProgramMakerTest, DoubleClickAndTheStripSelect) {
  Editors("/l/a.prl", "10:30");
  maker.AddProgram();
  maker.NewProgram();
  EXPECT_EQ(maker.Editors().time, "00:00");
  EXPECT_FALSE(maker.Editors().shuffle);
  maker.EditRow(0);
  EXPECT_EQ(maker.Editors().playList, "/l/a.prl");
  EXPECT_EQ(maker.Editors().time, "10:30");
  EXPECT_TRUE(maker.Editors().shuffle);
  maker.SelectRowOfTime("");
  EXPECT_EQ(maker.SelectedRow(), -1);
  maker.SelectRowOfTime("10:30");
  EXPECT_EQ(maker.SelectedRow(), 0);
}

}  // namespace
