#pragma once
// The SSA's electronic wage file (EFW2) of one data file: the submitter (RA),
// the employer (RE), one employee record (RW, and RO when needed) per W-2, the
// employer's totals (RT, and RU when there are RO records) and the end (RF).
//
// Building it runs every check the SSA would reject the file for, and those
// that point at amounts to verify: each finding names the employee and what
// is wrong. The file can be written only when no finding is an error.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/SocSecMedicareRates.h"
#include "data/W2Record.h"
#include "data/W3Record.h"
#include "efw2/Efw2Layout.h"
#include "efw2/Efw2RecordWriter.h"
#include "efw2/Efw2Submitter.h"

enum class Efw2Severity { Error, Warning };

struct Efw2Finding {
  Efw2Severity Severity;
  std::string Subject;  // "Jane Q Public (SSN 234-56-7890)", "W-3 Company", "Submitter"
  std::string Text;     // what is wrong
};

struct Efw2Input {
  W3Record W3{};
  Efw2Submitter Submitter;
  SocSecMedicareRates Rates;        // of the W-3 record's tax year
  std::vector<W2Record> Employees;  // the W-2s to report, in the order of the file
  // The W-2s of one state, for that state's file: the W-3 totals, which count
  // every W-2, are not compared, and no W-2s is for the state file to report.
  bool StateFile = false;
};

class Efw2WageFile {
 public:
  // Converts and checks everything; never throws for what the records hold.
  explicit Efw2WageFile(const Efw2Input& input);

  const std::vector<Efw2Finding>& Findings() const { return findings_; }
  bool HasErrors() const;

  // The file: each record of 512 characters followed by CR LF, nothing after
  // the RF record. Throws std::logic_error when there are errors.
  std::string Records() const;

  // The records one by one, for a file made of some of them (a state's W-2
  // file): RA; RE; an employee's RW and, when needed, RO (`index` in the
  // order of the input); RT and, when there are RO records, RU; RF counting
  // `rwCount` RW records.
  void WriteSubmitter(efw2::RecordWriter& w) const;
  void WriteEmployer(efw2::RecordWriter& w) const;
  void WriteEmployee(efw2::RecordWriter& w, std::size_t index) const;
  void WriteTotals(efw2::RecordWriter& w) const;
  void WriteFinal(efw2::RecordWriter& w, std::size_t rwCount) const;

  // The number of RW records, and the total of one RW amount in cents.
  std::size_t W2Count() const { return employees_.size(); }
  std::uint64_t Total(efw2::RwAmount amount) const { return rwTotals_[amount]; }
  // The employer's EIN as written (nine digits) and the tax year.
  const std::string& Ein() const { return ein_; }
  const std::string& TaxYear() const { return taxYear_; }

  // The employer's and the submitter's fields and each employee's, as written.
  struct Address {
    std::string Location, Delivery, City, State, Zip, ZipExt;
  };
  struct Employee {
    std::string Ssn, First, Middle, Last, Suffix;
    Address Home;
    std::string ForeignState, ForeignPostalCode, Country;
    std::array<std::uint64_t, efw2::kRwAmountCount> Rw{};
    std::array<std::uint64_t, efw2::kRoAmountCount> Ro{};
    bool HasRo = false;
    char StatutoryEmployee = '0', RetirementPlan = '0', ThirdPartySickPay = '0';
  };
  struct Contact {
    std::string Name, Phone, PhoneExt, EMail, Fax;
  };
  // One per W-2 of the input, in its order.
  const std::vector<Employee>& Employees() const { return employees_; }

 private:
  void PrepareSubmitter(const Efw2Submitter& s);
  void PrepareEmployer(const Efw2Input& input);
  void PrepareEmployee(const W2Record& w2, const Efw2Input& input);
  void CheckAmounts(const Employee& e, const W2Record& w2, const Efw2Input& input);
  void CheckTotals(const Efw2Input& input);
  void Error(const std::string& subject, std::string text);
  void Warning(const std::string& subject, std::string text);

  std::vector<Efw2Finding> findings_;
  std::vector<Employee> employees_;
  std::array<std::uint64_t, efw2::kRwAmountCount> rwTotals_{};
  std::array<std::uint64_t, efw2::kRoAmountCount> roTotals_{};
  std::size_t roCount_ = 0;

  // RA
  std::string submitterEin_, userId_, submitterName_, resubWfid_;
  Address submitterAddress_;
  Contact submitterContact_;
  char preparerCode_ = 'L', resubIndicator_ = '0';
  // RE
  std::string taxYear_, ein_, otherEin_, establishment_, employerName_;
  Address employerAddress_;
  Contact employerContact_;
  char terminating_ = '0', kindOfEmployer_ = 'N', employmentCode_ = 'R', sickPay_ = '0';
  std::uint64_t sickPayTax_ = 0;
};

// The employee as the findings name them: the name and the SSN as typed
// (typographic punctuation made plain), "Jane Q Public (SSN 234-56-7890)".
std::string Efw2EmployeeSubject(const W2Record& w2);

// The lines of the report on the findings, for the error report window: a
// heading with the file's title, the employer and the tax year, what the findings mean for the
// file, then one line per finding.
std::vector<std::string> Efw2ReportLines(const W3Record& w3,
                                         const std::vector<Efw2Finding>& findings,
                                         const std::string& title = "SSA Wage File (EFW2)");
