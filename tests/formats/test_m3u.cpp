#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "formats/M3uReader.h"

namespace {

QByteArray Utf16(const QString& text, bool littleEndian) {
  QByteArray out = littleEndian ? QByteArray("\xFF\xFE", 2) : QByteArray("\xFE\xFF", 2);
  for (QChar c : text) {
    const char lo = char(c.unicode() & 0xFF), hi = char(c.unicode() >> 8);
    out.append(littleEndian ? lo : hi);
    out.append(littleEndian ? hi : lo);
  }
  return out;
}

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
      {"CR-only line ends", "#EXTM3U\r/m/a.mp3\r/m/b.mp3\r", {"/m/a.mp3", "/m/b.mp3"}},
      {"mixed line ends", "/m/a.mp3\r/m/b.mp3\n/m/c.mp3\r\n/m/d.mp3", {"/m/a.mp3", "/m/b.mp3", "/m/c.mp3", "/m/d.mp3"}},
      {"blanks around paths", "  /m/a.mp3\t\r\n\t/m/b.mp3  \r\n   #EXTINF:1,x\r\n", {"/m/a.mp3", "/m/b.mp3"}},
      {"m3u8 with a mark", "\xEF\xBB\xBF#EXTM3U\n/m/Caf\xC3\xA9.mp3\n", {QStringLiteral("/m/Caf\u00e9.mp3")}},
      {"old code page",
       "C:\\m\\Don\x92t.mp3\r\nC:\\m\\Caf\xE9.mp3\r\n",
       {QStringLiteral("C:\\m\\Don\u2019t.mp3"), QStringLiteral("C:\\m\\Caf\u00e9.mp3")}},
      {"UTF-16LE",
       Utf16(QStringLiteral("#EXTM3U\r\n/m/Caf\u00e9.mp3\r\n/m/b.mp3"), true),
       {QStringLiteral("/m/Caf\u00e9.mp3"), "/m/b.mp3"}},
      {"UTF-16BE",
       Utf16(QStringLiteral("/m/\u201cHit\u201d.mp3\n"), false),
       {QStringLiteral("/m/\u201cHit\u201d.mp3")}},
  };
  for (const Case& c : cases) {
    const std::unique_ptr<char[]> exact(new char[c.data.size() + 1]);
    memcpy(exact.get(), c.data.constData(), c.data.size());
    const m3u::M3uList list = m3u::ParseM3u(QByteArrayView(exact.get(), c.data.size()));
    EXPECT_EQ(list.paths, c.paths) << c.name;
    EXPECT_EQ(list.unusedLines, 0) << c.name;
  }
}

// Lists from other players name clips by URI; streams are no clips for the decks.
TEST(M3u, UrisAndStreams) {
  struct Case {
    const char* line;
    QString path;  // empty: the line is left out and counted
  } cases[] = {
      {"file:///home/dj/My%20Music/a%20b.mp3", "/home/dj/My Music/a b.mp3"},
      {"file://localhost/home/dj/a.mp3", "/home/dj/a.mp3"},
      {"FILE:///m/x.mp3", "/m/x.mp3"},
      {"file:/m/one%2Fslash.mp3", "/m/one/slash.mp3"},
      {"file:///m/a.mp3#t=10?x", "/m/a.mp3"},
      {"file:///m/Caf%C3%A9%20%E2%80%93%20Live.mp3", QStringLiteral("/m/Caf\u00e9 \u2013 Live.mp3")},
      {"file:///m/Caf%E9.mp3", QStringLiteral("/m/Caf\u00e9.mp3")},
      {"file:///C:/Music/a%20b.mp3", "C:/Music/a b.mp3"},
      {"file:///d|/Music/x.mp3", "d:/Music/x.mp3"},
      {"file://otherhost/share/a.mp3", ""},
      {"file:relative.mp3", ""},
      {"http://radio.example.org:8000/stream.mp3", ""},
      {"https://radio.example.org/live", ""},
      {"mms://radio.example.org/live", ""},
      {"rtsp://radio.example.org/live", ""},
      {"C:\\Music\\a.mp3", "C:\\Music\\a.mp3"},
      {"c:/music/a.mp3", "c:/music/a.mp3"},
  };
  for (const Case& c : cases) {
    const m3u::M3uList list = m3u::ParseM3u(QByteArray("#EXTM3U\r\n") + c.line + "\r\n/m/next.mp3\r\n");
    const QStringList expected = c.path.isEmpty() ? QStringList{"/m/next.mp3"} : QStringList{c.path, "/m/next.mp3"};
    EXPECT_EQ(list.paths, expected) << c.line;
    EXPECT_EQ(list.unusedLines, c.path.isEmpty() ? 1 : 0) << c.line;
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

  m3u::M3uList read;
  ASSERT_EQ(m3u::ReadM3u(list, read), 0);
  const QString song = dir.filePath("lists/Sub/Song.mp3");
  EXPECT_EQ(read.paths, (QStringList{song, song, song}));

  read = {{"kept"}, 7};
  EXPECT_EQ(m3u::ReadM3u(dir.filePath("missing.m3u"), read), m3u::kReadFailed);
  EXPECT_EQ(read, (m3u::M3uList{{"kept"}, 7}));
}

// "file:///C:/..." goes through the same drive mapping as "C:\\...".
TEST(M3u, WindowsDriveUrisAreMapped) {
  QTemporaryDir dir;
  QDir(dir.path()).mkpath("drive_d/Music/Live Set");
  QFile(dir.filePath("drive_d/Music/Live Set/Track 1.mp3")).open(QIODevice::WriteOnly);
  qputenv("KORVO_DRIVE_D", dir.filePath("drive_d").toUtf8());
  const QString list = dir.filePath("a.m3u8");
  QFile f(list);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(
      "\xEF\xBB\xBF#EXTM3U\r\nfile:///D:/Music/Live%20Set/Track%201.mp3\r\nfile:///d:/music/live%20set/"
      "track%201.MP3\r\n"
      "D:\\Music\\Live Set\\Track 1.mp3\r\n");
  f.close();
  m3u::M3uList read;
  ASSERT_EQ(m3u::ReadM3u(list, read), 0);
  qunsetenv("KORVO_DRIVE_D");
  const QString track = dir.filePath("drive_d/Music/Live Set/Track 1.mp3");
  EXPECT_EQ(read.paths, (QStringList{track, track, track}));
}

}  // namespace
