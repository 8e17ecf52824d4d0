// Displays that change while the decks play fill their own background, so a change
// repaints only them and not the panel and window beneath. Their fill must match what the
// style paints inside the panel's frame (Fusion tints it), so it is taken from the panel
// as drawn, and again whenever the palette or the style changes.
#pragma once

#include <QList>

class QGroupBox;
class QWidget;

void FillLikePanel(QGroupBox& panel, const QList<QWidget*>& widgets);
