// The station's fixed timer ids, one name each, so every job that starts, stops or fires a
// timer of the window's table speaks of the same timer.
#pragma once

namespace timerid {

inline constexpr int kWatch = 1;         // automatic-mix watch, 500 ms
inline constexpr int kCrossfade = 2;     // crossfade tick, the style's 10-50 ms
inline constexpr int kAdvertCheck = 3;   // advert check, 1 s
inline constexpr int kEnsurePlay = 4;    // ensure-play tick, 4 s
inline constexpr int kProgramCheck = 5;  // day-program check, 1 s
inline constexpr int kRemotePoll = 6;    // remote-control poll, 10 ms
inline constexpr int kStartUpMix = 7;    // start-up mix, 5 s, once
inline constexpr int kLoadBlink1 = 8;    // Player 1 load blink, 100 ms
inline constexpr int kLoadBlink2 = 9;    // Player 2 load blink, 100 ms
// Stopped with the others at exit, but no job ever starts it: the id is kept only so that
// exit stops the same set of timers it always has.
inline constexpr int kExitOnly = 80;
inline constexpr int kClock = 99;  // "System Time:" clock, 1 s

// The load blink of deck 1 or 2.
constexpr int LoadBlink(int deck) { return deck == 1 ? kLoadBlink1 : kLoadBlink2; }

}  // namespace timerid
