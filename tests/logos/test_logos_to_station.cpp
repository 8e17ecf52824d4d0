// An advert play list built in the logos tool, read by the main program's adverts and
// played at its block time: the tool's export and the station's reader agree on every
// spot, and the clock check puts the block on air two minutes ahead.
#include "LogosFixture.h"
#include "adverts/AdvertsFixture.h"

namespace {

TEST(LogosToStation, ABlockBuiltInTheToolGoesOnAirAtItsTime) {
  QString epl;
  QByteArray exported;
  {
    LogosStation tool;
    JobForm& form = tool.job.Form();
    tool.Logo("LOGO1", "1", "MORNING SPOT");
    form.SetHour("08:00");
    ASSERT_EQ(tool.job.PlayListCmds().InsertLogos(), 1);
    tool.Logo("00000", "S", "SECOND SPOT");
    form.SetRule(InsertRule::LastInBlock);
    ASSERT_EQ(tool.job.PlayListCmds().InsertLogos(), 1);
    tool.Logo("LOGO1", "X", "NOON SPOT");
    form.SetHour("12:30");
    ASSERT_EQ(tool.job.PlayListCmds().InsertLogos(), 1);
    const QString out = tool.Folder("epl") + "/day.epl";
    tool.NextSave(out);
    tool.job.PlayListCmds().ExportEpl();
    exported = tool.ReadFile(out);
  }
  ASSERT_FALSE(exported.isEmpty());

  AdvertStation station;
  // The clips as a station has them: named in whatever case the planner used.
  QDir().mkpath(station.DriveC() + "/Adverts");
  const QString morning = station.WriteFile("drive_c/Adverts/logo1-1.mp3", "clip");
  epl = station.WriteFile("day.epl", exported);
  station.FillSongs(2, 1);
  station.decks.deck[1].state = PlayerState::Playing;
  ASSERT_EQ(station.adverts.LoadAdvertList(epl), 3);
  EXPECT_EQ(station.Blocks(), QStringList({"08:00", "12:30"}));
  station.adverts.SetAdvertsEnabled(true);

  station.TickAt(7, 57, 59);
  EXPECT_EQ(station.songs.Count(), 2);
  station.TickAt(7, 58, 0);
  EXPECT_EQ(station.SongTitles(), QStringList({"clip0", "* 08:00 MORNING SPOT", "* 08:00 SECOND SPOT", "clip1"}));
  EXPECT_EQ(station.decks.Calls("load "), QStringList({"load 2 * 08:00 MORNING SPOT"}));
  EXPECT_EQ(station.decks.deck[2].path, morning);
  EXPECT_EQ(station.songs.At(2).path, station.DriveC() + "/Adverts/00000-S.MP3");

  station.songs.SelectItem(0);
  station.TickAt(12, 28, 0);
  EXPECT_EQ(station.songs.At(0).title, "* 12:30 NOON SPOT");
  EXPECT_TRUE(station.Blocks().isEmpty());
}

}  // namespace
