// The window as a view of the creator: what it locks and when it may close.
#include "CreatorFixture.h"
#include "tools/prlcreator/ui/CreatorWindow.h"

#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <QTest>

namespace {

class WindowTest : public CreatorFixture {
 protected:
  void SetUp() override {
    Start();
    window = std::make_unique<creator::CreatorWindow>(*creator);
    window->show();
  }
  QPushButton* Button(const QString& caption) {
    for (QPushButton* b : window->findChildren<QPushButton*>())
      if (b->text() == caption) return b;
    return nullptr;
  }
  std::unique_ptr<creator::CreatorWindow> window;
};

TEST_F(WindowTest, ClosesWithoutAQuestionRightAfterASaveAndAsksOnceEdited) {
  Add({"a.mp3=00:00:02:00", "b.mp3=00:00:01:00"});
  List().RecomputeTotal();
  dialogs.saveFiles.enqueue(Path("list.prl"));
  window->Action(creator::CreatorWindow::kSave)->trigger();
  ASSERT_FALSE(List().Modified());
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(dialogs.messages.isEmpty());

  window->show();
  List().List().SelectItem(1);
  ASSERT_NE(Button("SEND CLIP UP"), nullptr);
  Button("SEND CLIP UP")->click();
  EXPECT_EQ(Titles(), QStringList({"b", "a"}));
  Answers({Dialogs::Answer::No});
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(dialogs.Texts(), QStringList({"QUIT KORVO PRL?"}));
}

TEST_F(WindowTest, PreviewControlsFollowTheInputAndACountLocksTheList) {
  QPushButton* play = Button("Play");
  ASSERT_NE(play, nullptr);
  EXPECT_FALSE(play->isEnabled());
  engine.Notify(Player(), XA_MSG_NOTIFY_INPUT_STATE, 0);
  EXPECT_TRUE(play->isEnabled());
  engine.Notify(Player(), XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_PLAYING);
  EXPECT_EQ(play->text(), "Pause");
  engine.NotifyText(Player(), XA_MSG_NOTIFY_INPUT_NAME, "song.mp3");
  EXPECT_EQ(window->windowTitle(), "KORVOprl - song.mp3");

  Add({"a.mp3"});
  engine.durationsMs[Path("a.mp3")] = 1000;
  window->Action(creator::CreatorWindow::kCountTimes)->trigger();
  // The results come back through the event loop, so the count is still on here.
  ASSERT_TRUE(creator->Counter().Running());
  EXPECT_FALSE(window->View()->isEnabled());
  EXPECT_FALSE(Button("NEW")->isEnabled());
  ASSERT_TRUE(QTest::qWaitFor([this] { return !creator->Counter().Running(); }, 30000));
  EXPECT_TRUE(window->View()->isEnabled());
  EXPECT_TRUE(Button("NEW")->isEnabled());
}

}  // namespace
