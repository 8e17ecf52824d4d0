#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "formats/PrlReader.h"
#include "formats/PrlWriter.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray Golden(const char* name) { return ReadAll(qEnvironmentVariable("KORVO_FIXTURES") + "/prl/" + name); }

const QList<PrlClip> kClips = {
    {"00:03:25:12", "/music/Song one.mp3"},
    {"", "D:\\Music\\Two.mp3"},  // never measured: written as zero
};

// Each producer's exact bytes, then read back through the reader.
TEST(PrlWriter, EachProducerWritesItsGoldenBytes) {
  struct Case {
    PrlWriterKind kind;
    const char* golden;
    PrlSaveValues values;
    QString readDuration;
  } cases[] = {
      {PrlWriterKind::MainSave, "main_save.prl", {"01:02:03:04", {}}, "01:02:03:04"},
      {PrlWriterKind::DriveScanner, "scanner_profile.txt", {"ignored", QDate(2024, 3, 7)}, "00:00:00:00"},
      {PrlWriterKind::PlayListCreator, "creator.prl", {"01:02:03:04", QDate(2024, 3, 7)}, "01:02:03:04"},
  };
  for (const Case& c : cases) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.prl");
    ASSERT_EQ(prl::SavePrl(path, c.kind, kClips, c.values), 0) << c.golden;
    const QByteArray golden = Golden(c.golden);
    ASSERT_FALSE(golden.isEmpty()) << c.golden;
    EXPECT_EQ(ReadAll(path), golden) << c.golden;

    PrlPlayList back;
    ASSERT_EQ(prl::LoadPrl(path, back), 0);
    EXPECT_EQ(back.header.Value(PrlField::Version), "2");
    EXPECT_EQ(back.header.Value(PrlField::Owner), "KORVO XA user");
    EXPECT_EQ(back.header.Value(PrlField::Duration), c.readDuration) << c.golden;
    ASSERT_EQ(back.clips.size(), 2);
    EXPECT_EQ(back.clips[1], (PrlClip{"00:00:00:00", "D:\\Music\\Two.mp3"}));
  }
}

TEST(PrlWriter, DurationsThatAreNotElevenCharactersAreWrittenAsZero) {
  const char* durations[] = {"", "00:03:25", "000:03:25:12", "00:00:00:00:00:00:00:00"};
  for (const char* d : durations) {
    EXPECT_EQ(prl::ClipLineBytes(PrlWriterKind::MainSave, {d, "/a.mp3"}), "\"00:00:00:00/a.mp3\"\r\n") << d;
  }
  EXPECT_EQ(prl::ClipLineBytes(PrlWriterKind::MainSave, {"12:34:56:07", "/a.mp3"}), "\"12:34:56:07/a.mp3\"\r\n");
  // The scanner never measures.
  EXPECT_EQ(prl::ClipLineBytes(PrlWriterKind::DriveScanner, {"12:34:56:07", "/a.mp3"}), "\"00:00:00:00/a.mp3\"\n");
}

TEST(PrlWriter, LongPathsAreWrittenWholeAndPathsWithQuotesAreLeftOut) {
  QTemporaryDir dir;
  const QString longPath = "/m/" + QString(400, u'y') + ".mp3";
  const QList<PrlClip> clips = {{"00:00:01:00", "/m/a\"b.mp3"}, {"00:00:02:00", longPath}, {"", "/m/c.mp3"}};
  const QString path = dir.filePath("q.prl");
  ASSERT_EQ(prl::SavePrl(path, PrlWriterKind::MainSave, clips, {"00:00:03:00", {}}), 0);
  PrlPlayList back;
  ASSERT_EQ(prl::LoadPrl(path, back), 0);
  EXPECT_EQ(back.header.Value(PrlField::Clips), "2");
  EXPECT_EQ(back.clips, (QList<PrlClip>{{"00:00:02:00", longPath}, {"00:00:00:00", "/m/c.mp3"}}));
}

TEST(PrlWriter, ListDurationDisplayIsCutAtTwentyCharacters) {
  const QByteArray header =
      prl::HeaderBytes(PrlWriterKind::MainSave, 3, {"00:00:00:00 and a lot more text", {}});
  EXPECT_TRUE(header.contains("\"Duration: 00:00:00:00 and a lo\"\r\n")) << header.constData();
}

TEST(PrlWriter, EmptyListsAndUnwritableFiles) {
  QTemporaryDir dir;
  const QString path = dir.filePath("e.prl");
  EXPECT_EQ(prl::SavePrl(path, PrlWriterKind::MainSave, {}, {}), prl::kWriteFailed);
  EXPECT_EQ(prl::SavePrl(path, PrlWriterKind::PlayListCreator, {}, {}), prl::kWriteFailed);
  EXPECT_FALSE(QFile::exists(path));
  // A scan that found nothing still leaves a profile with its header.
  EXPECT_EQ(prl::SavePrl(path, PrlWriterKind::DriveScanner, {}, {}), 0);
  EXPECT_EQ(ReadAll(path).count('"'), 18);

  EXPECT_EQ(prl::SavePrl(dir.filePath("no/such/folder/x.prl"), PrlWriterKind::MainSave, kClips, {}),
            prl::kWriteFailed);
}

TEST(PrlWriter, FavouritesCreatedOnceThenAppended) {
  QTemporaryDir dir;
  const QString path = dir.filePath("favorits.prl");
  ASSERT_EQ(prl::AppendFavourite(path, kClips[0]), 0);
  ASSERT_EQ(prl::AppendFavourite(path, kClips[1]), 0);
  EXPECT_EQ(ReadAll(path), Golden("favourites.prl"));

  // Adding the same clip again appends it again; the header keeps "Clips: 1".
  ASSERT_EQ(prl::AppendFavourite(path, kClips[1]), 0);
  PrlPlayList back;
  ASSERT_EQ(prl::LoadPrl(path, back), 0);
  EXPECT_EQ(back.header.Value(PrlField::Clips), "1");
  EXPECT_EQ(back.clips.size(), 3);

  EXPECT_EQ(prl::AppendFavourite(dir.filePath("no/such/favorits.prl"), kClips[0]), prl::kWriteFailed);
}

}  // namespace
