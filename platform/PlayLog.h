// The append-only play log "korvolog.dat" in the start folder: one CR LF line an entry,
// five quoted fields (date, time, category, event, detail). Written only while enabled;
// an entry that cannot be written is dropped silently.
#pragma once

#include <QString>

class Clock;

class PlayLog {
 public:
  enum Kind { kClip = 1, kAdvert = 2, kApp = 3, kAcc = 4, kErr = 5 };

  PlayLog(const Clock& clock, QString startFolder);

  void SetEnabled(bool on) { enabled_ = on; }
  bool Enabled() const { return enabled_; }
  QString FilePath() const;

  void WritePlayLog(const QString& category, const QString& event, const QString& detail);
  // Player clip entry: player 1 or 2, the clip's full path, kind as above.
  void LogPlayerClip(int player, const QString& path, int kind);

 private:
  const Clock& clock_;
  QString startFolder_;  // ends with '/'
  bool enabled_ = false;
};
