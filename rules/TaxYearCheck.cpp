#include "rules/TaxYearCheck.h"

bool TaxYearNeedsVerification(std::int32_t taxYear, std::int32_t clockYear) {
  // In 64 bits: a year typed at the ends of the range is no overflow.
  const std::int64_t year = taxYear;
  return year < std::int64_t{clockYear} - 1 || year > clockYear;
}

std::string TaxYearQuestion(std::int32_t taxYear, std::int32_t clockYear) {
  const std::string y = std::to_string(taxYear);
  return "You have set Tax Year to " + y +
         ", be certain this is correct as system clock is set to " + std::to_string(clockYear) +
         " and Tax Year is usually either one less or sometimes the same year.\r\rIs " + y +
         " correct?  Click \"Yes\" if OK, or \"No\" to change";
}
