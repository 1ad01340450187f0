#pragma once
// The foreign address of a W-2 employee: a foreign postal code and country
// stand instead of a US ZIP code. The warnings never stop an entry; each is
// given as the user leaves one of the three fields.

#include <optional>
#include <string>

// Which of the three address entries hold something.
struct W2AddressEntries {
  bool zip = false;  // the ZIP code is not blank
  bool postCode = false;
  bool country = false;
};

// Leaving the ZIP code: a ZIP entered with a foreign postal code or country.
std::optional<std::string> ZipWarning(const W2AddressEntries& entries);
// Leaving the foreign postal code: entered without the country, or with a ZIP.
std::optional<std::string> PostCodeWarning(const W2AddressEntries& entries);
// Leaving the foreign country: entered without the postal code, or with a ZIP.
std::optional<std::string> CountryWarning(const W2AddressEntries& entries);
