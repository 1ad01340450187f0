#pragma once
// The W-2 print run: every non-void employee of the data file, in name
// order, two forms to a sheet on pre-printed two-up W-2 sheets, after the
// line-up loop with its sample sheets.

#include <string>

#include "data/W2Record.h"
#include "data/W3Record.h"
#include "print/FormPrintRun.h"

class TQuillmarFormFile;
class TQuillmarRegistry;

// The line-up sample: every box filled to its width, the Void box and the
// three box 13 boxes marked, no control number.
W2Record W2LineUpSample();

// The title of the W-2 job: "Quillmar " and the employer's name, cut to 67.
std::string W2JobTitle(const W3Record& w3);

// Tells the user that the record of `key` at `offset` could not be read, so
// that its `item` ("W-2 form", "W-2 label") is not printed: "`none` can be
// printed for that employee."
void ShowRecordReadError(const std::string& key, std::int64_t offset, const std::string& item,
                         const std::string& none);

// The last two lines of the employee's address (lines 17 and 18 of a form).
struct AddressTail {
  std::string stateLine;
  std::string countryLine;
};
// `countryWidth` is the room for the country name and the post code.
AddressTail EmployeeAddressTail(const W2Record& w2, std::size_t countryWidth);

// The forms of one print job, with the employer block of `w3`.
class W2FormPrinter {
 public:
  W2FormPrinter(TPrintReport& report, const W3Record& w3) : report_(report), w3_(w3) {}

  // Prints the W-2 in the half that NextFormOnTop says; after a bottom form
  // begins a new sheet when `anotherFollows`, and flips NextFormOnTop.
  void PrintOneW2(const W2Record& w2, bool anotherFollows);

  bool NextFormOnTop = true;

 private:
  TPrintReport& report_;
  const W3Record& w3_;
};

// One sample sheet: the sample as the top and as the bottom form.
void PrintW2LineUp(TPrintReport& report, const W3Record& w3, const W2Record& sample);

// The non-void W-2s of the file in name order; a record that cannot be read
// whole is reported and skipped. The file's position is put back. With a
// progress, each record is a step; after Cancel no further form is printed.
void PrintW2Batch(TPrintReport& report, TQuillmarFormFile& file, IProgress* progress = nullptr);

// The whole run: set-up dialog, samples, the real job, the margins saved.
void PrintAllW2s(TQuillmarFormFile& file, TQuillmarRegistry& registry, IPrinterDevice& printer,
                 const FormPrintDialogs& dialogs);
