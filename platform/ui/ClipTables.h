// The look and behaviour every clip list of the console shares: whole rows selected one at
// a time, no editing, no grid, fixed row heights (a list of 100 000 clips must not measure
// every row), black on white.
#pragma once

class QTableView;

void SetUpClipTable(QTableView& view);
