// The style editor without its widgets: its working copy of the table, the buttons'
// refusals and questions, which row ends up selected, and what Save writes.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "mix/MixStyleModel.h"
#include "mix/StyleEditorModel.h"
#include "support/ScriptedDialogs.h"

namespace {

using Answer = Dialogs::Answer;

QByteArray StyleLine(const QStringList& fields) {
  QByteArray out;
  for (int i = 0; i < fields.size(); ++i)
    out += '"' + fields[i].toUtf8() + '"' + (i + 1 < fields.size() ? "," : "\r\n");
  return out;
}

QByteArray UserStyle(const char* name) {
  return StyleLine({name, "12", "20", "1", "3", "1", "40", "1", "1", "50", "0", "0", "0", "0", "0"});
}

const QByteArray kBuiltIns =
    StyleLine({"ADVS", "1", "0", "1", "2", "0", "10", "1", "1", "0", "0", "0", "0", "0", "0"}) +
    StyleLine({"DEF1", "6", "0", "1", "2", "0", "10", "46", "1", "95", "0", "0", "0", "0", "0"});
const QByteArray kTable =
    kBuiltIns + UserStyle("SLOW") +
    StyleLine({"WILD", "70", "-3", "0", "12", "9", "5", "1", "1", "100", "0", "0", "0", "0", "0"});

class StyleEditorModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QObject::connect(&editor, &StyleEditorModel::finished, [this](bool ok) { closed << ok; });
  }
  void Open(const QByteArray& bytes) {
    WriteFile(bytes);
    editor.Open();
  }
  void WriteFile(const QByteArray& bytes) {
    QFile f(dir.filePath("MxStyles.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  QByteArray FileBytes() const {
    QFile f(dir.filePath("MxStyles.txt"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
  }
  QStringList Names() const {
    QStringList names;
    for (const MixStyle& row : editor.Rows()) names << row.Name();
    return names;
  }
  QString SelectedName() const {
    const int i = editor.SelectedRow();
    return i >= 0 && i < editor.Rows().size() ? editor.Rows()[i].Name() : QString();
  }
  QStringList Fields(int row) const {
    const auto& f = editor.Rows()[row].fields;
    return QStringList(f.begin(), f.end());
  }
  int RowOf(const QString& name) const { return int(Names().indexOf(name)); }

  QTemporaryDir dir;
  ScriptedDialogs dialogs;
  StyleEditorModel editor{dialogs, dir.path() + "/"};
  QList<bool> closed;
};

TEST_F(StyleEditorModelTest, OpenReadsTheTableAndAMissingFileGivesAnEmptyList) {
  editor.Open();
  EXPECT_TRUE(editor.Rows().isEmpty());
  Open(kTable);
  EXPECT_EQ(Names(), (QStringList{"ADVS", "DEF1", "SLOW", "WILD"}));
  EXPECT_EQ(editor.SelectedRow(), -1);
  EXPECT_FALSE(editor.ListUnsaved());
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(StyleEditorModelTest, AddNewRefusesEmptyAndExistingNamesButNotTheirLowerCaseTwins) {
  struct Case {
    const char* name;
    const char* warning;  // nullptr: added at the end
  } cases[] = {
      {"", "Enter a Name for this style"},
      {"DEF1", "Choose another Style Name\nThis Style name allready exists"},
      {"SLOW", "Choose another Style Name\nThis Style name allready exists"},
      {"def1", nullptr},
      {"Slow", nullptr},
  };
  for (const Case& c : cases) {
    Open(kTable);
    dialogs.messages.clear();
    editor.EditName(QString::fromLatin1(c.name));
    editor.AddNew();
    if (c.warning) {
      ASSERT_EQ(dialogs.messages.size(), 1) << c.name;
      EXPECT_EQ(dialogs.messages[0].text, c.warning) << c.name;
      EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Warning) << c.name;
      EXPECT_EQ(Names().size(), 4) << c.name;
      EXPECT_FALSE(editor.ListUnsaved()) << c.name;
      EXPECT_TRUE(editor.StyleChanged()) << c.name;
    } else {
      EXPECT_TRUE(dialogs.messages.isEmpty()) << c.name;
      EXPECT_EQ(Names().size(), 5) << c.name;
      EXPECT_EQ(Names().last(), c.name);
      EXPECT_TRUE(editor.ListUnsaved()) << c.name;
      EXPECT_FALSE(editor.StyleChanged()) << c.name;
    }
    EXPECT_EQ(FileBytes(), kTable) << c.name << ": nothing reaches the file before Save";
  }
}

TEST_F(StyleEditorModelTest, AddNewTakesTheControlsAsTheyStand) {
  Open(kTable);
  editor.EditName("UNTOUCHED");
  editor.AddNew();
  EXPECT_EQ(Fields(4),
            (QStringList{"UNTOUCHED", "4", "0", "1", "2", "0", "25", "1", "1", "95", "0", "0", "0", "0", "0"}));

  // Moves beyond a slider's range stop at its end.
  editor.EditName("MOVED");
  editor.MoveSlider(MixSlider::Skip, 99);
  editor.MoveSlider(MixSlider::WaitLevel, 30);
  editor.MoveSlider(MixSlider::InSpeed, 7);
  editor.MoveSlider(MixSlider::OutSpeed, -1);
  editor.MoveSlider(MixSlider::MixSpeed, 5);
  editor.MoveSlider(MixSlider::StartVolume, 40);
  editor.SetMixAt(false);
  EXPECT_FALSE(editor.Slider(MixSlider::WaitLevel).enabled);
  EXPECT_EQ(editor.Slider(MixSlider::MixSpeed).label, "10");  // "%d" while dragged
  editor.AddNew();
  EXPECT_EQ(Fields(5),
            (QStringList{"MOVED", "60", "30", "0", "7", "0", "10", "1", "1", "40", "0", "0", "0", "0", "0"}));
}

TEST_F(StyleEditorModelTest, TheNameBoxHoldsTwentyCharactersAndNoQuote) {
  editor.EditName("An \"Evening\" Style For Late Listeners");
  EXPECT_EQ(editor.Name(), "An Evening Style For");
  EXPECT_EQ(editor.Name().size(), StyleEditorModel::kMaxNameChars);
}

TEST_F(StyleEditorModelTest, ClickShowsTheRowClampedToTheSliders) {
  Open(kTable);
  editor.ClickRow(RowOf("WILD"));
  EXPECT_EQ(SelectedName(), "WILD");
  EXPECT_EQ(editor.Name(), "WILD");
  struct Case {
    MixSlider slider;
    int value;
    const char* label;
  } cases[] = {{MixSlider::Skip, 60, "Skip the last 60 seconds"},
               {MixSlider::WaitLevel, 0, "-0 db"},
               {MixSlider::InSpeed, 10, "In Speed 10"},
               {MixSlider::OutSpeed, 3, "Out Speed 3"},
               {MixSlider::MixSpeed, 10, "-10"},
               {MixSlider::StartVolume, 95, "-95"}};
  for (const Case& c : cases) {
    EXPECT_EQ(editor.Slider(c.slider).value, c.value) << c.label;
    EXPECT_EQ(editor.Slider(c.slider).label, c.label);
  }
  EXPECT_FALSE(editor.MixAt());
  EXPECT_FALSE(editor.Slider(MixSlider::WaitLevel).enabled);
  EXPECT_FALSE(editor.StyleChanged());

  // A click beside the rows with nothing selected takes the first row.
  StyleEditorModel other{dialogs, dir.path() + "/"};
  other.Open();
  other.ClickRow(-1);
  EXPECT_EQ(other.SelectedRow(), 0);
  EXPECT_EQ(other.Name(), "ADVS");
}

TEST_F(StyleEditorModelTest, UpdateRefusesBuiltInsEmptyAndMissingNames) {
  struct Case {
    const char* name;
    const char* warning;
  } cases[] = {
      {"DEF1", "You can't Update 'DEF1' or 'ADVS' Mix Style"},
      {"ADVS", "You can't Update 'DEF1' or 'ADVS' Mix Style"},
      {"", "Enter a Name for this style"},
      {"GONE", "The style you try to Update does not exists"},
      {"slow", "The style you try to Update does not exists"},
  };
  for (const Case& c : cases) {
    Open(kTable);
    dialogs.messages.clear();
    editor.EditName(QString::fromLatin1(c.name));
    editor.MoveSlider(MixSlider::Skip, 33);
    editor.Update();
    EXPECT_EQ(dialogs.Texts(), QStringList{c.warning}) << c.name;
    EXPECT_EQ(Names(), (QStringList{"ADVS", "DEF1", "SLOW", "WILD"})) << c.name;
    EXPECT_EQ(Fields(0)[1], "1") << c.name;
    EXPECT_FALSE(editor.ListUnsaved()) << c.name;
  }
}

TEST_F(StyleEditorModelTest, UpdateMovesTheStyleToTheEndWithoutAskingToRemoveIt) {
  Open(kTable);
  editor.ClickRow(RowOf("SLOW"));
  editor.MoveSlider(MixSlider::Skip, 15);
  editor.Update();
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(Names(), (QStringList{"ADVS", "DEF1", "WILD", "SLOW"}));
  EXPECT_EQ(Fields(3), (QStringList{"SLOW", "15", "20", "1", "3", "1", "40", "1", "1", "50", "0", "0", "0", "0", "0"}));
  EXPECT_TRUE(editor.ListUnsaved());
  EXPECT_FALSE(editor.StyleChanged());
  // The row that moved into the old one's place is selected.
  EXPECT_EQ(SelectedName(), "WILD");
}

// A click on another row after an edit offers the update first; either way the row that
// was clicked is shown, even though the update moved the rows under it.
TEST_F(StyleEditorModelTest, ClickAfterAnEditOffersToUpdate) {
  struct Case {
    Answer answer;
    QStringList names;
  } cases[] = {{Answer::Yes, {"ADVS", "DEF1", "WILD", "SLOW"}}, {Answer::No, {"ADVS", "DEF1", "SLOW", "WILD"}}};
  for (const Case& c : cases) {
    Open(kTable);
    dialogs.messages.clear();
    editor.ClickRow(RowOf("SLOW"));
    editor.MoveSlider(MixSlider::InSpeed, 9);
    dialogs.answers.enqueue(c.answer);
    editor.ClickRow(RowOf("WILD"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, "Style has changed\nDo you want to update the Style?");
    EXPECT_EQ(dialogs.messages[0].buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Question);
    EXPECT_EQ(Names(), c.names);
    EXPECT_EQ(editor.Name(), "WILD");
    EXPECT_EQ(SelectedName(), "WILD");
    EXPECT_EQ(editor.Slider(MixSlider::InSpeed).value, 10);
    EXPECT_FALSE(editor.StyleChanged());
    EXPECT_EQ(editor.ListUnsaved(), c.answer == Answer::Yes);
  }
  EXPECT_EQ(Fields(RowOf("SLOW"))[4], "3");  // answered no: unchanged

  // Clicking the edited style itself and updating it shows its new version.
  Open(kTable);
  editor.ClickRow(RowOf("SLOW"));
  editor.MoveSlider(MixSlider::InSpeed, 9);
  dialogs.answers.enqueue(Answer::Yes);
  editor.ClickRow(RowOf("SLOW"));
  EXPECT_EQ(SelectedName(), "SLOW");
  EXPECT_EQ(editor.SelectedRow(), 3);
  EXPECT_EQ(editor.Slider(MixSlider::InSpeed).value, 9);
}

TEST_F(StyleEditorModelTest, RemoveRefusesTheBuiltInStyles) {
  for (const char* name : {"ADVS", "DEF1"}) {
    Open(kTable);
    dialogs.messages.clear();
    editor.ClickRow(RowOf(name));
    editor.Remove();
    EXPECT_EQ(dialogs.Texts(), QStringList{"You can't remove 'DEF1' or 'ADVS' Mix Style"}) << name;
    EXPECT_EQ(Names().size(), 4) << name;
    EXPECT_FALSE(editor.ListUnsaved()) << name;
  }
}

TEST_F(StyleEditorModelTest, RemoveAsksAndSelectsTheRowThatMovedUpElseTheFirst) {
  const QByteArray five = UserStyle("A") + UserStyle("B") + UserStyle("C") + UserStyle("D") + UserStyle("E");
  struct Case {
    int row;
    const char* selected;
  } cases[] = {{0, "B"}, {2, "D"}, {1, "C"}, {4, "A"}};
  for (const Case& c : cases) {
    Open(five);
    dialogs.messages.clear();
    const QString name = Names()[c.row];
    editor.ClickRow(c.row);
    dialogs.answers.enqueue(Answer::Yes);
    editor.Remove();
    ASSERT_EQ(dialogs.messages.size(), 1) << c.row;
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Do you want to remove the '%1' Style from Mix Styles List?").arg(name));
    EXPECT_EQ(dialogs.messages[0].buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(Names().size(), 4) << c.row;
    EXPECT_FALSE(Names().contains(name)) << c.row;
    EXPECT_EQ(SelectedName(), c.selected) << c.row;
    EXPECT_TRUE(editor.ListUnsaved()) << c.row;
  }

  // Answered no, or with nothing to remove, nothing changes.
  Open(five);
  editor.ClickRow(1);
  dialogs.answers.enqueue(Answer::No);
  editor.Remove();
  EXPECT_EQ(Names().size(), 5);
  EXPECT_FALSE(editor.ListUnsaved());
  Open(UserStyle("LAST"));
  editor.ClickRow(0);
  dialogs.answers.enqueue(Answer::Yes);
  editor.Remove();
  EXPECT_TRUE(editor.Rows().isEmpty());
  EXPECT_EQ(editor.SelectedRow(), -1);
  dialogs.messages.clear();
  editor.Remove();
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(StyleEditorModelTest, SaveWritesOnlyCanonicalLines) {
  Open(
      "\"ADVS\" \"1\" \"0\" \"1\" \"2\" \"0\" \"10\" \"1\" \"1\" \"0\" \"0\" \"0\" \"0\" \"0\" \"0\"\n"
      "\"DEF1\";\"6\";\"0\";\"1\";\"2\";\"0\";\"10\";\"46\";\"1\";\"95\";\"0\";\"0\";\"0\";\"0\";\"0\"");
  editor.EditName("NIGHT");
  editor.MoveSlider(MixSlider::Skip, 12);
  editor.AddNew();
  dialogs.answers.enqueue(Answer::No);
  editor.Save();
  EXPECT_EQ(FileBytes(),
            "\"ADVS\",\"1\",\"0\",\"1\",\"2\",\"0\",\"10\",\"1\",\"1\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n"
            "\"DEF1\",\"6\",\"0\",\"1\",\"2\",\"0\",\"10\",\"46\",\"1\",\"95\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n"
            "\"NIGHT\",\"12\",\"0\",\"1\",\"2\",\"0\",\"25\",\"1\",\"1\",\"95\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n");
  EXPECT_FALSE(editor.ListUnsaved());
  EXPECT_EQ(dialogs.Texts(), QStringList{"Changes saved\n\nDo you want to exit Mix Styles Editor?"});
  EXPECT_TRUE(closed.isEmpty());

  // Saving again and answering yes exits with OK, without asking about unsaved changes.
  dialogs.answers.enqueue(Answer::Yes);
  editor.Save();
  EXPECT_EQ(closed, QList<bool>{true});
  EXPECT_EQ(dialogs.messages.size(), 2);
}

TEST_F(StyleEditorModelTest, AFailedSaveWarnsAndKeepsTheChangesUnsaved) {
  QTemporaryDir other;
  const QString folder = other.filePath("gone") + "/";
  StyleEditorModel lost{dialogs, folder};
  lost.EditName("NIGHT");
  lost.AddNew();
  lost.Save();
  EXPECT_EQ(dialogs.Texts(), QStringList{"Can't create " + folder + "MxStyles.txt"});
  EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Warning);
  EXPECT_TRUE(lost.ListUnsaved());

  // An empty list is never saved: the station would start with the built-in styles.
  editor.Open();
  dialogs.messages.clear();
  editor.Save();
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_FALSE(QFile::exists(dir.filePath("MxStyles.txt")));
}

TEST_F(StyleEditorModelTest, ExitWithUnsavedChangesAsksAndCancelNever) {
  Open(kTable);
  editor.Exit();
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(closed, QList<bool>{true});

  closed.clear();
  editor.EditName("NIGHT");
  editor.AddNew();
  dialogs.answers.enqueue(Answer::No);
  editor.Exit();
  EXPECT_EQ(dialogs.Texts(), QStringList{"Do you want to exit without saving Mix Styles List?"});
  EXPECT_EQ(dialogs.messages[0].buttons, Dialogs::Buttons::YesNo);
  EXPECT_TRUE(closed.isEmpty());
  dialogs.answers.enqueue(Answer::Yes);
  editor.Exit();
  EXPECT_EQ(closed, QList<bool>{true});
  EXPECT_EQ(FileBytes(), kTable);

  closed.clear();
  dialogs.messages.clear();
  editor.Cancel();
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(closed, QList<bool>{false});
  EXPECT_EQ(FileBytes(), kTable);
}

// After Exit the window reloads the table and applies the default style: a saved style
// is offered in the "Mix Style" group; an unsaved one is not.
TEST_F(StyleEditorModelTest, TheMixStyleGroupSeesOnlySavedStylesAfterExit) {
  MixSettings settings;
  MixStyleModel group{settings, nullptr, nullptr, dir.path() + "/"};
  Open(kTable);
  ASSERT_EQ(group.LoadStyles(), 4);
  editor.EditName("UNSAVED");
  editor.AddNew();
  dialogs.answers.enqueue(Answer::Yes);
  editor.Exit();
  group.ReloadAfterEditor("DEF1");
  EXPECT_EQ(group.StyleNames(), (QStringList{"ADVS", "DEF1", "SLOW", "WILD"}));

  Open(kTable);
  editor.EditName("NIGHT");
  editor.MoveSlider(MixSlider::Skip, 15);
  editor.AddNew();
  dialogs.answers.enqueue(Answer::Yes);
  editor.Save();
  group.ReloadAfterEditor("DEF1");
  EXPECT_EQ(group.StyleNames(), (QStringList{"ADVS", "DEF1", "SLOW", "WILD", "NIGHT"}));
  EXPECT_EQ(settings.appliedStyleName, "DEF1");
  group.ChooseStyle(4);
  EXPECT_EQ(settings.skipSecOffset, 15);
  EXPECT_EQ(group.currentStyleName(), "NIGHT");
}

}  // namespace
