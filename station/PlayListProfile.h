// The "APL" / "FPL" button: the play-list profile of every MP3 on the station's disks,
// made by the drive scanner and loaded into the songs list whole or filtered by the search
// word. The scan runs off the window thread; the status line shows how far it has got.
#pragma once

#include "scanner/DriveScanJob.h"

#include <QObject>
#include <QString>

#include <functional>

class ClipLoader;
class Dialogs;
class PlayLog;

class PlayListProfile : public QObject {
  Q_OBJECT
 public:
  using StatusSink = std::function<void(const QString&)>;

  PlayListProfile(ClipLoader& loader, Dialogs& dialogs, PlayLog& log, StatusSink status,
                  QString library = QString::fromLatin1(scanner::kLibraryName), QObject* parent = nullptr);

  // The button with the search field's text (empty for "APL"). Ignored while a scan runs.
  void Run(const QString& searchWord);
  bool Scanning() const { return job_.Running(); }
  // The profile file ("_mp3files.txt" in the drive C folder).
  static QString ProfilePath();

 signals:
  void busyChanged(bool busy);
  // A scan ended and its outcome was handled.
  void done(int result);

 private:
  void OnScanned(const scanner::ScannerCall& call);
  void Load();

  ClipLoader& loader_;
  Dialogs& dialogs_;
  PlayLog& log_;
  StatusSink status_;
  scanner::DriveScanJob job_;
  QString word_;
};
