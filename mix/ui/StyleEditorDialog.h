// The "Edit Mix Styles" dialog: a view of a StyleEditorModel. It shows the "Mix Styles
// List", the name box and the value controls as the model has them, and hands every
// edit, click and button to the model; the model decides when the dialog closes, with OK
// (Exit) or not (Cancel, Escape, the close box). It holds no state of its own.
#pragma once

#include <QDialog>
#include <array>

#include "mix/MixSliders.h"

class StyleEditorModel;
class StyleListModel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTableView;

class StyleEditorDialog : public QDialog {
  Q_OBJECT

 public:
  // The model must outlive the dialog; the dialog opens it (reads the table).
  explicit StyleEditorDialog(StyleEditorModel& model, QWidget* parent = nullptr);

  QTableView* List() const { return list_; }
  QPushButton* Button(const QString& caption) const;

 public slots:
  // Escape and the close box are Cancel.
  void reject() override;

 private:
  void BuildControls();
  void BuildList();
  void ConnectModel();
  void ConnectUser();
  void ShowRows();
  void ShowSelection();
  void ShowName();
  void ShowSlider(MixSlider slider);
  void ShowMixAt();
  void Close(bool accepted);
  QSlider* SliderOf(MixSlider s) const { return sliders_[static_cast<int>(s)]; }
  QLabel* LabelOf(MixSlider s) const { return labels_[static_cast<int>(s)]; }

  StyleEditorModel& model_;
  StyleListModel* rows_ = nullptr;
  QTableView* list_ = nullptr;
  QLineEdit* nameBox_ = nullptr;
  QCheckBox* mixAtBox_ = nullptr;
  std::array<QSlider*, std::size(kMixSliders)> sliders_{};
  std::array<QLabel*, std::size(kMixSliders)> labels_{};
  QList<QPushButton*> buttons_;
};
