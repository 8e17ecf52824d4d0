// The logos list and the two pickers it shows through: the records held sorted (plain
// character order, a record may stand twice in the MP3-clips mode), and the logo-name and
// description pickers, which are appended to and never rebuilt, so a load without a clear
// lists the old names again. GUI thread only.
#pragma once

#include <QObject>
#include <QStringList>

class LogosList : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  const QStringList& Records() const { return records_; }
  int Count() const { return int(records_.size()); }
  bool Contains(const QString& record) const { return records_.contains(record); }
  // The pickers' entries, sorted.
  const QStringList& Names() const { return names_; }
  const QStringList& Descriptions() const { return descriptions_; }

  // One record into the list, its name and description into the pickers.
  void Add(const QString& record);
  // Records of a logos file into the list; then the name and description of every record,
  // old ones too, into the pickers.
  void AddLoaded(const QStringList& records);
  void Clear();

  // The first record whose name (characters 0-4) or description (7 on) equals the text;
  // -1 when there is none.
  int FindByName(const QString& name) const;
  int FindByDescription(const QString& description) const;

 signals:
  void changed();

 private:
  QStringList records_;
  QStringList names_;
  QStringList descriptions_;
};
