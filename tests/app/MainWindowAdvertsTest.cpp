// Adverts in the window: an advert play list dropped on it, the "ADVS" toggle, and a
// block that goes on air by the clock through the automatic mix with the "ADVS" style.
#include "StationFixture.h"

#include "adverts/ui/AdvertsPanel.h"
#include "app/ContextMenus.h"
#include "formats/EplWriter.h"
#include "platform/TimerIds.h"
#include "songs/ui/SongsListPanel.h"
#include "station/SongsCommands.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>

#include <gtest/gtest.h>

namespace {

QString Tone() { return qEnvironmentVariable("KORVO_FIXTURES") + QStringLiteral("/tone440_44k_cbr.mp3"); }

// The advert clips are found through the drive C folder of the environment.
class AdvertsWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("KORVO_DRIVE_C", s.driveC.toUtf8());
    QDir(s.driveC).mkpath(QStringLiteral("Adverts"));
    spot = s.driveC + QStringLiteral("/Adverts/LOGO1-1.MP3");
    ASSERT_TRUE(QFile::copy(Tone(), spot));
    s.engine.durationsMs.insert(spot, 3000);
    QDir(s.startFolder).mkpath(QStringLiteral("Music"));
    for (const char* name : {"song a", "song b"}) {
      const QString path = s.startFolder + QStringLiteral("Music/%1.mp3").arg(QLatin1String(name));
      ASSERT_TRUE(QFile::copy(Tone(), path));
      s.engine.durationsMs.insert(path, 3000);
    }
    s.clock.Set(QDateTime(QDate(2024, 3, 1), QTime(7, 57, 0)));
  }
  void TearDown() override { qunsetenv("KORVO_DRIVE_C"); }

  void Drop(MainWindow& w, const QString& path) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    // A drag enters before it drops, as on a desktop.
    QDragEnterEvent enter(QPoint(400, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &enter);
    QDropEvent drop(QPointF(400, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &drop);
  }

  QStringList OpenedPaths() {
    QStringList paths;
    for (const auto& m : s.engine.Commands(s.engine.PlayerAt(0), XA_MSG_COMMAND_INPUT_OPEN)) paths << m.text;
    for (const auto& m : s.engine.Commands(s.engine.PlayerAt(1), XA_MSG_COMMAND_INPUT_OPEN)) paths << m.text;
    return paths;
  }

  TestStation s;
  QString spot;
};

TEST_F(AdvertsWindowTest, ADroppedListGoesOnAirTwoMinutesBeforeItsBlockWithTheAdvertStyle) {
  auto w = s.Open();
  w->PlayList().Loader().LoadFolder(s.startFolder + QStringLiteral("Music"));
  ASSERT_EQ(w->SongsPanel().List().Count(), 2);

  const QString epl = s.startFolder + QStringLiteral("day.epl");
  ASSERT_EQ(epl::SaveEpl(epl, QDate(2024, 3, 1), {AdvertSpot{QStringLiteral("08:00"), QStringLiteral("LOGO1-1"),
                                                             QStringLiteral("MORNING SPOT"), QString()}}),
            0);
  Drop(*w, epl);
  EXPECT_EQ(w->StationState().AdvertSet().List().Count(), 1);
  EXPECT_FALSE(w->AdvertsView().isVisibleTo(w.get()));

  w->AdvertsButton()->click();
  EXPECT_TRUE(w->StationState().AdvertSet().AdvertsEnabled());
  EXPECT_TRUE(w->Timers().IsRunning(timerid::kAdvertCheck));
  EXPECT_TRUE(w->AdvertsView().isVisibleTo(w.get()));
  EXPECT_TRUE(w->AdvertsIndicatorShown());

  // A minute early nothing happens; at 07:58:00 the block goes in at the current item and
  // its first spot into the free deck, with the advert style.
  w->Timers().Fire(timerid::kAdvertCheck);
  EXPECT_EQ(w->SongsPanel().List().Count(), 2);
  s.clock.Set(QDateTime(QDate(2024, 3, 1), QTime(7, 58, 0)));
  w->Timers().Fire(timerid::kAdvertCheck);
  ASSERT_EQ(w->SongsPanel().List().Count(), 3);
  EXPECT_EQ(w->SongsPanel().List().At(0).title, QStringLiteral("* 08:00 MORNING SPOT"));
  EXPECT_EQ(OpenedPaths(), QStringList{spot});
  EXPECT_EQ(w->MixInForce().appliedStyleName, QStringLiteral("ADVS"));
  EXPECT_EQ(w->StationState().AdvertSet().List().Blocks().Count(), 0);

  // F8's command switches them off again, and the list layout follows.
  EXPECT_TRUE(w->StationState().Commands().Run(ConsoleCommand::AdvertsOff));
  EXPECT_FALSE(w->AdvertsButton()->isChecked());
  EXPECT_FALSE(w->Timers().IsRunning(timerid::kAdvertCheck));
  EXPECT_FALSE(w->AdvertsView().isVisibleTo(w.get()));
}

TEST_F(AdvertsWindowTest, TheLogosPopUpsEntriesActOnTheAdvertList) {
  auto w = s.Open();
  const QString epl = s.startFolder + QStringLiteral("day.epl");
  const auto spot = [](const char* time, const char* code, const char* name) {
    return AdvertSpot{QString::fromLatin1(time), QString::fromLatin1(code), QString::fromLatin1(name), QString()};
  };
  ASSERT_EQ(epl::SaveEpl(epl, QDate(2024, 3, 1),
                         {spot("08:00", "LOGO1-1", "MORNING SPOT"), spot("12:30", "LOGO1-X", "NOON SPOT"),
                          spot("08:00", "00000-S", "SECOND SPOT")}),
            0);
  Drop(*w, epl);
  w->AdvertsButton()->click();
  const AdvertList& list = w->StationState().AdvertSet().List();
  ASSERT_EQ(list.Count(), 3);
  const auto entry = [&w](const char* caption) {
    QAction* a = w->Menus().Entry(ContextMenuSelector::kLogos, QString::fromLatin1(caption));
    EXPECT_NE(a, nullptr) << caption;
    return a;
  };

  // "Remove AD" acts on the row chosen in the list, and the choice stays on that row.
  QTableView* view = w->AdvertsView().View();
  view->selectionModel()->setCurrentIndex(view->model()->index(1, 0),
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  entry("Remove AD")->trigger();
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.At(1).name, QStringLiteral("SECOND SPOT"));
  EXPECT_EQ(view->selectionModel()->currentIndex().row(), 1);

  entry("Remove Block")->trigger();  // greyed: nothing
  EXPECT_EQ(list.Count(), 2);

  entry("Clear Logos List")->trigger();  // the question is answered Yes
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(w->AdvertsView().BlockListBox()->count(), 0);

  entry("Disable Logos")->trigger();
  EXPECT_FALSE(w->StationState().AdvertSet().AdvertsEnabled());
  EXPECT_FALSE(w->AdvertsButton()->isChecked());
  EXPECT_FALSE(w->Timers().IsRunning(timerid::kAdvertCheck));
}

}  // namespace
