#include "station/PlayListProfile.h"

#include "platform/Dialogs.h"
#include "scanner/ProfileScan.h"
#include "platform/PlayLog.h"
#include "songs/ClipLoader.h"

#include <QFile>

PlayListProfile::PlayListProfile(ClipLoader& loader, Dialogs& dialogs, PlayLog& log, StatusSink status,
                                 QString library, QObject* parent)
    : QObject(parent), loader_(loader), dialogs_(dialogs), log_(log), status_(std::move(status)),
      job_(std::move(library)) {
  connect(&job_, &scanner::DriveScanJob::progress, this, [this](qint64 folders, qint64 clips) {
    status_(QStringLiteral("PLEASE WAIT... %1 folders, %2 mp3's found").arg(folders).arg(clips));
  });
  connect(&job_, &scanner::DriveScanJob::finished, this, &PlayListProfile::OnScanned);
}

QString PlayListProfile::ProfilePath() { return scanner::ProfilePath(); }

void PlayListProfile::Run(const QString& searchWord) {
  if (job_.Running()) return;
  status_(QStringLiteral("PLEASE WAIT..."));
  word_ = searchWord;
  // A search word is looked up in the profile there is: walking the disks again is slow.
  if (!word_.isEmpty() && QFile(ProfilePath()).open(QIODevice::ReadOnly)) {
    Load();
    status_(QStringLiteral("Ready"));
    return;
  }
  const Dialogs::Answer a = dialogs_.Message(QStringLiteral("Create Play List Profile?"), QStringLiteral("KORVO XA"),
                                             Dialogs::Icon::Question, Dialogs::Buttons::YesNo, Dialogs::Answer::Yes);
  if (a != Dialogs::Answer::Yes) {
    status_(QStringLiteral("Ready"));
    return;
  }
  emit busyChanged(true);
  job_.Start();
}

void PlayListProfile::OnScanned(const scanner::ScannerCall& call) {
  const int result = scanner::LogDriveScan(log_, call);
  emit busyChanged(false);
  if (result > 0) {
    Load();
    status_(QStringLiteral("Ready"));
  } else if (result < 0) {
    // Left on the status line: "Ready" would hide why nothing came in.
    status_(QStringLiteral("tunesweep.dll not found"));
    log_.WritePlayLog(QStringLiteral("ERR"), QStringLiteral("tunesweep.dll not found"),
                      QStringLiteral("Play List Profile not Created"));
  } else {
    status_(QStringLiteral("Ready"));
  }
  emit done(result);
}

void PlayListProfile::Load() {
  if (word_.isEmpty())
    loader_.LoadPrl(ProfilePath());
  else
    loader_.LoadPrlFiltered(ProfilePath(), word_);
}
