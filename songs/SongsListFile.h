// The songs list written whole as one of the main program's play lists: what "Save Play
// List" and the ensure-play snapshot write.
#pragma once

#include <QString>
#include <QStringList>

class SongsList;

// 0, or the writer's failure (the old file stays whole). The clips whose paths cannot be
// written are left out and named in leftOut.
int SaveSongsList(const SongsList& list, const QString& path, QStringList* leftOut);
