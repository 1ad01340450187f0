#pragma once
// An entry field as the entry rules see it: its text, and a way to hand a
// rejected entry back to it. The screens adapt their Qt fields to it; tests
// use a plain object.

#include <string>

class IEntryField {
 public:
  virtual ~IEntryField() = default;
  // The text as typed, in the records' code page (Windows-1252).
  virtual std::string Text() const = 0;
  // The entry was rejected: tells the user `message` (a plain "Quillmar"
  // box on the screens) and puts the input focus back into the field.
  virtual void Reject(const std::string& message) = 0;
};
