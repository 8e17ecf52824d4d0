// "Create Auto List": every MP3 file of the local disks into the list, through the drive
// scanner's profile. The scan runs on a worker thread so the window stays alive and shows
// how many folders and clips were found so far; the profile is read into the list when it
// ends and deleted before and after, so no stale profile is ever read.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <thread>

class Dialogs;

namespace scanner {
struct ScanPlan;
}

namespace creator {

class CreatorFiles;
class CreatorList;

class AutoListScan : public QObject {
  Q_OBJECT

 public:
  using PlanSource = std::function<scanner::ScanPlan()>;

  // plan gives the folders to walk (the machine's fixed disks unless told).
  AutoListScan(CreatorList& list, CreatorFiles& files, Dialogs& dialogs, PlanSource plan = {},
               QObject* parent = nullptr);
  // Waits for a running scan: the walk cannot be broken off.
  ~AutoListScan() override;

  // 0 when a scan started; -1 when answered No or a scan is running.
  int CreateAutoList();
  bool Running() const { return running_; }

 signals:
  void finished(int clips);

 private:
  void OnProgress(qint64 folders, qint64 clips);
  void OnDone(int clips);

  CreatorList& list_;
  CreatorFiles& files_;
  Dialogs& dialogs_;
  PlanSource plan_;
  QString profile_;
  std::thread worker_;
  bool running_ = false;
};

}  // namespace creator
