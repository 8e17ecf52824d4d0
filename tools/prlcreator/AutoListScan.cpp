#include "tools/prlcreator/AutoListScan.h"

#include <QFile>

#include "platform/Dialogs.h"
#include "scanner/ProfileScan.h"
#include "scanner/ScanPlan.h"
#include "songs/StatusTexts.h"
#include "tools/prlcreator/CreatorFiles.h"
#include "tools/prlcreator/CreatorList.h"

namespace creator {

AutoListScan::AutoListScan(CreatorList& list, CreatorFiles& files, Dialogs& dialogs, PlanSource plan, QObject* parent)
    : QObject(parent), list_(list), files_(files), dialogs_(dialogs), plan_(std::move(plan)) {
  if (!plan_) plan_ = [] { return scanner::PlanForThisMachine(); };
}

AutoListScan::~AutoListScan() {
  if (worker_.joinable()) worker_.join();
}

int AutoListScan::CreateAutoList() {
  if (running_) return -1;
  if (dialogs_.Message(QStringLiteral("Create Auto Play List from hard disks mp3's?"), kTitle, Dialogs::Icon::Question,
                       Dialogs::Buttons::YesNo, Dialogs::Answer::Yes) != Dialogs::Answer::Yes)
    return -1;
  if (worker_.joinable()) worker_.join();
  profile_ = scanner::ProfilePath();
  QFile::remove(profile_);
  list_.SetStatus(QStringLiteral("PLEASE WAIT..."));
  list_.List().SetBusy(true);
  running_ = true;
  worker_ = std::thread([this, profile = profile_, plan = plan_()] {
    const auto progress = [this](const scanner::ScanProgress& p) {
      QMetaObject::invokeMethod(
          this, [this, p] { OnProgress(p.folders, p.clips); }, Qt::QueuedConnection);
    };
    const int clips = scanner::WriteProfile(profile, plan, progress).clips;
    QMetaObject::invokeMethod(
        this, [this, clips] { OnDone(clips); }, Qt::QueuedConnection);
  });
  return 0;
}

void AutoListScan::OnProgress(qint64 folders, qint64 clips) {
  if (running_) list_.SetStatus(QStringLiteral("PLEASE WAIT... %1 folders, %2 mp3's found").arg(folders).arg(clips));
}

void AutoListScan::OnDone(int clips) {
  if (worker_.joinable()) worker_.join();
  running_ = false;
  list_.List().SetBusy(false);
  if (clips > 0) files_.ReadPlayList(profile_);
  QFile::remove(profile_);
  list_.SetStatus(texts::kReady);
  emit finished(clips);
}

}  // namespace creator
