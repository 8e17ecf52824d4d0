// The adverts group without its widgets: the adverts list with its selection, the block
// list, the small status label, the EPL file last read, and the "Manual" switch with the
// two controls it enables and disables (">>" and the block list). The panel in adverts/ui
// shows it and hands the user's clicks back; the commands and the clock check change it.
// GUI thread only.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "adverts/AdvertListModel.h"
#include "adverts/BlockList.h"
#include "platform/ListSelection.h"

class PlayLog;

class AdvertList : public QObject {
  Q_OBJECT

 public:
  explicit AdvertList(PlayLog& log, QObject* parent = nullptr);

  AdvertListModel& Model() { return model_; }
  const AdvertListModel& Model() const { return model_; }
  int Count() const { return model_.Count(); }
  const AdvertSpot& At(int row) const { return model_.At(row); }

  // The selected row, else the topmost visible row (which then becomes selected); -1 when
  // the list is empty.
  int CurrentRow();
  int SelectedRow() const { return selection_.Row(Count()); }
  // Selects the row; the view scrolls it into view.
  void SelectRow(int row);
  // The view's own selection moved (a click): taken without a signal back.
  void NoteSelected(int row) { selection_.Note(row, Count()); }
  // The topmost visible row of the view; without one the top is row 0.
  void SetTopRowSource(std::function<int()> topRow) { selection_.SetTopRowSource(std::move(topRow)); }

  void InsertRow(int row, AdvertSpot spot) { model_.Insert(row, std::move(spot)); }
  bool RemoveRow(int row) { return model_.Remove(row); }

  const BlockList& Blocks() const { return blocks_; }
  void RemoveBlockAt(int index);
  // The user chose an entry of the drop-down.
  void ChooseBlock(int index);
  bool BlockListEnabled() const { return blockListEnabled_; }
  void SetBlockListEnabled(bool on);

  bool Manual() const { return manual_; }
  // The "Manual" toggle: while on, blocks go in only after a question, ">>" is enabled
  // and the block list is not.
  void SetManual(bool on);
  bool LoadBlockEnabled() const { return loadBlockEnabled_; }

  QString StatusLabel() const { return statusLabel_; }
  // The EPL file last read; ensure play keeps a copy of it.
  QString EplPath() const { return eplPath_; }

  // Reads the EPL file into both lists, clip paths by the loading type (0 by code, other
  // by name), and logs it. The number of spots, or epl::kReadFailed with nothing changed.
  int LoadAdvertList(const QString& path, int loadingType);
  // Empties both lists and logs it; an empty list only loses its status label.
  void ClearAdvertList();

 signals:
  void selectionChanged(int row);
  // Entries or the chosen entry of the block list.
  void blocksChanged();
  // Manual, the ">>" button or the block list's enabled state.
  void controlsChanged();
  void statusLabelChanged(const QString& text);

 private:
  void SetStatusLabel(const QString& text);

  PlayLog& log_;
  AdvertListModel model_;
  BlockList blocks_;
  ListSelection selection_;
  bool manual_ = false;
  bool loadBlockEnabled_ = false;
  bool blockListEnabled_ = true;
  QString statusLabel_;
  QString eplPath_;
};
