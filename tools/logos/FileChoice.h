// The file dialogs and file-error boxes the logos tool's lists share.
#pragma once

#include <QString>

#include "formats/LogoListFile.h"

class Dialogs;

// The caption of the boxes that carry no caption of their own.
extern const QString kLogosTitle;

// The one existing file chosen, or empty when cancelled.
QString ChooseOpenFile(Dialogs& dialogs, const QString& folder, const QString& filter);
// The file to write, with the extension added when the name has none; empty when
// cancelled. The dialog asks before an existing file is replaced.
QString ChooseSaveFile(Dialogs& dialogs, const QString& folder, const QString& filter, const QString& extension);

// The box for a list file that could not be read; nothing for Ok.
void ReportReadError(Dialogs& dialogs, logolist::ReadResult result);
