// An advert play list built in the logos tool, read by the main program's adverts and
// played at its block time: the tool's export and the station's reader agree on every
// spot, and the clock check puts the block on air two minutes ahead.
#include "LogosFixture.h"
#include "adverts/AdvertsFixture.h"

namespace {

// The day as the tool builds it: two spots at 08:00 (the second last in its block) and
// one at 12:30; the exported file's bytes.
QByteArray BuildDay(PlayListType type) {
  LogosStation tool;
  JobForm& form = tool.job.Form();
  tool.job.PlayListCmds().ChooseType(type);
  const auto insert = [&](const char* name, const char* id, const char* description, const char* hour) {
    if (type == PlayListType::Spotwright) form.SetName(name);
    form.SetId(id);
    form.SetDescription(description);
    form.SetHour(hour);
    EXPECT_EQ(tool.job.PlayListCmds().InsertLogos(), 1) << description;
  };
  insert("LOGO1", "1", "MORNING SPOT", "08:00");
  form.SetRule(InsertRule::LastInBlock);
  insert("00000", "S", "SECOND SPOT", "08:00");
  insert("LOGO1", "X", "NOON SPOT", "12:30");
  const QString out = tool.Folder("epl") + "/day.epl";
  tool.NextSave(out);
  tool.job.PlayListCmds().ExportEpl();
  return tool.ReadFile(out);
}

TEST(LogosToStation, ABlockBuiltInTheToolGoesOnAirAtItsTime) {
  // Clips by code for a Spotwright list, by name for MP3 clips, on both sides; the
  // clips named in whatever case the planner used.
  struct Case {
    PlayListType type;
    int loadingType;
    const char* firstClip;
    const char* secondClip;
  } cases[] = {
      {PlayListType::Spotwright, 0, "logo1-1.mp3", "00000-S.MP3"},
      {PlayListType::Mp3Clips, 1, "Morning Spot.mp3", "SECOND SPOT.MP3"},
  };
  for (const Case& c : cases) {
    const QByteArray exported = BuildDay(c.type);
    ASSERT_FALSE(exported.isEmpty());

    AdvertStation station;
    station.loadingType = c.loadingType;
    QDir().mkpath(station.DriveC() + "/Adverts");
    const QString first = station.WriteFile(QString("drive_c/Adverts/") + c.firstClip, "clip");
    station.FillSongs(2, 1);
    station.decks.deck[1].state = PlayerState::Playing;
    ASSERT_EQ(station.adverts.LoadAdvertList(station.WriteFile("day.epl", exported)), 3);
    EXPECT_EQ(station.Blocks(), QStringList({"08:00", "12:30"}));
    station.adverts.SetAdvertsEnabled(true);

    station.TickAt(7, 57, 59);
    EXPECT_EQ(station.songs.Count(), 2);
    station.TickAt(7, 58, 0);
    EXPECT_EQ(station.SongTitles(), QStringList({"clip0", "* 08:00 MORNING SPOT", "* 08:00 SECOND SPOT", "clip1"}));
    EXPECT_EQ(station.decks.Calls("load "), QStringList({"load 2 * 08:00 MORNING SPOT"}));
    EXPECT_EQ(station.decks.deck[2].path, first) << c.loadingType;
    EXPECT_EQ(station.songs.At(2).path, station.DriveC() + "/Adverts/" + c.secondClip) << c.loadingType;

    station.songs.SelectItem(0);
    station.TickAt(12, 28, 0);
    EXPECT_EQ(station.songs.At(0).title, "* 12:30 NOON SPOT");
    EXPECT_TRUE(station.Blocks().isEmpty());
  }
}

}  // namespace
