// The "Rename MP3" dialog for stations under test, which never rename a clip file: it is
// always cancelled.
#pragma once

#include "songs/ClipRenamer.h"

struct NoRenamePrompt final : RenamePrompt {
  std::optional<QString> AskNewName(const QString&, const QString&) override { return std::nullopt; }
};
