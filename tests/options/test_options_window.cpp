// The two dialogs in the main window: opened by their tool buttons and keys through the
// console commands, working on the station's settings and engine.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/StationFixture.h"
#include "options/ui/EngineInfoDialog.h"
#include "options/ui/OptionsDialog.h"

namespace {

// Runs check on the modal dialog of type D as soon as it is shown, then closes it.
template <typename D>
void WhenShown(const std::function<void(D&)>& check) {
  // Owned by the application, so a dialog that never shows leaves nothing behind.
  auto* poll = new QTimer(qApp);
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, check] {
    auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
    if (!d || !d->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    check(*d);
    d->reject();
  });
  poll->start();
}

TEST(OptionsWindow, TheOButtonSavesTheDeckValuesThenOpensTheOptions) {
  TestStation s;
  s.settings.Write(settings::kKeepPlayLog, true);
  auto w = s.Open();
  bool seen = false;
  WhenShown<OptionsDialog>([&](OptionsDialog& d) {
    seen = true;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("KORVO XA Options"));
    EXPECT_EQ(d.ListOf(OptionsModel::List::MainOut)->itemText(0), QStringLiteral("Null output"));
    EXPECT_FALSE(d.Button(QStringLiteral("APPLY"))->isEnabled());
    d.Button(QStringLiteral("Set Working Mode"))->click();
  });
  w->ToolButton(QStringLiteral("O"))->click();
  EXPECT_TRUE(seen);
  EXPECT_TRUE(s.LogText().contains(QStringLiteral("\"APP\",\"Registry Entries Saved\"")));
  EXPECT_TRUE(s.system.calls.contains(QStringLiteral("StartProgram KorvoMd")));
  EXPECT_TRUE(s.system.calls.contains(QStringLiteral("InhibitScreenSaver 1")));
}

TEST(OptionsWindow, ApplyFromTheDialogReachesTheStationAndThePlayLogIndicator) {
  TestStation s;
  auto w = s.Open();
  ASSERT_FALSE(w->PlayLogIndicatorShown());
  s.dialogs.defaultAnswer = Dialogs::Answer::Ok;
  WhenShown<OptionsDialog>([&](OptionsDialog& d) {
    for (auto list : {OptionsModel::List::MainOut, OptionsModel::List::Monitor}) {
      QComboBox* combo = d.ListOf(list);
      combo->setCurrentIndex(0);
      emit combo->activated(0);
    }
    d.ListOf(OptionsModel::List::Fps)->setCurrentIndex(0);
    emit d.ListOf(OptionsModel::List::Fps)->activated(0);
    for (QCheckBox* box : d.findChildren<QCheckBox*>())
      if (box->text() == QStringLiteral("Log Players clips to 'korvolog.dat' file")) box->click();
    d.Button(QStringLiteral("APPLY"))->click();
  });
  w->StationState().Commands().Run(ConsoleCommand::Options);
  EXPECT_EQ(s.settings.ReadSettingValue(QStringLiteral("FPS")), QStringLiteral("25"));
  EXPECT_EQ(w->Settings().fps, 25);
  EXPECT_EQ(s.settings.ReadSettingValue(QStringLiteral("Output Device")), QStringLiteral("Null output"));
  EXPECT_TRUE(s.dialogs.Texts().contains(QStringLiteral("Options and Preferances saved!")));
  EXPECT_TRUE(w->PlayLogIndicatorShown());
}

TEST(OptionsWindow, TheIButtonShowsTheReportAndTheModulesTheEngineReports) {
  TestStation s;
  auto w = s.Open();
  bool seen = false;
  WhenShown<EngineInfoDialog>([&](EngineInfoDialog& d) {
    seen = true;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("KORVO XA - Application & Engine Informations"));
    EXPECT_EQ(d.Report()->item(0)->text(), QStringLiteral("===Player 1 info==="));
    EXPECT_EQ(d.Report()->count(), 39);
    XA_Player* player1 = s.engine.PlayerAt(0);
    EXPECT_EQ(s.engine.Commands(player1, XA_MSG_COMMAND_INPUT_MODULES_LIST).size(), 1u);
    EXPECT_EQ(s.engine.Commands(player1, XA_MSG_COMMAND_OUTPUT_MODULES_LIST).size(), 1u);
    s.engine.NotifyText(player1, XA_MSG_NOTIFY_INPUT_MODULE_INFO, QStringLiteral("mp3 in"));
    s.engine.NotifyText(player1, XA_MSG_NOTIFY_OUTPUT_MODULE_INFO, QStringLiteral("sound out"));
    ASSERT_EQ(d.InputModules()->count(), 1);
    EXPECT_EQ(d.InputModules()->item(0)->text(), QStringLiteral("mp3 in"));
    ASSERT_EQ(d.OutputModules()->count(), 1);
    EXPECT_EQ(d.OutputModules()->item(0)->text(), QStringLiteral("sound out"));
  });
  w->ToolButton(QStringLiteral("I"))->click();
  EXPECT_TRUE(seen);
}

TEST(OptionsWindow, CtrlOAndCtrlIOpenTheDialogs) {
  TestStation s;
  auto w = s.Open();
  w->show();
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
  QString options, info;
  WhenShown<OptionsDialog>([&](OptionsDialog& d) { options = d.windowTitle(); });
  QTest::keyClick(w.get(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(options, QStringLiteral("KORVO XA Options"));
  w->activateWindow();  // back from the dialog
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
  WhenShown<EngineInfoDialog>([&](EngineInfoDialog& d) { info = d.windowTitle(); });
  QTest::keyClick(w.get(), Qt::Key_I, Qt::ControlModifier);
  EXPECT_EQ(info, QStringLiteral("KORVO XA - Application & Engine Informations"));
}

}  // namespace
