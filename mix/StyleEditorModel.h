// The "Edit Mix Styles" dialog without its widgets: a working copy of the style table, the
// name box and the value controls, and the operations of its buttons. Nothing reaches
// "MxStyles.txt" before Save; the built-in styles "DEF1" and "ADVS" can be neither updated
// nor removed. Every question and warning goes through Dialogs. The dialog in mix/ui only
// shows it and hands the user's edits and clicks on. GUI thread only.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <array>

#include "formats/MixStyle.h"
#include "mix/MixSliders.h"
#include "platform/Dialogs.h"

class StyleEditorModel : public QObject {
  Q_OBJECT

 public:
  static constexpr int kMaxNameChars = 20;

  // folder holds "MxStyles.txt". dialogs must outlive the model.
  StyleEditorModel(Dialogs& dialogs, QString folder, QObject* parent = nullptr);

  // Reads the table into the working copy (a missing or empty file gives an empty list);
  // nothing is unsaved afterwards.
  void Open();

  // --- What the dialog shows.
  const QList<MixStyle>& Rows() const { return rows_; }
  // The selected row, -1 for none.
  int SelectedRow() const { return selected_; }
  // "DEF1" and "ADVS": shown with the first picture, never updated or removed.
  static bool IsBuiltIn(const QString& name);
  const QString& Name() const { return name_; }
  const SliderState& Slider(MixSlider slider) const { return sliders_[Index(slider)]; }
  // The "Mix at " box; the wait-level slider and its label are enabled with it.
  bool MixAt() const { return mixAt_; }
  // The controls were edited since a row was last shown, added, updated or removed.
  bool StyleChanged() const { return styleChanged_; }
  // The working copy differs from what was last read or saved.
  bool ListUnsaved() const { return listUnsaved_; }

  // --- The user's edits.
  // The name box edited: at most kMaxNameChars, and never a double quote (a field cannot
  // hold one in the file).
  void EditName(const QString& text);
  void MoveSlider(MixSlider slider, int value);
  void SetMixAt(bool on);
  // The selection moved without a click (the arrow keys): nothing is shown.
  void SelectRow(int row);
  // A click on the list: row is the row under the click, -1 for none (then the selected
  // row, else the first). Offers to update an edited style first, then shows the row.
  void ClickRow(int row);

  // --- The buttons.
  void AddNew();
  void Update();
  void Remove();
  void Save();
  void Exit();
  void Cancel();

 signals:
  // Rows were added or removed; SelectedRow() is already the new one.
  void rowsChanged();
  void selectionChanged(int row);
  void nameChanged(const QString& name);
  void sliderChanged(MixSlider slider);
  void mixAtChanged(bool on);
  // The dialog closes: accepted by Exit (the window then reloads the table), or not.
  void finished(bool accepted);

 private:
  static int Index(MixSlider slider) { return static_cast<int>(slider); }
  Dialogs::Answer Ask(const QString& text, Dialogs::Answer byDefault);
  void Warn(const QString& text);
  bool Append();
  // Runs Update; the index of the earlier row it removed, or -1 when it refused.
  int UpdateRow();
  bool RemoveRow(int row);
  void ShowRow(int row);
  void Select(int row);
  void ShowSlider(MixSlider slider, int value, bool byHand);
  void ShowMixAt(bool on);
  MixStyle FromControls() const;

  Dialogs& dialogs_;
  QString folder_;
  QList<MixStyle> rows_;
  int selected_ = -1;
  QString name_;
  std::array<SliderState, std::size(kMixSliders)> sliders_;
  bool mixAt_ = true;
  bool styleChanged_ = false;
  bool listUnsaved_ = false;
  bool updating_ = false;
};
