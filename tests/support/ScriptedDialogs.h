// A Dialogs fake for tests: records every box and file dialog, answers from scripted queues
// and falls back to a configurable default answer when a queue runs dry.
#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include <optional>

class ScriptedDialogs final : public Dialogs {
 public:
  struct Shown {
    QString text;
    QString title;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    Answer defaultButton = Answer::Ok;
  };
  struct FileDialog {
    QString kind;  // "OpenFiles", "SaveFile", "Folder" or "Text"
    QString caption;
    QString folder;  // for "Text": the label
    QString filter;  // for "Text": the initial value
  };

  Answer Message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                 Answer defaultButton) override;
  QStringList OpenFiles(const QString& caption, const QString& folder, const QString& filter,
                        bool multiple) override;
  QString SaveFile(const QString& caption, const QString& folder, const QString& filter) override;
  QString Folder(const QString& caption, const QString& folder) override;
  QString Text(const QString& caption, const QString& label, const QString& value, bool* ok) override;

  // The texts of all boxes shown so far, in order.
  QStringList Texts() const;

  // Scripts, consumed in order.
  QQueue<Answer> answers;
  QQueue<QStringList> openFiles;  // an empty list means "cancelled"
  QQueue<QString> saveFiles;      // an empty text means "cancelled"
  QQueue<QString> folders;
  QQueue<std::optional<QString>> texts;  // nullopt means "cancelled"

  // With no scripted answer left: this answer when set, else the box's own default button
  // (what Enter would choose). File dialogs with nothing scripted are cancelled.
  std::optional<Answer> defaultAnswer;

  // What was shown.
  QList<Shown> messages;
  QList<FileDialog> fileDialogs;
};
