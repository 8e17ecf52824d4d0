#include "platform/SettingsStore.h"
#include "platform/SettingsTable.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kNotOpen = QStringLiteral("ERR_KEY_NOT_OPEN");

// Every value name of the shared settings table.
QStringList TableNames() {
  using namespace settings;
  QStringList names;
  for (const char* name : {kFps.name, kOutputDevice.name, kOutputDeviceId.name, kMonitorDevice.name,
                           kMonitorDeviceId.name, kDefMixStyle.name, kRemotePort.name, kEqPlayer1Status.name,
                           kEqPlayer2Status.name, kEqPresetName.name, kPitch1.name, kPitch2.name, kAutoCue1.name,
                           kAutoCue2.name, kDefAudioFolder.name, kDefPlayListFolder.name, kDefAdListFolder.name,
                           kStartUpProgram.name, kChangeResolution.name, kAdvertsLoadingType.name, kKeepPlayLog.name,
                           kAutoPlayKorvoPrl.name, kWorkingMode.name, kAllowSystemRestart.name})
    names << QString::fromLatin1(name);
  for (const NumberSetting& eq : kEq) names << QString::fromLatin1(eq.name);
  for (const TextSetting& com : kComDevice) names << QString::fromLatin1(com.name);
  return names;
}

class SettingsStoreTest : public ::testing::Test {
 protected:
  QString IniPath() const { return dir.filePath(QStringLiteral("KORVO XA.ini")); }
  void WriteRaw(const QByteArray& bytes) {
    QFile f(IniPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  void ExpectAllMissing(const SettingsStore& store) {
    for (const QString& name : TableNames()) EXPECT_EQ(store.ReadSettingValue(name), kNotOpen) << qPrintable(name);
  }
  QTemporaryDir dir;
};

TEST_F(SettingsStoreTest, FirstStartReadsEveryValueAsMissingAndCreatesNothing) {
  SettingsStore store(IniPath());
  ExpectAllMissing(store);
  EXPECT_FALSE(store.Has(QString::fromLatin1(settings::kFps)));
  // Only writers create the file.
  EXPECT_FALSE(QFile::exists(IniPath()));
}

TEST_F(SettingsStoreTest, GarbageFileReadsAsMissingAndIsRepairedByTheNextWrite) {
  QByteArray binary;
  for (int i = 0; i < 4096; ++i) binary.append(static_cast<char>((i * 37 + 11) % 256));
  const QList<QByteArray> garbage = {
      binary,
      "[General\nFPS=30\n",                                                  // broken section header
      "FPS=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x1fgarbage)\n",               // damaged typed value
      QByteArray(100000, '=') + "\n" + QByteArray(70000, '['),              // long junk lines
      QByteArray("\xEF\xBB\xBF\xFF\xFE\x00\x00[\x00]=\x01\n", 12),
  };
  for (const QByteArray& bytes : garbage) {
    WriteRaw(bytes);
    SettingsStore store(IniPath());
    ExpectAllMissing(store);
    store.WriteSettingValue(QStringLiteral("Def Mix Style"), QStringLiteral("SLOW"));
    EXPECT_EQ(store.ReadSettingValue(QStringLiteral("Def Mix Style")), QStringLiteral("SLOW"));
  }
}

TEST_F(SettingsStoreTest, ValuesRoundTripAsExactText) {
  const QList<QPair<QString, QString>> values = {
      {QStringLiteral("FPS"), QStringLiteral("25")},
      {QStringLiteral("Output Device"), QStringLiteral("HDA Intel PCH: ALC892 Analog (hw:0,0)")},
      {QStringLiteral("Output Device ID"), QStringLiteral("-1")},
      {QStringLiteral("Def Audio Folder"), QStringLiteral("C:\\Music\\Rock, Pop\\")},
      {QStringLiteral("Def Play List Folder"), QStringLiteral("/home/dj/play lists; # not a comment")},
      {QStringLiteral("Def AD List Folder"), QString()},
      {QStringLiteral("Def OnStartUp Program"), QStringLiteral("@Variant(not a variant)")},
      {QStringLiteral("EQ PRESET NAME"), QStringLiteral("NS")},
      {QStringLiteral("Remote Control Port"), QStringLiteral("a=b \"quoted\" \u00e9t\u00e9")},
  };
  SettingsStore writer(IniPath());
  writer.WriteSettingValues(values);
  // A second store stands for another program of the suite reading the same file.
  SettingsStore reader(IniPath());
  for (const auto& [name, value] : values) {
    EXPECT_EQ(reader.ReadSettingValue(name), value) << qPrintable(name);
    EXPECT_TRUE(reader.Has(name)) << qPrintable(name);
  }
  writer.WriteSettingValue(QStringLiteral("FPS"), QStringLiteral("30"));
  EXPECT_EQ(reader.ReadSettingValue(QStringLiteral("FPS")), QStringLiteral("30"));
}

TEST_F(SettingsStoreTest, FileKeepsTheValueNamesReadableByOtherIniReaders) {
  SettingsStore(IniPath()).WriteSettingValue(QStringLiteral("Def Mix Style"), QStringLiteral("DEF1"));
  QFile f(IniPath());
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray text = f.readAll();
  EXPECT_TRUE(text.contains("[General]")) << text.constData();
  EXPECT_TRUE(text.contains("Def%20Mix%20Style=DEF1")) << text.constData();
}

TEST_F(SettingsStoreTest, HandWrittenListAndNumberValuesReadAsText) {
  WriteRaw("[General]\nFPS=25\nDef%20Audio%20Folder=/music/a, b\n");
  SettingsStore store(IniPath());
  EXPECT_EQ(store.ReadSettingValue(QStringLiteral("FPS")), QStringLiteral("25"));
  EXPECT_EQ(store.ReadSettingValue(QStringLiteral("Def Audio Folder")), QStringLiteral("/music/a, b"));
}

// Values typed into the file by hand (or by another tool) read back exactly as typed:
// everything after the '=' up to the line end.
TEST_F(SettingsStoreTest, HandWrittenValuesReadAsTyped) {
  struct Case {
    const char* line;  // in [General]
    const char* name;
    QString value;
  } cases[] = {
      {"Def%20Audio%20Folder=/music/a,b", "Def Audio Folder", "/music/a,b"},
      {"Def%20Audio%20Folder=a,,b,", "Def Audio Folder", "a,,b,"},
      {"Output%20Device=HDA Intel, ALC892 (hw:0,0)", "Output Device", "HDA Intel, ALC892 (hw:0,0)"},
      {"Def%20Mix%20Style=  DEF1 ", "Def Mix Style", "  DEF1 "},
      {"Def%20Mix%20Style=\"Soft\"", "Def Mix Style", "\"Soft\""},
      {"Def%20Play%20List%20Folder=C:\\Lists\\", "Def Play List Folder", "C:\\Lists\\"},
      {"Def%20Play%20List%20Folder=\\\\server\\n\\t", "Def Play List Folder", "\\\\server\\n\\t"},
      {"Def%20OnStartUp%20Program=/m/Caf\xC3\xA9 \xE2\x80\x99n.prl", "Def OnStartUp Program",
       QStringLiteral("/m/Caf\u00e9 \u2019n.prl")},
      {"Def%20OnStartUp%20Program=a=b;c#d", "Def OnStartUp Program", "a=b;c#d"},
      {"Def%20OnStartUp%20Program=", "Def OnStartUp Program", ""},
      {"Def Mix Style=SLOW", "Def Mix Style", "SLOW"},  // a name typed without escapes
      {"FPS=25\r", "FPS", "25"},                        // CR LF line end
  };
  for (const Case& c : cases) {
    WriteRaw(QByteArray("[General]\n") + c.line + "\nKeep%20Play%20Log=1\n");
    SettingsStore store(IniPath());
    EXPECT_EQ(store.ReadSettingValue(QString::fromLatin1(c.name)), c.value) << c.line;
    EXPECT_EQ(store.ReadSettingValue(QStringLiteral("Keep Play Log")), "1") << c.line;
  }
}

// What one program writes, another reads back byte for byte; what it writes does not
// disturb values of other names or groups.
TEST_F(SettingsStoreTest, AwkwardValuesRoundTripByteForByte) {
  const QStringList values = {
      "a,b", "a, b,", " lead", "trail ", "\t", "\"quoted\"", "'single'", "C:\\Music\\", "\\\\host\\share",
      "\\n stays", QStringLiteral("Caf\u00e9 \u2019 \u20ac \u65e5\u672c"), "@home", "@@twice", "@ByteArray(x)",
      "=;#[]", "%20", "",
  };
  WriteRaw("[General]\nFPS=25\n\n[Other]\nkey=kept, as typed\n");
  for (const QString& value : values) {
    SettingsStore(IniPath()).WriteSettingValue(QStringLiteral("Def AD List Folder"), value);
    EXPECT_EQ(SettingsStore(IniPath()).ReadSettingValue(QStringLiteral("Def AD List Folder")), value)
        << qPrintable(value);
  }
  SettingsStore store(IniPath());
  EXPECT_EQ(store.ReadSettingValue(QStringLiteral("FPS")), "25");
  EXPECT_EQ(store.ReadSettingValue(QStringLiteral("Other/key")), "kept, as typed");
  // A value cannot span lines: written up to its line break, the file stays well formed.
  store.WriteSettingValue(QStringLiteral("Def AD List Folder"), QStringLiteral("one\ntwo=x"));
  EXPECT_EQ(SettingsStore(IniPath()).ReadSettingValue(QStringLiteral("Def AD List Folder")), "one");
  EXPECT_EQ(SettingsStore(IniPath()).ReadSettingValue(QStringLiteral("two")), kNotOpen);
}

// Values of hand-written or foreign groups keep their names when another value is
// written and the whole file is written back.
TEST_F(SettingsStoreTest, GroupsKeepTheirValuesWhenTheFileIsWrittenBack) {
  struct Case {
    const char* file;
    const char* name;  // how the value is asked for
    const char* value;
  } cases[] = {
      {"[%General]\nk=v\n", "General/k", "v"},       // a group named General, as Qt writes it
      {"[General\\sub]\nk=v\n", "General/sub/k", "v"},
      {"[general\\sub]\nk=v\n", "general/sub/k", "v"},
      {"[a\\]\nk=v\n", "a/k", "v"},                 // empty parts of a name are dropped
      {"[General]\n\\\\k=v\n", "k", "v"},
      {"[General]\nk\\=v\n", "k", "v"},
  };
  for (const Case& c : cases) {
    WriteRaw(QByteArray(c.file) + "\n[General]\nFPS=25\n");
    EXPECT_EQ(SettingsStore(IniPath()).ReadSettingValue(QString::fromLatin1(c.name)), c.value) << c.file;
    SettingsStore(IniPath()).WriteSettingValue(QStringLiteral("Keep Play Log"), QStringLiteral("1"));
    SettingsStore store(IniPath());
    EXPECT_EQ(store.ReadSettingValue(QString::fromLatin1(c.name)), c.value) << c.file;
    EXPECT_EQ(store.ReadSettingValue(QStringLiteral("FPS")), "25") << c.file;
    EXPECT_EQ(store.ReadSettingValue(QStringLiteral("Keep Play Log")), "1") << c.file;
  }
  // A name of nothing but slashes names nothing; it is not written back.
  WriteRaw("[General]\n\\\\=lost\nFPS=25\n");
  SettingsStore(IniPath()).WriteSettingValue(QStringLiteral("Keep Play Log"), QStringLiteral("1"));
  QFile f(IniPath());
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_FALSE(f.readAll().contains("lost"));
}

// A first start: every value of the table reads as its fallback; the typed writes keep
// the text forms the other programs read.
TEST_F(SettingsStoreTest, TypedTableFallbacksAndTextForms) {
  using namespace settings;
  SettingsStore store(IniPath());
  EXPECT_EQ(store.Read(kFps), 30);
  EXPECT_EQ(store.Read(kOutputDevice), "DEVICE_NOT_SELECTED");
  EXPECT_EQ(store.Read(kMonitorDevice), "DEVICE_NOT_SELECTED");
  EXPECT_EQ(store.Read(kOutputDeviceId), -1);
  EXPECT_EQ(store.Read(kMonitorDeviceId), -1);
  EXPECT_EQ(store.Read(kDefMixStyle), "DEF1");
  EXPECT_EQ(store.Read(kRemotePort), "NULL");
  EXPECT_TRUE(store.Read(kEqPlayer1Status));
  EXPECT_TRUE(store.Read(kEqPlayer2Status));
  EXPECT_FALSE(store.Read(kAutoCue1));
  EXPECT_FALSE(store.Read(kAutoCue2));
  EXPECT_EQ(store.Read(kPitch1), 1000);
  EXPECT_EQ(store.Find(kEq[0]), std::nullopt);
  EXPECT_EQ(store.Read(kDefAudioFolder), "");
  EXPECT_EQ(store.Read(kStartUpProgram), "");
  EXPECT_FALSE(store.Read(kChangeResolution));
  EXPECT_EQ(store.Read(kAdvertsLoadingType), 0);
  EXPECT_FALSE(store.Read(kKeepPlayLog));
  EXPECT_FALSE(store.Read(kAutoPlayKorvoPrl));
  EXPECT_FALSE(store.Read(kWorkingMode));
  EXPECT_FALSE(store.Read(kAllowSystemRestart));
  EXPECT_EQ(store.Read(kComDevice[2]), "/dev/ttyS2");
  EXPECT_FALSE(QFile::exists(IniPath()));

  store.Write(kFps, 25);
  store.Write(kEqPlayer1Status, false);
  store.Write(kAutoCue2, true);
  store.Write(kOutputDevice, QStringLiteral("USB Audio, rear"));
  struct Stored {
    const char* name;
    const char* text;
  } stored[] = {{"FPS", "25"}, {"EQ PLAYER 1 STATUS", "0"}, {"AUTO CUE PLAYER 2 STATUS", "1"},
                {"Output Device", "USB Audio, rear"}};
  for (const Stored& s : stored) EXPECT_EQ(store.ReadSettingValue(QString::fromLatin1(s.name)), s.text) << s.name;
  EXPECT_EQ(store.Read(kFps), 25);
  EXPECT_FALSE(store.Read(kEqPlayer1Status));
  EXPECT_TRUE(store.Read(kAutoCue2));
}

TEST_F(SettingsStoreTest, TypedReadsOfStoredTexts) {
  using namespace settings;
  struct Number {
    const char* text;
    int value;
  } numbers[] = {{"955", 955}, {" 25", 25}, {"30fps", 30}, {"-1", -1}, {"+7", 7}, {"", 0}, {"abc", 0},
                 {"99999999999", 2147483647}};
  for (const Number& n : numbers) {
    SettingsStore(IniPath()).WriteSettingValue(QStringLiteral("PITCH 2"), QString::fromLatin1(n.text));
    EXPECT_EQ(SettingsStore(IniPath()).Read(kPitch2), n.value) << n.text;
    EXPECT_EQ(SettingsStore(IniPath()).Find(kPitch2), n.value) << n.text;
  }
  // A switch is on only for "1": "2", " 1" and "on" are off, even where missing means on.
  struct Switch {
    const char* text;
    bool on;
  } switches[] = {{"1", true}, {"0", false}, {"2", false}, {" 1", false}, {"on", false}, {"", false}};
  for (const Switch& sw : switches) {
    SettingsStore(IniPath()).WriteSettingValue(QStringLiteral("EQ PLAYER 2 STATUS"), QString::fromLatin1(sw.text));
    EXPECT_EQ(SettingsStore(IniPath()).Read(kEqPlayer2Status), sw.on) << sw.text;
  }
}

TEST_F(SettingsStoreTest, UnwritableFileIsNotReportedAndLeavesValuesMissing) {
  // A folder in the file's place can be neither read nor replaced, even by root.
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("KORVO XA.ini")));
  SettingsStore store(IniPath());
  store.WriteSettingValue(QStringLiteral("FPS"), QStringLiteral("25"));
  EXPECT_EQ(store.ReadSettingValue(QStringLiteral("FPS")), kNotOpen);
}

TEST(SettingsStoreDefaultFile, LivesInTheUsersConfigFolder) {
  QTemporaryDir config;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
  SettingsStore store;
  EXPECT_EQ(store.FilePath(), config.filePath(QStringLiteral("Quillmore/KORVO XA.ini")));
  EXPECT_EQ(store.ReadSettingValue(QStringLiteral("FPS")), kNotOpen);
  store.WriteSettingValue(QStringLiteral("FPS"), QStringLiteral("25"));
  EXPECT_EQ(store.ReadSettingValue(QStringLiteral("FPS")), QStringLiteral("25"));
  EXPECT_TRUE(QFile::exists(config.filePath(QStringLiteral("Quillmore/KORVO XA.ini"))));
}

}  // namespace
