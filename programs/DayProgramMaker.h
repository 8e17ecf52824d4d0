// The Day Program Maker without its widgets: the programs list being edited, the "Play
// List Data" editors, the modified flag and the time line's slot mask, with the
// operations of the dialog's buttons, context menu, double click and time-line strip.
// Only "SAVE" reaches the programs file. The dialog in programs/ui shows it and hands
// every click to it; questions and file dialogs go through Dialogs. GUI thread only.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "programs/ProgramTableModel.h"

class Clock;
class Dialogs;

// What the "Play List Data" group holds.
struct ProgramEditors {
  QString playList, date, owner, clips, duration, style, description;
  QString time = QStringLiteral("00:00");  // the time list's text
  bool shuffle = true;                     // "Suffle on Load"
  bool operator==(const ProgramEditors&) const = default;
};

class DayProgramMaker : public QObject {
  Q_OBJECT

 public:
  // Everything given must outlive this object. playListFolder is "Def Play List Folder",
  // where "Load" starts and which it moves to the folder of each list chosen. help opens
  // the help pages.
  DayProgramMaker(Dialogs& dialogs, const Clock& clock, QString startFolder, QString& playListFolder,
                  std::function<void()> help = {}, QObject* parent = nullptr);

  ProgramTableModel& Rows() { return rows_; }
  const ProgramTableModel& Rows() const { return rows_; }
  const ProgramEditors& Editors() const { return editors_; }
  // The user typed or chose in an editor.
  void SetEditors(const ProgramEditors& editors) { editors_ = editors; }
  bool Modified() const { return modified_; }
  QString SlotMask() const { return slotMask_; }
  QString ProgramsFilePath() const;

  // The opening steps: editors emptied, the programs file read (a missing one leaves the
  // list empty without a word), modified off.
  void Open();
  // Reads the programs file, each record as the new first row. 1, or
  // programs::kReadFailed with the list unchanged.
  int ReadProgramsFile();

  void LoadPlayList();  // "Load", "Load Program"
  void ReadPlayListHeader(const QString& path);
  void AddProgram();      // "+", "Insert"
  void RemoveProgram();   // "-", "Remove"
  void ClearPrograms();   // "CLEAR", "Clear Programs List"
  void SavePrograms();    // "SAVE", "Save programs List"
  void ReloadPrograms();  // "RE- LOAD", "Load Programs List"
  void EditRow(int row);  // double click on a row
  void NewProgram();      // "New Program"
  void Help();            // "Help"
  // "EXIT", "Exit" and the close box: true when the dialog may close.
  bool RequestClose();

  // The left button held over the strip at the half-hour `label`: the first row of that
  // time is selected.
  void SelectRowOfTime(const QString& label);

  int SelectedRow() const { return selected_ >= 0 && selected_ < rows_.Count() ? selected_ : -1; }
  void SelectRow(int row);
  void NoteSelected(int row) { selected_ = row; }
  void SetTopRowSource(std::function<int()> topRow) { topRow_ = std::move(topRow); }

 signals:
  void editorsChanged();
  void slotMaskChanged(const QString& mask);
  void selectionChanged(int row);

 private:
  void EmptyEditors();
  void RebuildSlotMask();
  int FirstRowWithTime(const QString& time) const;

  Dialogs& dialogs_;
  const Clock& clock_;
  QString startFolder_;
  QString& playListFolder_;
  std::function<void()> help_;
  ProgramTableModel rows_;
  ProgramEditors editors_;
  std::function<int()> topRow_;
  QString slotMask_;
  int selected_ = -1;
  bool modified_ = false;
};
