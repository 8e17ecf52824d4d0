// The songs-list column of the main window: the list, "| <", "> |", "^", "APL", the
// search field with "Find 1" / "Find 2", "List Duration:", "Clips:" and the clip
// information box, plus the entries of the list's context menu. A view of the songs
// list, which the station owns; the main window connects the buttons and entries to the
// operations.
#pragma once

#include "songs/SongsList.h"
#include "songs/SongsListModel.h"

#include <QWidget>

#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

class SongsListPanel : public QWidget {
  Q_OBJECT

 public:
  // Context-menu entries, in menu order.
  enum MenuEntry {
    kLoadMp3Clips,
    kLoadPlayList,
    kImportM3u,
    kRemoveClip,
    kSelectPrevious,
    kSelectNext,
    kLoadSelected,
    kRenameSelected,
    kSavePlayList,
    kAddToFavourites,
    kMenuEntryCount
  };

  SongsListPanel(SongsList& list, std::function<void(const QString&)> status, QWidget* parent = nullptr);
  ~SongsListPanel() override;

  SongsList& List() { return *list_; }
  SongsListModel& Model() { return list_->Model(); }
  QTableView* View() const { return view_; }
  QAction* Action(MenuEntry entry) const { return actions_[entry]; }
  QList<QAction*> ContextActions() const;

  QPushButton* BackButton() const { return back_; }
  QPushButton* NextButton() const { return next_; }
  QPushButton* LoadSelectedButton() const { return loadSelected_; }
  QPushButton* AplButton() const { return apl_; }
  QPushButton* Find1Button() const { return find1_; }
  QPushButton* Find2Button() const { return find2_; }
  QLineEdit* SearchField() const { return search_; }
  QLabel* ClipsLabel() const { return clips_; }
  QLabel* ListDurationLabel() const { return duration_; }

  void SetClipInfoText(const QString& text);
  QString ClipInfoText() const;

 signals:
  // "^", "Load Selected" and a double click on the list.
  void loadSelectedRequested();
  // "Find 1" (column 1, titles) or "Find 2" (column 2, paths) with the search text.
  void searchRequested(int column, const QString& text);
  void aplClicked();
  // Files dropped on the list, in the order delivered.
  void filesDropped(const QStringList& paths);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BindList();
  void BuildActions();
  void OnSearchTextChanged(const QString& text);

  QTableView* view_;
  SongsList* list_;
  bool busyCursor_ = false;
  std::function<void(const QString&)> status_;
  QPushButton* back_;
  QPushButton* next_;
  QPushButton* loadSelected_;
  QPushButton* apl_;
  QLineEdit* search_;
  QPushButton* find1_;
  QPushButton* find2_;
  QLabel* duration_;
  QLabel* clips_;
  QPlainTextEdit* info_;
  QAction* actions_[kMenuEntryCount] = {};
};
