#include "songs/ui/SongsListViewBinding.h"

#include "songs/SongsList.h"
#include "songs/SongsListModel.h"

#include <QItemSelectionModel>
#include <QTableView>

void BindSongsListView(SongsList& list, QTableView& view) {
  QTableView* v = &view;
  list.SetTopRowSource([v] { return v->rowAt(0); });
  QObject::connect(&list, &SongsList::selectionChanged, v, [v](int row) {
    QItemSelectionModel* sel = v->selectionModel();
    if (row < 0) {
      sel->clearSelection();
      return;
    }
    const QModelIndex index = v->model()->index(row, SongsListModel::kTitleColumn);
    sel->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    v->scrollTo(index);
  });
  QObject::connect(v->selectionModel(), &QItemSelectionModel::currentRowChanged, v,
                   [&list](const QModelIndex& current) { list.NoteSelected(current.isValid() ? current.row() : -1); });
  QObject::connect(&list, &SongsList::showRowRequested, v,
                   [v](int row) { v->scrollTo(v->model()->index(row, SongsListModel::kTitleColumn)); });
}
