// A program without Gui or Widgets (a QCoreApplication) can use the station's core, formats,
// songs and audio layers: it loads a play list into a songs list and counts its play times
// with the real analyser. The build keeps it free of the window libraries (see the
// linkage check beside this test in CMakeLists.txt).
#include "audio/ClipAnalyzer.h"
#include "formats/PrlWriter.h"
#include "formats/TimeText.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/PlayLog.h"
#include "songs/ClipLoader.h"
#include "songs/PlayTimeCounter.h"
#include "songs/RememberedFolders.h"
#include "songs/SongsList.h"
#include "support/ScriptedDialogs.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString Fixture(const char* name) { return qEnvironmentVariable("KORVO_FIXTURES") + QLatin1Char('/') + QLatin1String(name); }

}  // namespace

TEST(CoreProgram, LoadsAPlayListAndCountsItsPlayTimesWithoutAWindow) {
  ASSERT_EQ(qobject_cast<QCoreApplication*>(QCoreApplication::instance())->metaObject()->className(),
            QByteArray("QCoreApplication"));
  QTemporaryDir dir;
  const QString folder = dir.path() + QLatin1Char('/');
  // Two copies of a tone and one clip that cannot be measured.
  ASSERT_TRUE(QFile::copy(Fixture("tone440_44k_cbr.mp3"), folder + QStringLiteral("one.mp3")));
  ASSERT_TRUE(QFile::copy(Fixture("tone440_44k_cbr.mp3"), folder + QStringLiteral("two.mp3")));
  ASSERT_TRUE(QFile::copy(Fixture("text.mp3"), folder + QStringLiteral("bad.mp3")));
  const QList<PrlClip> clips = {{QString::fromLatin1(timetext::kUnmeasured), folder + QStringLiteral("one.mp3")},
                                {QString::fromLatin1(timetext::kUnmeasured), folder + QStringLiteral("bad.mp3")},
                                {QString::fromLatin1(timetext::kUnmeasured), folder + QStringLiteral("two.mp3")}};
  const QString prl = folder + QStringLiteral("list.prl");
  ASSERT_EQ(prl::SavePrl(prl, PrlWriterKind::MainSave, clips, PrlSaveValues{}), 0);

  FixedClock clock;
  PlayLog log(clock, folder);
  ScriptedDialogs dialogs;
  RememberedFolders folders;
  QStringList statuses;
  const auto status = [&statuses](const QString& s) { statuses << s; };
  SongsList list(log);
  ClipLoader loader(list, dialogs, log, folders, status);
  ASSERT_EQ(loader.LoadPrl(prl), 0);
  ASSERT_EQ(list.Count(), 3);

  XaudioClipAnalyzer analyzer;
  PlayTimeCounter counter(list, nullptr, dialogs, log, analyzer, [] { return 25; }, status, [](const QString&) {});
  ASSERT_EQ(counter.CountPlayListTimes(), 0);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !counter.Running(); }, 30000));

  const qint64 one = timetext::DurationToFrames(list.At(0).duration, 25);
  EXPECT_GT(one, 0);
  EXPECT_EQ(list.At(0).duration, list.At(2).duration);
  // The total adds milliseconds, not the rounded frames of each clip.
  EXPECT_NEAR(timetext::DurationToFrames(list.ListDuration(), 25), 2 * one, 1);
  EXPECT_EQ(list.At(1).duration, QString::fromLatin1(timetext::kUnmeasured));
}
