// One job of the logos tool without its window: scripted dialogs, a temporary station
// with its "Sources" folder, an advert-list folder and a drive C folder, and a fixed date.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/ScriptedDialogs.h"
#include "tools/logos/LogosJob.h"

struct LogosStation {
  LogosStation() : job(LogosEnv{dialogs, Folder("Sources"), Folder("epl"), [] { return QDate(2024, 3, 1); }, {}}) {
    qputenv("KORVO_DRIVE_C", Folder("drive_c").toUtf8());
    QDir().mkpath(Folder("drive_c") + "/Adverts");
  }
  ~LogosStation() { qunsetenv("KORVO_DRIVE_C"); }

  QString Folder(const char* name) const {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QDir().mkpath(path);
    return path;
  }
  QString WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
    return path;
  }
  QByteArray ReadFile(const QString& path) const {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  // A file of quoted values, one a line.
  QString WriteValues(const QString& path, const QStringList& values) {
    QByteArray bytes;
    for (const QString& v : values) bytes += '"' + v.toUtf8() + "\"\r\n";
    return WriteFile(path, bytes);
  }
  // The next open or save dialog gives this file.
  void NextOpen(const QString& path) { dialogs.openFiles.enqueue({path}); }
  void NextSave(const QString& path) { dialogs.saveFiles.enqueue(path); }
  void Answer(Dialogs::Answer a) { dialogs.answers.enqueue(a); }
  QString LastText() const { return dialogs.messages.isEmpty() ? QString() : dialogs.messages.last().text; }

  // The fields of a logo, as typed.
  void Logo(const QString& name, const QString& id, const QString& description) {
    JobForm& f = job.Form();
    f.SetName(name);
    f.SetId(id);
    f.SetDescription(description);
  }
  // One row a spot: "time code description".
  QStringList Rows() {
    QStringList out;
    for (const PlayListRow& r : job.PlayList().Rows())
      out << r.spot.blockTime + ' ' + r.spot.clipCode + ' ' + r.spot.name;
    return out;
  }
  QString Adverts() const { return dir.filePath("drive_c") + "/Adverts"; }

  QTemporaryDir dir;
  ScriptedDialogs dialogs;
  LogosJob job;
};

class LogosFixture : public ::testing::Test, public LogosStation {};
