#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "formats/PrlReader.h"

namespace {

// A version-2 header whose values can be swapped one at a time.
QByteArray Header(const QList<QByteArray>& override = {}) {
  QList<QByteArray> v = {"Tevro Play List - Version 2.0", "Date: 01/02/2024", "Owner: Anna", "Clips: 2",
                         "Duration: 00:10:00:00",         "Style: DEF1",      "Description: Rock",
                         "Date to play: 03/04/2024",      "Time to play: 10:00"};
  for (int i = 0; i < override.size() && i < v.size(); ++i)
    if (!override[i].isNull()) v[i] = override[i];
  QByteArray out;
  for (const QByteArray& s : v) out += '"' + s + "\"\r\n";
  return out;
}

PrlHeader Previous() {
  PrlHeader h;
  h.Reset();
  h.SetValue(PrlField::Owner, QStringLiteral("old owner"));
  h.SetValue(PrlField::Style, QStringLiteral("old style"));
  return h;
}

TEST(PrlReader, HeaderValuesByPosition) {
  const PrlPlayList list = prl::ParsePrl(Header() + "\"00:03:25:12C:\\Music\\Song name.mp3\"\r\n", "/lists/a.prl", {});
  const PrlHeader& h = list.header;
  EXPECT_EQ(h.Value(PrlField::FilePath), "/lists/a.prl");
  EXPECT_EQ(h.Value(PrlField::Version), "2");
  EXPECT_EQ(h.Value(PrlField::Date), "01/02/2024");
  EXPECT_EQ(h.Value(PrlField::Owner), "Anna");
  EXPECT_EQ(h.Value(PrlField::Clips), "2");
  EXPECT_EQ(h.Value(PrlField::Duration), "00:10:00:00");
  EXPECT_EQ(h.Value(PrlField::Style), "DEF1");
  EXPECT_EQ(h.Value(PrlField::Description), "Rock");
  EXPECT_EQ(h.Value(PrlField::DateToPlay), "03/04/2024");
  EXPECT_EQ(h.Value(PrlField::TimeToPlay), "10:00");
  ASSERT_EQ(list.clips.size(), 1);
  EXPECT_EQ(list.clips[0], (PrlClip{"00:03:25:12", "C:\\Music\\Song name.mp3"}));
}

// One header value changed at a time; positions, not label texts, decide.
TEST(PrlReader, HeaderValueCases) {
  const QByteArray longDescription = "Description: " + QByteArray(400, 'd');
  struct Case {
    const char* name;
    int index;  // 0-based header value
    QByteArray value;
    PrlField field;
    QString expected;
  } cases[] = {
      {"bare date label", 1, "Date: ", PrlField::Date, ""},
      {"owner label without blank", 2, "Owner:", PrlField::Owner, ""},
      {"label text is not compared", 2, "Eigner Bob", PrlField::Owner, "Bob"},
      {"20-character duration", 4, "Duration: 0:10:00:00", PrlField::Duration, "00:00:00:00"},
      {"22-character duration", 4, "Duration: 000:10:00:00", PrlField::Duration, "00:00:00:00"},
      {"duration taken as it stands", 4, "Duration: 61:00:00:00", PrlField::Duration, "61:00:00:00"},
      {"over-long description cut", 6, longDescription, PrlField::Description, QString(254, u'd')},
      {"over-long date cut", 1, "Date: 01/02/2024 and more", PrlField::Date, "01/02/2024 and"},
      {"over-long clips cut", 3, "Clips: 123456", PrlField::Clips, "1234"},
  };
  for (const Case& c : cases) {
    QList<QByteArray> override(9);
    override[c.index] = c.value;
    const PrlHeader h = prl::ParsePrl(Header(override), "x.prl", {}).header;
    EXPECT_EQ(h.Value(c.field), c.expected) << c.name;
    // The neighbours keep their own values.
    if (c.index == 6) {
      EXPECT_EQ(h.Value(PrlField::Style), "DEF1") << c.name;
      EXPECT_EQ(h.Value(PrlField::DateToPlay), "03/04/2024") << c.name;
    }
    if (c.index == 1) {
      EXPECT_EQ(h.Value(PrlField::Owner), "Anna") << c.name;
    }
  }
}

TEST(PrlReader, ValueSplitOverLinesIsOneValue) {
  const PrlPlayList list =
      prl::ParsePrl(Header({{}, {}, {}, {}, {}, {}, "Description: two\r\nlines"}) + "\"00:00:01:00/a/b\r\nc.mp3\"", "x", {});
  EXPECT_EQ(list.header.Value(PrlField::Description), "two\r\nlines");
  EXPECT_EQ(list.header.Value(PrlField::DateToPlay), "03/04/2024");
  ASSERT_EQ(list.clips.size(), 1);
  EXPECT_EQ(list.clips[0].path, "/a/b\r\nc.mp3");
}

TEST(PrlReader, VersionOneMagicGivesBarePaths) {
  const QByteArray data = Header({"Tevro Play List - Version 1.0"}) + "\"C:\\Music\\a.mp3\"\r\n\"/music/b.mp3\"\r\n";
  const PrlPlayList list = prl::ParsePrl(data, "x", {});
  EXPECT_EQ(list.header.Value(PrlField::Version), "1");
  ASSERT_EQ(list.clips.size(), 2);
  EXPECT_EQ(list.clips[0], (PrlClip{"", "C:\\Music\\a.mp3"}));
  EXPECT_EQ(list.clips[1], (PrlClip{"", "/music/b.mp3"}));
}

TEST(PrlReader, ClipCountInHeaderDoesNotBoundTheClips) {
  QByteArray data = Header({{}, {}, {}, "Clips: 1"});
  for (int i = 0; i < 40; ++i) data += "\"00:00:01:00/m/" + QByteArray::number(i) + ".mp3\"\r\n";
  const PrlPlayList list = prl::ParsePrl(data, "x", {});
  ASSERT_EQ(list.clips.size(), 40);
  EXPECT_EQ(list.clips[39].path, "/m/39.mp3");
}

TEST(PrlReader, ClipPathsAreKeptWhole) {
  const QString path = QStringLiteral("/music/") + QString(300, u'x') + QStringLiteral(".mp3");
  const PrlPlayList list = prl::ParsePrl(Header() + "\"00:00:01:00" + path.toUtf8() + "\"", "x", {});
  ASSERT_EQ(list.clips.size(), 1);
  EXPECT_EQ(list.clips[0].path, path);
}

TEST(PrlReader, NonAsciiPathsReadFromUtf8AndOldCodePage) {
  const PrlPlayList utf8 = prl::ParsePrl(Header() + "\"00:00:01:00/m/Caf\xC3\xA9.mp3\"", "x", {});
  const PrlPlayList cp = prl::ParsePrl(Header() + "\"00:00:01:00C:\\m\\Caf\xE9.mp3\"", "x", {});
  ASSERT_EQ(utf8.clips.size(), 1);
  ASSERT_EQ(cp.clips.size(), 1);
  EXPECT_EQ(utf8.clips[0].path, QStringLiteral("/m/Caf\u00e9.mp3"));
  EXPECT_EQ(cp.clips[0].path, QStringLiteral("C:\\m\\Caf\u00e9.mp3"));
}

// Play lists from the old stations: 0x80-0x9F are the code page's punctuation, not
// control characters, and the file is read one way as a whole.
TEST(PrlReader, OldCodePageIsDecidedForTheWholeFile) {
  struct Case {
    const char* name;
    QByteArray clipLines;
    QStringList paths;
    QString owner;
    bool mark = false;  // a UTF-8 byte-order mark before the header
  } cases[] = {
      {"right single quote",
       "\"00:00:01:00C:\\m\\Don\x92t Stop.mp3\"",
       {QStringLiteral("C:\\m\\Don\u2019t Stop.mp3")},
       "Anna"},
      {"double quotes, euro, ellipsis", "\"00:00:01:00/m/\x93Hit\x94 \x80 \x85.mp3\"",
       {QStringLiteral("/m/\u201cHit\u201d \u20ac \u2026.mp3")}, "Anna"},
      {"valid UTF-8 beside an old byte is read in the code page",
       "\"00:00:01:00/m/Caf\xC3\xA9.mp3\"\r\n\"00:00:01:00/m/Caf\xE9.mp3\"",
       {QStringLiteral("/m/Caf\u00c3\u00a9.mp3"), QStringLiteral("/m/Caf\u00e9.mp3")}, "Anna"},
      {"UTF-8 file with a mark", "\"00:00:01:00/m/\xE2\x80\x9CHit\xE2\x80\x9D.mp3\"",
       {QStringLiteral("/m/\u201cHit\u201d.mp3")}, "Anna", true},
  };
  for (const Case& c : cases) {
    const QByteArray data = QByteArray(c.mark ? "\xEF\xBB\xBF" : "") + Header() + c.clipLines;
    const PrlPlayList list = prl::ParsePrl(data, "x", {});
    QStringList paths;
    for (const PrlClip& clip : list.clips) paths << clip.path;
    EXPECT_EQ(paths, c.paths) << c.name;
    EXPECT_EQ(list.header.Value(PrlField::Owner), c.owner) << c.name;
    EXPECT_EQ(list.header.Value(PrlField::Version), "2") << c.name;
  }
  const QByteArray old = Header({{}, {}, "Owner: J\xF6rg \x96 Studio"}) + "\"00:00:01:00/m/a\x92" "b.mp3\"";
  EXPECT_EQ(prl::ParsePrl(old, "x", {}).header.Value(PrlField::Owner), QStringLiteral("J\u00f6rg \u2013 Studio"));
  const QList<PrlClip> filtered = prl::ParsePrlFiltered(old, QStringLiteral("a\u2019b"));
  ASSERT_EQ(filtered.size(), 1);
  EXPECT_EQ(filtered[0].path, QStringLiteral("/m/a\u2019b.mp3"));
}

TEST(PrlReader, ValuesWithoutAPathAreCounted) {
  int unused = 0;
  const PrlPlayList list =
      prl::ParsePrl(Header() + "\"00:00\"\r\n\"\"\r\n\"00:00:01:00/a.mp3\"\r\n\"00:00:02:00\"", "x", {}, &unused);
  EXPECT_EQ(list.clips.size(), 1);
  EXPECT_EQ(unused, 3);
}

// Damaged and odd data: never read past the end, never crash, take what is there.
TEST(PrlReader, EndsOfData) {
  struct Case {
    const char* name;
    QByteArray tail;  // after a full header
    QList<PrlClip> clips;
  } cases[] = {
      {"closing quote and one line-end byte", "\"00:00:01:00/a.mp3\"\n", {{"00:00:01:00", "/a.mp3"}}},
      {"no line end after the last value", "\"00:00:01:00/a.mp3\"", {{"00:00:01:00", "/a.mp3"}}},
      {"unterminated last value runs to the end", "\"00:00:01:00/a.mp3\"\r\n\"00:00:02:00/b.m",
       {{"00:00:01:00", "/a.mp3"}, {"00:00:02:00", "/b.m"}}},
      {"lone opening quote at the end", "\"00:00:01:00/a.mp3\"\r\n\"", {{"00:00:01:00", "/a.mp3"}}},
      {"clip value shorter than a duration", "\"00:00\"", {}},
      {"empty clip value", "\"\"\r\n", {}},
  };
  for (const Case& c : cases) {
    const QByteArray data = Header() + c.tail;
    // A copy of exactly the data's size, so the sanitizer sees any read past its end.
    const std::unique_ptr<char[]> exact(new char[data.size()]);
    memcpy(exact.get(), data.constData(), data.size());
    const PrlPlayList list = prl::ParsePrl(QByteArrayView(exact.get(), data.size()), "x", {});
    EXPECT_EQ(list.clips, c.clips) << c.name;
  }
}

TEST(PrlReader, ShortAndJunkDataKeepsUnsuppliedHeaderFields) {
  QByteArray junk;
  for (int i = 0; i < 4096; ++i) junk += char((i * 7919) % 256 == '"' ? 'q' : (i * 7919) % 256);
  struct Case {
    const char* name;
    QByteArray data;
    QString owner;
    QString version;
  } cases[] = {
      {"empty", "", "old owner", ""},
      {"one byte", "\"", "old owner", ""},
      {"two quotes", "\"\"", "old owner", "1"},
      {"three values", "\"Tevro Play List - Version 2.0\"\"Date: x\"\"Owner: new\"", "new", "2"},
      {"binary junk without quotes", junk, "old owner", ""},
  };
  for (const Case& c : cases) {
    const PrlPlayList list = prl::ParsePrl(c.data, "f.prl", Previous());
    EXPECT_TRUE(list.clips.isEmpty()) << c.name;
    EXPECT_EQ(list.header.Value(PrlField::Owner), c.owner) << c.name;
    EXPECT_EQ(list.header.Value(PrlField::Style), "old style") << c.name;
    EXPECT_EQ(list.header.Value(PrlField::Version), c.version) << c.name;
  }
}

TEST(PrlReader, BinaryJunkWithQuotesDoesNotCrash) {
  QByteArray junk;
  for (int i = 0; i < 20000; ++i) junk += char((i * 2654435761u) >> 24);
  const PrlPlayList list = prl::ParsePrl(junk, "f.prl", {});
  for (const PrlClip& c : list.clips) EXPECT_LE(c.duration.size(), 11);
}

TEST(PrlReader, FilteredWordRule) {
  const QByteArray data = Header() +
                          "\"00:00:01:00/music/rock/a.mp3\"\r\n"   // found from the 3rd character on
                          "\"00:00:01:00/music/pop/b.mp3\"\r\n"    // not there
                          "\"00:00:01:00/music/Rock/c.mp3\"\r\n"   // case differs
                          "\"0rock00:01:00/music/rock/d.mp3\"\r\n"  // first found at the 2nd character
                          "\"r0:00:01:00/rock/e.mp3\"\r\n"          // 1st character is never searched
                          "\"00rock:01:00/f.mp3\"\r\n";             // begins at the 3rd character
  const QList<PrlClip> clips = prl::ParsePrlFiltered(data, "rock");
  ASSERT_EQ(clips.size(), 3);
  EXPECT_EQ(clips[0].path, "/music/rock/a.mp3");
  EXPECT_EQ(clips[1].path, "/rock/e.mp3");
  EXPECT_EQ(clips[2], (PrlClip{"00rock:01:0", "0/f.mp3"}));
  // The nine header values are never clip candidates.
  EXPECT_TRUE(prl::ParsePrlFiltered(Header(), "Anna").isEmpty());
}

class PrlFiles : public ::testing::Test {
 protected:
  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }

