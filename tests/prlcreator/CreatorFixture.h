// A creator over a fake engine (or the real one), scripted dialogs and a settings file of
// its own, with a folder for the clips and play lists a test makes.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "platform/SettingsStore.h"
#include "support/FakeEngine.h"
#include "support/ScriptedDialogs.h"
#include "tools/prlcreator/Creator.h"

inline QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << qPrintable(path);
  f.write(bytes);
}

template <typename Engine = FakeEngine>
class CreatorFixtureOf : public ::testing::Test {
 protected:
  CreatorFixtureOf() { dialogs.defaultAnswer = Dialogs::Answer::Yes; }

  // Starts the creator in the test's folder.
  void Start() {
    creator = std::make_unique<creator::Creator>(engine, dialogs, settings);
    ASSERT_EQ(creator->Start(dir.path()), 0);
  }
  QString Path(const QString& name) const { return dir.filePath(name); }
  // The answers to the next boxes, in order.
  void Answers(std::initializer_list<Dialogs::Answer> answers) {
    dialogs.answers.clear();
    for (Dialogs::Answer a : answers) dialogs.answers.enqueue(a);
  }
  // Rows at the end of the list: "name" or "name=duration".
  void Add(const QStringList& rows) {
    std::vector<ClipEntry> entries;
    for (const QString& r : rows) {
      const QStringList parts = r.split(QLatin1Char('='));
      entries.push_back(MakeClipEntry(Path(parts[0]), parts.value(1)));
    }
    List().Model().Insert(List().Count(), std::move(entries));
  }
  QStringList Titles() {
    QStringList out;
    for (const ClipEntry& e : List().Model().Rows()) out << e.title;
    return out;
  }
  creator::CreatorList& List() { return creator->List(); }
  XA_Player* Player() const { return engine.PlayerAt(0); }

  QTemporaryDir dir;
  Engine engine;
  ScriptedDialogs dialogs;
  SettingsStore settings{dir.filePath(QStringLiteral("config/KORVO XA.ini"))};
  std::unique_ptr<creator::Creator> creator;
};

using CreatorFixture = CreatorFixtureOf<>;
