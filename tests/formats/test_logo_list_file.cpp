// The logos tool's list files (".mlf", ".hlf"): quoted values one a line, read back as
// written, in either encoding a station has, and never past a file cut short.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "formats/LogoListFile.h"
#include "formats/LogoRecord.h"

namespace {

QString Write(const QTemporaryDir& dir, const QByteArray& bytes) {
  const QString path = dir.filePath("list.mlf");
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
  return path;
}

TEST(LogoListFile, ReadsEveryQuotedValueWhateverStandsBetweenThem) {
  struct Case {
    const char* what;
    QByteArray bytes;
    QStringList values;
  } cases[] = {
      {"CR LF", "\"LOGO1-1MORNING\"\r\n\"00000-S\"\r\n", {"LOGO1-1MORNING", "00000-S"}},
      {"LF and text outside the quotes", "note\n\"08:00\"\n\n\"09:00\",\"10:00\"", {"08:00", "09:00", "10:00"}},
      {"UTF-8", "\"LOGO1-1CAF\xc3\x89\"", {"LOGO1-1CAF\u00c9"}},
      {"Windows-1252", "\"LOGO1-1CAF\xc9 \x80\"", {"LOGO1-1CAF\u00c9 \u20ac"}},
      {"cut off inside the last value", "\"08:00\"\r\n\"09:", {"08:00"}},
      {"a quote in the last byte", "\"08:00\"\"", {"08:00"}},
      {"no quotes at all", "08:00\r\n", {}},
  };
  QTemporaryDir dir;
  for (const Case& c : cases) {
    QStringList values = {"old"};
    EXPECT_EQ(logolist::LoadListFile(Write(dir, c.bytes), values), logolist::ReadResult::Ok) << c.what;
    EXPECT_EQ(values, c.values) << c.what;
  }
}

TEST(LogoListFile, FilesThatCannotBeReadLeaveTheValuesAlone) {
  QTemporaryDir dir;
  QStringList values = {"old"};
  EXPECT_EQ(logolist::LoadListFile(dir.filePath("missing.mlf"), values), logolist::ReadResult::OpenFailed);
  EXPECT_EQ(logolist::LoadListFile(dir.path(), values), logolist::ReadResult::OpenFailed);
  EXPECT_EQ(logolist::LoadListFile(Write(dir, {}), values), logolist::ReadResult::NothingRead);
  EXPECT_EQ(values, QStringList({"old"}));
}

TEST(LogoListFile, WritesOneQuotedValueALineAndReadsItBack) {
  QTemporaryDir dir;
  const QString path = dir.filePath("day.hlf");
  const QStringList values = {"LOGO1-1CAF\u00c9", "", "SAY \"HI\""};
  ASSERT_EQ(logolist::SaveListFile(path, values), 0);
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), "\"LOGO1-1CAF\xc3\x89\"\r\n\"\"\r\n\"SAY HI\"\r\n");
  QStringList back;
  ASSERT_EQ(logolist::LoadListFile(path, back), logolist::ReadResult::Ok);
  EXPECT_EQ(back, QStringList({"LOGO1-1CAF\u00c9", "", "SAY HI"}));
  EXPECT_EQ(logolist::SaveListFile(dir.filePath("no/folder/day.hlf"), values), logolist::kWriteFailed);
}

TEST(LogoRecord, PartsOfRecordsOfAnyLength) {
  struct Case {
    const char* record;
    const char* name;
    const char* id;
    const char* description;
  } cases[] = {
      {"LOGO1-SMORNING SPOT", "LOGO1", "S", "MORNING SPOT"},
      {"LOGO1-S", "LOGO1", "S", ""},
      {"LOG", "LOG", "", ""},
      {"", "", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(logo::NameOf(c.record), c.name) << c.record;
    EXPECT_EQ(logo::IdOf(c.record), c.id) << c.record;
    EXPECT_EQ(logo::DescriptionOf(c.record), c.description) << c.record;
  }
  EXPECT_EQ(logo::ClipCode("logo1", "s"), "LOGO1-S");
}

}  // namespace
