// The remote control's part of the window: the text of the mode in force (what each
// button does in it), the mode's picture and the lamp that shows the link is open.
#pragma once

#include <QObject>

class QLabel;
class QWidget;
class Station;

class RemoteModeView : public QObject {
  Q_OBJECT
 public:
  RemoteModeView(Station& station, QWidget* window);

 private:
  void Show();

  Station& station_;
  QLabel* text_ = nullptr;
  QLabel* picture_ = nullptr;
  QLabel* active_ = nullptr;
};
