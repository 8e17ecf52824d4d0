// A drive scan through the library bound by name, off the caller's thread: a station on air
// keeps its timers and its window while a large disk is walked. It reports the figures of
// the scan as it goes and its outcome at the end, both on the thread that started it.
#pragma once

#include "scanner/ScannerBinding.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <thread>

namespace scanner {

class DriveScanJob : public QObject {
  Q_OBJECT
 public:
  explicit DriveScanJob(QString library = QString::fromLatin1(kLibraryName), QObject* parent = nullptr);
  // Waits for a scan still running: the library must not be unloaded under it.
  ~DriveScanJob() override;

  // Starts a scan; false (nothing started) while one runs.
  bool Start();
  bool Running() const { return running_; }

 signals:
  // The folders walked and clips found so far, a few times a second.
  void progress(qint64 folders, qint64 clips);
  void finished(scanner::ScannerCall call);

 private:
  void Poll();
  void Finish();

  QString library_;
  ScanProbe probe_;
  QTimer poll_;
  std::thread worker_;
  ScannerCall result_;
  bool running_ = false;
};

}  // namespace scanner
