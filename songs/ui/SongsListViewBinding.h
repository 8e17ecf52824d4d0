// Keeps a table view and a songs list in step: the list's selection shows in the view and
// a click in the view becomes the list's selection; the view tells the list which row is
// at its top; the list scrolls the view to a row. The list must outlive the view or be
// unbound from it (SongsList::SetTopRowSource({})) first.
#pragma once

class QTableView;
class SongsList;

void BindSongsListView(SongsList& list, QTableView& view);
