#include "support/ScriptedDialogs.h"
#include "platform/ui/QtDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace {

// Runs act on the first modal widget of type W once it is shown (the real dialogs block in
// their own event loop, so the check is scheduled before they open).
template <typename W>
void WhenShown(std::function<void(W*)> act) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
    if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget()); w && w->isVisible()) {
      poll->stop();
      poll->deleteLater();
      act(w);
    }
  });
  poll->start(10);
}

using D = Dialogs;

TEST(QtDialogsTest, MessageBoxesShowTheRightIconButtonsAndDefault) {
  struct Case {
    D::Icon icon;
    D::Buttons buttons;
    D::Answer defaultButton;
    QMessageBox::Icon qtIcon;
    QMessageBox::StandardButtons qtButtons;
    QMessageBox::StandardButton qtDefault;  // NoButton: whatever Qt picks
    QMessageBox::StandardButton click;      // NoButton: press Escape
    D::Answer answer;
  };
  const Case cases[] = {
      {D::Icon::Question, D::Buttons::YesNo, D::Answer::No, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
       QMessageBox::No, QMessageBox::Yes, D::Answer::Yes},
      {D::Icon::Question, D::Buttons::YesNo, D::Answer::No, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
       QMessageBox::No, QMessageBox::NoButton, D::Answer::No},
      {D::Icon::Warning, D::Buttons::Ok, D::Answer::Ok, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok,
       QMessageBox::Ok, D::Answer::Ok},
      {D::Icon::Information, D::Buttons::Ok, D::Answer::Ok, QMessageBox::Information, QMessageBox::Ok,
       QMessageBox::Ok, QMessageBox::NoButton, D::Answer::Ok},
      {D::Icon::Error, D::Buttons::OkCancel, D::Answer::Ok, QMessageBox::Critical,
       QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel, D::Answer::Cancel},
      {D::Icon::None, D::Buttons::YesNoCancel, D::Answer::Yes, QMessageBox::NoIcon,
       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::No, D::Answer::No},
      {D::Icon::Question, D::Buttons::YesNoCancel, D::Answer::Yes, QMessageBox::Question,
       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::NoButton,
       D::Answer::Cancel},
      // A default that is not one of the buttons adds nothing.
      {D::Icon::Warning, D::Buttons::Ok, D::Answer::No, QMessageBox::Warning, QMessageBox::Ok,
       QMessageBox::NoButton, QMessageBox::Ok, D::Answer::Ok},
  };
  QtDialogs dialogs(nullptr);
  int row = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(row++);
    bool seen = false;
    WhenShown<QMessageBox>([&](QMessageBox* box) {
      seen = true;
      EXPECT_EQ(box->text(), QStringLiteral("Quit KORVO xa?"));
      EXPECT_EQ(box->windowTitle(), QStringLiteral("KORVO XA"));
      EXPECT_EQ(box->icon(), c.qtIcon);
      EXPECT_EQ(box->standardButtons(), c.qtButtons);
      if (c.qtDefault != QMessageBox::NoButton) {
        EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), box->button(c.qtDefault));
      }
      if (c.click == QMessageBox::NoButton)
        QTest::keyClick(box, Qt::Key_Escape);
      else
        box->button(c.click)->click();
    });
    EXPECT_EQ(dialogs.Message(QStringLiteral("Quit KORVO xa?"), QStringLiteral("KORVO XA"), c.icon, c.buttons,
                              c.defaultButton),
              c.answer);
    EXPECT_TRUE(seen);
  }
}

TEST(QtDialogsTest, TextEntryReportsAcceptAndCancel) {
  QtDialogs dialogs(nullptr);
  bool ok = false;
  WhenShown<QInputDialog>([](QInputDialog* d) {
    d->setTextValue(QStringLiteral("BLOCK 08:00"));
    d->accept();
  });
  EXPECT_EQ(dialogs.Text(QStringLiteral("Caption"), QStringLiteral("Name"), QStringLiteral("x"), &ok),
            QStringLiteral("BLOCK 08:00"));
  EXPECT_TRUE(ok);
  WhenShown<QInputDialog>([](QInputDialog* d) { d->reject(); });
  EXPECT_EQ(dialogs.Text(QStringLiteral("Caption"), QStringLiteral("Name"), QStringLiteral("x"), &ok), QString());
  EXPECT_FALSE(ok);
}

