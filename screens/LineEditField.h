#pragma once
// A QLineEdit as the entry rules see it: its text in the records' code page,
// and the focus put back after a rejected entry.

#include <string>

#include "data/EntryField.h"

class QLineEdit;

class LineEditField final : public IEntryField {
 public:
  explicit LineEditField(QLineEdit* edit) : edit_(edit) {}

  std::string Text() const override;
  // Gives the field the focus with its text selected, ready to be retyped.
  void SetFocus() override;

 private:
  QLineEdit* edit_;
};
