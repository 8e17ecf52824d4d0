#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace paths {

namespace {

QString DataRoot() {
  const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
  return xdg.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : xdg;
}

// Joins a folder and a relative rest with exactly one '/' between them.
QString Join(QString folder, const QString& rest) {
  while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) folder.chop(1);
  if (rest.isEmpty()) return folder;
  return folder == QLatin1String("/") ? folder + rest : folder + QLatin1Char('/') + rest;
}

// The folder that stands for a Windows drive letter. Drives without a mapping get a folder
// beside the default drive C folder, so their paths stay recognisable but find nothing.
QString DriveFolder(QChar letter) {
  const QChar upper = letter.toUpper();
  if (upper == QLatin1Char('C')) return DriveCFolder();
  const QString mapped = qEnvironmentVariable(qPrintable(QStringLiteral("KORVO_DRIVE_%1").arg(upper)));
  if (!mapped.isEmpty()) return mapped;
  return DataRoot() + QStringLiteral("/korvoxa/drive_") + upper.toLower();
}

// The entry of dir whose name equals name without regard to case; empty when none. The
// exact name wins, then the first match in name order, so the choice is repeatable.
QString MatchEntry(const QString& dir, const QString& name) {
  if (QFileInfo::exists(Join(dir, name))) return name;
  const QStringList entries =
      QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
  for (const QString& e : entries)
    if (e.compare(name, Qt::CaseInsensitive) == 0) return e;
  return {};
}

}  // namespace

QString DriveCFolder() {
  QString folder = qEnvironmentVariable("KORVO_DRIVE_C");
  if (folder.isEmpty()) folder = DataRoot() + QStringLiteral("/korvoxa/drive_c");
  while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) folder.chop(1);
  QDir().mkpath(folder);
  return folder;
}

QString StartFolder() {
  QString folder = QDir::currentPath();
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return folder;
}

QString ResolvePath(const QString& path, const QString& baseFolder) {
  if (path.isEmpty()) return path;
  QString p = path;
  p.replace(QLatin1Char('\\'), QLatin1Char('/'));
  static const QRegularExpression drive(QStringLiteral("^([A-Za-z]):/*"));
  const QRegularExpressionMatch m = drive.match(p);
  if (m.hasMatch()) {
    p = Join(DriveFolder(m.captured(1).at(0)), p.mid(m.capturedLength()));
  } else if (!p.startsWith(QLatin1Char('/')) && !baseFolder.isEmpty()) {
    p = Join(baseFolder, p);
  }
  return FindCaseInsensitive(p);
}

QString FindCaseInsensitive(const QString& nativePath) {
  if (nativePath.isEmpty() || QFileInfo::exists(nativePath)) return nativePath;
  const bool absolute = nativePath.startsWith(QLatin1Char('/'));
  const bool trailingSlash = nativePath.endsWith(QLatin1Char('/'));
  const QStringList parts = nativePath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
  QString dir = absolute ? QStringLiteral("/") : QStringLiteral(".");
  QStringList found;
  for (const QString& part : parts) {
    QString entry = part;
    if (part != QLatin1String(".") && part != QLatin1String("..")) {
      entry = MatchEntry(dir, part);
      if (entry.isEmpty()) return nativePath;
    }
    found << entry;
    dir = Join(dir, entry);
  }
  QString result = found.join(QLatin1Char('/'));
  if (absolute) result.prepend(QLatin1Char('/'));
  if (trailingSlash && !result.endsWith(QLatin1Char('/'))) result += QLatin1Char('/');
  return result;
}

QString FileNamePart(const QString& path) {
  const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
  return path.mid(cut + 1);
}

}  // namespace paths
