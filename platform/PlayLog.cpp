#include "platform/PlayLog.h"

#include "platform/Clock.h"

#include <QDateTime>
#include <QFile>

PlayLog::PlayLog(const Clock& clock, QString startFolder) : clock_(clock), startFolder_(std::move(startFolder)) {
  if (!startFolder_.isEmpty() && !startFolder_.endsWith(QLatin1Char('/'))) startFolder_ += QLatin1Char('/');
}

QString PlayLog::FilePath() const { return startFolder_ + QStringLiteral("korvolog.dat"); }

void PlayLog::WritePlayLog(const QString& category, const QString& event, const QString& detail) {
  if (!enabled_) return;
  const QDateTime now = clock_.Now();
  const QDate d = now.date();
  const QTime t = now.time();
  const QString line = QString::asprintf("\"%02d/%02d/%04d\",\"%02d:%02d:%02d\",", d.day(), d.month(), d.year(),
                                         t.hour(), t.minute(), t.second()) +
                       QLatin1Char('"') + category + QStringLiteral("\",\"") + event + QStringLiteral("\",\"") +
                       detail + QStringLiteral("\"\r\n");
  // An append-only log: opened for this one entry and closed again. When it cannot be
  // opened (read-only folder, missing folder) the entry is dropped without a word.
  QFile file(FilePath());
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return;
  file.write(line.toUtf8());
}

void PlayLog::LogPlayerClip(int player, const QString& path, int kind) {
  QString category;
  if (path.toUpper().contains(QStringLiteral("ADVERTS"))) {
    category = QStringLiteral("ADV");
  } else {
    switch (kind) {
      case kClip: category = QStringLiteral("CLP"); break;
      case kAdvert: category = QStringLiteral("ADV"); break;
      case kApp: category = QStringLiteral("APP"); break;
      case kAcc: category = QStringLiteral("ACC"); break;
      case kErr: category = QStringLiteral("ERR"); break;
      default: category = QStringLiteral("OTH"); break;
    }
  }
  WritePlayLog(category, path, QStringLiteral("Player %1").arg(player));
}
