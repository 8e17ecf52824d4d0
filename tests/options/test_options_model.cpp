// The Options dialog's model: what it shows from the settings, what enables APPLY, APPLY's
// warnings and writes, EXIT, the advert-loading pair and the buttons that start programs.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "options/OptionsModel.h"
#include "options/RemotePorts.h"
#include "platform/SettingsStore.h"
#include "platform/SystemServices.h"
#include "support/ScriptedDialogs.h"

namespace {

using L = OptionsModel::List;

struct FakeProbe final : PortProbe {
  QStringList present;
  bool Opens(const QString& device) override { return present.contains(device); }
};

XaOutputDevice Device(int index, const char* name) {
  XaOutputDevice d;
  d.index = index;
  d.name = QString::fromLatin1(name);
  d.hostApi = QStringLiteral("ALSA");
  d.maxChannels = 2;
  d.defaultRate = 48000;
  d.defaultLatencyMs = 5.3;
  return d;
}

class OptionsTest : public ::testing::Test {
 protected:
  OptionsModel& Open(int screenWidth = 1024) {
    OptionsModel::Hooks hooks;
    hooks.applied = [this](int main, int monitor) { applied.append({main, monitor}); };
    hooks.findMixer = [this] { return mixer; };
    model = std::make_unique<OptionsModel>(store, dialogs, system, probe, std::move(hooks));
    OptionsModel::Sources sources;
    sources.devices = devices;
    sources.styles = {QStringLiteral("ADVS"), QStringLiteral("DEF1"), QStringLiteral("SLOW")};
    sources.screenWidth = screenWidth;
    model->Open(sources);
    return *model;
  }
  QString Stored(const char* name) const { return store.ReadSettingValue(QString::fromLatin1(name)); }

  QTemporaryDir dir;
  SettingsStore store{dir.filePath(QStringLiteral("KORVO XA.ini"))};
  ScriptedDialogs dialogs;
  FakeSystemServices system;
  FakeProbe probe;
  QList<XaOutputDevice> devices{Device(0, "Card A"), Device(1, "Card B")};
  QString mixer;
  QList<QPair<int, int>> applied;
  std::unique_ptr<OptionsModel> model;
};

TEST_F(OptionsTest, ApplyWithoutBothOutputsWarnsOnceAndWritesNothing) {
  struct Case {
    int main, monitor;
    const char* warning;
  };
  for (const Case c : {Case{-1, -1, "Select the output soundcard"}, Case{-1, 1, "Select the output soundcard"},
                       Case{0, -1, "Select the Monitor soundcard"}}) {
    dialogs.messages.clear();
    OptionsModel& m = Open();
    m.Choose(L::MainOut, c.main);
    m.Choose(L::Monitor, c.monitor);
    EXPECT_FALSE(m.Apply());
    ASSERT_EQ(dialogs.messages.size(), 1) << c.warning;
    EXPECT_EQ(dialogs.messages[0].text, QString::fromLatin1(c.warning));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Can't update preferances"));
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Warning);
    EXPECT_TRUE(m.ApplyEnabled());
    EXPECT_FALSE(store.Has(QStringLiteral("FPS")));
    EXPECT_TRUE(applied.isEmpty());
  }
}

