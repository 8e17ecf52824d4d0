// The information pages ("." or F2): a small dialog without a title holding four pages
// ("General", "Application", "Players", "Windows"), one shown at a time, and "X" to close.
// The pages are pictures drawn here, so they need no files beside the program.
#pragma once

#include <QDialog>

#include <array>

class QAbstractButton;
class QLabel;

class InfoPagesDialog : public QDialog {
  Q_OBJECT
 public:
  enum Page { kGeneral, kApplication, kPlayers, kWindows, kPageCount };

  explicit InfoPagesDialog(QWidget* parent = nullptr);

  void ShowPage(Page page);
  Page ShownPage() const { return shown_; }
  QAbstractButton* PageButton(Page page) const { return buttons_[page]; }
  QAbstractButton* CloseButton() const { return close_; }
  QLabel* PagePicture(Page page) const { return pages_[page]; }

 private:
  std::array<QAbstractButton*, kPageCount> buttons_{};
  std::array<QLabel*, kPageCount> pages_{};
  QAbstractButton* close_ = nullptr;
  Page shown_ = kGeneral;
};
