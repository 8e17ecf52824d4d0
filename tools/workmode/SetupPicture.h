// The picture of a working mode: the computer with one sound output to the mixing desk,
// or with the main output to the desk and a second (monitor) output to the headphones.
#pragma once

#include <QWidget>

#include "workmode/WorkingModeChooser.h"

class SetupPicture : public QWidget {
  Q_OBJECT
 public:
  explicit SetupPicture(QWidget* parent = nullptr);
  void SetMode(WorkingModeChooser::Mode mode);
  WorkingModeChooser::Mode Mode() const { return mode_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  WorkingModeChooser::Mode mode_ = WorkingModeChooser::kNoMonitor;
};
