// The automation toggles of the window ("LOAD NEXT", "MIX NEXT", "ADVS", "EP", "PRG") and
// the status-line lamps of adverts, programs and ensure play: views of the station's
// switches. A click asks the station; the buttons and lamps show what it says back, so a
// key, the remote or a menu entry that switches something is shown the same way.
#pragma once

#include <QObject>

class QLabel;
class QPushButton;
class QWidget;
class Station;

class AutomationToggles : public QObject {
  Q_OBJECT
 public:
  AutomationToggles(Station& station, QWidget* window);

  QPushButton* LoadNext() const { return loadNext_; }
  QPushButton* MixNext() const { return mixNext_; }
  QPushButton* Adverts() const { return adverts_; }
  QPushButton* EnsurePlay() const { return ensurePlay_; }
  QPushButton* Programs() const { return programs_; }
  bool AdvertsLampShown() const;
  bool ProgramsLampShown() const;
  bool EnsurePlayLampShown() const;

 signals:
  // "ADVS" or "PRG" went on or off: the lists below the songs list change.
  void listsChanged();

 private:
  void ShowMixToggles();

  Station& station_;
  QPushButton* loadNext_ = nullptr;
  QPushButton* mixNext_ = nullptr;
  QPushButton* adverts_ = nullptr;
  QPushButton* ensurePlay_ = nullptr;
  QPushButton* programs_ = nullptr;
  QLabel* advertsLamp_ = nullptr;
  QLabel* programsLamp_ = nullptr;
  QLabel* ensurePlayLamp_ = nullptr;
};
