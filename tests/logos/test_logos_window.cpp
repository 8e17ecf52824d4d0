// The logos tool's window as the user drives it: typed fields and clicks reach the job,
// and what the job changes shows.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "LogosFixture.h"
#include "tools/logos/ui/HoursGroup.h"
#include "tools/logos/ui/LogosGroup.h"
#include "tools/logos/ui/LogosWindow.h"
#include "tools/logos/ui/PlayListGroup.h"

namespace {

class LogosWindowTest : public LogosFixture {
 protected:
  LogosWindowTest() { window.show(); }
  template <typename T>
  T* Find() const {
    return window.findChild<T*>();
  }
  QPushButton* Button(QWidget* in, const QString& caption) const {
    for (QPushButton* b : in->findChildren<QPushButton*>())
      if (b->text() == caption) return b;
    ADD_FAILURE() << caption.toStdString();
    return nullptr;
  }

  LogosWindow window{job};
};

TEST_F(LogosWindowTest, ALogoTypedAndAddedIsInsertedIntoThePlayListAndLocksTheType) {
  EXPECT_EQ(window.windowTitle(), " KORVO xa - Logos Creator/Inserter");
  LogosGroup* logos = Find<LogosGroup>();
  QTest::keyClicks(logos->NameBox()->lineEdit(), "LOGO1toolong");
  QTest::keyClicks(logos->DescriptionBox()->lineEdit(), "MORNING SPOT");
  logos->IdBox()->setCurrentIndex(logos->IdBox()->findText("S"));
  emit logos->IdBox()->activated(logos->IdBox()->currentIndex());
  EXPECT_EQ(job.Form().Name(), "LOGO1");
  QTest::mouseClick(logos->AddButton(), Qt::LeftButton);
  ASSERT_EQ(job.Logos().Records(), QStringList({"LOGO1-SMORNING SPOT"}));
  EXPECT_EQ(logos->NameBox()->count(), 1);
  EXPECT_EQ(logos->NameBox()->currentText(), "");
  EXPECT_EQ(window.StatusLine()->text(), "Logo Added");

  logos->NameBox()->activated(0);  // picked from the list
  EXPECT_EQ(logos->DescriptionBox()->currentText(), "MORNING SPOT");
  PlayListGroup* list = window.PlayList();
  EXPECT_TRUE(list->Mp3Box()->isEnabled());
  QTest::mouseClick(list->InsertButton(), Qt::LeftButton);
  ASSERT_EQ(list->View()->model()->rowCount(), 1);
  EXPECT_EQ(list->View()->model()->index(0, LogosPlayList::kCodeColumn).data().toString(), "LOGO1-S");
  EXPECT_EQ(list->View()->model()->index(0, LogosPlayList::kTimeColumn).data().toString(), "11:55");
  EXPECT_FALSE(list->Mp3Box()->isEnabled());
  EXPECT_FALSE(list->SpotwrightBox()->isEnabled());
  EXPECT_EQ(window.StatusLine()->text(), "1 Logos In Play List");
}

TEST_F(LogosWindowTest, AddMultiDisablesTheHourPickerAndTheMp3TypeEnablesInsert) {
  HoursGroup* hours = Find<HoursGroup>();
  QTest::mouseClick(hours->AddOneButton(), Qt::LeftButton);
  EXPECT_EQ(hours->AddOneButton()->text(), "Add Multi");
  EXPECT_FALSE(hours->HourBox()->isEnabled());
  EXPECT_FALSE(job.Form().AddOne());

  LogosGroup* logos = Find<LogosGroup>();
  EXPECT_FALSE(logos->InsertClipButton()->isEnabled());
  window.PlayList()->Mp3Box()->click();
  EXPECT_TRUE(window.PlayList()->Mp3Box()->isChecked());
  EXPECT_FALSE(window.PlayList()->SpotwrightBox()->isChecked());
  EXPECT_TRUE(logos->InsertClipButton()->isEnabled());
  EXPECT_FALSE(logos->NameBox()->isEnabled());
  EXPECT_EQ(logos->NameBox()->currentText(), "XXXXX");
}

TEST_F(LogosWindowTest, MenusCarryTheirEntriesAndEscapeEndsWithoutAQuestion) {
  QStringList menus;
  for (QAction* a : window.MenuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, QStringList({"Job", "Logos", "Hours", "Play List", "Tools", "Help"}));
  QStringList entries;
  for (QAction* a : window.PlayListMenu()->actions()) entries << a->text();
  EXPECT_EQ(entries, QStringList({"Clear Play List", "&Load Play List", "&Save Play List", "Remove Selected Clip"}));

  Logo("LOGO1", "1", "SPOT");
  ASSERT_EQ(job.PlayListCmds().InsertLogos(), 1);
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

}  // namespace
