#include "ScriptedDialogs.h"

Dialogs::Answer ScriptedDialogs::Message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                                         Answer defaultButton) {
  messages.append({text, title, icon, buttons, defaultButton});
  if (!answers.isEmpty()) return answers.dequeue();
  return defaultAnswer.value_or(defaultButton);
}

QStringList ScriptedDialogs::OpenFiles(const QString& caption, const QString& folder, const QString& filter,
                                       bool multiple) {
  fileDialogs.append({QStringLiteral("OpenFiles"), caption, folder, filter});
  if (openFiles.isEmpty()) return {};
  QStringList files = openFiles.dequeue();
  // A single-file dialog can only ever give one name.
  if (!multiple && files.size() > 1) files = files.mid(0, 1);
  return files;
}

QString ScriptedDialogs::SaveFile(const QString& caption, const QString& folder, const QString& filter) {
  fileDialogs.append({QStringLiteral("SaveFile"), caption, folder, filter});
  return saveFiles.isEmpty() ? QString() : saveFiles.dequeue();
}

QString ScriptedDialogs::Folder(const QString& caption, const QString& folder) {
  fileDialogs.append({QStringLiteral("Folder"), caption, folder, {}});
  return folders.isEmpty() ? QString() : folders.dequeue();
}

QString ScriptedDialogs::Text(const QString& caption, const QString& label, const QString& value, bool* ok) {
  fileDialogs.append({QStringLiteral("Text"), caption, label, value});
  const std::optional<QString> answer = texts.isEmpty() ? std::nullopt : texts.dequeue();
  if (ok) *ok = answer.has_value();
  return answer.value_or(QString());
}

QStringList ScriptedDialogs::Texts() const {
  QStringList out;
  for (const Shown& m : messages) out << m.text;
  return out;
}
