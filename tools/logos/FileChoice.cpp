#include "tools/logos/FileChoice.h"

#include <QFileInfo>
#include <QStringList>

#include "platform/Dialogs.h"

const QString kLogosTitle = QStringLiteral("KORVO xa Logos");

QString ChooseOpenFile(Dialogs& dialogs, const QString& folder, const QString& filter) {
  const QStringList chosen = dialogs.OpenFiles(QStringLiteral("Open"), folder, filter, false);
  if (chosen.isEmpty() || !QFileInfo::exists(chosen.first())) return {};
  return chosen.first();
}

QString ChooseSaveFile(Dialogs& dialogs, const QString& folder, const QString& filter, const QString& extension) {
  QString path = dialogs.SaveFile(QStringLiteral("Save As"), folder, filter);
  if (path.isEmpty()) return {};
  if (QFileInfo(path).suffix().isEmpty()) path += u'.' + extension;
  return path;
}

void ReportReadError(Dialogs& dialogs, logolist::ReadResult result) {
  const char* text = nullptr;
  switch (result) {
    case logolist::ReadResult::Ok:
      return;
    case logolist::ReadResult::OpenFailed:
      text = "Couldn't open a file to read.";
      break;
    case logolist::ReadResult::SizeFailed:
      text = "Geting File Size failed!";
      break;
    case logolist::ReadResult::TooLarge:
      text = "Global Allocation memory failed!";
      break;
    case logolist::ReadResult::NothingRead:
      text = "Zero bytes read from file.";
      break;
  }
  dialogs.Message(QString::fromLatin1(text), QStringLiteral("Spotwright01"), Dialogs::Icon::Warning);
}
