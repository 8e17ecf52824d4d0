// The "Mix Style" group of the main window: the style list and the mixing controls that
// mirror MixSettings. It owns the loaded StyleTable and the user's style choice; the main
// window owns MixSettings and the status line (reached through statusText).
#pragma once

#include <QGroupBox>
#include <QString>

#include "mix/MixSettings.h"
#include "formats/MixStyle.h"

class Dialogs;
class PlayLog;
class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

class MixStylePanel : public QGroupBox {
  Q_OBJECT

 public:
  // startFolder holds "MxStyles.txt". log and dialogs must outlive the panel.
  MixStylePanel(MixSettings& settings, PlayLog* log, Dialogs* dialogs, QString startFolder,
                QWidget* parent = nullptr);

  // Reads the style table into the table and the style list and selects the last entry
  // without applying it. Returns the number of styles, or stylefile::kReadFailed with
  // list and table unchanged.
  int LoadStyles();
  // Writes the built-in styles into folder (see stylefile::WriteDefaultStyles). On failure
  // logs "ERR" / "Can't create default mix styles" / path and returns false; on success
  // shows "Default Mix Styles created!" and returns true.
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
  const QString& currentStyleName() const { return currentStyleName_; }
  void setCurrentStyleName(const QString& name) { currentStyleName_ = name; }

 public slots:
  // The user confirmed a choice in the style list.
  void OnStyleChosen();

 signals:
  void statusText(const QString& text);

 private:
  void BuildControls();
  void ConnectHandMoves();
  void SetWaitEnabled(bool on);

  MixSettings& settings_;
  PlayLog* log_;
  Dialogs* dialogs_;
  QString startFolder_;
  StyleTable table_;
  QString currentStyleName_ = QString::fromLatin1(kDefaultStyle);

  QComboBox* styleList_ = nullptr;
  QSlider* skipSlider_ = nullptr;
  QLabel* skipLabel_ = nullptr;
  QCheckBox* mixAtBox_ = nullptr;
  QSlider* waitSlider_ = nullptr;
  QLabel* waitLabel_ = nullptr;
  QSlider* inSpeedSlider_ = nullptr;
  QLabel* inSpeedLabel_ = nullptr;
  QSlider* outSpeedSlider_ = nullptr;
  QLabel* outSpeedLabel_ = nullptr;
  QSlider* mixSpeedSlider_ = nullptr;
  QLabel* mixSpeedLabel_ = nullptr;
  QSlider* startVolumeSlider_ = nullptr;
  QLabel* startVolumeLabel_ = nullptr;
};
