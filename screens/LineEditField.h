#pragma once
// A QLineEdit as the entry rules see it: its text in the records' code page,
// and a rejected entry's message shown and the focus put back.

#include <string>

#include "data/EntryField.h"

class QLineEdit;

class LineEditField final : public IEntryField {
 public:
  explicit LineEditField(QLineEdit* edit) : edit_(edit) {}

  std::string Text() const override;
  // Shows the message in a plain "Quillmar" box, then gives the field the
  // focus with its text selected, ready to be retyped.
  void Reject(const std::string& message) override;

 private:
  QLineEdit* edit_;
};
