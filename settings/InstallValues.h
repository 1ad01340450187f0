#pragma once
// The installation values kept under the product key.

#include <string>

struct InstallValues {
  std::string Name;           // registered owner
  std::string Company;        // registered organisation
  std::string CurrVers;       // program version
  std::string ExecPath_Name;  // the program file at its last registration

  friend bool operator==(const InstallValues&, const InstallValues&) = default;
};
