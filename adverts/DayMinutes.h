// Times of day as the advert check and the day-program check compare them: minutes since
// midnight, and the minutes left until a timed event, round the clock.
#pragma once

#include <QStringView>

// "HH:MM" (or the clock's "HH:MM:SS") as hours * 60 + minutes, each field read as the C
// library's atol reads it; 00:00 counts as 1440, the end of the day. -1 for a text of four
// characters or fewer, or when the list the time belongs to has no rows.
int MinutesOfDay(QStringView text, int listRows);

// Minutes from now until the event, 0-1439, taken round the clock so that an event just
// after midnight is as near at 23:59 as any other one minute ahead. -1 when either value
// is not a minute of the day (1-1440): nothing is ever due then.
int MinutesUntil(int eventMinutes, int nowMinutes);
