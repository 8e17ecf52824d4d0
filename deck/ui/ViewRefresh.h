// Gathers which parts of a model changed and hands them to the view at most once a frame of
// the console's own time base: a crossfade moves the faders 100 times a second, while the
// counters count 25 or 30 frames a second, so redrawing more often shows nothing new and
// costs the station more than its engine does.
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class ViewRefresh : public QObject {
  Q_OBJECT
 public:
  static constexpr int kFrameMs = 40;

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