  QTemporaryDir dir;
};

TEST_F(PrlFiles, LoadPrlReadsTheFileOrChangesNothing) {
  PrlPlayList list;
  list.header = Previous();
  list.clips = {{"", "/kept.mp3"}};
  EXPECT_EQ(prl::LoadPrl(dir.filePath("missing.prl"), list), prl::kReadFailed);
  EXPECT_EQ(prl::LoadPrl(Write("empty.prl", ""), list), prl::kReadFailed);
  EXPECT_EQ(prl::LoadPrl(dir.path(), list), prl::kReadFailed);
  EXPECT_EQ(list.header, Previous());
  EXPECT_EQ(list.clips, (QList<PrlClip>{{"", "/kept.mp3"}}));

  const QString path = Write("a.prl", Header() + "\"00:00:01:00/m/a.mp3\"\r\n");
  EXPECT_EQ(prl::LoadPrl(path, list), 0);
  EXPECT_EQ(list.header.Value(PrlField::FilePath), path);
  EXPECT_EQ(list.clips, (QList<PrlClip>{{"00:00:01:00", "/m/a.mp3"}}));

  QList<PrlClip> filtered = {{"", "/kept.mp3"}};
  EXPECT_EQ(prl::LoadPrlFiltered(dir.filePath("missing.prl"), "m", filtered), prl::kReadFailed);
  EXPECT_EQ(filtered.size(), 1);
  EXPECT_EQ(prl::LoadPrlFiltered(path, "a.mp3", filtered), 0);
  EXPECT_EQ(filtered, (QList<PrlClip>{{"00:00:01:00", "/m/a.mp3"}}));
}