TEST_F(OptionsTest, ApplyWritesEveryValueInOrderThenTellsTheStation) {
  probe.present = {QStringLiteral("/dev/ttyS1")};
  OptionsModel& m = Open();
  m.Choose(L::MainOut, 1);
  m.Choose(L::Monitor, 0);
  m.Choose(L::Fps, 0);
  m.Choose(L::Style, 2);
  m.Choose(L::RemotePort, 0);
  m.SetStartUpProgram(QStringLiteral("/station/morning.prl"));
  m.SetChangeResolution(true);
  m.ClickAdvertsFilenames();
  m.SetKeepPlayLog(true);
  ASSERT_TRUE(m.Apply());

  const QStringList order{"FPS",
                          "Output Device",
                          "Output Device ID",
                          "Monitor Device",
                          "Monitor Device ID",
                          "Def Mix Style",
                          "Remote Control Port",
                          "Def OnStartUp Program",
                          "Change Resolution At Startup",
                          "Adverts Loading type",
                          "Keep Play Log",
                          "Allow System Restart"};
  const QStringList values{"25", "Card B", "1", "Card A", "0", "SLOW", "COM2", "/station/morning.prl",
                           "1",  "1",      "1", "0"};
  QStringList written;
  for (const OptionsWrite& w : m.Writes()) written << QString::fromLatin1(w.Name());
  EXPECT_EQ(written, order);
  for (int i = 0; i < order.size(); ++i)
    EXPECT_EQ(store.ReadSettingValue(order[i]), values[i]) << order[i].toStdString();
  EXPECT_EQ(applied, (QList<QPair<int, int>>{{1, 0}}));
  EXPECT_FALSE(m.ApplyEnabled());
  ASSERT_FALSE(dialogs.messages.isEmpty());
  EXPECT_EQ(dialogs.messages.last().text, QStringLiteral("Options and Preferances saved!"));
}

TEST_F(OptionsTest, OpeningShowsTheStoredValues) {
  store.Write(settings::kOutputDevice, QStringLiteral("Card B"));
  store.Write(settings::kMonitorDevice, QStringLiteral("Card A"));
  store.Write(settings::kDefMixStyle, QStringLiteral("DEF1"));
  store.Write(settings::kRemotePort, QStringLiteral("NULL"));
  store.Write(settings::kStartUpProgram, QStringLiteral("/a.prl"));
  store.Write(settings::kChangeResolution, true);
  store.Write(settings::kAdvertsLoadingType, 1);
  store.Write(settings::kKeepPlayLog, true);
  store.Write(settings::kAllowSystemRestart, true);
  OptionsModel& m = Open();
  EXPECT_EQ(m.Of(L::MainOut).selected, 1);
  EXPECT_EQ(m.Of(L::Monitor).selected, 0);
  EXPECT_EQ(m.Of(L::Style).Text(), QStringLiteral("DEF1"));
  EXPECT_EQ(m.Of(L::RemotePort).items, QStringList{QStringLiteral("NULL")});
  EXPECT_EQ(m.Of(L::RemotePort).selected, 0);
  EXPECT_EQ(m.StartUpProgram(), QStringLiteral("/a.prl"));
  EXPECT_TRUE(m.ChangeResolution());
  EXPECT_TRUE(m.AdvertsByFilenames());
  EXPECT_TRUE(m.KeepPlayLog());
  EXPECT_TRUE(m.AllowSystemRestart());
  EXPECT_FALSE(m.ApplyEnabled());
}

TEST_F(OptionsTest, FpsShowsWhatTheStationPlaysAt) {
  struct Case {
    const char* stored;  // null: missing
    const char* shown;
  };
  for (const Case c : {Case{"25", "25"}, Case{"30", "30"}, Case{"24", "25"}, Case{nullptr, "30"}}) {
    if (c.stored)
      store.WriteSettingValue(QStringLiteral("FPS"), QString::fromLatin1(c.stored));
    else
      QFile::remove(store.FilePath());
    OptionsModel& m = Open();
    EXPECT_EQ(m.Of(L::Fps).Text(), QString::fromLatin1(c.shown)) << (c.stored ? c.stored : "missing");
    EXPECT_GE(m.Of(L::Fps).selected, 0);
  }
}

TEST_F(OptionsTest, AListWithNothingChosenWritesBackWhatItWasOpenedWith) {
  // A style no longer in the table, a port not there today: the station keeps them rather
  // than getting an empty value.
  store.Write(settings::kDefMixStyle, QStringLiteral("GONE"));
  store.Write(settings::kRemotePort, QStringLiteral("COM3"));
  OptionsModel& m = Open();
  EXPECT_EQ(m.Of(L::Style).selected, -1);
  EXPECT_EQ(m.Of(L::RemotePort).selected, -1);
  m.Choose(L::MainOut, 0);
  m.Choose(L::Monitor, 0);
  ASSERT_TRUE(m.Apply());
  EXPECT_EQ(Stored("Def Mix Style"), QStringLiteral("GONE"));
  EXPECT_EQ(Stored("Remote Control Port"), QStringLiteral("COM3"));
}

