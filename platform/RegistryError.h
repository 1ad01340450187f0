#pragma once
// The errors of the registry layer. what() is the message the application's
// error display shows, naming the value concerned.

#include <string>

#include "platform/QuillmarError.h"

class RegistryError : public QuillmarError {
 public:
  using QuillmarError::QuillmarError;

  // A value that is missing, or a read without an open key.
  static RegistryError GetDataFailed(const std::string& name) {
    return RegistryError("Failed to get data for '" + name + "'");
  }
  // A value stored with another type or size than the one asked for.
  static RegistryError InvalidDataType(const std::string& name) {
    return RegistryError("Invalid data type for '" + name + "'");
  }
  // A value that could not be written.
  static RegistryError SetDataFailed(const std::string& name) {
    return RegistryError("Failed to set data for '" + name + "'");
  }
};
