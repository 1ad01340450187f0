#pragma once
// The list from which the user picks an employee of the open data file, in
// name or Social Security number order. Choosing the order here also sets the
// order in which the W-2 screen's First, Prevs, Next and Last move.
//
// Every showing starts afresh: the dialog remembers the file's order, shows
// its keys and forgets any earlier choice. Clicking a line accepts the dialog
// with that key; Cancel (or Escape, or closing the window) rejects it and
// puts the former order back.

#include <QDialog>
#include <array>
#include <string>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class TQuillmarFormFile;

class TFormW2PickList : public QDialog {
  Q_OBJECT

 public:
  explicit TFormW2PickList(TQuillmarFormFile& file, QWidget* parent = nullptr);

  // Remembers the file's IndexMode, sets the radio group to it, clears the
  // chosen key and fills the list. Runs on every showing.
  void Activate();
  // The key of the line the user clicked (Windows-1252); empty when none.
  std::string ChosenKey() const { return chosenKey_; }

  // The checked item of the radio group (its number is the IndexMode), -1 when none.
  int ItemIndex() const;
  void SetItemIndex(int index);

  void RadioGroupWhichIndexClick(int index);
  void ListBox1Click(QListWidgetItem* item);
  void BitBtnCancelClick();
  // Closing without a choice, by any way: the former order comes back.
  void reject() override;

  QLabel* LabelInfo = nullptr;
  QListWidget* ListBox1 = nullptr;
  QGroupBox* RadioGroupWhichIndex = nullptr;
  // The items of the radio group: entry sequence, name, Social Security number.
  std::array<QRadioButton*, 3> RadioItems{};
  QPushButton* BitBtnCancel = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Fills the list with the keys of the index the file's IndexMode chooses.
  void FillList();

  TQuillmarFormFile& file_;
  QButtonGroup* whichIndex_ = nullptr;
  int rememberedMode_ = 0;
  std::string chosenKey_;
};
