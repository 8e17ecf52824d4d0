// Every question, warning, information box and file dialog goes through this interface:
// the Qt implementation shows real boxes, tests script the answers and read the texts.
#pragma once

#include <QString>
#include <QStringList>

class Dialogs {
 public:
  enum class Icon { None, Information, Warning, Error, Question };
  enum class Answer { Yes, No, Ok, Cancel };
  enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel };

  virtual ~Dialogs() = default;
  // defaultButton is the answer chosen by Enter (e.g. No for "Quit KORVO xa?").
  virtual Answer Message(const QString& text, const QString& title, Icon icon, Buttons buttons = Buttons::Ok,
                         Answer defaultButton = Answer::Ok) = 0;
  // File dialogs return empty (or an empty list) when cancelled. filter uses Qt's syntax.
  virtual QStringList OpenFiles(const QString& caption, const QString& folder, const QString& filter,
                                bool multiple) = 0;
  virtual QString SaveFile(const QString& caption, const QString& folder, const QString& filter) = 0;
  virtual QString Folder(const QString& caption, const QString& folder) = 0;
  // A one-line text entry; ok is false when cancelled.
  virtual QString Text(const QString& caption, const QString& label, const QString& value, bool* ok) = 0;
};
