// The console look: Fusion with a dark palette, readable from across the room.
#pragma once

#include <QString>

class QApplication;

void ApplyConsoleTheme(QApplication& app);

// Toggle buttons that are down light up, readable across the room.
inline QString LampButtonStyle() {
  return QStringLiteral("QPushButton:checked { background: #1d6b2a; color: #c8ffc8; font-weight: bold; }");
}
