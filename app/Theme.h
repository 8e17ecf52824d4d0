// The console look: Fusion with a dark palette, readable from across the room.
#pragma once

class QApplication;

void ApplyConsoleTheme(QApplication& app);
