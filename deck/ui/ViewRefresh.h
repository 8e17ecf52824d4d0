// Gathers which parts of a model changed and hands them to the view at most once a display
// frame: a crossfade changes the faders 100 times a second, the screen shows 60 frames.
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class ViewRefresh : public QObject {
  Q_OBJECT
 public:
  static constexpr int kFrameMs = 16;

  // apply(parts) redraws those parts; it runs on the GUI thread from the event loop.
  ViewRefresh(std::function<void(unsigned)> apply, QObject* parent);

  void Mark(unsigned parts);
  // Applies what is marked now (the view is about to be shown or read).
  void Flush();

 private:
  std::function<void(unsigned)> apply_;
  QTimer timer_;
  unsigned dirty_ = 0;
};
