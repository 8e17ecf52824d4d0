#include "scanner/DriveScanJob.h"

#include <QMetaObject>

namespace scanner {

DriveScanJob::DriveScanJob(QString library, QObject* parent) : QObject(parent), library_(std::move(library)) {
  poll_.setInterval(250);
  connect(&poll_, &QTimer::timeout, this, &DriveScanJob::Poll);
}

DriveScanJob::~DriveScanJob() {
  if (worker_.joinable()) worker_.join();
}

bool DriveScanJob::Start() {
  if (running_) return false;
  if (worker_.joinable()) worker_.join();
  running_ = true;
  poll_.start();
  worker_ = std::thread([this] {
    result_ = CallFindMain(library_, &probe_);
    QMetaObject::invokeMethod(this, &DriveScanJob::Finish, Qt::QueuedConnection);
  });
  return true;
}

void DriveScanJob::Poll() {
  long long folders = 0, clips = 0;
  if (probe_.Read(folders, clips)) emit progress(folders, clips);
}

void DriveScanJob::Finish() {
  if (worker_.joinable()) worker_.join();
  poll_.stop();
  running_ = false;
  emit finished(result_);
}

}  // namespace scanner
