#include "app/StationHelp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

// The station folder's help index. A station folder without help pages first gets a copy
// of the shipped ones: beside the programs in the build, under share/korvoxa when
// installed (the programs live in lib/korvoxa there). The index is copied last, so a copy
// cut short is done again next time; pages the station already has are left as they are.
QString StationHelpIndex(const QString& startFolder) {
  const QString folder = startFolder + QStringLiteral("OnLineHelp/");
  const QString index = folder + QStringLiteral("index.htm");
  if (QFile::exists(index)) return index;
  const QDir programs(QCoreApplication::applicationDirPath());
  for (const QString& place : {QStringLiteral("OnLineHelp"), QStringLiteral("../../share/korvoxa/OnLineHelp")}) {
    const QDir shipped(programs.filePath(place));
    if (!shipped.exists(QStringLiteral("index.htm"))) continue;
    QDir().mkpath(folder);
    QStringList names = shipped.entryList(QDir::Files, QDir::Name);
    names.removeAll(QStringLiteral("index.htm"));
    names << QStringLiteral("index.htm");
    for (const QString& name : names) {
      QFile in(shipped.filePath(name));
      QSaveFile out(folder + name);
      if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) return index;
      out.write(in.readAll());
      if (!out.commit()) return index;
    }
    break;
  }
  return index;
}

