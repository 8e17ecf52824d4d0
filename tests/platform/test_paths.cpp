#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QString& value) : name_(name), had_(qEnvironmentVariableIsSet(name)) {
    old_ = qgetenv(name);
    if (value.isNull())
      qunsetenv(name);
    else
      qputenv(name, value.toUtf8());
  }
  ~ScopedEnv() {
    if (had_)
      qputenv(name_, old_);
    else
      qunsetenv(name_);
  }

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

void Touch(const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << qPrintable(path);
}

class PathsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Touch(driveC.path() + QStringLiteral("/Adverts/Spot One.MP3"));
    Touch(driveD.path() + QStringLiteral("/Music/Rock/Song.mp3"));
    Touch(driveD.path() + QStringLiteral("/Music/Rock/SONG.mp3.bak"));
  }
  QTemporaryDir driveC, driveD, data;
  ScopedEnv envC{"KORVO_DRIVE_C", driveC.path()};
  ScopedEnv envD{"KORVO_DRIVE_D", driveD.path()};
  ScopedEnv envE{"KORVO_DRIVE_E", QString()};
  ScopedEnv envData{"XDG_DATA_HOME", data.path()};
};

TEST_F(PathsTest, WindowsPathsAreMappedThroughTheDriveFolders) {
  const QString c = driveC.path(), d = driveD.path(), e = data.path() + QStringLiteral("/korvoxa/drive_e");
  struct Case {
    QString in, out;
  };
  const Case cases[] = {
      {QStringLiteral("C:\\Adverts\\Spot One.MP3"), c + QStringLiteral("/Adverts/Spot One.MP3")},
      // Case differs from the disk: each component is found without regard to case.
      {QStringLiteral("c:\\ADVERTS\\spot one.mp3"), c + QStringLiteral("/Adverts/Spot One.MP3")},
      {QStringLiteral("d:\\MUSIC\\rock\\song.MP3"), d + QStringLiteral("/Music/Rock/Song.mp3")},
      {QStringLiteral("D:/Music/Rock/Song.mp3"), d + QStringLiteral("/Music/Rock/Song.mp3")},
      // Nothing matches: mapped, but the written case is kept.
      {QStringLiteral("D:\\Music\\Jazz\\Tune.mp3"), d + QStringLiteral("/Music/Jazz/Tune.mp3")},
      // Folders keep their trailing separator.
      {QStringLiteral("C:\\ADVERTS\\"), c + QStringLiteral("/Adverts/")},
      {QStringLiteral("C:\\KORVOPRL.tmp"), c + QStringLiteral("/KORVOPRL.tmp")},
      {QStringLiteral("c:\\_mp3files.txt"), c + QStringLiteral("/_mp3files.txt")},
      // A drive without a mapping lands beside the default drive C folder.
      {QStringLiteral("E:\\x\\y.mp3"), e + QStringLiteral("/x/y.mp3")},
      // Native paths are taken as they are, with case matching only when they do not exist.
      {d + QStringLiteral("/Music/Rock/Song.mp3"), d + QStringLiteral("/Music/Rock/Song.mp3")},
      {d + QStringLiteral("/music/ROCK/song.mp3"), d + QStringLiteral("/Music/Rock/Song.mp3")},
      {QStringLiteral("/nonexistent/A.mp3"), QStringLiteral("/nonexistent/A.mp3")},
      {QString(), QString()},
  };
  for (const Case& k : cases) EXPECT_EQ(paths::ResolvePath(k.in), k.out) << qPrintable(k.in);
}

TEST_F(PathsTest, RelativePathsAreTakenAgainstTheBaseFolder) {
  const QString d = driveD.path();
  EXPECT_EQ(paths::ResolvePath(QStringLiteral("rock\\song.mp3"), d + QStringLiteral("/Music/")),
            d + QStringLiteral("/Music/Rock/Song.mp3"));
  EXPECT_EQ(paths::ResolvePath(QStringLiteral("Rock/new.mp3"), d + QStringLiteral("/Music")),
            d + QStringLiteral("/Music/Rock/new.mp3"));
  // An absolute path ignores the base.
  EXPECT_EQ(paths::ResolvePath(QStringLiteral("D:\\Music"), QStringLiteral("/elsewhere")), d + QStringLiteral("/Music"));
}

TEST_F(PathsTest, LongPathsAreNeverCut) {
  const QString longName = QString(200, QLatin1Char('n'));
  const QString in = QStringLiteral("D:\\") + longName + QLatin1Char('\\') + longName + QStringLiteral("\\") +
                     longName + QStringLiteral(".mp3");
  const QString out = paths::ResolvePath(in);
  EXPECT_EQ(out, driveD.path() + QLatin1Char('/') + longName + QLatin1Char('/') + longName + QLatin1Char('/') +
                     longName + QStringLiteral(".mp3"));
}

TEST_F(PathsTest, FindCaseInsensitivePrefersTheExactNameAndLeavesMissesAlone) {
  const QString d = driveD.path();
  Touch(d + QStringLiteral("/Twin/a.mp3"));
  Touch(d + QStringLiteral("/Twin/A.mp3"));
  EXPECT_EQ(paths::FindCaseInsensitive(d + QStringLiteral("/twin/A.mp3")), d + QStringLiteral("/Twin/A.mp3"));
  EXPECT_EQ(paths::FindCaseInsensitive(d + QStringLiteral("/twin/a.mp3")), d + QStringLiteral("/Twin/a.mp3"));
  EXPECT_EQ(paths::FindCaseInsensitive(d + QStringLiteral("/MUSIC/Pop/x.mp3")), d + QStringLiteral("/MUSIC/Pop/x.mp3"));
}

TEST_F(PathsTest, DriveCFolderIsCreatedOnUse) {
  const QString folder = driveC.path() + QStringLiteral("/sub/drive");
  {
    ScopedEnv env("KORVO_DRIVE_C", folder + QLatin1Char('/'));
    EXPECT_EQ(paths::DriveCFolder(), folder);
    EXPECT_TRUE(QDir(folder).exists());
  }
  {
    ScopedEnv env("KORVO_DRIVE_C", QString());
    EXPECT_EQ(paths::DriveCFolder(), data.path() + QStringLiteral("/korvoxa/drive_c"));
    EXPECT_TRUE(QDir(data.path() + QStringLiteral("/korvoxa/drive_c")).exists());
  }
}

TEST(PathsFileNamePart, TakesTheTextAfterTheLastSeparator) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {{"C:\\Music\\a b.mp3", "a b.mp3"}, {"/music/x/a.mp3", "a.mp3"}, {"D:\\dir/mixed\\c.mp3", "c.mp3"},
                        {"plain.mp3", "plain.mp3"},           {"/folder/", ""},           {"", ""}};
  for (const Case& c : cases)
    EXPECT_EQ(paths::FileNamePart(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
}

TEST(PathsStartFolder, IsTheCurrentFolderWithATrailingSlash) {
  EXPECT_EQ(paths::StartFolder(), QDir::currentPath() + QLatin1Char('/'));
}

}  // namespace
