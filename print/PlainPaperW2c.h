#pragma once
// Forms W-2c and W-3c drawn in full on plain paper, one form to a page: the
// employee's copies (B, C, 2 and, on request, D for the employer's records)
// with only the corrected boxes filled, previously reported beside correct,
// and the W-3c with the totals of the W-2cs that go to the SSA. Copy A goes
// to the SSA on the official form or in the correction file (EFW2C).

#include <string>
#include <vector>

#include "data/W3Record.h"
#include "forms/W2cPlainPaper.h"
#include "print/PlainPaperW2.h"
#include "rules/Corrections.h"

// One W-2c form: the employee and the corrections it shows. Box 12 has four
// lines; an employee with more box 12 corrections gets a second form that
// shows only those.
struct W2cForm {
  const EmployeeCorrection* employee = nullptr;
  std::vector<const CorrectionItem*> items;
};
std::vector<W2cForm> W2cForms(const EmployeeCorrection& employee);

// The text of an item of boxes a to i, and of a corrected cell ("" for a box
// that is not corrected).
std::string W2cHeadText(W2cHead what, const W2cForm& form, const W3Record& w3);
std::string W2cCellText(const W2cCell& cell, const W2cForm& form, bool code = false);

// Draws one copy of a W-2c on the current page.
void DrawPlainW2c(IPrinterDevice& printer, const W2cForm& form, const W3Record& w3,
                  const PlainCopy& copy);
// Draws the W-3c on the current page.
void DrawPlainW3c(IPrinterDevice& printer, const W3cTotals& totals, const W3Record& w3);

// One job: every W-2c copy of every employee that gets one, then the W-3c
// when any W-2c goes to the SSA. False when the printer could not start.
bool PrintPlainPaperW2cs(IPrinterDevice& printer,
                         const std::vector<EmployeeCorrection>& corrections, const W3Record& w3,
                         bool withCopyD, bool safeHarborToo);

// "<last name> <first name> W-2c <year>.pdf": the name of the employee's
// W-2 copies with the form's name.
std::string W2cFileName(const W2Record& w2, int taxYear);

// One PDF per employee with their W-2c copies, and "W-3c <year>.pdf", in
// `folder`. Returns the paths written.
std::vector<std::string> PrintPlainPaperW2cPerEmployee(
    const PdfDeviceFactory& makeDevice, const std::string& folder,
    const std::vector<EmployeeCorrection>& corrections, const W3Record& w3, bool safeHarborToo);

// The menu's run: the dialog of the employee copies, then the printer set-up
// and the job, or the PDFs. Outcomes are shown to the user.
void RunPlainPaperW2cs(const std::vector<EmployeeCorrection>& corrections, const W3Record& w3,
                       bool safeHarborToo, IPlainPaperDialog& dialog, IPrinterDevice& printer,
                       IPrinterSetupDialog& setupDialog, const PdfDeviceFactory& makeDevice);