TEST_F(OptionsTest, EveryChangeEnablesApply) {
  const std::vector<std::pair<const char*, std::function<void(OptionsModel&)>>> changes = {
      {"main out", [](OptionsModel& m) { m.Choose(L::MainOut, 0); }},
      {"monitor", [](OptionsModel& m) { m.Choose(L::Monitor, 1); }},
      {"fps", [](OptionsModel& m) { m.Choose(L::Fps, 1); }},
      {"style", [](OptionsModel& m) { m.Choose(L::Style, 0); }},
      {"port", [](OptionsModel& m) { m.Choose(L::RemotePort, 0); }},
      {"path", [](OptionsModel& m) { m.SetStartUpProgram(QStringLiteral("/x.prl")); }},
      {"X", [](OptionsModel& m) { m.ClearStartUpProgram(); }},
      {"resolution", [](OptionsModel& m) { m.SetChangeResolution(true); }},
      {"coded", [](OptionsModel& m) { m.ClickAdvertsCoded(); }},
      {"filenames", [](OptionsModel& m) { m.ClickAdvertsFilenames(); }},
      {"play log", [](OptionsModel& m) { m.SetKeepPlayLog(true); }},
      {"restart", [](OptionsModel& m) { m.SetAllowSystemRestart(true); }},
  };
  for (const auto& [name, change] : changes) {
    OptionsModel& m = Open();
    ASSERT_FALSE(m.ApplyEnabled()) << name;
    change(m);
    EXPECT_TRUE(m.ApplyEnabled()) << name;
  }
}

TEST_F(OptionsTest, TheAdvertLoadingPairKeepsExactlyOneTicked) {
  OptionsModel& m = Open();
  m.Choose(L::MainOut, 0);
  m.Choose(L::Monitor, 0);
  EXPECT_FALSE(m.AdvertsByFilenames());  // "coded" ticked
  m.ClickAdvertsCoded();                 // the ticked one: unticks it, ticks the other
  EXPECT_TRUE(m.AdvertsByFilenames());
  m.Apply();
  EXPECT_EQ(Stored("Adverts Loading type"), QStringLiteral("1"));
  m.ClickAdvertsFilenames();  // the ticked one again
  EXPECT_FALSE(m.AdvertsByFilenames());
  m.ClickAdvertsCoded();
  m.ClickAdvertsFilenames();
  EXPECT_FALSE(m.AdvertsByFilenames());
  m.Apply();
  EXPECT_EQ(Stored("Adverts Loading type"), QStringLiteral("0"));
}

TEST_F(OptionsTest, ExitAsksOnlyAboutUnappliedChanges) {
  struct Case {
    const char* name;
    bool change;
    Dialogs::Answer answer;
    bool asked;
    bool written;
  };
  for (const Case c : {Case{"no change", false, Dialogs::Answer::Yes, false, false},
                       Case{"change, no", true, Dialogs::Answer::No, true, false},
                       Case{"change, yes", true, Dialogs::Answer::Yes, true, true}}) {
    QFile::remove(store.FilePath());
    dialogs.messages.clear();
    dialogs.answers.clear();
    dialogs.answers.enqueue(c.answer);
    OptionsModel& m = Open();
    if (c.change) {
      m.Choose(L::MainOut, 0);
      m.Choose(L::Monitor, 1);
    }
    m.Exit();
    const bool asked = !dialogs.messages.isEmpty() && dialogs.messages[0].text == QStringLiteral("Save changes?");
    EXPECT_EQ(asked, c.asked) << c.name;
    if (asked) {
      EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Question);
      EXPECT_EQ(dialogs.messages[0].buttons, Dialogs::Buttons::YesNo);
    }
    EXPECT_EQ(store.Has(QStringLiteral("Monitor Device ID")), c.written) << c.name;
  }
}

