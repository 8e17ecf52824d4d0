// What the tool takes at start-up: its "Sources" folder and the main program's advert-list
// folder, which it only reads.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/SettingsStore.h"
#include "tools/logos/LogosStart.h"

namespace {

TEST(LogosStart, SourcesFolderIsMadeInTheStartFolder) {
  QTemporaryDir dir;
  const QString start = dir.path() + u'/';
  EXPECT_EQ(MakeSourcesFolder(start), start + "Sources");
  EXPECT_TRUE(QFileInfo(start + "Sources").isDir());
  EXPECT_EQ(MakeSourcesFolder(start), start + "Sources");  // there already
}

TEST(LogosStart, AdvertListFolderIsTheMainProgramsSettingCutTo255Bytes) {
  QTemporaryDir dir;
  const QString ini = dir.filePath("KORVO XA.ini");
  EXPECT_EQ(EplFolderSetting(SettingsStore(ini)), "");

  const QString e = QStringLiteral("\u00e9");  // two bytes in UTF-8
  struct Case {
    QString stored;
    QString read;
  } cases[] = {
      {"/srv/adverts/", "/srv/adverts/"},
      {QString(255, u'a'), QString(255, u'a')},
      {QString(256, u'a'), QString(255, u'a')},
      {QString(254, u'a') + e, QString(254, u'a')},  // never half a character
  };
  for (const Case& c : cases) {
    SettingsStore(ini).WriteSettingValue("Def AD List Folder", c.stored);
    EXPECT_EQ(EplFolderSetting(SettingsStore(ini)), c.read) << c.stored.size();
  }
}

}  // namespace
