#pragma once
// An error the user must see. what() is the message text exactly as shown
// (Windows-1252); the application's error display shows it in a "Quillmar"
// message box and the program goes on.

#include <stdexcept>
#include <string>

class QuillmarError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
