#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "ScanTree.h"
#include "scanner/FolderWalker.h"

namespace {

// Which files become clips: the name's end in any case, empty files, and the word
// "temporary" anywhere in the path, at any depth and in any case.
TEST(FolderWalker, FindsNonEmptyMp3FilesOutsideTemporaryFolders) {
  struct Case {
    const char* path;
    qint64 bytes;
    bool clip;
  } cases[] = {
      {"a.mp3", 1, true},
      {"Loud.MP3", 1, true},
      {"mixed.Mp3", 1, true},
      {"song.mp3.lnk", 1, false},  // a shortcut to a clip
      {"song.mp3x", 1, false},
      {"song_mp3", 1, false},
      {"notes.txt", 1, false},
      {"empty.mp3", 0, false},
      {"Temporary Internet Files/cached.mp3", 1, false},
      {"music/a/b/My temporary stuff/deep.mp3", 1, false},
      {"music/TEMPORARY/x.mp3", 1, false},
      {"music/temporary song.mp3", 1, false},
      {"music/Tempo rary.mp3", 1, true},
      {"music/album.mp3/track.mp3", 1, true},  // a folder named like a clip is no clip, its content is
      {"music/a/b/c/d/e/f/g/far.mp3", 1, true},
  };
  ScanTree tree;
  QStringList expected;
  for (const Case& c : cases) {
    tree.File(c.path, c.bytes);
    if (c.clip) expected << c.path;
  }
  EXPECT_EQ(ScanTree::Sorted(tree.Walk()), ScanTree::Sorted(expected));
}

// The old scanner read only the low 32 bits of the size, so a 4 GiB recording looked empty.
TEST(FolderWalker, AFileOfExactly4GiBIsNotEmpty) {
  ScanTree tree;
  QFile f(tree.Path("long set.mp3"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  if (!f.resize(qint64(1) << 32)) GTEST_SKIP() << "no sparse 4 GiB file on this file system";
  f.close();
  EXPECT_EQ(tree.Walk(), QStringList{"long set.mp3"});
}

TEST(FolderWalker, LinksAreNeverFollowedAndOddFilesAreNoClips) {
  ScanTree elsewhere;
  elsewhere.File("outside.mp3");
  ScanTree tree;
  tree.File("real/a.mp3");
  tree.Link("real/link.mp3", tree.Path("real/a.mp3"));
  tree.Link("real/loop", tree.Path("real"));  // a folder link back up: would never end
  tree.Link("real/up", "..");
  tree.Link("elsewhere", elsewhere.Root());
  tree.Link("dangling.mp3", tree.Path("gone.mp3"));
  ASSERT_EQ(mkfifo(QFile::encodeName(tree.Path("pipe.mp3")).constData(), 0600), 0);
  EXPECT_EQ(tree.Walk(), QStringList{"real/a.mp3"});
}

// Every folder's clips come out together, before the walk moves on to its next sibling.
TEST(FolderWalker, WalksDepthFirstInPreOrder) {
  ScanTree tree;
  const QStringList tops = {"A", "B", "C", "D"};
  for (const QString& top : tops) {
    tree.File(top + "/1.mp3");
    tree.File(top + "/x/2.mp3");
    tree.File(top + "/x/y/3.mp3");
    tree.File(top + "/z/4.mp3");
    tree.File(top + "/5.mp3");
  }
  const QStringList found = tree.Walk();
  ASSERT_EQ(found.size(), 20);
  const auto runOf = [&](const QString& prefix) {
    QList<qsizetype> at;
    for (qsizetype i = 0; i < found.size(); ++i)
      if (found[i].startsWith(prefix)) at << i;
    return at;
  };
  for (const QString& top : tops) {
    for (const QString& folder : {top + "/", top + "/x/"}) {
      const QList<qsizetype> at = runOf(folder);
      ASSERT_FALSE(at.isEmpty());
      EXPECT_EQ(at.back() - at.front() + 1, at.size()) << qPrintable(folder + " is not walked in one piece");
    }
  }
}

// The root is level 0; folders down to level 256 are walked, deeper ones skipped, and the
// walk goes on with the rest of the tree.
TEST(FolderWalker, SkipsFoldersDeeperThanTheWorkArea) {
  ScanTree tree;
  QString folder;
  QStringList expected = {"top.mp3", "after/y.mp3"};
  tree.File("top.mp3");
  for (int depth = 1; depth <= scanner::kMaxLevels + 2; ++depth) {
    folder += "d/";
    tree.File(folder + "c.mp3");
    if (depth <= scanner::kMaxLevels) expected << folder + "c.mp3";
  }
  tree.File("after/y.mp3");
  const QStringList found = tree.Walk();
  EXPECT_EQ(ScanTree::Sorted(found), ScanTree::Sorted(expected));
}

TEST(FolderWalker, SkipsAFolderThatCannotBeListed) {
  ScanTree tree;
  tree.File("locked/x.mp3");
  tree.File("open/y.mp3");
  ASSERT_TRUE(QFile::setPermissions(tree.Path("locked"), {}));
  const bool listable = !QDir(tree.Path("locked")).entryList(QDir::Files).isEmpty();
  QStringList found;
  if (!listable) found = tree.Walk();
  QFile::setPermissions(tree.Path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  if (listable) GTEST_SKIP() << "running as root: a folder without permissions can still be listed";
  EXPECT_EQ(found, QStringList{"open/y.mp3"});
}

// Mount points that are not fixed disks are not entered; a folder whose name merely
// begins like one is.
TEST(FolderWalker, DoesNotEnterStopFolders) {
  ScanTree tree;
  tree.File("disk/a.mp3");
  tree.File("disk/net/b.mp3");
  tree.File("disk/network/c.mp3");
  tree.File("disk/net2/deep/d.mp3");
  EXPECT_EQ(ScanTree::Sorted(tree.Walk({"disk/net", "disk/net2/deep"})),
            (QStringList{"disk/a.mp3", "disk/network/c.mp3"}));
}

TEST(FolderWalker, RootsAreTakenAsFullPaths) {
  ScanTree tree;
  tree.File("Music/a.mp3");
  tree.File("My Temporary Files/b.mp3");
  struct Case {
    QString root;
    QStringList found;
  } cases[] = {
      {tree.Path("Music"), {tree.Path("Music/a.mp3")}},
      {tree.Path("Music") + "//", {tree.Path("Music/a.mp3")}},
      {tree.Path("My Temporary Files"), {}},  // every path below it holds the word
      {tree.Path("missing"), {}},
      {tree.Path("Music/a.mp3"), {}},  // a file is no root
      {"", {}},
  };
  for (const Case& c : cases) {
    scanner::FolderWalker walker;
    QStringList found;
    walker.Walk(QFile::encodeName(c.root).toStdString(), [&](std::string_view path) {
      found << QString::fromUtf8(path.data(), qsizetype(path.size()));
      return true;
    });
    EXPECT_EQ(found, c.found) << qPrintable(c.root);
    EXPECT_EQ(walker.Progress().clips, c.found.size());
  }
}

// Progress: folders and clips so far, while the walk runs; a clip the sink refuses is not counted.
TEST(FolderWalker, ReportsProgressWhileItWalks) {
  ScanTree tree;
  const int folders = 3 * scanner::kProgressFolders;
  for (int i = 0; i < folders; ++i) tree.File(QString("f%1/%2.mp3").arg(i / 10).arg(i));
  for (int i = 0; i < folders; ++i) tree.Folder(QString("f%1/sub%2").arg(i / 10).arg(i));
  scanner::FolderWalker walker;
  std::vector<scanner::ScanProgress> seen;
  int offered = 0;
  walker.Walk(
      QFile::encodeName(tree.Root()).toStdString(), [&](std::string_view) { return ++offered % 2 == 0; },
      [&](const scanner::ScanProgress& p) { seen.push_back(p); });
  const qint64 total = 1 + (folders + 9) / 10 + folders;
  EXPECT_EQ(walker.Progress().folders, total);
  EXPECT_EQ(offered, folders);
  EXPECT_EQ(walker.Progress().clips, folders / 2);
  ASSERT_EQ(seen.size(), size_t(total / scanner::kProgressFolders));
  for (size_t i = 1; i < seen.size(); ++i) {
    EXPECT_GT(seen[i].folders, seen[i - 1].folders);
    EXPECT_GE(seen[i].clips, seen[i - 1].clips);
  }
}

}  // namespace
