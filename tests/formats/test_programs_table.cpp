// The programs table: ten quoted values a record, CR LF; records cut short, values over
// their limits and files that cannot be read.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "formats/ProgramsTable.h"

namespace {

ProgramEntry Entry(const QString& path, const QString& time, const QString& style = QStringLiteral("POP")) {
  ProgramEntry e;
  e[ProgramEntry::kPlayList] = path;
  e[ProgramEntry::kCreationDate] = QStringLiteral("01/02/2003");
  e[ProgramEntry::kOwner] = QStringLiteral("Owner");
  e[ProgramEntry::kClips] = QStringLiteral("12");
  e[ProgramEntry::kDuration] = QStringLiteral("01:02:03:04");
  e[ProgramEntry::kStyle] = style;
  e[ProgramEntry::kDescription] = QStringLiteral("Morning show");
  e[ProgramEntry::kTimeToPlay] = time;
  e[ProgramEntry::kShuffleOnLoad] = QStringLiteral("1");
  return e;
}

TEST(ProgramsTable, WritesTenQuotedValuesALineWithCrLfAndReadsThemBack) {
  const QList<ProgramEntry> rows = {Entry("D:\\Lists\\morning.prl", "10:00"), Entry("/lists/noon.prl", "12:30")};
  const QByteArray bytes = programs::ProgramsBytes(rows);
  EXPECT_TRUE(
      bytes.startsWith("\"D:\\Lists\\morning.prl\",\"01/02/2003\",\"Owner\",\"12\",\"01:02:03:04\",\"POP\","
                       "\"Morning show\",\"\",\"10:00\",\"1\"\r\n\"/lists/noon.prl\""));
  EXPECT_TRUE(bytes.endsWith("\"12:30\",\"1\"\r\n"));
  EXPECT_EQ(programs::ParsePrograms(bytes), rows);
}

TEST(ProgramsTable, ValuesAreCutToTheirLimitsAndLoseTheirQuotes) {
  ProgramEntry e = Entry(QString(300, u'p'), "10:00", QStringLiteral("ROCK \"N\" ROLL"));
  e[ProgramEntry::kClips] = QStringLiteral("123456");
  e[ProgramEntry::kShuffleOnLoad] = QStringLiteral("10");
  const QList<ProgramEntry> back = programs::ParsePrograms(programs::ProgramsBytes({e}));
  ASSERT_EQ(back.size(), 1);
  EXPECT_EQ(back[0][ProgramEntry::kPlayList].size(), 254);
  EXPECT_EQ(back[0][ProgramEntry::kClips], "1234");
  EXPECT_EQ(back[0][ProgramEntry::kStyle], "ROCK N ROLL");
  EXPECT_EQ(back[0][ProgramEntry::kShuffleOnLoad], "1");
}

// Only the quoted values count: text between them is ignored, a record of fewer than ten
// values is dropped, and so is one whose last value was cut off.
TEST(ProgramsTable, GarbageAndShortRecords) {
  struct Case {
    const char* what;
    QByteArray data;
    int records;
  };
  const QByteArray ten = "\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\",\"h\",\"10:00\",\"1\"\r\n";
  const Case cases[] = {
      {"noise between values", "junk " + ten + "\r\n\r\nmore junk\n" + ten, 2},
      {"line ends do not end a record", "\"a\"\n\"b\"\n\"c\",\"d\",\"e\"\"f\"\"g\"\"h\"\"10:00\"\n\"1\"\n", 1},
      {"a short record at the end", ten + "\"a\",\"b\",\"c\"\r\n", 1},
      {"cut inside the last value", ten + ten.left(ten.size() - 4), 1},
      {"no quotes at all", "nothing here\r\n", 0},
      {"a lone quote", "\"", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(programs::ParsePrograms(c.data).size(), c.records) << c.what;
}

TEST(ProgramsTable, OldStationFilesAreReadAsWindows1252) {
  const QByteArray data = "\"C:\\Lists\\caf\xE9.prl\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"10:00\",\"0\"\r\n";
  const QList<ProgramEntry> rows = programs::ParsePrograms(data);
  ASSERT_EQ(rows.size(), 1);
  EXPECT_EQ(rows[0][ProgramEntry::kPlayList], QString::fromUtf8("C:\\Lists\\caf\u00e9.prl"));
}

TEST(ProgramsTable, FilesThatCannotBeReadLeaveTheRowsAlone) {
  QTemporaryDir dir;
  const QList<ProgramEntry> before = {Entry("/a.prl", "10:00")};
  QList<ProgramEntry> rows = before;
  EXPECT_EQ(programs::ReadProgramsFile(dir.filePath("missing.txt"), rows), programs::kReadFailed);
  QFile empty(dir.filePath("empty.txt"));
  ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
  empty.close();
  EXPECT_EQ(programs::ReadProgramsFile(empty.fileName(), rows), programs::kReadFailed);
  EXPECT_EQ(rows, before);

  const QString path = programs::ProgramsFilePath(dir.path() + u'/');
  EXPECT_EQ(programs::SaveProgramsFile(path, before), programs::kWriteFailed) << "no Prglists folder";
  ASSERT_TRUE(QDir(dir.path()).mkpath("Prglists"));
  ASSERT_EQ(programs::SaveProgramsFile(path, {Entry("/b.prl", "11:00"), Entry("/c.prl", "12:00")}), 0);
  EXPECT_EQ(programs::ReadProgramsFile(path, rows), 1);
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[0][ProgramEntry::kPlayList], "/b.prl");
}

}  // namespace
