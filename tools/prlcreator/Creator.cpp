#include "tools/prlcreator/Creator.h"

#include "audio/DecoderEngine.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/SettingsStore.h"
#include "songs/ListShuffler.h"

namespace creator {

Creator::Creator(DecoderEngine& engine, Dialogs& dialogs, SettingsStore& settings, AutoListScan::PlanSource plan,
                 QObject* parent)
    : QObject(parent),
      dialogs_(dialogs),
      settings_(settings),
      folders_(RememberedFolders::FromSettings(settings)),
      files_(list_, dialogs, folders_),
      counter_(list_, dialogs, engine),
      autoList_(list_, files_, dialogs, std::move(plan)),
      preview_(engine),
      converter_(list_, preview_, dialogs),
      engine_(engine) {
  connect(&counter_, &CreatorCounter::finished, this, &Creator::busyChanged);
  connect(&autoList_, &AutoListScan::finished, this, &Creator::busyChanged);
  connect(&converter_, &WavConverter::runningChanged, this, &Creator::busyChanged);
}

int Creator::Start(const QString& startFolder) {
  preview_.SetAutoPlay(settings_.Read(settings::kAutoPlayKorvoPrl));
  int result = -1;
  const int version = engine_.ApiVersion();
  if (((version >> 16) & 0xff) == 3 && ((version >> 8) & 0xff) == 2)
    result = preview_.Start();
  else
    dialogs_.Message(QStringLiteral("Xaudio DLL API version mismatch"), QStringLiteral("Xaudio Error"),
                     Dialogs::Icon::Error);
  files_.ReadFavourites(startFolder);
  return result;
}

bool Creator::Busy() const { return counter_.Running() || autoList_.Running() || converter_.Running(); }

void Creator::Shuffle() {
  // The main program's shuffle without its log entry: the creator's log stays off.
  ListShuffler shuffler(list_.List(), rand_, list_.Log(), [this](const QString& t) { list_.SetStatus(t); });
  shuffler.ShufflePlayList();
}

void Creator::OpenFile() {
  const QStringList chosen =
      dialogs_.OpenFiles(QStringLiteral("Open"), folders_.mp3Folder, QStringLiteral("MPEG Audio Files (*.mp3)"), false);
  if (chosen.isEmpty()) return;
  const QString path = chosen.first();
  preview_.OpenFile(path);
  const int row = list_.Count();
  list_.Model().Insert(row, {MakeClipEntry(path)});
  list_.List().SelectItem(row);
  list_.List().ShowRow(row);
  if (preview_.AutoPlay()) counter_.CountCurrentClip();
}

void Creator::OpenRow(int row) {
  if (row < 0 || row >= list_.Count()) return;
  preview_.OpenItem(paths::ResolvePath(list_.List().At(row).path));
}

void Creator::SetAutoPlay(bool on) {
  preview_.SetAutoPlay(on);
  settings_.Write(settings::kAutoPlayKorvoPrl, on);
}

void Creator::Stop() {
  converter_.Cancel();
  preview_.Stop();
}

bool Creator::ConfirmQuit() {
  if (!list_.Modified()) return true;
  return dialogs_.Message(QStringLiteral("QUIT KORVO PRL?"), kTitle, Dialogs::Icon::Question, Dialogs::Buttons::YesNo,
                          Dialogs::Answer::Yes) == Dialogs::Answer::Yes;
}

}  // namespace creator
