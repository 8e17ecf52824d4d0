#include "tools/logos/LogosJob.h"

#include "platform/Dialogs.h"
#include "tools/logos/FileChoice.h"

LogosJob::LogosJob(LogosEnv env, QObject* parent)
    : QObject(parent),
      env_(std::move(env)),
      logoCommands_(form_, logos_, env_),
      hoursCommands_(form_, hours_, playList_, env_),
      playListCommands_(form_, playList_, hours_, env_) {
  // All rows of one list are made by one path rule: the type is chosen only while the list
  // is empty, whichever command filled or emptied it.
  const auto typeBoxes = [this] { form_.SetTypeChoosable(playList_.Count() == 0); };
  connect(&playList_, &QAbstractItemModel::rowsInserted, this, typeBoxes);
  connect(&playList_, &QAbstractItemModel::rowsRemoved, this, typeBoxes);
  connect(&playList_, &QAbstractItemModel::modelReset, this, typeBoxes);
}

void LogosJob::NewJob() {
  playList_.Clear();
  playList_.ClearBlockTimes();
  logoCommands_.ClearLogos();
  hours_.Clear();
}

bool LogosJob::ConfirmExit() {
  if (playList_.Count() == 0) return true;
  return env_.dialogs.Message(QStringLiteral("Do you want to Exit?"), kLogosTitle, Dialogs::Icon::Question,
                              Dialogs::Buttons::YesNo, Dialogs::Answer::No) == Dialogs::Answer::Yes;
}

void LogosJob::About() {
  env_.dialogs.Message(QStringLiteral("KORVO xa Logos Creator/Inserter\nVersion 2.0\n\n"
                                      "Builds the advert play lists (EPL) the KORVO xa station plays.\n"
                                      "(c) Quillmore. All rights reserved."),
                       QStringLiteral("About KorvoLogos"), Dialogs::Icon::Information);
}

void LogosJob::QuickHelp() {
  env_.dialogs.Message(
      QStringLiteral(
          "Each line of an EPL play list holds one spot:\n"
          "  HH:MM   NNNNN-I   DESCRIPTION\n"
          "block time, three blanks, the logo name (5 characters), \"-\", the logo ID,\n"
          "three blanks and the description (up to 40 characters).\n\n"
          "A. CREATE LOGOS\n"
          "1. Type a logo name of 5 characters (e.g. 00000 or LOGO1) and choose its ID.\n"
          "2. Type its description, or with \"Play List MP3 Clips\" pick the clip with \"Insert\".\n"
          "3. Press \"+=\" to add it to the logos list; \"Save\" keeps the list in a .mlf file.\n\n"
          "B. CREATE HOUR(s) BLOCK(s)\n"
          "1. Choose an hour and press \"+=\", or choose a criterion (:00, :20 ... or ALL) and press \"<=\".\n"
          "2. Tick the blocks that should take the logo; \"Save\" keeps them in a .hlf file.\n"
          "3. Choose \"Add One\" or \"Add Multi\" and the insertion rule, then \"I n s e r t   L o g o s (s)\".\n"
          "4. \"Save\" of the play list exports the EPL file for KORVO xa."),
      QStringLiteral("Quick Help"), Dialogs::Icon::Information);
}
