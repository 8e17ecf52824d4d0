// The panels working together in the main window, against the fake engine: the start-up
// play list, the automation toggles, clips the engine refuses, the search field's keyboard
// mode and the tool buttons.
#include "StationFixture.h"

#include "station/AutoMix.h"
#include "station/SongsCommands.h"
#include "deck/ui/CentrePanel.h"
#include "deck/ui/CheckOnLoadButton.h"
#include "deck/ui/DeckPanels.h"
#include "deck/Decks.h"
#include "formats/PrlWriter.h"
#include "platform/TimerIds.h"
#include "songs/CrtRand.h"
#include "songs/ListShuffler.h"
#include "songs/ui/SongsListPanel.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString Tone() { return qEnvironmentVariable("KORVO_FIXTURES") + QStringLiteral("/tone440_44k_cbr.mp3"); }

// A station whose start-up play list holds the given clip names; names starting with
// '!' are listed but not on disk.
QStringList WriteStartUpList(TestStation& s, const QStringList& names) {
  QDir(s.startFolder).mkpath(QStringLiteral("Music"));
  QList<PrlClip> clips;
  QStringList paths;
  for (const QString& name : names) {
    const bool missing = name.startsWith(QLatin1Char('!'));
    const QString path = s.startFolder + QStringLiteral("Music/") + name.mid(missing ? 1 : 0) + QStringLiteral(".mp3");
    if (!missing) {
      QFile::copy(Tone(), path);
      s.engine.durationsMs.insert(path, 3000);  // what the engine's analyser measures
    }
    clips.append(PrlClip{QStringLiteral("00:00:03:00"), path});
    paths << path;
  }
  const QString prl = s.startFolder + QStringLiteral("Startup.prl");
  prl::SavePrl(prl, PrlWriterKind::MainSave, clips, PrlSaveValues{QStringLiteral("00:00:09:00"), QDate(2001, 3, 7)});
  s.settings.WriteSettingValue(QStringLiteral("Def OnStartUp Program"), prl);
  return paths;
}

QStringList ListPaths(MainWindow& w) {
  QStringList paths;
  SongsList& list = w.SongsPanel().List();
  for (int row = 0; row < list.Count(); ++row) paths << list.At(row).path;
  return paths;
}

QStringList OpenedPaths(TestStation& s, int playerIndex) {
  QStringList paths;
  for (const XA_Message& m : s.engine.Commands(s.engine.PlayerAt(playerIndex), XA_MSG_COMMAND_INPUT_OPEN))
    paths << m.text;
  return paths;
}

void RefuseOpen(TestStation& s, int playerIndex) {
  s.engine.Notify(s.engine.PlayerAt(playerIndex), XA_MSG_NOTIFY_NACK, XA_MSG_COMMAND_INPUT_OPEN,
                  XA_ERROR_OPEN_FAILED);
  QCoreApplication::processEvents();
}

TEST(MainWindowStartUpList, LoadsShufflesArmsTheMixAndLoadsTheFirstClip) {
  TestStation s;
  const QStringList written = WriteStartUpList(s, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                                                   QStringLiteral("d")});
  auto w = s.Open();

  CrtRand rand;
  QStringList shuffled;
  for (int from : ShuffleOrder(int(written.size()), rand)) shuffled << written[from];
  EXPECT_EQ(ListPaths(*w), shuffled);
  EXPECT_TRUE(w->DeckSet().CheckOnLoad());
  EXPECT_TRUE(w->LoadNextButton()->isChecked());
  EXPECT_TRUE(w->MixNextButton()->isChecked());
  EXPECT_TRUE(w->Timers().IsRunning(timerid::kWatch));
  EXPECT_TRUE(w->Timers().IsRunning(timerid::kStartUpMix));
  EXPECT_EQ(w->Timers().Period(timerid::kStartUpMix), 5000);
  EXPECT_EQ(OpenedPaths(s, 0), QStringList{shuffled[0]});
  EXPECT_TRUE(OpenedPaths(s, 1).isEmpty());
}

TEST(MainWindowStartUpList, ClipsFailingTheCheckAreDroppedUntilOneLoads) {
  TestStation s;
  // The shuffle of four puts row 3 first; make that clip and the one after it missing.
  CrtRand rand;
  const std::vector<int> order = ShuffleOrder(4, rand);
  QStringList names = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
  names[order[0]].prepend(QLatin1Char('!'));
  names[order[1]].prepend(QLatin1Char('!'));
  const QStringList written = WriteStartUpList(s, names);
  auto w = s.Open();

  EXPECT_EQ(ListPaths(*w), (QStringList{written[order[2]], written[order[3]]}));
  EXPECT_EQ(OpenedPaths(s, 0), QStringList{written[order[2]]});
}

