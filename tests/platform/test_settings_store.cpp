#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

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
  QStringList names = {kFps, kOutputDevice, kOutputDeviceId, kMonitorDevice, kMonitorDeviceId, kDefMixStyle,
                       kRemotePort, kEqPlayer1Status, kEqPlayer2Status, kEqPresetName, kPitch1, kPitch2,
                       kAutoCue1, kAutoCue2, kDefAudioFolder, kDefPlayListFolder, kDefAdListFolder,
                       kStartUpProgram, kChangeResolution, kAdvertsLoadingType, kKeepPlayLog, kAutoPlayKorvoPrl,
                       kWorkingMode, kAllowSystemRestart};
  for (int i = 1; i <= 6; ++i) names << QStringLiteral("EQ%1").arg(i);
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
