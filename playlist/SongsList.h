// The songs list as the rest of the program sees it: its rows, the selection and the
// current-item rule, the insertion point, the "Clips:" and "List Duration:" values and
// the header of the play list last read.
#pragma once

#include "formats/PrlPlayList.h"
#include "playlist/SongsListModel.h"

#include <QObject>

class PlayLog;
class QTableView;

class SongsList : public QObject {
  Q_OBJECT

 public:
  // The view shows the model; the list only reads and moves its selection and scrolling.
  SongsList(SongsListModel& model, QTableView& view, PlayLog& log);

  SongsListModel& Model() { return model_; }
  const SongsListModel& Model() const { return model_; }
  QTableView& View() { return view_; }
  int Count() const { return model_.Count(); }
  const ClipEntry& At(int row) const { return model_.At(row); }

  // The selected row, else the topmost visible row (which then becomes selected); the
  // row is scrolled into view. -1 when the list is empty.
  int CurrentItem();
  // The selected row without selecting anything; -1 for none.
  int SelectedRow() const;
  void SelectItem(int row);
  // Move to the next / previous row, wrapping round; nothing on an empty list.
  void SelectNext();
  void SelectPrevious();

  // Inserts the entries in their order at the current item (0 on an empty list), so they
  // stand before the row that was current. Returns the row of the first one.
  int InsertAtCurrent(std::vector<ClipEntry> entries);

  void UpdateClipCount();
  QString ListDuration() const { return listDuration_; }
  void SetListDuration(const QString& text);

  PrlHeader& Header() { return header_; }
  const PrlHeader& Header() const { return header_; }

  // Deletes every row, resets the count, the list duration and the header, and logs it.
  void ClearSongsList();

 signals:
  void clipCountChanged(int count);
  void listDurationChanged(const QString& text);

 private:
  SongsListModel& model_;
  QTableView& view_;
  PlayLog& log_;
  QString listDuration_;
  PrlHeader header_;
};
