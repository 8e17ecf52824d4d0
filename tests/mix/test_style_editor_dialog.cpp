// The "Edit Mix Styles" dialog as a view: its list, captions and controls, and the user's
// clicks, typing and buttons reaching the editor model.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "mix/StyleEditorModel.h"
#include "mix/ui/StyleEditorDialog.h"
#include "support/ScriptedDialogs.h"

namespace {

const QByteArray kTable =
    "\"ADVS\",\"1\",\"0\",\"1\",\"2\",\"0\",\"10\",\"1\",\"1\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n"
    "\"DEF1\",\"6\",\"0\",\"1\",\"2\",\"0\",\"10\",\"46\",\"1\",\"95\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n"
    "\"SLOW\",\"12\",\"20\",\"1\",\"3\",\"1\",\"40\",\"1\",\"1\",\"50\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n";

class StyleEditorDialogTest : public ::testing::Test {
 protected:
  static QByteArray Written(const QTemporaryDir& dir) {
    QFile f(dir.filePath("MxStyles.txt"));
    if (f.open(QIODevice::WriteOnly)) f.write(kTable);
    return kTable;
  }
  template <typename W>
  W* Child(const QString& name) {
    W* w = dialog.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }
  void ClickRow(int row) {
    QTableView* list = dialog.List();
    const QRect cell = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    QCoreApplication::processEvents();  // the click is handled queued
  }

  QTemporaryDir dir;
  QByteArray original = Written(dir);
  ScriptedDialogs dialogs;
  StyleEditorModel model{dialogs, dir.path() + "/"};
  StyleEditorDialog dialog{model};
};

TEST_F(StyleEditorDialogTest, ShowsTheListAndControlsAsTheEditorHasThem) {
  EXPECT_EQ(dialog.windowTitle(), "Edit Mix Styles");
  QTableView* list = dialog.List();
  QAbstractItemModel* rows = list->model();
  ASSERT_EQ(rows->rowCount(), 3);
  ASSERT_EQ(rows->columnCount(), 15);
  const QStringList headers = {"Style Name", "Override",  "MIX @db",  "Wait ON",  "Force IN",
                               "Force OUT",  "Mix Speed", "In Step",  "Out Step", "Start From db",
                               "Reserved",   "Reserved",  "Reserved", "Reserved", "Reserved"};
  for (int c = 0; c < 15; ++c) {
    EXPECT_EQ(rows->headerData(c, Qt::Horizontal).toString(), headers[c]) << c;
    const int width = c == 0 ? 100 : (c <= 6 || c == 9 ? 24 : 0);
    EXPECT_EQ(list->isColumnHidden(c) ? 0 : list->columnWidth(c), width) << c;
  }
  EXPECT_EQ(rows->index(2, 0).data().toString(), "SLOW");
  EXPECT_EQ(rows->index(2, 9).data().toString(), "50");
  EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
  // The built-in styles carry one picture, the station's own another.
  const auto picture = [rows](int row) {
    return rows->index(row, 0).data(Qt::DecorationRole).value<QIcon>().pixmap(12).toImage();
  };
  EXPECT_EQ(picture(0), picture(1));
  EXPECT_NE(picture(0), picture(2));

  EXPECT_EQ(Child<QLineEdit>("nameBox")->maxLength(), 20);
  for (const char* caption : {"Add New", "Update", "Remove", "Save", "Exit", "Cancel"})
    EXPECT_NE(dialog.Button(caption), nullptr) << caption;
  EXPECT_TRUE(Child<QCheckBox>("mixAtBox")->isChecked());
  EXPECT_EQ(Child<QLabel>("skipLabel")->text(), "Skip the last 4 seconds");
  EXPECT_EQ(Child<QSlider>("mixSpeedSlider")->value(), 25);
  EXPECT_EQ(Child<QSlider>("mixSpeedSlider")->minimum(), 10);
  EXPECT_EQ(Child<QSlider>("startVolumeSlider")->value(), 95);
  EXPECT_TRUE(Child<QSlider>("waitSlider")->isEnabled());
}

TEST_F(StyleEditorDialogTest, AClickShowsTheRowAndTheUsersEditsReachTheEditor) {
  ClickRow(2);
  EXPECT_EQ(Child<QLineEdit>("nameBox")->text(), "SLOW");
  EXPECT_EQ(Child<QSlider>("skipSlider")->value(), 12);
  EXPECT_EQ(Child<QLabel>("mixSpeedLabel")->text(), "-40");
  EXPECT_EQ(Child<QSlider>("waitSlider")->value(), 20);

  Child<QCheckBox>("mixAtBox")->click();
  EXPECT_FALSE(Child<QSlider>("waitSlider")->isEnabled());
  EXPECT_FALSE(Child<QLabel>("waitLabel")->isEnabled());
  QLineEdit* name = Child<QLineEdit>("nameBox");
  name->selectAll();
  QTest::keyClicks(name, "NI\"GHT");
  EXPECT_EQ(name->text(), "NIGHT");
  EXPECT_EQ(model.Name(), "NIGHT");
  dialog.Button("Add New")->click();
  ASSERT_EQ(dialog.List()->model()->rowCount(), 4);
  EXPECT_EQ(dialog.List()->model()->index(3, 0).data().toString(), "NIGHT");
  EXPECT_EQ(dialog.List()->model()->index(3, 3).data().toString(), "0");

  // Remove the selected SLOW: the row that moved into its place is selected.
  ClickRow(2);
  dialogs.answers.enqueue(Dialogs::Answer::Yes);
  dialog.Button("Remove")->click();
  EXPECT_EQ(dialog.List()->model()->rowCount(), 3);
  EXPECT_EQ(dialog.List()->currentIndex().row(), 2);
  EXPECT_TRUE(dialog.List()->selectionModel()->isRowSelected(2, {}));
}

TEST_F(StyleEditorDialogTest, ExitAcceptsAndCancelOrEscapeRejects) {
  struct Case {
    const char* how;
    int result;
  } cases[] = {{"Exit", QDialog::Accepted}, {"Cancel", QDialog::Rejected}, {"Escape", QDialog::Rejected}};
  for (const Case& c : cases) {
    StyleEditorModel editor{dialogs, dir.path() + "/"};
    StyleEditorDialog shown{editor};
    shown.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown));
    if (QByteArray(c.how) == "Escape")
      QTest::keyClick(&shown, Qt::Key_Escape);
    else
      shown.Button(c.how)->click();
    EXPECT_FALSE(shown.isVisible()) << c.how;
    EXPECT_EQ(shown.result(), c.result) << c.how;
  }
}

}  // namespace
