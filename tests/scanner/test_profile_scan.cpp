#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include "ScanTree.h"
#include "formats/PrlReader.h"
#include "scanner/ProfileScan.h"

namespace {

// The nine header values end in CR LF; the clip lines in LF alone.
const QByteArray kHeader =
    "\"Tevro Play List - Version 2.0\"\r\n"
    "\"Date: \"\r\n"
    "\"Owner: KORVO XA user\"\r\n"
    "\"Clips: 1\"\r\n"
    "\"Duration: 00:00:00:00\"\r\n"
    "\"Style: \"\r\n"
    "\"Description: Created By KORVO XA\"\r\n"
    "\"Date to play: \"\r\n"
    "\"Time to play: \"\r\n";

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  ASSERT_EQ(f.write(bytes), bytes.size());
}

scanner::ScanPlan PlanOf(const QStringList& roots) {
  scanner::ScanPlan plan;
  for (const QString& r : roots) plan.roots.push_back(QFile::encodeName(r).toStdString());
  return plan;
}

QByteArray ClipLine(const QString& path) { return "\"00:00:00:00" + path.toUtf8() + "\"\n"; }

class ProfileScanTest : public ::testing::Test {
 protected:
  QString Profile() const { return out_.filePath("_mp3files.txt"); }
  QTemporaryDir out_;
};

// Roots are walked in their order; paths keep the case the file system reports.
TEST_F(ProfileScanTest, WritesTheProfileByteForByte) {
  ScanTree first, second;
  first.File("Café – Ünïcode.mp3");
  second.File("Sub/B.MP3", 100);
  const scanner::ScanResult result = scanner::WriteProfile(Profile(), PlanOf({first.Root(), second.Root()}));
  EXPECT_TRUE(result.written);
  EXPECT_EQ(result.clips, 2);
  EXPECT_EQ(ReadAll(Profile()),
            kHeader + ClipLine(first.Path("Café – Ünïcode.mp3")) + ClipLine(second.Path("Sub/B.MP3")));

  // The suite's reader finds the very files again.
  PrlPlayList list;
  ASSERT_EQ(prl::LoadPrl(Profile(), list), 0);
  ASSERT_EQ(list.clips.size(), 2);
  for (const PrlClip& clip : list.clips) EXPECT_TRUE(QFile::exists(clip.path)) << qPrintable(clip.path);
}

TEST_F(ProfileScanTest, NoClipsLeavesTheHeaderAlone) {
  WriteAll(Profile(), kHeader + ClipLine("/old/clip.mp3"));
  ScanTree tree;
  tree.File("readme.txt");
  const scanner::ScanResult result = scanner::WriteProfile(Profile(), PlanOf({tree.Root()}));
  EXPECT_TRUE(result.written);
  EXPECT_EQ(result.clips, 0);
  EXPECT_EQ(ReadAll(Profile()), kHeader);
}

// A double quote would end the value early; a name that is not UTF-8 would be read back as
// another name. Neither is listed nor counted, and the clips around them are.
TEST_F(ProfileScanTest, SkipsPathsTheListCannotHold) {
  ScanTree tree;
  tree.File("good.mp3");
  tree.File("say \"hi\".mp3");
  const QByteArray latin1 = QFile::encodeName(tree.Root()) + "/caf\xe9.mp3";
  const int fd = ::open(latin1.constData(), O_WRONLY | O_CREAT, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::write(fd, "x", 1), 1);
  ::close(fd);
  const scanner::ScanResult result = scanner::WriteProfile(Profile(), PlanOf({tree.Root()}));
  ::unlink(latin1.constData());  // a name Qt cannot hold, so the folder's clean-up cannot remove it
  EXPECT_EQ(result.clips, 1);
  EXPECT_EQ(ReadAll(Profile()), kHeader + ClipLine(tree.Path("good.mp3")));
}

// The count tells how many clips the profile in place holds: when the profile cannot be
// written the caller must not load an old one as if it were new.
TEST_F(ProfileScanTest, AProfileThatCannotBeWrittenCountsNothing) {
  ScanTree tree;
  tree.File("a.mp3");
  const QString profile = out_.filePath("missing folder/_mp3files.txt");
  const scanner::ScanResult result = scanner::WriteProfile(profile, PlanOf({tree.Root()}));
  EXPECT_FALSE(result.written);
  EXPECT_EQ(result.clips, 0);
  EXPECT_EQ(result.progress.folders, 0) << "walked although nothing could be written";
  EXPECT_FALSE(QFile::exists(profile));
}

// Until the scan is complete a reader sees the old profile whole; the last report gives
// the totals.
TEST_F(ProfileScanTest, ReadersSeeTheOldProfileUntilTheNewOneIsWhole) {
  const QByteArray old = kHeader + ClipLine("/old/clip.mp3");
  WriteAll(Profile(), old);
  ScanTree tree;
  for (int i = 0; i < 2 * scanner::kProgressFolders; ++i) tree.File(QString("f%1/c.mp3").arg(i));
  std::vector<scanner::ScanProgress> seen;
  const scanner::ScanResult result =
      scanner::WriteProfile(Profile(), PlanOf({tree.Root()}), [&](const scanner::ScanProgress& p) {
        seen.push_back(p);
        EXPECT_EQ(ReadAll(Profile()), old);
      });
  EXPECT_EQ(result.clips, 2 * scanner::kProgressFolders);
  ASSERT_GE(seen.size(), 2u);
  EXPECT_EQ(seen.back().folders, 1 + 2 * scanner::kProgressFolders);
  EXPECT_EQ(seen.back().clips, result.clips);
  EXPECT_EQ(ReadAll(Profile()).count('\n'), 9 + result.clips);
}

}  // namespace
