#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "formats/M3uReader.h"

namespace {

TEST(M3u, LinesCommentsAndLineEnds) {
  struct Case {
    const char* name;
    QByteArray data;
    QStringList paths;
  } cases[] = {
      {"CR LF line ends", "/m/a.mp3\r\n/m/b.mp3\r\n", {"/m/a.mp3", "/m/b.mp3"}},
      {"LF line ends", "/m/a.mp3\n/m/b.mp3\n", {"/m/a.mp3", "/m/b.mp3"}},
      {"extended M3U",
       "#EXTM3U\r\n#EXTINF:123,Artist - Title\r\nC:\\Music\\a.mp3\r\n#EXTINF:-1,x\r\nb.mp3\r\n",
       {"C:\\Music\\a.mp3", "b.mp3"}},
      {"blank lines", "\r\n/m/a.mp3\r\n\r\n  \r\n\n/m/b.mp3\n\n", {"/m/a.mp3", "/m/b.mp3"}},
      {"no final line feed", "/m/a.mp3\r\n/m/b.mp3", {"/m/a.mp3", "/m/b.mp3"}},
      {"one short last line", "/m/a.mp3\nc", {"/m/a.mp3", "c"}},
      {"byte order mark", "\xEF\xBB\xBF/m/a.mp3\n", {"/m/a.mp3"}},
      {"empty", "", {}},
      {"lone CR", "\r", {}},
  };
  for (const Case& c : cases) {
    const std::unique_ptr<char[]> exact(new char[c.data.size() + 1]);
    memcpy(exact.get(), c.data.constData(), c.data.size());
    EXPECT_EQ(m3u::ParseM3u(QByteArrayView(exact.get(), c.data.size())), c.paths) << c.name;
  }
}

TEST(M3u, PathsAreResolvedAgainstTheListFolder) {
  QTemporaryDir dir;
  QDir(dir.path()).mkpath("lists/Sub");
  QFile(dir.filePath("lists/Sub/Song.mp3")).open(QIODevice::WriteOnly);
  const QString list = dir.filePath("lists/a.m3u");
  QFile f(list);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("#EXTM3U\r\nSub\\Song.mp3\r\nsub/song.mp3\r\n" + dir.filePath("lists/Sub/Song.mp3").toUtf8());
  f.close();

  QStringList paths;
  ASSERT_EQ(m3u::ReadM3u(list, paths), 0);
  const QString song = dir.filePath("lists/Sub/Song.mp3");
  EXPECT_EQ(paths, (QStringList{song, song, song}));

  paths = {"kept"};
  EXPECT_EQ(m3u::ReadM3u(dir.filePath("missing.m3u"), paths), m3u::kReadFailed);
  EXPECT_EQ(paths, QStringList{"kept"});
}

}  // namespace
