// The "Mix Styles List" of the style editor as a Qt item model: the editor model's rows,
// fifteen columns, one picture for the built-in styles and another for the rest. It
// holds nothing itself; it is reset whenever the editor's rows change.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>

class StyleEditorModel;

class StyleListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // The column headers, in field order.
  static const QStringList& Headers();

  explicit StyleListModel(const StyleEditorModel& editor, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  void Reset();

 private:
  const StyleEditorModel& editor_;
  QIcon builtIn_;
  QIcon user_;
};
