// The look and behaviour every clip list of the console shares, and its buttons: whole
// rows selected one at a time, no editing, no grid, fixed row heights (a list of 100 000
// clips must not measure every row), black on white.
#pragma once

class QPushButton;
class QString;
class QTableView;
class QWidget;

void SetUpClipTable(QTableView& view);

// The small captioned buttons under the console's lists.
QPushButton* SmallButton(const QString& caption, const QString& tip, QWidget* parent);
