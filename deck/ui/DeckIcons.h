// Pictures of the deck controls, painted at first use (no image files to ship).
#pragma once

#include <QIcon>

#include "deck/DeckIcon.h"

QIcon DeckIconPicture(DeckIcon icon);
