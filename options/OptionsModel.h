// The "KORVO XA Options" dialog without its widgets: the lists and switches it shows, what
// counts as an unapplied change, and its buttons. The dialog (options/ui) is a view of it.
//
// The lists keep the text they were opened with when nothing in them is chosen (a stored
// style that is no longer in the table, a port that is not there today), so APPLY writes
// that text back instead of an empty value.
//
// GUI thread only.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

#include "audio/devices.h"
#include "options/OptionsWrites.h"

class Dialogs;
class PortProbe;
class SettingsStore;
class SystemServices;

// One of the dialog's lists: its entries and the chosen one.
struct OptionsList {
  QStringList items;
  int selected = -1;
  QString openedWith;  // what APPLY writes while nothing is chosen
  QString Text() const { return selected >= 0 ? items[selected] : openedWith; }
  void SelectText(const QString& text) {
    selected = int(items.indexOf(text));
    openedWith = text;
  }
};

class OptionsModel : public QObject {
  Q_OBJECT
 public:
  enum class List { MainOut, Monitor, Fps, Style, RemotePort };

  // What the dialog lists that is not in the settings.
  struct Sources {
    QList<XaOutputDevice> devices;  // the engine's output devices
    QStringList styles;             // the main window's style list, in order
    int screenWidth = 0;
  };
  struct Hooks {
    // After APPLY wrote the values: re-read them into the station and play on the two
    // chosen devices (list indexes).
    std::function<void(int mainIndex, int monitorIndex)> applied;
    // The desktop's sound mixer program, or empty when none is installed.
    std::function<QString()> findMixer;
  };

  OptionsModel(SettingsStore& store, Dialogs& dialogs, SystemServices& system, PortProbe& probe, Hooks hooks,
               QObject* parent = nullptr);

  // Fills the lists, shows the stored values, keeps the screen saver off.
  void Open(const Sources& sources);

  const OptionsList& Of(List list) const;
  QString StartUpProgram() const { return startUpProgram_; }
  bool ChangeResolution() const { return changeResolution_; }
  bool AdvertsByFilenames() const { return advertsByFilenames_; }
  bool KeepPlayLog() const { return keepPlayLog_; }
  bool AllowSystemRestart() const { return allowRestart_; }
  bool ApplyEnabled() const { return applyEnabled_; }
  bool ChangeScreenEnabled() const { return changeScreenEnabled_; }

  // The operator's changes; each enables APPLY.
  void Choose(List list, int index);
  void SetStartUpProgram(const QString& path);
  void ClearStartUpProgram();   // "X"
  void BrowseStartUpProgram();  // "..."
  void SetChangeResolution(bool on);
  // The advert-loading pair: ticking (or unticking) either sets the other to the opposite.
  void ClickAdvertsCoded();
  void ClickAdvertsFilenames();
  void SetKeepPlayLog(bool on);
  void SetAllowSystemRestart(bool on);

  // APPLY: false (and nothing written) when an output list has no choice.
  bool Apply();
  // The values APPLY writes, in the order it writes them.
  OptionsWrites Writes() const;
  // EXIT: asks about unapplied changes first. The dialog closes afterwards either way.
  void Exit();
  // "?" next to an output list (MainOut or Monitor): the chosen device's report.
  void ShowDeviceReport(List list);
  void StartMixer();        // "Mixer?"
  void StartWorkingMode();  // "Set Working Mode"
  void ChangeScreenNow();   // "Change to 800*600 pixels Now"

 signals:
  void changed();

 private:
  void ReadStored();
  void Changed();
  OptionsList& Mutable(List list);

  SettingsStore& store_;
  Dialogs& dialogs_;
  SystemServices& system_;
  PortProbe& probe_;
  Hooks hooks_;
  QList<XaOutputDevice> devices_;
  OptionsList lists_[5];
  QString startUpProgram_;
  bool changeResolution_ = false;
  bool advertsByFilenames_ = false;
  bool keepPlayLog_ = false;
  bool allowRestart_ = false;
  bool applyEnabled_ = false;
  bool changeScreenEnabled_ = false;
};
