#include "platform/ListSelection.h"

#include <QAbstractItemModel>

void FollowRows(ListSelection& selection, QAbstractItemModel& model, QObject* owner, std::function<void()> lost) {
  QObject::connect(&model, &QAbstractItemModel::rowsInserted, owner,
                   [&selection](const QModelIndex&, int first, int last) { selection.RowsInserted(first, last); });
  QObject::connect(&model, &QAbstractItemModel::rowsRemoved, owner,
                   [&selection, lost](const QModelIndex&, int first, int last) {
                     if (selection.RowsRemoved(first, last)) lost();
                   });
  QObject::connect(&model, &QAbstractItemModel::modelReset, owner, [&selection, lost] {
    selection.Clear();
    lost();
  });
}
