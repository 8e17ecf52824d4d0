// The Day Program Maker's time line: which half-hours of the day the programs take, and
// what the strip under the list tells of the mouse.
#pragma once

#include <QList>
#include <QString>

#include "formats/ProgramsTable.h"

namespace timeline {

inline constexpr int kSlots = 48;
// The strip in the dialog's coordinates.
inline constexpr int kLeft = 19, kRight = 547, kTop = 207, kBottom = 227;

// 49 characters "0"/"1": character i is the half-hour from i * 30 minutes after midnight;
// the last one is always "0". A program takes its start slot and one more slot per half
// hour it lasts (whole hours, and one for 31 minutes or more), never past midnight.
QString SlotMask(const QList<ProgramEntry>& rows);

// "HH:MM" of the half-hour under dialog x (the last pixels give "23:30").
QString LabelAt(int x);
// Inside the strip.
bool InStrip(int x, int y);
// The entry of the time list a double click at dialog x selects, 0-47.
int TimeIndexAt(int x);

// The 48 texts of the time list: "00:00", "00:30" ... "23:30".
QStringList TimeTexts();

}  // namespace timeline
