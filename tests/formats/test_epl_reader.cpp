// Reading advert play lists: the header dropped, spots by their columns, the values the
// format does not hold, and files that cannot be read.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "formats/EplReader.h"

namespace {

const QByteArray kHeader = "\"Spotwright0116 Play List of: 05/12/2000\"\r\n";

QByteArray Spot(const QByteArray& text) { return '"' + text + "\"\r\n"; }

QStringList Names(const epl::EplContents& c) {
  QStringList out;
  for (const AdvertSpot& s : c.spots) out << s.name;
  return out;
}

// A file as a planner writes it, with comments and blank lines between the values.
TEST(EplReader, HandMadeFileGivesItsSpotsInFileOrder) {
  const QByteArray file = kHeader + Spot("08:00   LOGO1-1   MORNING SPOT") + "\r\n\r\nno quotes here\r\n" +
                          Spot("12:30   LOGO1-X   NOON SPOT") + Spot("08:00   00000-S   SECOND SPOT");
  const epl::EplContents c = epl::ParseEpl(file);
  ASSERT_EQ(c.spots.size(), 3);
  EXPECT_EQ(c.spots[0], (AdvertSpot{"08:00", "LOGO1-1", "MORNING SPOT", ""}));
  EXPECT_EQ(c.spots[1], (AdvertSpot{"12:30", "LOGO1-X", "NOON SPOT", ""}));
  EXPECT_EQ(c.spots[2], (AdvertSpot{"08:00", "00000-S", "SECOND SPOT", ""}));
  EXPECT_EQ(c.unreadable, 0);
  EXPECT_EQ(c.cut, 0);
}

// Values outside the format never take the reader past its data, and it says how many
// it could not use.
TEST(EplReader, ValuesOutsideTheFormat) {
  const QByteArray longName(300, 'N');
  struct Case {
    const char* what;
    QByteArray data;
    QStringList names;
    int unreadable;
    int cut;
  } cases[] = {
      {"header only", kHeader, {}, 0, 0},
      {"no quoted value at all", "just text\r\n", {}, 0, 0},
      {"no header: the first spot is taken for it",
       Spot("08:00   LOGO1-1   A") + Spot("08:00   LOGO1-2   B"),
       {"B"},
       0,
       0},
      {"exactly 18 characters: empty name", kHeader + Spot("08:00   LOGO1-1   "), {""}, 0, 0},
      {"17 characters", kHeader + Spot("08:00   LOGO1-1  ") + Spot("09:00   LOGO1-1   B"), {"B"}, 1, 0},
      {"empty value", kHeader + "\"\"" + Spot("09:00   LOGO1-1   B"), {"B"}, 1, 0},
      {"quote in the last byte", kHeader + Spot("08:00   LOGO1-1   A") + "\"", {"A"}, 0, 0},
      {"never closed", kHeader + Spot("08:00   LOGO1-1   A") + "\"09:00   LOGO1-1   CUT OFF", {"A"}, 1, 0},
      {"unclosed header", "\"Spotwright0116 Play List of: 05/12/2000\r\n", {}, 0, 0},
      {"over 255 characters", kHeader + Spot("08:00   LOGO1-1   " + longName), {QString(237, u'N')}, 0, 1},
  };
  for (const Case& c : cases) {
    const epl::EplContents got = epl::ParseEpl(c.data);
    EXPECT_EQ(Names(got), c.names) << c.what;
    EXPECT_EQ(got.unreadable, c.unreadable) << c.what;
    EXPECT_EQ(got.cut, c.cut) << c.what;
  }
}

// The data ends right after an opening quote or inside a value: nothing is read past it.
TEST(EplReader, EveryCutOfAFileStaysInsideIt) {
  const QByteArray file = kHeader + Spot("08:00   LOGO1-1   MORNING SPOT") + Spot("12:30   LOGO1-X   NOON");
  for (qsizetype n = 0; n <= file.size(); ++n) {
    // A copy of exactly n bytes, so a read past it is caught by the address sanitizer.
    const QByteArray part = file.first(n);
    const epl::EplContents c = epl::ParseEpl(part);
    EXPECT_LE(c.spots.size(), 2) << n;
  }
  EXPECT_EQ(epl::ParseEpl(file).spots.size(), 2);
}

TEST(EplReader, TextIsUtf8WhenTheWholeFileIsElseWindows1252) {
  // "CAFÉ" in UTF-8; then the old code page's é, € and ’ with a UTF-8 é elsewhere in the
  // same file, which must be read as the code page too.
  const epl::EplContents utf8 = epl::ParseEpl(kHeader + Spot("08:00   LOGO1-1   CAF\xC3\x89"));
  ASSERT_EQ(utf8.spots.size(), 1);
  EXPECT_EQ(utf8.spots[0].name, QString::fromUtf8("CAF\xC3\x89"));

  const epl::EplContents cp1252 =
      epl::ParseEpl(kHeader + Spot("08:00   LOGO1-1   CAF\xC9 \x80 \x92") + Spot("09:00   LOGO1-1   \xC3\xA9"));
  ASSERT_EQ(cp1252.spots.size(), 2);
  EXPECT_EQ(cp1252.spots[0].name, QString::fromUtf8("CAF\xC3\x89 \xE2\x82\xAC \xE2\x80\x99"));
  EXPECT_EQ(cp1252.spots[1].name, QString::fromUtf8("\xC3\x83\xC2\xA9"));
}

TEST(EplReader, UnreadableFilesLeaveTheContentsAlone) {
  QTemporaryDir dir;
  const QString empty = dir.filePath("empty.epl");
  QFile f(empty);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();

  epl::EplContents contents;
  contents.spots.append({"07:00", "OLD00-1", "KEPT", "/x"});
  for (const QString& path : {empty, dir.filePath("missing.epl"), dir.path()}) {
    EXPECT_EQ(epl::LoadEpl(path, contents), epl::kReadFailed) << qPrintable(path);
    ASSERT_EQ(contents.spots.size(), 1);
    EXPECT_EQ(contents.spots[0].name, "KEPT");
  }

  const QString headerOnly = dir.filePath("header.epl");
  QFile h(headerOnly);
  ASSERT_TRUE(h.open(QIODevice::WriteOnly));
  h.write(kHeader);
  h.close();
  EXPECT_EQ(epl::LoadEpl(headerOnly, contents), 0);
  EXPECT_TRUE(contents.spots.isEmpty());
}

}  // namespace
