#include "rules/W2ForeignAddress.h"

namespace {

const char* const kForeignWithZip = "US zip code should not be entered for foreign addresses";

}  // namespace

std::optional<std::string> ZipWarning(const W2AddressEntries& entries) {
  if (!entries.zip || (!entries.postCode && !entries.country)) return std::nullopt;
  return std::string(
      "As foreign postal code and/or foreign country entered US zip code should be empty");
}

std::optional<std::string> PostCodeWarning(const W2AddressEntries& entries) {
  if (!entries.postCode) return std::nullopt;
  if (!entries.country) {
    return std::string(
        "As foreign postal code entered do not forget to also enter foreign country");
  }
  if (entries.zip) return std::string(kForeignWithZip);
  return std::nullopt;
}

std::optional<std::string> CountryWarning(const W2AddressEntries& entries) {
  if (!entries.country) return std::nullopt;
  if (!entries.postCode) {
    return std::string(
        "As foreign country entered do not forget to also enter foreign postal code");
  }
  if (entries.zip) return std::string(kForeignWithZip);
  return std::nullopt;
}
