#include "deck/ui/ViewRefresh.h"

ViewRefresh::ViewRefresh(std::function<void(unsigned)> apply, QObject* parent)
    : QObject(parent), apply_(std::move(apply)) {
  timer_.setSingleShot(true);
  timer_.setInterval(kFrameMs);
  connect(&timer_, &QTimer::timeout, this, &ViewRefresh::Flush);
}

void ViewRefresh::Mark(unsigned parts) {
  dirty_ |= parts;
  if (dirty_ != 0 && !timer_.isActive()) timer_.start();
}

void ViewRefresh::Flush() {
  timer_.stop();
  const unsigned parts = dirty_;
  dirty_ = 0;
  if (parts != 0) apply_(parts);
}
