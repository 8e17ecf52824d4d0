// The preview player: the commands its controls send and what its notifications show.
#include "CreatorFixture.h"

namespace {

class PreviewTest : public CreatorFixture {
 protected:
  void SetUp() override {
    Start();
    engine.Clear();
  }
  creator::PreviewPlayer& Preview() { return creator->Preview(); }
  QStringList Trace() { return engine.Trace(Player()); }
};

TEST_F(PreviewTest, StartAsksForTheVolume) {
  Start();
  EXPECT_EQ(engine.Trace(engine.PlayerAt(1)), QStringList({"49:0,0,0"}));
}

TEST_F(PreviewTest, ControlsSendTheirCommands) {
  struct Case {
    const char* name;
    std::function<void()> action;
    QStringList trace;
  };
  const Case cases[] = {
      {"double click", [this] { creator->OpenRow(0); }, {"44:0,0,0", "46:-1,0,0", "7:0,0,0:" + Path("a.mp3")}},
      {"stop", [this] { creator->Stop(); }, {"5:0,0,0", "17:0,0,0", "8:0,0,0", "44:0,0,0", "46:-1,0,0"}},
      {"play", [this] { Preview().PlayPause(); }, {"3:0,0,0"}},
      {"volume", [this] { Preview().SetVolumeSlider(30); }, {"48:255,255,70"}},
      {"drag",
       [this] {
         Preview().BeginDrag();
         Preview().DragTo(100);
         Preview().EndDrag(200);
       },
       {"6:100,400,0", "6:200,400,0"}},
  };
  Add({"a.mp3"});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    engine.Clear();
    c.action();
    EXPECT_EQ(Trace(), c.trace);
  }
}

TEST_F(PreviewTest, PlayPausesAPlayingClipAndADragResumesIt) {
  engine.Notify(Player(), XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_PLAYING);
  EXPECT_EQ(Preview().PlayCaption(), "Pause");
  EXPECT_EQ(Preview().StateText(), "PLAYING");
  Preview().BeginDrag();
  Preview().EndDrag(10);
  EXPECT_EQ(Trace(), QStringList({"6:10,400,0", "3:0,0,0"}));

  engine.Clear();
  Preview().PlayPause();
  EXPECT_EQ(Trace(), QStringList({"4:0,0,0"}));
  EXPECT_TRUE(Preview().OpenFileEnabled());
  engine.Notify(Player(), XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_PAUSED);
  EXPECT_EQ(Preview().PlayCaption(), "Play");
  Preview().PlayPause();
  EXPECT_FALSE(Preview().OpenFileEnabled());
}

TEST_F(PreviewTest, NotificationsReachTheDisplays) {
  engine.NotifyText(Player(), XA_MSG_NOTIFY_INPUT_NAME, "/m/song.mp3");
  EXPECT_EQ(Preview().WindowTitle(), "KORVOprl - /m/song.mp3");
  engine.Notify(Player(), XA_MSG_NOTIFY_INPUT_DURATION, 187);
  EXPECT_EQ(Preview().DurationText(), "187 ''");
  engine.Notify(Player(), XaMessage(XA_MSG_NOTIFY_INPUT_TIMECODE, 1, 2, 3));
  EXPECT_EQ(Preview().TimecodeText(), "01:02:03");
  engine.Notify(Player(), XaMessage(XA_MSG_NOTIFY_INPUT_STREAM_INFO, 1, 3, 128, 44100));
  EXPECT_EQ(Preview().TypeText(), "MPEG 1 Layer 3, 128 kbps, 44100 Hz");
  engine.Notify(Player(), XA_MSG_NOTIFY_INPUT_POSITION, 50, 100);
  EXPECT_EQ(Preview().Position(), 200);
  engine.Notify(Player(), XA_MSG_NOTIFY_OUTPUT_VOLUME, 80);
  EXPECT_EQ(Preview().VolumeSlider(), 20);

  engine.Notify(Player(), XA_MSG_NOTIFY_INPUT_STATE, 0);
  EXPECT_TRUE(Preview().InputOpen());
  engine.Notify(Player(), XA_MSG_NOTIFY_INPUT_STATE, 1);
  EXPECT_FALSE(Preview().InputOpen());
  engine.Notify(Player(), XA_MSG_NOTIFY_OUTPUT_STATE, 0);
  EXPECT_TRUE(Preview().OutputOpen());
  engine.Notify(Player(), XA_MSG_NOTIFY_OUTPUT_STATE, 1);
  EXPECT_FALSE(Preview().OutputOpen());
  EXPECT_TRUE(Trace().isEmpty());

  // The end of the clip: "EOF", and back to its start.
  engine.Notify(Player(), XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_EOF);
  EXPECT_EQ(Preview().StateText(), "EOF");
  EXPECT_EQ(Trace(), QStringList({"6:0,1,0"}));
}

TEST_F(PreviewTest, AutoPlayStartsAnOpenedClip) {
  engine.Notify(Player(), XA_MSG_NOTIFY_INPUT_STATE, 0);
  EXPECT_TRUE(Trace().isEmpty());
  creator->SetAutoPlay(true);
  engine.Notify(Player(), XA_MSG_NOTIFY_INPUT_STATE, 0);
  EXPECT_EQ(Trace(), QStringList({"3:0,0,0"}));
}

// "Open File...": the clip opens in the preview, goes at the end of the list selected and
// is counted at once with AutoPlay on.
TEST_F(PreviewTest, OpenFileAppendsTheClip) {
  Add({"a.mp3"});
  List().SetModified(false);
  creator->SetAutoPlay(true);
  engine.durationsMs[Path("b.mp3")] = 3000;
  dialogs.openFiles.enqueue({Path("b.mp3")});
  creator->OpenFile();
  EXPECT_EQ(Trace(), QStringList({"44:0,0,0", "7:0,0,0:" + Path("b.mp3")}));
  EXPECT_EQ(Titles(), QStringList({"a", "b"}));
  EXPECT_EQ(List().List().SelectedRow(), 1);
  EXPECT_EQ(List().List().At(1).duration, "00:00:03:00");
  EXPECT_TRUE(List().Modified());
}

}  // namespace

namespace {

using EngineVersionTest = CreatorFixture;

// An engine of another version makes no player: nothing is sent, nothing converts.
TEST_F(EngineVersionTest, AMismatchedEngineGivesNoPlayer) {
  engine.apiVersion = (3 << 16) | (1 << 8);
  creator = std::make_unique<creator::Creator>(engine, dialogs, settings);
  EXPECT_EQ(creator->Start(dir.path()), -1);
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].text, "Xaudio DLL API version mismatch");
  EXPECT_EQ(dialogs.messages[0].title, "Xaudio Error");
  EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Error);
  EXPECT_EQ(engine.PlayerAt(0), nullptr);
  Add({"a.mp3"});
  EXPECT_EQ(creator->Converter().ConvertPlayList(), -1);
  EXPECT_FALSE(creator->Converter().Running());
}

}  // namespace
