// Writing advert play lists byte for byte, reading them back, and the clip path rule.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "formats/AdvertPath.h"
#include "formats/EplReader.h"
#include "formats/EplWriter.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QList<AdvertSpot> kSpots = {
    {"08:00", "LOGO1-1", "MORNING SPOT", ""},
    {"08:00", "00000-S", "", ""},
    {"12:30", "LOGO1-X", "NOON SPOT", ""},
};

TEST(EplWriter, WritesTheDatedHeaderAndOneCrLfLineASpotAndReadsBack) {
  QTemporaryDir dir;
  const QString path = dir.filePath("day.epl");
  ASSERT_EQ(epl::SaveEpl(path, QDate(2000, 12, 5), kSpots), 0);
  EXPECT_EQ(ReadAll(path),
            "\"Spotwright0116 Play List of: 05/12/2000\"\r\n"
            "\"08:00   LOGO1-1   MORNING SPOT\"\r\n"
            "\"08:00   00000-S   \"\r\n"
            "\"12:30   LOGO1-X   NOON SPOT\"\r\n");
  epl::EplContents back;
  ASSERT_EQ(epl::LoadEpl(path, back), 0);
  EXPECT_EQ(back.spots, kSpots);
}

TEST(EplWriter, SpotsThatWouldNotReadBackAreLeftOutAndNamed) {
  const QList<AdvertSpot> spots = {
      {"8:00", "LOGO1-1", "SHORT TIME", ""},        {"08:00", "LOGO1", "SHORT CODE", ""},
      {"08:00", "LOGO1-1", "SAY \"HI\"", ""},       {"08:00", "LOGO1-1", QString(238, u'N'), ""},
      {"08:00", "LOGO1-1", QString(237, u'N'), ""},
  };
  QTemporaryDir dir;
  const QString path = dir.filePath("day.epl");
  QList<int> leftOut;
  ASSERT_EQ(epl::SaveEpl(path, QDate(2024, 1, 2), spots, &leftOut), 0);
  EXPECT_EQ(leftOut, QList<int>({0, 1, 2, 3}));
  epl::EplContents back;
  ASSERT_EQ(epl::LoadEpl(path, back), 0);
  ASSERT_EQ(back.spots.size(), 1);
  EXPECT_EQ(back.spots[0], spots[4]);
  EXPECT_EQ(back.cut, 0);
}

TEST(EplWriter, AFailedSaveKeepsTheOldFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("day.epl");
  ASSERT_EQ(epl::SaveEpl(path, QDate(2024, 1, 2), kSpots), 0);
  const QByteArray before = ReadAll(path);
  EXPECT_EQ(epl::SaveEpl(dir.filePath("no/such/folder/day.epl"), QDate(2024, 1, 2), kSpots), epl::kWriteFailed);
  EXPECT_EQ(ReadAll(path), before);
}

// The clip of a spot by code or by name, found on disk whatever the case of folder and
// extension; a missing clip keeps the path it would have.
TEST(AdvertPath, ByCodeOrByNameWithoutRegardToCase) {
  QTemporaryDir dir;
  qputenv("KORVO_DRIVE_C", dir.path().toUtf8());
  ASSERT_TRUE(QDir().mkpath(dir.filePath("ADVERTS")));
  for (const char* name : {"ADVERTS/logo1-1.mp3", "ADVERTS/Morning Spot.Mp3", "ADVERTS/.MP3"}) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << name;
  }
  const AdvertSpot spot{"08:00", "LOGO1-1", "MORNING SPOT", ""};
  const AdvertSpot missing{"08:00", "LOGO9-9", "NOBODY", ""};
  const AdvertSpot unnamed{"08:00", "LOGO1-1", "", ""};
  EXPECT_EQ(AdvertClipPath(spot, 0), dir.filePath("ADVERTS/logo1-1.mp3"));
  EXPECT_EQ(AdvertClipPath(spot, 1), dir.filePath("ADVERTS/Morning Spot.Mp3"));
  EXPECT_EQ(AdvertClipPath(unnamed, 1), dir.filePath("ADVERTS/.MP3"));
  EXPECT_EQ(AdvertClipPath(missing, 0), dir.path() + "/Adverts/LOGO9-9.MP3");
  EXPECT_EQ(AdvertClipPath(missing, 7), dir.path() + "/Adverts/NOBODY.MP3");
  qunsetenv("KORVO_DRIVE_C");
}

}  // namespace
