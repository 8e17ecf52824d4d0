// The "Mix Style" group without its widgets: the loaded StyleTable and the style list that
// shows its names, the user's style choice, and the mixing controls that mirror
// MixSettings. The station, the clip loader and the automatic mix use it directly; the
// panel in mix/ui only shows it and hands the user's moves and choices back. Every change
// is signalled for just the part that changed, and only when something did change.
// GUI thread only.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

#include "mix/MixSettings.h"
#include "mix/MixSliders.h"
#include "formats/MixStyle.h"

class Dialogs;
class PlayLog;

class MixStyleModel : public QObject {
  Q_OBJECT

 public:
  // settings are the values in force, owned by the station. startFolder holds
  // "MxStyles.txt". log and dialogs may be null; otherwise they must outlive the model.
  MixStyleModel(MixSettings& settings, PlayLog* log, Dialogs* dialogs, QString startFolder, QObject* parent = nullptr);

  // Reads the style table into the table and the style list and selects the last entry
  // without applying it. Returns the number of styles, or stylefile::kReadFailed with
  // list and table unchanged.
  int LoadStyles();
  // Writes the built-in styles into folder (see stylefile::WriteDefaultStyles).
  bool WriteDefaultStyles(const QString& folder);
  // Puts the named style into force through the controls. Returns its row, or 0 when
  // nothing was applied (empty table; an unknown name, which makes "DEF1" current).
  int ApplyStyle(const QString& name);
  // Start-up: the default setting becomes the current style; with no usable table the
  // built-in one is written, read and its default style applied.
  void StartUp(const QString& defaultStyleSetting);
  // After the style editor is closed: reload and apply the default style.
  void ReloadAfterEditor(const QString& defaultStyleSetting);

  // The mixing controls as they stand become the settings in force, and a crossfade's
  // steps start again at 1.
  void CaptureMixSettings();

  // The style a clip with this title is loaded with (see StyleForClip).
  QString StyleForClip(const QString& title, bool advertsOn, const QString& defaultStyleSetting) const;

  const StyleTable& Styles() const { return table_; }
  // The entries of the style list: the table's names in file order.
  QStringList StyleNames() const { return table_.Names(); }
  // The entry the list shows as chosen, -1 for none.
  int ListIndex() const { return listIndex_; }
  const QString& currentStyleName() const { return currentStyleName_; }
  void setCurrentStyleName(const QString& name) { currentStyleName_ = name; }

  const SliderState& Slider(MixSlider slider) const { return sliders_[Index(slider)]; }
  // The "Mix at " box; the wait-level slider and its label are enabled with it.
  bool MixAt() const { return mixAt_; }

  // --- The user's moves, as the panel hands them on.
  // The user confirmed entry index of the style list; an index with no entry, or an entry
  // with no name, shows "Styles List is Empty!!!".
  void ChooseStyle(int index);
  // A slider moved by hand: the value (clamped to its range) is in force at once.
  void MoveSlider(MixSlider slider, int value);
  // The "Mix at " box ticked or cleared by hand.
  void SetMixAt(bool on);

 signals:
  // The list's entries were replaced; ListIndex() is already the new one. A reload that
  // finds the same names reports only the moved choice.
  void stylesChanged();
  void listIndexChanged(int index);
  // The value, label or enabled state of one slider changed.
  void sliderChanged(MixSlider slider);
  void mixAtChanged(bool on);
  void statusText(const QString& text);

 private:
  static int Index(MixSlider slider) { return static_cast<int>(slider); }
  void Show(MixSlider slider, const SliderState& state);
  // The slider at value (clamped to its range) and labelled for a style or a hand move.
  SliderState Placed(MixSlider slider, int value, bool byHand) const;
  // Shows the slider so and puts its value into force.
  void Put(MixSlider slider, const SliderState& state);
  void ShowMixAt(bool on);
  void SelectEntry(int index);

  MixSettings& settings_;
  PlayLog* log_;
  Dialogs* dialogs_;
  QString startFolder_;
  StyleTable table_;
  int listIndex_ = -1;
  QString currentStyleName_ = QString::fromLatin1(kDefaultStyle);
  std::array<SliderState, std::size(kMixSliders)> sliders_;
  bool mixAt_ = false;
};
