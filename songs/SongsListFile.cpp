#include "songs/SongsListFile.h"

#include "formats/PrlWriter.h"
#include "songs/SongsList.h"

int SaveSongsList(const SongsList& list, const QString& path, QStringList* leftOut) {
  QList<PrlClip> clips;
  clips.reserve(list.Count());
  for (const ClipEntry& e : list.Model().Rows()) clips.push_back(PrlClip{e.duration, e.path});
  PrlSaveValues values;
  values.listDuration = list.ListDuration();
  return prl::SavePrl(path, PrlWriterKind::MainSave, clips, values, leftOut);
}
