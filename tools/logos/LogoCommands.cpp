#include "tools/logos/LogoCommands.h"

#include <QFileInfo>

#include "formats/LogoListFile.h"
#include "formats/LogoRecord.h"
#include "platform/Dialogs.h"
#include "tools/logos/FileChoice.h"
#include "tools/logos/JobForm.h"
#include "tools/logos/LogosEnv.h"
#include "tools/logos/LogosList.h"

namespace {

const QString kLogosFilter = QStringLiteral("KORVO Logo files (*.mlf);;All Files {*.*} (*)");
const QString kLogosSaveFilter = QStringLiteral("KORVO Logos Files (*.mlf)");

}  // namespace

LogoCommands::LogoCommands(JobForm& form, LogosList& logos, const LogosEnv& env)
    : form_(form), logos_(logos), env_(env) {}

int LogoCommands::AddLogo() {
  Dialogs& dialogs = env_.dialogs;
  const QString name = form_.Name();
  const QString description = form_.Description();
  if (name.isEmpty() || description.isEmpty()) {
    dialogs.Message(QStringLiteral("Type both Logo ID (5 characters) & Descreption(max 40 characters)"), kLogosTitle,
                    Dialogs::Icon::Warning);
    return -1;
  }
  if (name.size() != logo::kNameChars) {
    dialogs.Message(QStringLiteral("Logo must be 5 characters long"), kLogosTitle, Dialogs::Icon::Warning);
    return -1;
  }
  const QString record = logo::MakeRecord(name, form_.Id(), description);
  const bool spotwright = form_.Type() == PlayListType::Spotwright;
  // MP3 clips are told apart by their description alone, so a repeat is no mistake there.
  if (spotwright && logos_.Contains(record)) {
    dialogs.Message(QStringLiteral("This Logo data existes in logo list"), kLogosTitle, Dialogs::Icon::Warning);
    return -1;
  }
  logos_.Add(record);
  form_.SetDescription(QString());
  if (spotwright) form_.SetName(QString());
  form_.SetStatus(QStringLiteral("Logo Added"));
  return 0;
}

void LogoCommands::PickName(const QString& name) {
  const int at = logos_.FindByName(name);
  if (at < 0) return;
  const QString& record = logos_.Records()[at];
  form_.SetName(name);
  form_.SetId(logo::IdOf(record));
  form_.SetDescription(logo::DescriptionOf(record));
}

void LogoCommands::PickDescription(const QString& description) {
  const int at = logos_.FindByDescription(description);
  if (at < 0) return;
  const QString& record = logos_.Records()[at];
  form_.SetDescription(description);
  form_.SetId(logo::IdOf(record));
  form_.SetName(logo::NameOf(record));
}

bool LogoCommands::ClearLogos() {
  if (!logos_.Names().isEmpty() &&
      env_.dialogs.Message(QStringLiteral("Do you want to clear all items?"), kLogosTitle, Dialogs::Icon::Question,
                           Dialogs::Buttons::YesNo, Dialogs::Answer::Yes) == Dialogs::Answer::No)
    return false;
  logos_.Clear();
  form_.SetName(QString());
  form_.SetDescription(QString());
  return true;
}

void LogoCommands::LoadLogos() {
  Dialogs& dialogs = env_.dialogs;
  const QString path = ChooseOpenFile(dialogs, env_.sourcesFolder, kLogosFilter);
  if (path.isEmpty()) return;
  QStringList records;
  const logolist::ReadResult read = logolist::LoadListFile(path, records);
  if (read != logolist::ReadResult::Ok) {
    ReportReadError(dialogs, read);
    return;
  }
  if (logos_.Count() > 0 &&
      dialogs.Message(QStringLiteral("Clear Existing Logos?"), kLogosTitle, Dialogs::Icon::Question,
                      Dialogs::Buttons::YesNo, Dialogs::Answer::Yes) == Dialogs::Answer::Yes)
    ClearLogos();
  logos_.AddLoaded(records);
  form_.SetStatus(QStringLiteral("Logos Loaded"));
}

void LogoCommands::SaveLogos() {
  Dialogs& dialogs = env_.dialogs;
  if (logos_.Count() == 0) {
    dialogs.Message(QStringLiteral("Nothing To Save!\nLogos List is empty"), kLogosTitle, Dialogs::Icon::Information);
    return;
  }
  const QString path = ChooseSaveFile(dialogs, env_.sourcesFolder, kLogosSaveFilter, QStringLiteral("mlf"));
  if (path.isEmpty()) return;
  if (logolist::SaveListFile(path, logos_.Records()) != 0) {
    dialogs.Message(path, QStringLiteral("couldn't create logos file!"), Dialogs::Icon::Warning);
    return;
  }
  form_.SetStatus(QStringLiteral("Logos Saved"));
}

void LogoCommands::PickClip() {
  const QString path = ChooseOpenFile(env_.dialogs, QString(), QStringLiteral("MP3 Audio Files (*.mp3)"));
  if (path.isEmpty()) return;
  const QString file = QFileInfo(path).fileName();
  if (file.size() >= logo::kMaxDescriptionChars) {
    env_.dialogs.Message(QStringLiteral("Shorten this filename to load it\nYou can use filenames up to 40 charachters"),
                         file, Dialogs::Icon::Warning);
    return;
  }
  form_.SetDescription(file.chopped(qMin<qsizetype>(4, file.size())).toUpper());
}

void LogoCommands::CountLogos() {
  env_.dialogs.Message(QStringLiteral("Logos List Items: %1").arg(logos_.Count()), kLogosTitle,
                       Dialogs::Icon::Information);
}
