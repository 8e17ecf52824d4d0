// A pair of decks over the fake engine, with scripted dialogs, a play log in a temporary
// folder and the timer table: what every deck test starts from.
#pragma once

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "support/FakeEngine.h"
#include "support/ScriptedDialogs.h"
#include "deck/Decks.h"
#include "platform/Clock.h"
#include "platform/PlayLog.h"
#include "platform/TimerTable.h"

class DeckFixture : public ::testing::Test {
 protected:
  DeckFixture() : log(clock, dir.path()) {
    qputenv("KORVO_DRIVE_C", dir.filePath(QStringLiteral("drive_c")).toUtf8());
    log.SetEnabled(true);
  }

  // Built on first use, so a test can change the engine first.
  Decks& D() {
    if (!decks) {
      decks = std::make_unique<Decks>(engine, dialogs, log, timers);
      decks->SetFps(25);
      engine.Clear();
    }
    return *decks;
  }
  XA_Player* P(int deck) { return engine.PlayerAt(deck - 1); }
  // What the deck shows.
  const DeckModel& M(int deck) { return *D().Model(deck); }
  // The deck as the engine leaves it after a load: a clip of `seconds`, in `state`.
  void Loaded(int deck, int seconds, int state) {
    D();
    engine.Notify(P(deck), XA_MSG_NOTIFY_INPUT_DURATION, seconds);
    engine.Notify(P(deck), XA_MSG_NOTIFY_PLAYER_STATE, state);
    engine.Clear();
  }
  std::vector<int> Codes(int deck) {
    std::vector<int> codes;
    for (const XA_Message& m : engine.Commands(P(deck))) codes.push_back(m.code);
    return codes;
  }
  QStringList LogLines() {
    QFile file(log.FilePath());
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (QString& line : lines) line = line.section(QLatin1Char(','), 2);  // without date and time
    return lines;
  }

  QTemporaryDir dir;
  FixedClock clock{QDateTime(QDate(2001, 3, 7), QTime(9, 5, 3))};
  PlayLog log;
  FakeEngine engine;
  ScriptedDialogs dialogs;
  TimerTable timers;
  std::unique_ptr<Decks> decks;
};
