#include "songs/ListSearch.h"

#include "platform/Dialogs.h"
#include "songs/PlayerFeed.h"
#include "songs/SongsList.h"


ListSearch::ListSearch(SongsList& list, PlayerFeed& feed, Dialogs& dialogs, StatusSink status,
                       std::function<void()> focusHidden)
    : list_(list), feed_(feed), dialogs_(dialogs), status_(std::move(status)), focusHidden_(std::move(focusHidden)) {}

void ListSearch::SearchPlayList(Column column, const QString& word) {
  if (list_.Count() == 0) {
    status_(QStringLiteral("Play List is empty"));
    return;
  }
  if (word.isEmpty()) {
    status_(QStringLiteral("Type a word to search"));
    return;
  }
  const QString needle = word.toLower();
  for (int row = 0; row < list_.Count(); ++row) {
    const ClipEntry& clip = list_.At(row);
    const QString text = (column == kTitles ? clip.title : clip.path).toLower();
    if (!text.contains(needle)) continue;
    list_.ShowRow(row);
    const Dialogs::Answer a = dialogs_.Message(QStringLiteral("Load %1?").arg(text), QStringLiteral("KORVO XA"),
                                               Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancel,
                                               Dialogs::Answer::Yes);
    if (a == Dialogs::Answer::Cancel) return;
    if (a == Dialogs::Answer::Yes) {
      list_.SelectItem(row);
      feed_.LoadSelectedIntoPlayer(row);
      if (focusHidden_) focusHidden_();
      return;
    }
  }
  status_(QStringLiteral("File not found in play list, check the spelling and retry"));
}
