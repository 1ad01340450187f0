#pragma once
// A state's W-2 file: the federal wage file reduced to the employees whose
// W-2 names the state in box 15, with one state wage record (RS) for each
// such box 15 line, in the layout of that state and tax year (records,
// fields, totals and end as the state's layout says). The SSA's file never
// holds RS records, and this file is never the SSA's.
//
// Building it runs the federal checks on the state's employees and the
// state's own: every finding names the employee or the state and what is
// wrong. The file can be written only when no finding is an error.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "efw2/Efw2StateLayout.h"
#include "efw2/Efw2WageFile.h"

// What the user chose for the state's file.
struct Efw2StateChoice {
  std::string State;        // two-letter abbreviation
  std::string FilerNumber;  // Iowa's business e-file number (BEN); unused elsewhere
};

class Efw2StateFile {
 public:
  // `input` holds every W-2 of the data file; the state's are taken from it.
  Efw2StateFile(const Efw2Input& input, const Efw2StateChoice& choice);

  const std::vector<Efw2Finding>& Findings() const { return findings_; }
  bool HasErrors() const;
  // The file, each record 512 characters and CR LF. Throws std::logic_error
  // when there are errors.
  std::string Records() const;

  const std::string& State() const { return state_; }
  // The layout in use: the state's own, or the general one.
  const efw2::StateLayout& Layout() const { return *layout_; }
  std::size_t W2Count() const { return federal_.W2Count(); }
  std::size_t RsCount() const { return rs_.size(); }
  std::uint64_t StateWages() const { return stateWages_; }  // cents
  std::uint64_t StateTax() const { return stateTax_; }      // cents

 private:
  struct Rs {
    std::size_t Employee;  // in the state's employees
    std::string Account;
    std::uint64_t Wages = 0, Tax = 0, LocalWages = 0, LocalTax = 0;
    char TaxType = ' ';
  };
  static Efw2Input StateInput(const Efw2Input& input, const std::string& state);
  void PrepareLines(const Efw2Input& input, const W3Record& w3);
  void WriteRs(efw2::RecordWriter& w, const Rs& rs) const;
  void WriteRv(efw2::RecordWriter& w) const;
  void Error(const std::string& subject, std::string text);
  void Warning(const std::string& subject, std::string text);

  std::string state_, name_;
  int code_ = 0;
  const efw2::StateLayout* layout_ = &efw2::GeneralStateLayout();
  std::vector<efw2::RsField> rsFields_;
  Efw2Input stateInput_;
  Efw2WageFile federal_;
  std::vector<Efw2Finding> findings_;
  std::vector<Rs> rs_;
  std::string account_;  // the employer's account number, as the RV wants it
  std::string filerNumber_;
  std::uint64_t stateWages_ = 0, stateTax_ = 0;
};

// The caption of the filer number the state's layout asks for in the tax
// year ("Iowa business e-file number (BEN)"); empty when it asks for none.
std::string FilerNumberCaption(std::string_view state, std::int32_t taxYear);

// The states of the data file's box 15 lines (non-void W-2s), each once, in
// alphabetical order; in upper case, as typed otherwise.
std::vector<std::string> Box15States(const std::vector<W2Record>& employees);

// The lines of the report on the findings of a state file.
std::vector<std::string> Efw2StateReportLines(const W3Record& w3, const Efw2StateFile& file);
