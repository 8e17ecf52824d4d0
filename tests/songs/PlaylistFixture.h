// A songs list (no view: it is GUI-free) with a play log in a temporary start folder, scripted dialogs, fake decks and a status line that records.
#pragma once

#include "support/FakeDecks.h"
#include "platform/Clock.h"
#include "platform/PlayLog.h"
#include "songs/SongsList.h"
#include "support/ScriptedDialogs.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class PlaylistFixture : public ::testing::Test {
 protected:
  PlaylistFixture() : log(clock, dir.path() + QLatin1Char('/')), list(log), model(list.Model()) {
    log.SetEnabled(true);
  }

  QString Folder() const { return dir.path() + QLatin1Char('/'); }

  // Rows "clip0".."clip<n-1>" with paths /music/clipN.mp3.
  void Fill(int n, const QString& stem = QStringLiteral("clip")) {
    std::vector<ClipEntry> rows;
    for (int i = 0; i < n; ++i) rows.push_back(MakeClipEntry(QStringLiteral("/music/%1%2.mp3").arg(stem).arg(i)));
    model.Insert(model.Count(), std::move(rows));
  }

  QStringList Titles() const {
    QStringList t;
    for (const ClipEntry& e : model.Rows()) t << e.title;
    return t;
  }

  QString LogText() const {
    QFile f(log.FilePath());
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
  }

  std::function<void(const QString&)> StatusSink() {
    return [this](const QString& s) { statuses << s; };
  }
  void Answers(std::initializer_list<Dialogs::Answer> answers) {
    dialogs.answers.clear();
    for (Dialogs::Answer a : answers) dialogs.answers.enqueue(a);
  }
  QString LastStatus() const { return statuses.isEmpty() ? QString() : statuses.last(); }

  QTemporaryDir dir;
  FixedClock clock{QDateTime(QDate(2024, 3, 1), QTime(10, 0))};
  PlayLog log;
  SongsList list;
  SongsListModel& model;
  ScriptedDialogs dialogs;
  FakeDecks decks;
  QStringList statuses;
};
