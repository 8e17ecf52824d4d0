// Writing the whole style table, as the style editor saves it.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "formats/StyleTableFile.h"

namespace {

QByteArray FileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// However the loaded file was spaced, a save writes fifteen quoted texts a line, CR LF.
TEST(StyleTableWriter, WritesOnlyCanonicalLines) {
  const QByteArray loaded =
      "  \"ADVS\" \"1\";\"0\"\n\"1\",\"2\",\"0\",\"10\",\"1\",\"1\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\"\n"
      "junk \"DEF1\",\"6\",\"0\",\"1\",\"2\",\"0\",\"10\",\"46\",\"1\",\"95\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n"
      "\"Caf\xC3\xA9\",\"12\",\"\",\"1\",\"3\"";  // a short last row: the rest are empty texts
  const QByteArray golden =
      "\"ADVS\",\"1\",\"0\",\"1\",\"2\",\"0\",\"10\",\"1\",\"1\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n"
      "\"DEF1\",\"6\",\"0\",\"1\",\"2\",\"0\",\"10\",\"46\",\"1\",\"95\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n"
      "\"Caf\xC3\xA9\",\"12\",\"\",\"1\",\"3\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
  const StyleTable table = stylefile::ParseStyles(loaded);
  ASSERT_EQ(table.Size(), 3);
  EXPECT_EQ(stylefile::StyleTableBytes(table), golden);

  QTemporaryDir dir;
  ASSERT_TRUE(stylefile::WriteStyleFile(dir.path(), table));
  EXPECT_EQ(FileBytes(dir.filePath("MxStyles.txt")), golden);
  StyleTable back;
  ASSERT_EQ(stylefile::ReadStyleFile(dir.path(), back), 3);
  for (qsizetype r = 0; r < table.Size(); ++r) EXPECT_EQ(back.Row(r), table.Row(r)) << r;
}

// A quote inside a text would end it early and shift every later field of the file.
TEST(StyleTableWriter, AQuoteInsideATextIsLeftOut) {
  MixStyle style;
  style.fields.fill(QStringLiteral("0"));
  style.fields[0] = QStringLiteral("Say \"Hi\"");
  const QByteArray bytes = stylefile::StyleTableBytes(StyleTable({style}));
  EXPECT_EQ(bytes,
            "\"Say Hi\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n");
  EXPECT_EQ(stylefile::ParseStyles(bytes).Row(0).Name(), "Say Hi");
}

TEST(StyleTableWriter, AFailedSaveLeavesNoFile) {
  QTemporaryDir dir;
  const StyleTable table = stylefile::ParseStyles(stylefile::DefaultStylesBytes());
  EXPECT_FALSE(stylefile::WriteStyleFile(dir.filePath("missing"), table));
  EXPECT_FALSE(QFile::exists(dir.filePath("missing/MxStyles.txt")));
}

}  // namespace
