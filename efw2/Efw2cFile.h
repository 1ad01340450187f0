#pragma once
// The SSA's correction file (EFW2C) for the W-2cs of one data file: the
// submitter (RCA), the employer (RCE), one RCW (and RCO when needed) per
// corrected W-2, the totals (RCT, and RCU with RCO records) and the end (RCF).
//
// Every pair holds the originally reported and the correct value of an item
// being corrected and is blank otherwise. The correct W-2s go through the
// same checks as in the wage file; an error stops the file, a warning does not.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "efw2/Efw2Layout.h"
#include "efw2/Efw2WageFile.h"
#include "rules/Corrections.h"

struct Efw2cInput {
  W3Record W3{};
  Efw2Submitter Submitter;
  SocSecMedicareRates Rates;                  // of the W-3 record's tax year
  std::vector<EmployeeCorrection> Employees;  // the W-2cs that go to the SSA
};

class Efw2cFile {
 public:
  explicit Efw2cFile(const Efw2cInput& input);

  const std::vector<Efw2Finding>& Findings() const { return findings_; }
  bool HasErrors() const;
  // Each record of 1024 characters followed by CR LF. Throws std::logic_error
  // when there are errors.
  std::string Records() const;

  std::size_t W2cCount() const { return rcw_.size(); }
  // A pair's total in cents: [0] originally reported, [1] correct.
  std::array<std::uint64_t, 2> Total(efw2::RwAmount amount) const { return rwTotals_[amount]; }

 private:
  struct Pairs {
    std::array<std::array<std::uint64_t, 2>, efw2::kRwAmountCount> rw{};
    std::array<bool, efw2::kRwAmountCount> rwUsed{};
    std::array<std::array<std::uint64_t, 2>, efw2::kRoAmountCount> ro{};
    std::array<bool, efw2::kRoAmountCount> roUsed{};
    std::array<std::array<char, 2>, 3> box13{};  // statutory, retirement, sick pay
    std::array<bool, 3> box13Used{};
  };
  void Error(const std::string& subject, std::string text);
  Pairs PairsOf(const EmployeeCorrection& e, const Efw2Submitter& submitter,
                const std::string& who);
  std::string Rcw(const EmployeeCorrection& e, const std::string& rw, const Pairs& pairs,
                  const std::string& who);

  std::vector<Efw2Finding> findings_;
  std::string rca_, rce_;
  std::vector<std::string> rcw_, rco_;  // rco_[i] empty when RCW i has no RCO
  std::array<std::array<std::uint64_t, 2>, efw2::kRwAmountCount> rwTotals_{};
  std::array<bool, efw2::kRwAmountCount> rwTotalUsed_{};
  std::array<std::array<std::uint64_t, 2>, efw2::kRoAmountCount> roTotals_{};
  std::array<bool, efw2::kRoAmountCount> roTotalUsed_{};
};

// The lines of the report on the findings, for the error report window.
std::vector<std::string> Efw2cReportLines(const W3Record& w3,
                                          const std::vector<Efw2Finding>& findings);
