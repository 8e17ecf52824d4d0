#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "mix/MixSettings.h"
#include "mix/StyleFile.h"
#include "platform/Clock.h"
#include "platform/PlayLog.h"
#include "support/ScriptedDialogs.h"

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
  // Missing fields count as 0 and are then clamped.
  const StyleParameters p = ParametersOf(t.Row(1));
  EXPECT_EQ(p.outSpeedStep, 0);
  EXPECT_EQ(p.mixTimerInterval, 10);
  EXPECT_EQ(p.styleStartVolume, 0);
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

TEST(StyleFile, NumbersAreReadLikeTheOldConversionAndClamped) {
  struct Case {
    const char* text;
    int number;
  } numbers[] = {{"42", 42},   {"  7x", 7},    {"-3", -3},         {"+5", 5},
                 {"", 0},      {"abc", 0},     {"99999999999", 2147483647},
                 {"-99999999999", -2147483647 - 1}};
  for (const Case& c : numbers) EXPECT_EQ(StyleNumber(c.text), c.number) << c.text;

  MixStyle s;
  s.fields = {"X", "61", "-3", "7", "11", "4", "5", "", "", "100", "0", "0", "0", "0", "0"};
  EXPECT_EQ(ParametersOf(s), (StyleParameters{60, 0, 1, 10, 3, 10, 95}));
  s.fields = {"X", "-1", "46", "0", "-1", "-1", "51", "", "", "-5", "0", "0", "0", "0", "0"};
  EXPECT_EQ(ParametersOf(s), (StyleParameters{0, 45, 0, 0, 0, 50, 0}));
}

TEST(StyleForClip, AdvertsOnAndOff) {
  struct Case {
    const char* title;
    bool advertsOn;
    const char* expected;
  } cases[] = {
      {"* Spot 1", true, "ADVS"},
      {"Song", true, "SET"},
      {"*Song", true, "SET"},
      {"* Spot 1", false, "MINE"},
      {"Song", false, "MINE"},
  };
  for (const Case& c : cases) EXPECT_EQ(StyleForClip(c.title, c.advertsOn, "SET", "MINE"), c.expected) << c.title;
}

class StyleFiles : public ::testing::Test {
 protected:
  void SetUp() override { log.SetEnabled(true); }
  QTemporaryDir dir;
  FixedClock clock{QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9))};
  PlayLog log{clock, dir.path()};
  ScriptedDialogs dialogs;
};

TEST_F(StyleFiles, DefaultFileExactBytesAndReadBack) {
  ASSERT_TRUE(stylefile::WriteDefaultStyles(dir.path(), &log, &dialogs));
  QFile f(dir.filePath("MxStyles.txt"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  QFile golden(qEnvironmentVariable("KORVO_FIXTURES") + "/styles/default_MxStyles.txt");
  ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), golden.readAll());
  EXPECT_EQ(dialogs.Texts(), QStringList{"Default Mix Styles created!"});
  EXPECT_FALSE(QFile::exists(log.FilePath()));

  StyleTable table;
  ASSERT_EQ(stylefile::ReadStyleFile(dir.path() + "/", table), 2);
  EXPECT_EQ(ParametersOf(table.Row(0)), (StyleParameters{1, 0, 1, 2, 0, 10, 0}));
  EXPECT_EQ(ParametersOf(table.Row(1)), (StyleParameters{6, 0, 1, 2, 0, 10, 95}));
  EXPECT_EQ(table.Row(1).Field(StyleField::StoredInStep), "46");
}

TEST_F(StyleFiles, DefaultFileThatCannotBeWrittenIsLogged) {
  const QString folder = dir.filePath("missing");
  EXPECT_FALSE(stylefile::WriteDefaultStyles(folder, &log, &dialogs));
  EXPECT_TRUE(dialogs.Texts().isEmpty());
  QFile f(log.FilePath());
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), "\"06/05/2024\",\"07:08:09\",\"ERR\",\"Can't create default mix styles\",\"" +
                             (folder + "/MxStyles.txt").toUtf8() + "\"\r\n");
}

TEST_F(StyleFiles, UnreadableFilesLeaveTheTableAlone) {
  StyleTable table(QList<MixStyle>{MixStyle{{"KEEP"}}});
  EXPECT_EQ(stylefile::ReadStyleFile(dir.path(), table), stylefile::kReadFailed);
  QFile(dir.filePath("MxStyles.txt")).open(QIODevice::WriteOnly);  // empty
  EXPECT_EQ(stylefile::ReadStyleFile(dir.path(), table), stylefile::kReadFailed);
  EXPECT_EQ(table.Names(), QStringList{"KEEP"});
}

}  // namespace
