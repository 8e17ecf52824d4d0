// Day programs and ensure play in the window: the "PRG" and "EP" toggles with the lists'
// layout and indicators, the recovery before the start-up play list, and the Day Program
// Maker dialog's strip and exit. With KORVO_SCREENSHOT_DIR set the dialog and the window
// with both lists are saved there as pictures.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>

#include "adverts/ui/AdvertsPanel.h"
#include "app/StationFixture.h"
#include "formats/PrlWriter.h"
#include "formats/ProgramsTable.h"
#include "platform/TimerIds.h"
#include "programs/DayProgramMaker.h"
#include "programs/ui/DayProgramMakerDialog.h"
#include "programs/ui/ProgramsPanel.h"
#include "programs/ui/TimeLineStrip.h"
#include "songs/ui/SongsListPanel.h"
#include "station/ConsoleCommand.h"

namespace {

QString Tone() { return qEnvironmentVariable("KORVO_FIXTURES") + QStringLiteral("/tone440_44k_cbr.mp3"); }

void Save(QWidget& w, const char* name) {
  const QString dir = qEnvironmentVariable("KORVO_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  w.show();
  QCoreApplication::processEvents();
  w.grab().save(dir + u'/' + QLatin1String(name));
}

ProgramEntry Program(const QString& path, const char* time, const char* duration, const char* style) {
  ProgramEntry e;
  e[ProgramEntry::kPlayList] = path;
  e[ProgramEntry::kCreationDate] = QStringLiteral("01/03/2024");
  e[ProgramEntry::kOwner] = QStringLiteral("KORVO XA user");
  e[ProgramEntry::kClips] = QStringLiteral("12");
  e[ProgramEntry::kDuration] = QString::fromLatin1(duration);
  e[ProgramEntry::kStyle] = QString::fromLatin1(style);
  e[ProgramEntry::kTimeToPlay] = QString::fromLatin1(time);
  e[ProgramEntry::kShuffleOnLoad] = QStringLiteral("1");
  return e;
}

class ProgramsWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QDir(s.startFolder).mkpath(QStringLiteral("Music"));
    QDir(s.startFolder).mkpath(QStringLiteral("Prglists"));
    QDir(s.driveC).mkpath(QStringLiteral("Adverts"));
    for (const char* name : {"song a", "song b", "song c"}) {
      const QString path = s.startFolder + QStringLiteral("Music/%1.mp3").arg(QLatin1String(name));
      ASSERT_TRUE(QFile::copy(Tone(), path));
      s.engine.durationsMs.insert(path, 3000);
      music << path;
    }
    const QString lists = QStringLiteral("D:\\LISTS\\");
    ASSERT_EQ(programs::SaveProgramsFile(programs::ProgramsFilePath(s.startFolder),
                                         {Program(lists + "morning.prl", "07:00", "02:00:00:00", "WAKE UP"),
                                          Program(lists + "noon.prl", "12:30", "00:45:00:00", "JAZZ"),
                                          Program(lists + "evening.prl", "18:00", "03:31:00:00", "ROCK")}),
              0);
  }
  QString WritePrl(const QString& path, const QStringList& clips) {
    QList<PrlClip> lines;
    for (const QString& c : clips) lines.append({QStringLiteral("00:00:03:00"), c});
    EXPECT_EQ(prl::SavePrl(path, PrlWriterKind::MainSave, lines, {}), 0);
    return path;
  }
  QStringList Titles(MainWindow& w) {
    QStringList t;
    for (const ClipEntry& e : w.StationState().Songs().Model().Rows()) t << e.title;
    return t;
  }

  TestStation s;
  QStringList music;
};

TEST_F(ProgramsWindowTest, PrgShowsTheProgramsListAndSharesTheColumnWithTheAdverts) {
  auto w = s.Open();
  w->StationState().Commands().Run(ConsoleCommand::ProgramsOn);
  EXPECT_TRUE(w->ProgramsButton()->isChecked());
  EXPECT_TRUE(w->ProgramsIndicatorShown());
  EXPECT_EQ(w->StatusText(), "3 PROGRAMS LOADED");
  ASSERT_TRUE(w->ProgramsView().isVisibleTo(w.get()));
  EXPECT_EQ(w->ProgramsView().View()->model()->rowCount(), 3);
  const QRect songs = w->SongsPanel().geometry();
  EXPECT_LE(songs.bottom(), w->ProgramsView().geometry().top());

  w->AdvertsButton()->click();
  const QRect programs = w->ProgramsView().geometry();
  const QRect adverts = w->AdvertsView().geometry();
  EXPECT_TRUE(w->AdvertsView().isVisibleTo(w.get()));
  EXPECT_FALSE(programs.intersects(adverts));
  EXPECT_FALSE(w->SongsPanel().geometry().intersects(programs));
  EXPECT_LE(adverts.bottom(), 574);
  Save(*w, "both-lists.png");

  w->StationState().Commands().Run(ConsoleCommand::ProgramsOff);
  EXPECT_FALSE(w->ProgramsButton()->isChecked());
  EXPECT_FALSE(w->ProgramsView().isVisibleTo(w.get()));
  EXPECT_FALSE(w->ProgramsIndicatorShown());
}