TEST_F(PrlFiles, ResolveClipPathAgainstThePlayListFolder) {
  QDir(dir.path()).mkpath("Music/Sub");
  Write("Music/Sub/Song.mp3", "x");
  const QString prlPath = dir.filePath("Music/list.prl");
  EXPECT_EQ(prl::ResolveClipPath("Sub\\Song.mp3", prlPath), dir.filePath("Music/Sub/Song.mp3"));
  EXPECT_EQ(prl::ResolveClipPath("sub/song.MP3", prlPath), dir.filePath("Music/Sub/Song.mp3"));
  EXPECT_EQ(prl::ResolveClipPath(dir.filePath("Music/Sub/Song.mp3"), "/elsewhere/x.prl"),
            dir.filePath("Music/Sub/Song.mp3"));
}

TEST_F(PrlFiles, IsPrlFileCases) {
  struct Case {
    const char* name;
    QByteArray bytes;
    int expected;
    bool refused;  // read, but not a play list (the case callers log)
  } cases[] = {
      {"version 2", Header(), 1, false},
      {"version 1.0 magic", Header({"Tevro Play List - Version 1.0"}), 1, false},
      {"first byte not examined", "X" + Header().mid(1), 1, false},
      {"exactly 31 bytes", "\"Tevro Play List - Version 2.0\"", 1, false},
      {"30 bytes", "\"Tevro Play List - Version 2.0", 0, false},
      {"tiny", "\"T", 0, false},
      {"case differs", "\"tevro Play List - Version 2.0\"\r\n", 0, true},
      {"other text", QByteArray(64, 'z'), 0, true},
  };
  int n = 0;
  for (const Case& c : cases) {
    const QString path = Write(QStringLiteral("f%1.prl").arg(n++), c.bytes);
    bool refused = !c.refused;
    EXPECT_EQ(IsPrlFile(path, &refused), c.expected) << c.name;
    EXPECT_EQ(refused, c.refused) << c.name;
    EXPECT_EQ(IsPrlFile(path), c.expected) << c.name;
  }
  bool refused = true;
  EXPECT_EQ(IsPrlFile(dir.filePath("missing.prl"), &refused), 0);
  EXPECT_FALSE(refused);
}

}  // namespace
