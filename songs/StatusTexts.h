// Status-line texts shared by several songs-list operations.
#pragma once

#include <QString>

namespace texts {
inline const QString kNothingSelected = QStringLiteral("Play List empty, or nothing is selected");
inline const QString kClipLoadError = QStringLiteral("Clip Load error");
inline const QString kReady = QStringLiteral("Ready");
}  // namespace texts
