// The songs list as the rest of the program sees it: its rows, the selection and the
// current-item rule, the insertion point, the "Clips:" and "List Duration:" values, the
// clip information text and the header of the play list last read. GUI-free: a panel
// shows it, mirrors its selection and tells it which row is at the top of the view.
#pragma once

#include "formats/PrlPlayList.h"
#include "platform/ListSelection.h"
#include "songs/SongsListModel.h"

#include <QObject>

#include <functional>

class PlayLog;

class SongsList : public QObject {
  Q_OBJECT

 public:
  explicit SongsList(PlayLog& log, QObject* parent = nullptr);

  SongsListModel& Model() { return model_; }
  const SongsListModel& Model() const { return model_; }
  int Count() const { return model_.Count(); }
  const ClipEntry& At(int row) const { return model_.At(row); }

  // The selected row, else the topmost visible row (which then becomes selected); the
  // row is scrolled into view. -1 when the list is empty.
  int CurrentItem();
  // The selected row without selecting anything; -1 for none.
  int SelectedRow() const;
  void SelectItem(int row);
  // The view's own selection moved (a click): taken without a signal back.
  void NoteSelected(int row);
  // The topmost visible row of the view that shows the list; without one the top is row 0.
  void SetTopRowSource(std::function<int()> topRow) { selection_.SetTopRowSource(std::move(topRow)); }
  // Brings the row into view without selecting it.
  void ShowRow(int row);
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

  // The clip information box below the list.
  void SetClipInfoText(const QString& text);
  QString ClipInfoText() const { return clipInfo_; }

  // A long job (shuffle, count) runs on the list: the view is disabled and shows the wait
  // cursor until it ends.
  void SetBusy(bool busy);
  bool Busy() const { return busy_; }

 signals:
  void clipCountChanged(int count);
  void listDurationChanged(const QString& text);
  void selectionChanged(int row);
  void showRowRequested(int row);
  void clipInfoTextChanged(const QString& text);
  void busyChanged(bool busy);

 private:
  SongsListModel model_;
  PlayLog& log_;
  ListSelection selection_;
  bool busy_ = false;
  QString clipInfo_;
  QString listDuration_;
  PrlHeader header_;
};