TEST_F(ProgramsWindowTest, EpTakesTheSnapshotAndLetsItGo) {
  auto w = s.Open();
  w->EnsurePlayButton()->click();
  EXPECT_FALSE(w->EnsurePlayButton()->isChecked()) << "refused for an empty list";
  w->PlayList().Loader().LoadFolder(s.startFolder + QStringLiteral("Music"));
  w->EnsurePlayButton()->click();
  EXPECT_TRUE(w->EnsurePlayButton()->isChecked());
  EXPECT_TRUE(w->EnsurePlayIndicatorShown());
  EXPECT_TRUE(w->Mix().LoadNext());
  EXPECT_TRUE(w->Timers().IsRunning(timerid::kEnsurePlay));
  EXPECT_TRUE(QFile::exists(s.driveC + "/KORVOPRL.tmp"));
  w->EnsurePlayButton()->click();
  EXPECT_FALSE(w->EnsurePlayIndicatorShown());
  EXPECT_FALSE(QFile::exists(s.driveC + "/KORVOPRL.tmp"));
}

// The list a crash left takes the start-up play list's place.
TEST_F(ProgramsWindowTest, RecoveryComesBeforeTheStartUpPlayList) {
  s.settings.Write(settings::kStartUpProgram, WritePrl(s.startFolder + "startup.prl", {music[0]}));
  WritePrl(s.driveC + "/KORVOPRL.tmp", {music[1], music[2]});
  QFile marker(s.driveC + "/KORVOPRG.tmp");
  ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
  marker.close();
  auto w = s.Open();
  EXPECT_EQ(Titles(*w), (QStringList{"song b", "song c"}));
  EXPECT_TRUE(w->EnsurePlayButton()->isChecked());
  EXPECT_TRUE(w->ProgramsButton()->isChecked());
  EXPECT_FALSE(w->Timers().IsRunning(timerid::kStartUpMix));
  EXPECT_TRUE(QFile::exists(s.driveC + "/KORVOPRG.tmp"));
}

TEST_F(ProgramsWindowTest, TheDayProgramMakerShowsTheTableAndItsTimeLine) {
  auto w = s.Open();
  EXPECT_TRUE(w->StationState().Commands().Defined(ConsoleCommand::DayPrograms));
  const auto maker = w->StationState().NewDayProgramMaker({});
  DayProgramMakerDialog dialog(*maker, w.get());
  ASSERT_EQ(dialog.View()->model()->rowCount(), 3);
  EXPECT_EQ(dialog.View()->model()->index(0, ProgramEntry::kStyle).data().toString(), "ROCK");
  EXPECT_EQ(dialog.Strip()->Mask(), maker->SlotMask());
  EXPECT_EQ(dialog.TimeList()->currentText(), "00:00");

  // The mouse over the strip, in the dialog's coordinates: x 250 is 10:30.
  const QPoint at = QPoint(250, 215) - dialog.Strip()->pos();
  QMouseEvent move(QEvent::MouseMove, at, dialog.Strip()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(dialog.Strip(), &move);
  EXPECT_EQ(dialog.TimeLabel()->text(), "10:30");
  QMouseEvent twice(QEvent::MouseButtonDblClick, at, dialog.Strip()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(dialog.Strip(), &twice);
  EXPECT_EQ(dialog.TimeList()->currentText(), "10:30");
  const QPoint noon = QPoint(19 + 12 * 22 + 11, 215) - dialog.Strip()->pos();
  QMouseEvent held(QEvent::MouseMove, noon, dialog.Strip()->mapToGlobal(noon), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(dialog.Strip(), &held);
  EXPECT_EQ(maker->SelectedRow(), 1);
  EXPECT_EQ(dialog.View()->currentIndex().row(), 1);
  Save(dialog, "day-program-maker.png");

  maker->ClearPrograms();
  s.dialogs.answers.enqueue(Dialogs::Answer::No);
  dialog.Button("EXIT")->click();
  EXPECT_EQ(s.dialogs.Texts().last(), "Do you want to exit without saving changes?");
}

}  // namespace
