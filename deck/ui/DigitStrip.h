// The digit strip picture of the counters: 12 equal cells, "0"-"9", a blank, ":".
// Amber seven-segment digits on black, painted once instead of shipped as an image.
#pragma once

#include <QPixmap>

QPixmap MakeDigitStrip(int cellWidth = 18, int cellHeight = 26);