TEST(ScriptedDialogsTest, AnswersFromTheQueueThenFromTheDefault) {
  ScriptedDialogs dialogs;
  Dialogs& d = dialogs;
  dialogs.answers << D::Answer::Yes;
  EXPECT_EQ(d.Message(QStringLiteral("one"), QStringLiteral("T"), D::Icon::Question, D::Buttons::YesNo, D::Answer::No),
            D::Answer::Yes);
  // Queue empty: the box's own default button, as Enter would choose.
  EXPECT_EQ(d.Message(QStringLiteral("two"), QStringLiteral("T"), D::Icon::Question, D::Buttons::YesNo, D::Answer::No),
            D::Answer::No);
  dialogs.defaultAnswer = D::Answer::Yes;
  EXPECT_EQ(d.Message(QStringLiteral("three"), QStringLiteral("T"), D::Icon::Warning, D::Buttons::YesNo, D::Answer::No),
            D::Answer::Yes);
  EXPECT_EQ(dialogs.Texts(), (QStringList{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")}));
  ASSERT_EQ(dialogs.messages.size(), 3);
  EXPECT_EQ(dialogs.messages[2].icon, D::Icon::Warning);
  EXPECT_EQ(dialogs.messages[2].buttons, D::Buttons::YesNo);
  EXPECT_EQ(dialogs.messages[2].defaultButton, D::Answer::No);
}

TEST(ScriptedDialogsTest, FileDialogsAnswerInOrderAndCancelWhenEmpty) {
  ScriptedDialogs dialogs;
  Dialogs& d = dialogs;
  dialogs.openFiles << QStringList{QStringLiteral("/a.prl"), QStringLiteral("/b.prl")}
                    << QStringList{QStringLiteral("/c.mp3"), QStringLiteral("/d.mp3")};
  dialogs.saveFiles << QStringLiteral("/out.prl");
  dialogs.texts << std::optional<QString>(QStringLiteral("NAME")) << std::nullopt;
  EXPECT_EQ(d.OpenFiles(QStringLiteral("Open"), QStringLiteral("/f"), QStringLiteral("*.prl"), false),
            QStringList{QStringLiteral("/a.prl")});
  EXPECT_EQ(d.OpenFiles(QStringLiteral("Open"), QStringLiteral("/f"), QStringLiteral("*.mp3"), true),
            (QStringList{QStringLiteral("/c.mp3"), QStringLiteral("/d.mp3")}));
  EXPECT_TRUE(d.OpenFiles(QStringLiteral("Open"), {}, {}, true).isEmpty());
  EXPECT_EQ(d.SaveFile(QStringLiteral("Save"), {}, {}), QStringLiteral("/out.prl"));
  EXPECT_TRUE(d.SaveFile(QStringLiteral("Save"), {}, {}).isEmpty());
  EXPECT_TRUE(d.Folder(QStringLiteral("Folder"), {}).isEmpty());
  bool ok = false;
  EXPECT_EQ(d.Text(QStringLiteral("T"), QStringLiteral("L"), {}, &ok), QStringLiteral("NAME"));
  EXPECT_TRUE(ok);
  EXPECT_TRUE(d.Text(QStringLiteral("T"), QStringLiteral("L"), {}, &ok).isEmpty());
  EXPECT_FALSE(ok);
  ASSERT_EQ(dialogs.fileDialogs.size(), 8);
  EXPECT_EQ(dialogs.fileDialogs[0].filter, QStringLiteral("*.prl"));
  EXPECT_EQ(dialogs.fileDialogs[0].folder, QStringLiteral("/f"));
}

}  // namespace
