// The state a deck last heard from its engine player.
#pragma once

#include <QString>

enum class PlayerState : int { Playing = 1, AtEnd = 2, Stopped = 3, Paused = 4, None = -1 };

// The deck's state text for a state ("CLOSED" for None).
QString StateText(PlayerState state);
