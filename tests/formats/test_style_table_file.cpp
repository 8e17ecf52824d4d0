#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "formats/StyleTableFile.h"

namespace {

QByteArray Quoted(const QStringList& texts, const char* separator) {
  QByteArray out;
  for (const QString& t : texts) out += '"' + t.toUtf8() + '"' + separator;
  return out;
}

QStringList Numbered(const QString& name, int count) {
  QStringList texts{name};
  for (int i = 1; i < count; ++i) texts << QString::number(i);
  return texts;
}

TEST(StyleFile, FifteenTextsMakeOneStyleWhateverStandsBetween) {
  const QStringList a = Numbered("A", 15), b = Numbered("B", 15);
  const StyleTable canonical = stylefile::ParseStyles(Quoted(a, ",") + "\r\n" + Quoted(b, ","));
  ASSERT_EQ(canonical.Size(), 2);
  const char* separators[] = {" ", ";", "", "\n\n", "x,y"};
  for (const char* sep : separators) {
    const StyleTable t = stylefile::ParseStyles(Quoted(a + b, sep));
    ASSERT_EQ(t.Size(), 2) << sep;
    EXPECT_EQ(t.Row(0), canonical.Row(0)) << sep;
    EXPECT_EQ(t.Row(1), canonical.Row(1)) << sep;
  }
  EXPECT_EQ(canonical.Row(1).Field(StyleField::StyleStartVolume), "9");
  EXPECT_EQ(canonical.Names(), (QStringList{"A", "B"}));
}

TEST(StyleFile, TwentyTextsGiveASecondRowWithFieldsZeroToFour) {
  const StyleTable t = stylefile::ParseStyles(Quoted(Numbered("A", 15) + Numbered("B", 5), ","));
  ASSERT_EQ(t.Size(), 2);
  EXPECT_EQ(t.Row(1).fields[4], "4");
  for (int f = 5; f < MixStyle::kFieldCount; ++f) EXPECT_TRUE(t.Row(1).fields[f].isEmpty()) << f;
}

TEST(StyleFile, OddContent) {
  struct Case {
    const char* name;
    QByteArray data;
    QStringList names;
    QString lastField;  // field 1 of the last row
  } cases[] = {
      {"no quotes at all", "ADVS,1,0,1\r\nDEF1,6\r\n", {}, ""},
      {"empty texts count as fields", "\"\"\"\"", {""}, ""},
      {"unterminated quote takes the rest", "\"A\",\"12", {"A"}, "12"},
      {"lone quote at the end", "\"A\",\"", {"A"}, ""},
      {"over-long text cut at 255", "\"" + QByteArray(300, 'n') + "\",\"7\"", {QString(255, u'n')}, "7"},
  };
  for (const Case& c : cases) {
    const std::unique_ptr<char[]> exact(new char[c.data.size()]);
    memcpy(exact.get(), c.data.constData(), c.data.size());
    const StyleTable t = stylefile::ParseStyles(QByteArrayView(exact.get(), c.data.size()));
    EXPECT_EQ(t.Names(), c.names) << c.name;
    if (!t.IsEmpty()) {
      EXPECT_EQ(t.Row(t.Size() - 1).fields[1], c.lastField) << c.name;
    }
  }
}

// Style names typed on the old stations are in their code page; one such byte anywhere
// makes the whole table read that way.
TEST(StyleFile, OldCodePageNamesAndUtf8Names) {
  struct Case {
    const char* name;
    QByteArray data;
    QStringList names;
  } cases[] = {
      {"UTF-8", "\"Caf\xC3\xA9\"", {QStringLiteral("Caf\u00e9")}},
      {"Windows-1252 quotes and dash",
       "\"\x93Soft\x94 \x96 \x85\"",
       {QStringLiteral("\u201cSoft\u201d \u2013 \u2026")}},
      {"one old byte decides for the whole file",
       Quoted(Numbered("Caf\xC3\xA9", 15), ",") + "\"\x80uro\"",
       {QStringLiteral("Caf\u00c3\u00a9"), QStringLiteral("\u20acuro")}},
  };
  for (const Case& c : cases) EXPECT_EQ(stylefile::ParseStyles(c.data).Names(), c.names) << c.name;
}

TEST(StyleFile, NumbersAreReadLikeTheOldConversion) {
  struct Case {
    const char* text;
    int number;
  } numbers[] = {{"42", 42},
                 {"  7x", 7},
                 {"-3", -3},
                 {"+5", 5},
                 {"", 0},
                 {"abc", 0},
                 {"99999999999", 2147483647},
                 {"-99999999999", -2147483647 - 1}};
  for (const Case& c : numbers) EXPECT_EQ(StyleNumber(c.text), c.number) << c.text;
}

TEST(StyleFiles, DefaultFileExactBytesAndReadBack) {
  QTemporaryDir dir;
  ASSERT_TRUE(stylefile::WriteDefaultStyles(dir.path()));
  QFile f(dir.filePath("MxStyles.txt"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  QFile golden(qEnvironmentVariable("KORVO_FIXTURES") + "/styles/default_MxStyles.txt");
  ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), golden.readAll());

  StyleTable table;
  ASSERT_EQ(stylefile::ReadStyleFile(dir.path() + "/", table), 2);
  EXPECT_EQ(table.Names(), (QStringList{"ADVS", "DEF1"}));
  EXPECT_EQ(table.Row(1).Field(StyleField::StoredInStep), "46");
  EXPECT_EQ(table.Row(1).Field(StyleField::StyleStartVolume), "95");
  EXPECT_EQ(stylefile::StyleFilePath(dir.path()), dir.filePath("MxStyles.txt"));
  EXPECT_EQ(stylefile::StyleFilePath(dir.path() + "/"), dir.filePath("MxStyles.txt"));
}

TEST(StyleFiles, UnwritableAndUnreadableFiles) {
  QTemporaryDir dir;
  EXPECT_FALSE(stylefile::WriteDefaultStyles(dir.filePath("missing")));
  StyleTable table(QList<MixStyle>{MixStyle{{"KEEP"}}});
  EXPECT_EQ(stylefile::ReadStyleFile(dir.path(), table), stylefile::kReadFailed);
  QFile(dir.filePath("MxStyles.txt")).open(QIODevice::WriteOnly);  // empty
  EXPECT_EQ(stylefile::ReadStyleFile(dir.path(), table), stylefile::kReadFailed);
  EXPECT_EQ(table.Names(), QStringList{"KEEP"});
}

}  // namespace
