#pragma once
// An entry field as the entry rules see it: its text, and a way to give it
// the input focus back after a rejected entry. The screens adapt their Qt
// fields to it; tests use a plain object.

#include <string>

class IEntryField {
 public:
  virtual ~IEntryField() = default;
  // The text as typed, in the records' code page (Windows-1252).
  virtual std::string Text() const = 0;
  // Puts the input focus back into the field.
  virtual void SetFocus() = 0;
};
