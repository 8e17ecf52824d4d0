// The songs-list column as the operator meets it: captions, tool tips, the search field
// and the context-menu entries.
#include "platform/Clock.h"
#include "platform/PlayLog.h"
#include "songs/ui/SongsListPanel.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>

#include <gtest/gtest.h>

class PanelTest : public ::testing::Test {
 protected:
  PanelTest() : log(clock, "/nonexistent/"), list(log), panel(list, [this](const QString& s) { statuses << s; }) {}
  FixedClock clock;
  PlayLog log;
  SongsList list;
  QStringList statuses;
  SongsListPanel panel;
};

TEST_F(PanelTest, ButtonsAndListCarryTheirCaptionsAndTips) {
  struct Case {
    QPushButton* button;
    const char* caption;
    const char* tip;
  };
  const Case cases[] = {
      {panel.BackButton(), "| <", "Back"},
      {panel.NextButton(), "> |", "Next"},
      {panel.LoadSelectedButton(), "^", "Load Selected"},
      {panel.AplButton(), "APL", "Create Play List"},
      {panel.Find1Button(), "Find 1", "Type and press Find 1 to search in Songs List"},
      {panel.Find2Button(), "Find 2", "Type and press Find 2 to search in Songs & Path List"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.button->text(), c.caption);
    EXPECT_EQ(c.button->toolTip(), c.tip);
  }
  EXPECT_EQ(panel.SearchField()->toolTip(), "Type and press Find 1 to search in Songs List");
  EXPECT_EQ(panel.View()->toolTip(), "Musical Program Material");
  EXPECT_TRUE(panel.View()->isColumnHidden(1));
  EXPECT_EQ(panel.View()->columnWidth(0), 300);
  EXPECT_EQ(panel.View()->columnWidth(2), 80);
}

TEST_F(PanelTest, SearchTextSwitchesCaptionFindButtonsAndStatus) {
  EXPECT_FALSE(panel.Find1Button()->isEnabled());
  panel.SearchField()->setText("abc");
  EXPECT_EQ(panel.AplButton()->text(), "FPL");
  EXPECT_TRUE(panel.Find1Button()->isEnabled());
  EXPECT_TRUE(panel.Find2Button()->isEnabled());
  EXPECT_EQ(statuses.last(), "Search for abc");
  panel.SearchField()->clear();
  EXPECT_EQ(panel.AplButton()->text(), "APL");
  EXPECT_FALSE(panel.Find2Button()->isEnabled());
  EXPECT_EQ(statuses.last(), "");

  panel.SearchField()->setText(QString(200, 'x'));
  EXPECT_EQ(panel.SearchField()->text().size(), 128);

  QSignalSpy spy(&panel, &SongsListPanel::searchRequested);
  panel.SearchField()->setText("Rock");
  panel.Find2Button()->click();
  ASSERT_EQ(spy.size(), 1);
  EXPECT_EQ(spy[0][0].toInt(), 2);
  EXPECT_EQ(spy[0][1].toString(), "Rock");
}

TEST_F(PanelTest, ContextMenuEntriesAndCountDisplays) {
  QStringList texts;
  for (QAction* a : panel.ContextActions()) texts << a->text();
  EXPECT_EQ(texts, QStringList({"Load MP3 Clips", "Load Play List", "Import m3u List", "Remove Clip", "Select Previws",
                                "Select Next", "Load Selected", "Rename Selected", "Save Play List",
                                "Add to favorites"}));
  panel.Model().Insert(0, {MakeClipEntry("/a/x.mp3"), MakeClipEntry("/a/y.mp3")});
  panel.List().UpdateClipCount();
  panel.List().SetListDuration("00:07:00:00");
  EXPECT_EQ(panel.ClipsLabel()->text(), "Clips: 2");
  EXPECT_EQ(panel.ListDurationLabel()->text(), "List Duration: 00:07:00:00");

  QSignalSpy load(&panel, &SongsListPanel::loadSelectedRequested);
  panel.LoadSelectedButton()->click();
  EXPECT_EQ(load.size(), 1);
}