TEST_F(OptionsTest, OpeningKeepsTheScreenSaverOffAndOffersTheScreenChange) {
  OptionsModel& m = Open(1024);
  EXPECT_TRUE(m.ChangeScreenEnabled());
  system.displayModeResult = -1;  // no display-mode library: harmless
  m.ChangeScreenNow();
  EXPECT_TRUE(m.ChangeScreenEnabled());
  system.displayModeResult = 0;
  m.ChangeScreenNow();
  EXPECT_FALSE(m.ChangeScreenEnabled());
  EXPECT_FALSE(Open(800).ChangeScreenEnabled());
  EXPECT_EQ(system.calls.filter(QStringLiteral("InhibitScreenSaver 1")).size(), 2);
  EXPECT_EQ(system.calls.filter(QStringLiteral("ChangeDisplayMode 800 600")).size(), 2);
}

TEST_F(OptionsTest, MixerAndWorkingModeStartTheirPrograms) {
  OptionsModel& m = Open();
  m.StartMixer();  // none installed: nothing
  EXPECT_TRUE(system.calls.filter(QStringLiteral("StartProgram")).isEmpty());
  mixer = QStringLiteral("/usr/bin/pavucontrol");
  m.StartMixer();
  m.StartWorkingMode();
  EXPECT_EQ(system.calls.filter(QStringLiteral("StartProgram")),
            (QStringList{"StartProgram /usr/bin/pavucontrol", "StartProgram KorvoMd"}));
}

TEST_F(OptionsTest, TheDeviceReportIsOfTheChosenDevice) {
  OptionsModel& m = Open();
  m.ShowDeviceReport(L::Monitor);  // nothing chosen: no box
  EXPECT_TRUE(dialogs.messages.isEmpty());
  m.Choose(L::Monitor, 1);
  m.ShowDeviceReport(L::Monitor);
  ASSERT_EQ(dialogs.messages.size(), 1);
  const QStringList lines = dialogs.messages[0].text.split(u'\n');
  ASSERT_GE(lines.size(), 8);
  EXPECT_EQ(lines[0], QStringLiteral("- A B O U T"));
  EXPECT_EQ(lines[1], QStringLiteral("Card B"));
  EXPECT_TRUE(lines.contains(QStringLiteral("Host API: ALSA")));
  EXPECT_TRUE(lines.contains(QStringLiteral("- F O R M A T S")));
  EXPECT_TRUE(lines.contains(QStringLiteral("- S U P P O R T S")));
  EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("48000 Hz")));
}

TEST_F(OptionsTest, WithoutDevicesTheNullOutputIsListed) {
  devices.clear();
  OptionsModel& m = Open();
  EXPECT_EQ(m.Of(L::MainOut).items, QStringList{QStringLiteral("Null output")});
  EXPECT_EQ(m.Of(L::Monitor).items, QStringList{QStringLiteral("Null output")});
}

TEST_F(OptionsTest, BrowsePutsTheChosenPlayListInTheField) {
  store.Write(settings::kDefPlayListFolder, QStringLiteral("/lists"));
  OptionsModel& m = Open();
  dialogs.openFiles.enqueue({QStringLiteral("/lists/night.prl")});
  dialogs.openFiles.enqueue({});
  m.BrowseStartUpProgram();
  EXPECT_EQ(m.StartUpProgram(), QStringLiteral("/lists/night.prl"));
  m.BrowseStartUpProgram();  // cancelled
  EXPECT_EQ(m.StartUpProgram(), QStringLiteral("/lists/night.prl"));
  ASSERT_EQ(dialogs.fileDialogs.size(), 2);
  EXPECT_EQ(dialogs.fileDialogs[0].folder, QStringLiteral("/lists"));
  EXPECT_TRUE(dialogs.fileDialogs[0].filter.contains(QStringLiteral("*.prl")));
  m.ClearStartUpProgram();
  EXPECT_TRUE(m.StartUpProgram().isEmpty());
}

}  // namespace
