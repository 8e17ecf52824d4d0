// The decoder's input and output module lists of the engine information dialog, filled
// from Player 1's answers as they arrive (the engine answers by notifications).
#pragma once

#include <QObject>
#include <QStringList>

class EngineModules : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  void Clear();
  // A module notification (input or output module info).
  void Report(int code, const QString& text);
  const QStringList& Inputs() const { return inputs_; }
  const QStringList& Outputs() const { return outputs_; }

 signals:
  void changed();

 private:
  QStringList inputs_;
  QStringList outputs_;
};
