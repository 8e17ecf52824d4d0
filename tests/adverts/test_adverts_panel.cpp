// The adverts group as the operator meets it: captions, tips and columns, and a panel
// that only shows the model and hands clicks to it.
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

#include "AdvertsFixture.h"
#include "adverts/ui/AdvertsPanel.h"

namespace {

class AdvertsPanelTest : public AdvertsFixture {
 protected:
  AdvertsPanel panel{adverts};
};

TEST_F(AdvertsPanelTest, ControlsCarryTheirCaptionsTipsAndColumns) {
  struct Case {
    QPushButton* button;
    const char* caption;
    const char* tip;
  } cases[] = {
      {panel.LoadButton(), "...", "Load Advertising Play List (Spotwright0116)"},
      {panel.ClearButton(), "C", "Clear Advertising Play List"},
      {panel.LoadBlockButton(), ">>", "Add Selected Block Manual"},
      {panel.ManualButton(), "Manual", "Auto/Manual Adverts Loading"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.button->text(), c.caption);
    EXPECT_EQ(c.button->toolTip(), c.tip);
  }
  EXPECT_EQ(panel.BlockListBox()->toolTip(), "Loaded Block Times");
  EXPECT_EQ(panel.StatusLabel()->toolTip(), "KORVO XA");
  QTableView* view = panel.View();
  EXPECT_EQ(view->toolTip(), "Insertion Clips [AD's, News, Clock, Announcements, etcetera]");
  const QStringList headers = {"Block", "Clip", "AD Name"};
  for (int c = 0; c < 3; ++c) EXPECT_EQ(view->model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
  EXPECT_EQ(view->columnWidth(0), 50);
  EXPECT_TRUE(view->isColumnHidden(1));
  EXPECT_EQ(view->columnWidth(2), 148);
  QStringList entries;
  for (QAction* a : panel.ContextMenu()->actions()) entries << a->text();
  EXPECT_EQ(entries, QStringList({"Load Block Now", "Import Logos", "Import AD", "Remove AD", "Remove Block",
                                  "Clear Logos List", "Disable Logos"}));
  EXPECT_FALSE(panel.LoadBlockButton()->isEnabled());
  EXPECT_TRUE(panel.BlockListBox()->isEnabled());
}

TEST_F(AdvertsPanelTest, ShowsWhatTheModelHas) {
  LoadDay();
  EXPECT_EQ(panel.View()->model()->rowCount(), 3);
  ASSERT_EQ(panel.BlockListBox()->count(), 2);
  EXPECT_EQ(panel.BlockListBox()->itemText(1), "12:30");
  EXPECT_EQ(panel.BlockListBox()->currentIndex(), 0);
  EXPECT_EQ(panel.StatusLabel()->text(), "Ready");
  EXPECT_EQ(panel.View()->selectionModel()->currentIndex().row(), 0);

  TickAt(7, 58, 0);
  ASSERT_EQ(panel.BlockListBox()->count(), 1);
  EXPECT_EQ(panel.BlockListBox()->itemText(0), "12:30");

  panel.ManualButton()->click();
  EXPECT_TRUE(adverts.List().Manual());
  EXPECT_TRUE(panel.LoadBlockButton()->isEnabled());
  EXPECT_FALSE(panel.BlockListBox()->isEnabled());
}

TEST_F(AdvertsPanelTest, AClickOnARowIsTheModelsSelection) {
  LoadDay();
  QTableView* view = panel.View();
  view->selectionModel()->setCurrentIndex(view->model()->index(1, 0),
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  EXPECT_EQ(adverts.List().SelectedRow(), 1);
}

}  // namespace