TEST(MainWindowStartUpList, AListThatDoesNotLoadLeavesTheListEmptyAndNoStartUpMix) {
  struct Case {
    const char* name;
    QByteArray content;  // null: no file at all
  };
  for (const Case& c : {Case{"missing", QByteArray()}, Case{"not a play list", QByteArray("hello\n")},
                        Case{"no clips", QByteArray()}}) {
    TestStation s;
    const QString prl = s.startFolder + QStringLiteral("Startup.prl");
    if (QByteArray(c.name) == "no clips") {
      prl::SavePrl(prl, PrlWriterKind::MainSave, {}, PrlSaveValues{QString(), QDate(2001, 3, 7)});
    } else if (!c.content.isNull()) {
      QFile f(prl);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(c.content);
    }
    s.settings.WriteSettingValue(QStringLiteral("Def OnStartUp Program"), prl);
    auto w = s.Open();
    EXPECT_EQ(w->SongsPanel().List().Count(), 0) << c.name;
    EXPECT_FALSE(w->Timers().IsRunning(timerid::kStartUpMix)) << c.name;
    EXPECT_FALSE(w->LoadNextButton()->isChecked()) << c.name;
  }
}

TEST(MainWindowAutomation, TheStartUpMixFadesTheFirstClipInAndLoadsTheNext) {
  TestStation s;
  s.settings.WriteSettingValue(QStringLiteral("Keep Play Log"), QStringLiteral("1"));
  WriteStartUpList(s, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
  auto w = s.Open();
  const QStringList order = ListPaths(*w);
  XA_Player* p1 = s.engine.PlayerAt(0);
  s.engine.Notify(p1, XA_MSG_NOTIFY_INPUT_DURATION, 3);
  s.engine.Notify(p1, XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_PAUSED);
  s.engine.Clear();

  w->Timers().Fire(timerid::kStartUpMix);
  EXPECT_FALSE(w->Timers().IsRunning(timerid::kStartUpMix));
  ASSERT_TRUE(w->Timers().IsRunning(timerid::kCrossfade));
  ASSERT_EQ(s.engine.Commands(p1, XA_MSG_COMMAND_PLAY).size(), 1u);
  s.engine.Notify(p1, XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_PLAYING);

  const CentreModel& centre = w->DeckSet().Centre();
  int ticks = 0;
  int previousFader = w->DeckSet().Fader(1);
  while (w->Timers().IsRunning(timerid::kCrossfade) && ticks < 500) {
    w->Timers().Fire(timerid::kCrossfade);
    ++ticks;
    EXPECT_LE(w->DeckSet().Fader(1), previousFader);
    previousFader = w->DeckSet().Fader(1);
    if (w->Timers().IsRunning(timerid::kCrossfade)) {
      EXPECT_EQ(centre.Crossfade(1), 100 - previousFader);
    }
  }
  EXPECT_LT(ticks, 500);
  EXPECT_EQ(w->DeckSet().Fader(1), 0);
  EXPECT_EQ(centre.Crossfade(1), 0);
  // Every tick sent Player 1 its level; the last one full level.
  const auto levels = s.engine.Commands(p1, XA_MSG_SET_OUTPUT_VOLUME);
  ASSERT_FALSE(levels.empty());
  EXPECT_EQ(levels.back().b, 100);
  // The next clip of the list waits in the free deck, and the first went on air.
  EXPECT_EQ(OpenedPaths(s, 1), QStringList{order[1]});
  EXPECT_TRUE(s.LogText().contains(QStringLiteral("\"CLP\",\"%1\",\"Player 1\"").arg(order[0])));
}

TEST(MainWindowAutomation, MixNextNeedsLoadNext) {
  TestStation s;
  auto w = s.Open();
  QPushButton* loadNext = w->LoadNextButton();
  QPushButton* mixNext = w->MixNextButton();
  EXPECT_FALSE(mixNext->isEnabled());

  loadNext->click();
  EXPECT_TRUE(mixNext->isEnabled());
  EXPECT_FALSE(w->Timers().IsRunning(timerid::kWatch));
  mixNext->click();
  EXPECT_TRUE(w->Timers().IsRunning(timerid::kWatch));

  loadNext->click();
  EXPECT_FALSE(mixNext->isChecked());
  EXPECT_FALSE(mixNext->isEnabled());
  EXPECT_FALSE(w->Timers().IsRunning(timerid::kWatch));
}

TEST(MainWindowAutomation, MixWithAnEmptyListOnlySaysSo) {
  TestStation s;
  auto w = s.Open();
  s.engine.Clear();
  emit w->DeckViews().Centre()->MixClicked();
  EXPECT_EQ(w->StatusText(), QStringLiteral("Play list is empty!"));
  EXPECT_TRUE(s.engine.Commands().empty());
}

TEST(MainWindowAutomation, ARefusedClipIsSkippedWhileLoadNextIsOn) {
  TestStation s;
  const QStringList written = WriteStartUpList(s, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
  auto w = s.Open();
  const QStringList order = ListPaths(*w);
  ASSERT_EQ(OpenedPaths(s, 0), QStringList{order[0]});

  RefuseOpen(s, 0);
  // The refused clip is not on the deck any more: the next one is, by its own title.
  EXPECT_EQ(w->DeckSet().State(1), PlayerState::None);
  EXPECT_EQ(w->DeckSet().Title(1), w->SongsPanel().List().At(1).title);
  EXPECT_EQ(OpenedPaths(s, 0), (QStringList{order[0], order[1]}));
}

TEST(MainWindowAutomation, AListOfRefusedClipsIsTriedOnceRoundThenReported) {
  TestStation s;
  WriteStartUpList(s, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
  auto w = s.Open();
  for (int i = 0; i < 10; ++i) RefuseOpen(s, 0);
  // The first load and one more for each clip of the list; then the operator is told.
  EXPECT_EQ(OpenedPaths(s, 0).size(), 4);
  EXPECT_EQ(w->StatusText(), QStringLiteral("Clip Load error"));
}

TEST(MainWindowAutomation, RefusedClipsAreLeftAloneWithoutLoadNext) {
  TestStation s;
  auto w = s.Open();
  QDir(s.startFolder).mkpath(QStringLiteral("Music"));
  const QString path = s.startFolder + QStringLiteral("Music/a.mp3");
  QFile::copy(Tone(), path);
  w->PlayList().Loader().LoadFolder(s.startFolder + QStringLiteral("Music"));
  w->PlayList().LoadSelected();
  RefuseOpen(s, 0);
  EXPECT_EQ(OpenedPaths(s, 0).size(), 1);
}

TEST(MainWindowKeyboardMode, TheSearchFieldIsEditableOnlyWhileItHasTheFocus) {
  TestStation s;
  auto w = s.Open();
  QLineEdit* search = w->SongsPanel().SearchField();
  EXPECT_TRUE(search->isReadOnly());
  QFocusEvent in(QEvent::FocusIn);
  QCoreApplication::sendEvent(search, &in);
  EXPECT_EQ(w->StatusText(), QStringLiteral("KEYBOARD MODE: SERACH"));
  EXPECT_FALSE(search->isReadOnly());
  QFocusEvent out(QEvent::FocusOut);
  QCoreApplication::sendEvent(search, &out);
  EXPECT_EQ(w->StatusText(), QStringLiteral("KEYBOARD MODE: MIX"));
  EXPECT_TRUE(search->isReadOnly());
}

TEST(MainWindowKeyboardMode, EnterInTheSearchFieldOnlySearches) {
  TestStation s;
  auto w = s.Open();
  QDir(s.startFolder).mkpath(QStringLiteral("Music"));
  for (const char* name : {"alpha", "beta"})
    QFile::copy(Tone(), s.startFolder + QStringLiteral("Music/%1.mp3").arg(QLatin1String(name)));
  w->PlayList().Loader().LoadFolder(s.startFolder + QStringLiteral("Music"));
  ASSERT_EQ(w->SongsPanel().List().Count(), 2);
  w->show();
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
  QLineEdit* search = w->SongsPanel().SearchField();
  search->setFocus();
  QTest::keyClicks(search, QStringLiteral("beta"));
  // "Load beta?" answered No: the search goes on and finds nothing more.
  s.dialogs.answers.enqueue(Dialogs::Answer::No);
  QTest::keyClick(search, Qt::Key_Return);
  EXPECT_EQ(s.dialogs.Texts().last(), QStringLiteral("Load beta?"));
  EXPECT_TRUE(OpenedPaths(s, 0).isEmpty());
  EXPECT_TRUE(OpenedPaths(s, 1).isEmpty());
}

TEST(MainWindowToolButtons, ClearEmptiesTheListAndReleasesTheAutomation) {
  TestStation s;
  WriteStartUpList(s, {QStringLiteral("a"), QStringLiteral("b")});
  auto w = s.Open();
  ASSERT_EQ(w->SongsPanel().List().Count(), 2);
  s.dialogs.answers.enqueue(Dialogs::Answer::Yes);
  w->ToolButton(QStringLiteral("C"))->click();
  EXPECT_EQ(w->SongsPanel().List().Count(), 0);
  EXPECT_FALSE(w->LoadNextButton()->isChecked());
  EXPECT_FALSE(w->MixNextButton()->isChecked());
  EXPECT_FALSE(w->Timers().IsRunning(timerid::kWatch));
}

TEST(MainWindowDrop, FilesDroppedOnTheWindowGoIntoTheSongsList) {
  TestStation s;
  auto w = s.Open();
  QDir(s.startFolder).mkpath(QStringLiteral("Music"));
  const QString path = s.startFolder + QStringLiteral("Music/Dropped Song.mp3");
  ASSERT_TRUE(QFile::copy(Tone(), path));
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(path)});
  QDragEnterEvent enter(QPoint(400, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(w.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(400, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(w.get(), &drop);
  ASSERT_EQ(w->SongsPanel().List().Count(), 1);
  EXPECT_EQ(w->SongsPanel().List().At(0).title, QStringLiteral("Dropped Song"));
}

}  // namespace
