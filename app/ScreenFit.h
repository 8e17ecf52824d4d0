// Where the fixed 800 x 600 window goes on a screen of a given size.
#pragma once

#include <QRect>
#include <QSize>

#include <optional>

// Width 640: the whole screen; 800: (0, 0) 800 x 600; 1024 or more: (112, 84) 800 x 600;
// any other width leaves the window where it is (nullopt).
inline std::optional<QRect> FitToScreen(QSize screen) {
  if (screen.width() == 640) return QRect(QPoint(0, 0), screen);
  if (screen.width() == 800) return QRect(0, 0, 800, 600);
  if (screen.width() >= 1024) return QRect(112, 84, 800, 600);
  return std::nullopt;
}
