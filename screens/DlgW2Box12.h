#pragma once
// The dialog in which the user sets up the four entries of W-2 box 12 with
// the full description of each code. It has no rules of its own: the W-2
// screen fills the rows before showing it and reads them back after OK.

#include <QDialog>
#include <array>
#include <cstdint>

class QPushButton;
class TFrameBox12Item;

class TSetUpBox12 : public QDialog {
  Q_OBJECT

 public:
  explicit TSetUpBox12(QWidget* parent = nullptr);

  // Every row lists the box 12 codes of the tax year.
  void SetTaxYear(std::int32_t taxYear);

  // The rows of entries 12a, 12b, 12c and 12d.
  std::array<TFrameBox12Item*, 4> Items() const {
    return {FrameBox12Item1, FrameBox12Item2, FrameBox12Item3, FrameBox12Item4};
  }

  TFrameBox12Item* FrameBox12Item1 = nullptr;
  TFrameBox12Item* FrameBox12Item2 = nullptr;
  TFrameBox12Item* FrameBox12Item3 = nullptr;
  TFrameBox12Item* FrameBox12Item4 = nullptr;
  QPushButton* OKBtn = nullptr;      // the default button
  QPushButton* CancelBtn = nullptr;  // Escape

 protected:
  void showEvent(QShowEvent* event) override;
};
