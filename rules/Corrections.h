#pragma once
// What changed since the W-2s were filed, box by box, and which correction
// each change calls for:
//
// - a wrong name, SSN, money amount of boxes 1-12 or a box 13 check box: a
//   W-2c with the SSA (with a W-3c), and the W-2c to the employee;
// - only the address: a reissued statement to the employee, nothing to the SSA;
// - only state or local boxes (15-20) or box 14: the employee's (and the
//   state's) W-2c, nothing to the SSA;
// - no amount off by more than $100 and no tax withheld off by more than $25
//   (the de minimis safe harbor): no correction needed unless the employee
//   asks for one;
// - a W-2 voided since filing: a W-2c with the SSA whose correct amounts are 0.00;
// - a W-2 added since filing: an original W-2, not a W-2c.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "data/Currency.h"
#include "data/W2Record.h"
#include "rules/FiledCopy.h"

class TQuillmarFormFile;

enum class ItemKind { Text, Money, Check };
// Which correction a difference in the field calls for.
enum class ItemScope { Identity, Address, SsaAmount, SsaCheck, Box12, Box14, State };

// One compared W-2 field. This table is the one list of the fields the
// corrections compare, keyed by the W2Record member (its offset); box 12 is
// compared code by code instead (member Box12).
struct ComparedW2Field {
  std::size_t member;   // offsetof(W2Record, <member>)
  const char* box;      // the W-2c box: "d", "h", "1", "12", "15", ...
  const char* caption;  // "Wages, tips, other compensation"
  ItemKind kind;
  ItemScope scope;
  bool withheld;  // a tax withheld: the safe harbor is $25, not $100
  std::string (*text)(const W2Record&);
  Currency (*amount)(const W2Record&);  // Money; Check as 0 or 1
};
const std::vector<ComparedW2Field>& ComparedW2Fields();
// The row of the member, or null.
const ComparedW2Field* ComparedW2FieldOf(std::size_t member);

// The safe harbor: the largest difference of an amount, and of a tax withheld.
inline constexpr Currency kSafeHarborAmount = 100 * kCurrencyScale;
inline constexpr Currency kSafeHarborWithheld = 25 * kCurrencyScale;

// One difference: "previously reported" against "correct information".
struct CorrectionItem {
  const ComparedW2Field* field = nullptr;  // null for a box 12 code
  std::string box12Code;                   // for a box 12 code
  std::string previous, correct;           // as shown: amounts "%4.2f", checks "X" or ""
  Currency previousAmount = 0, correctAmount = 0;
  ItemKind Kind() const { return field ? field->kind : ItemKind::Money; }
  ItemScope Scope() const { return field ? field->scope : ItemScope::Box12; }
  // "1 Wages, tips, other compensation", "12 Code D".
  std::string Label() const;
};

enum class EmployeeChange { Changed, Added, Voided };
enum class Correction {
  W2cWithSsa,
  ReissuedStatement,
  EmployeeW2cOnly,
  WithinSafeHarbor,
  OriginalW2,
};

struct EmployeeCorrection {
  std::size_t recordNumber = 0;  // 0 for the data file's first W-2 record
  EmployeeChange change = EmployeeChange::Changed;
  Correction correction = Correction::W2cWithSsa;
  W2Record filed{};    // as filed; zero for an added W-2
  W2Record current{};  // as the data file holds it now (void for a voided one)
  std::vector<CorrectionItem> items;
  bool SsnCorrected() const;
  bool NameCorrected() const;
  // "MARY SMITH (SSN 123-45-6789)", with the correct name and SSN.
  std::string Subject() const;
};

// Every employee whose W-2 differs from what was filed, in record order.
// `current` holds the data file's W-2 records by record number.
std::vector<EmployeeCorrection> FindCorrections(const FiledCopy& filed,
                                                const std::vector<W2Record>& current);

// Which correction the differences call for (see the top of this file).
Correction CorrectionFor(const std::vector<CorrectionItem>& items);

// What the user is told to do for the employee.
std::string CorrectionAdvice(const EmployeeCorrection& employee);

// Whether a W-2c of the employee goes to the SSA (and into the W-3c and the
// corrections file); `safeHarborToo` when the employees within the safe
// harbor asked for a corrected statement.
bool GoesToSsa(const EmployeeCorrection& employee, bool safeHarborToo);
// Whether the employee gets a W-2c (the SSA's ones and the employee-only ones).
bool GetsW2c(const EmployeeCorrection& employee, bool safeHarborToo);

// The W-3c: the totals of the "previously reported" and "correct" columns of
// the W-2cs that go to the SSA.
struct W3cTotals {
  std::size_t w2cCount = 0;
  // boxes 1-8, 10, 11, 12a (deferred compensation), 16-19: prev, correct
  struct Pair {
    Currency previous = 0, correct = 0;
    bool used = false;
  };
  Pair box1, box2, box3, box4, box5, box6, box7, box8, box10, box11, box12a, box16, box17, box18,
      box19;
};
W3cTotals SumW3c(const std::vector<EmployeeCorrection>& corrections, bool safeHarborToo);

// The filed copy after the corrections were filed: the records of the
// employees that were corrected (and of the W-2s added since) become what
// was filed; `when` is kept as the date corrections were last filed.
FiledCopy ApplyFiledCorrections(const FiledCopy& filed, const std::vector<W2Record>& current,
                                const std::vector<EmployeeCorrection>& corrections,
                                bool safeHarborToo, DateTime when);

// The open file's filed copy, its W-2 records now, and what changed.
struct CorrectionsOfFile {
  std::string filedPath;
  FiledCopy filed;
  std::vector<W2Record> current;
  std::vector<EmployeeCorrection> corrections;
};
// Nothing, after telling the user why, when nothing was filed yet or the
// filed copy cannot be read.
std::optional<CorrectionsOfFile> LoadCorrections(TQuillmarFormFile& file);

// When some employees differ only within the safe harbor: asks whether their
// corrections are to be made too (because they asked for a corrected statement).
bool AskSafeHarborToo(const std::vector<EmployeeCorrection>& corrections);

// Not empty when the employer's EIN or the tax year differs from what was
// filed: that correction takes two sets of Forms W-2c and W-3c (the amounts
// taken back to 0.00 under what was filed, then reported under what is right),
// which Quillmar does not make. Says so to the user.
std::string EmployerCorrectionNote(const W3Record& filed, const W3Record& now);

// File, Mark Corrections as Filed: after a question, the filed copy takes the
// corrected W-2s, so that the next correction starts from what the SSA has.
void MarkCorrectionsFiled(TQuillmarFormFile& file);
