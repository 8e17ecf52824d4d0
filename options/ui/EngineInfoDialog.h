// The "KORVO XA - Application & Engine Informations" dialog: read-only. The report is
// made when it opens; the module lists fill as the engine answers.
#pragma once

#include <QDialog>
#include <QStringList>

class EngineModules;
class QListWidget;

class EngineInfoDialog : public QDialog {
  Q_OBJECT
 public:
  EngineInfoDialog(const QStringList& report, const EngineModules& modules, QWidget* parent = nullptr);
  QListWidget* Report() const { return report_; }
  QListWidget* InputModules() const { return inputs_; }
  QListWidget* OutputModules() const { return outputs_; }

 private:
  void ShowModules();

  const EngineModules& modules_;
  QListWidget* report_ = nullptr;
  QListWidget* inputs_ = nullptr;
  QListWidget* outputs_ = nullptr;
};
