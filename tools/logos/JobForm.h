// What the user has typed and chosen in the dialog, outside the lists: the logo fields,
// the hour and criterion pickers, the insertion rules and toggles, the play-list type and
// the status line. The views show it and write the user's edits back; the commands read
// and change it. One changed() signal: the form is small and every view redraws it whole.
// GUI thread only.
#pragma once

#include <QObject>
#include <QString>

#include "tools/logos/LogosPlayList.h"

enum class PlayListType { Spotwright, Mp3Clips };

class JobForm : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  QString Name() const { return name_; }
  QString Id() const { return id_; }
  QString Description() const { return description_; }
  void SetName(const QString& text);
  void SetId(const QString& id);
  void SetDescription(const QString& text);

  // The hour picker's chosen time, and the block criterion ("00" ... "55", "ALL").
  QString Hour() const { return hour_; }
  void SetHour(const QString& time);
  QString Criterion() const { return criterion_; }
  void SetCriterion(const QString& criterion);

  InsertRule Rule() const { return rule_; }
  void SetRule(InsertRule rule);
  // The position picker's text, at most two characters; used with the rule Selected only.
  QString PositionText() const { return positionText_; }
  void SetPositionText(const QString& text);
  // "Add One" ticked: one block from the hour picker; not ticked ("Add Multi"): every
  // ticked row of the hours list.
  bool AddOne() const { return addOne_; }
  void SetAddOne(bool on);
  bool Create() const { return create_; }
  void SetCreate(bool on);

  PlayListType Type() const { return type_; }
  void SetType(PlayListType type);
  // The two type boxes can be clicked only while the play list is empty.
  bool TypeChoosable() const { return typeChoosable_; }
  void SetTypeChoosable(bool on);

  QString Status() const { return status_; }
  void SetStatus(const QString& text);

 signals:
  void changed();

 private:
  template <typename T>
  void Set(T& field, const T& value);

  QString name_;
  QString id_ = QStringLiteral("X");
  QString description_;
  QString hour_ = QStringLiteral("11:55");
  QString criterion_ = QStringLiteral("00");
  InsertRule rule_ = InsertRule::FirstInBlock;
  QString positionText_ = QStringLiteral("1");
  bool addOne_ = true;
  bool create_ = true;
  PlayListType type_ = PlayListType::Spotwright;
  bool typeChoosable_ = true;
  QString status_ = QStringLiteral("Ready");
};
