// The dialogs as real Qt message boxes and file dialogs.
#pragma once

#include "platform/Dialogs.h"

class QWidget;

class QtDialogs final : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent) : parent_(parent) {}
  Answer Message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                 Answer defaultButton) override;
  QStringList OpenFiles(const QString& caption, const QString& folder, const QString& filter, bool multiple) override;
  QString SaveFile(const QString& caption, const QString& folder, const QString& filter) override;
  QString Folder(const QString& caption, const QString& folder) override;
  QString Text(const QString& caption, const QString& label, const QString& value, bool* ok) override;

 private:
  QWidget* parent_;
};
