#include "platform/ui/QtDialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon ToQt(Dialogs::Icon icon) {
  switch (icon) {
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::Warning: return QMessageBox::Warning;
    case Dialogs::Icon::Error: return QMessageBox::Critical;
    case Dialogs::Icon::Question: return QMessageBox::Question;
    case Dialogs::Icon::None: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(Dialogs::Buttons buttons) {
  switch (buttons) {
    case Dialogs::Buttons::Ok: return QMessageBox::Ok;
    case Dialogs::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Dialogs::Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Dialogs::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButton ToQt(Dialogs::Answer answer) {
  switch (answer) {
    case Dialogs::Answer::Yes: return QMessageBox::Yes;
    case Dialogs::Answer::No: return QMessageBox::No;
    case Dialogs::Answer::Ok: return QMessageBox::Ok;
    case Dialogs::Answer::Cancel: return QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

// A box closed without a button (Escape, the close box) counts as the most careful answer.
Dialogs::Answer FromQt(int button, Dialogs::Buttons buttons) {
  switch (button) {
    case QMessageBox::Yes: return Dialogs::Answer::Yes;
    case QMessageBox::No: return Dialogs::Answer::No;
    case QMessageBox::Ok: return Dialogs::Answer::Ok;
    case QMessageBox::Cancel: return Dialogs::Answer::Cancel;
    default: break;
  }
  switch (buttons) {
    case Dialogs::Buttons::Ok: return Dialogs::Answer::Ok;
    case Dialogs::Buttons::YesNo: return Dialogs::Answer::No;
    case Dialogs::Buttons::YesNoCancel:
    case Dialogs::Buttons::OkCancel: return Dialogs::Answer::Cancel;
  }
  return Dialogs::Answer::Cancel;
}

}  // namespace

Dialogs::Answer QtDialogs::Message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                                   Answer defaultButton) {
  QMessageBox box(ToQt(icon), title, text, ToQt(buttons), parent_);
  // A default that is not among the buttons is ignored rather than adding a button.
  if (box.standardButtons() & ToQt(defaultButton)) box.setDefaultButton(ToQt(defaultButton));
  return FromQt(box.exec(), buttons);
}

QStringList QtDialogs::OpenFiles(const QString& caption, const QString& folder, const QString& filter,
                                 bool multiple) {
  if (multiple) return QFileDialog::getOpenFileNames(parent_, caption, folder, filter);
  const QString file = QFileDialog::getOpenFileName(parent_, caption, folder, filter);
  return file.isEmpty() ? QStringList() : QStringList{file};
}

QString QtDialogs::SaveFile(const QString& caption, const QString& folder, const QString& filter) {
  return QFileDialog::getSaveFileName(parent_, caption, folder, filter);
}

QString QtDialogs::Folder(const QString& caption, const QString& folder) {
  return QFileDialog::getExistingDirectory(parent_, caption, folder);
}

QString QtDialogs::Text(const QString& caption, const QString& label, const QString& value, bool* ok) {
  bool accepted = false;
  const QString text = QInputDialog::getText(parent_, caption, label, QLineEdit::Normal, value, &accepted);
  if (ok) *ok = accepted;
  return accepted ? text : QString();
}
