#pragma once
// The employee copies of the W-2 and the employer's W-3, drawn in full on
// plain letter paper: boxes, captions and amounts, two W-2s to a sheet with a
// cut line between them. Copy A is never printed here: it goes to the SSA in
// the wage file or on the official form.

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "data/W2Record.h"
#include "data/W3Record.h"
#include "forms/W2PlainPaper.h"
#include "forms/W3PlainPaper.h"
#include "platform/PrintDialogs.h"
#include "platform/PrinterDevice.h"
#include "platform/Progress.h"

class TQuillmarFormFile;
class TQuillmarRegistry;

// One copy of the set: its name ("Copy B") and the text beside it.
struct PlainCopy {
  std::string name;
  std::string text;
  bool lastFourOfSsn = false;  // the SSN shown as "XXX-XX-1234"
};

// The copies of one employee, in print order: B, C, 2, 2 and, when asked
// for, D.
// With `lastFourOfSsn` the employee's copies B, C and 2 show only the last
// four digits of the SSN; Copy D, the employer's, shows it whole.
std::vector<PlainCopy> PlainPaperCopies(bool withCopyD, bool lastFourOfSsn = false);

// Fonts of the drawn forms.
PrinterFont PlainCaptionFont();  // Liberation Sans, the captions
PrinterFont PlainTextFont();     // Liberation Sans, names and addresses
PrinterFont PlainAmountFont();   // Liberation Mono, the amounts

// Where a drawn form lies on the printer, in device pixels: the form's grid
// scaled to fit the sheet's width, from the top margin of its half sheet.
class PlainFormGeometry {
 public:
  // `formLeft`/`formTop` and `formRight`: the form's outline on its grid;
  // `sheetHalf` 0 for the top form, 1 for the bottom one.
  PlainFormGeometry(const PrinterCaps& caps, double formLeft, double formTop, double formRight,
                    int sheetHalf);
  int X(double col) const;
  int Y(double line) const;

 private:
  double originX_, originY_, formLeft_, formTop_, pxPerCol_, pxPerLine_;
};

// The device rectangle of a grid rectangle.
struct DeviceRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};
DeviceRect ToDevice(const PlainFormGeometry& geometry, const GridRect& rect);

// The width of a drawn form's lines: a hundred-and-fiftieth of an inch, at
// least one pixel.
int PlainPenWidth(const PrinterCaps& caps);
// The outlines of `boxes`, then the captions of `boxes` and `labels` (lines
// split at "\n", each cut at its box's right edge) in the caption font.
void DrawPlainBoxes(IPrinterDevice& printer, const PlainFormGeometry& g,
                    const std::vector<FormBox>& boxes, const std::vector<FormBox>& labels);

// The text a W-2 item shows: the joined texts of the layout, amounts as
// "%4.2f" (nothing for zero or a negative amount), "X" for a check box that
// is set, box 12 codes of one or two letters.
std::string PlainItemText(const PlainW2Item& item, const W2Record& w2, const W3Record& w3);

// Draws one W-2 copy into the top (0) or bottom (1) half of the current sheet.
void DrawPlainW2(IPrinterDevice& printer, const PlainW2Layout& layout, const W2Record& w2,
                 const W3Record& w3, const PlainCopy& copy, int sheetHalf);

// The W-2s to print: every non-void W-2 of the file in name order. The file
// keeps its position.
std::vector<W2Record> PrintableW2s(TQuillmarFormFile& file);

// One job of every employee's copies, each employee on sheets of their own.
// False when the printer could not start the job.
// With a progress, each employee is a step; after Cancel the job ends with
// the employees printed so far.
bool PrintPlainPaperW2s(IPrinterDevice& printer, const std::vector<W2Record>& employees,
                        const W3Record& w3, bool withCopyD, bool lastFourOfSsn = false,
                        IProgress* progress = nullptr);

// "<last name> <first name> W-2 <year>.pdf" in UTF-8 (the record's
// Windows-1252 letters decoded), with every character that a file name cannot
// hold (on Linux or Windows) replaced by "_".
std::string EmployeeCopiesFileName(const W2Record& w2, int taxYear);

// A printer device that prints into the PDF file at `path`.
using PdfDeviceFactory = std::function<std::unique_ptr<IPrinterDevice>(const std::string& path)>;

// The PDF files of one run into a folder, each holding an employee's Social
// Security number: each is drawn under a temporary name of its own (mode
// 0600, created exclusively) and then given the first of "<name>.pdf",
// "<name> (2).pdf", ... that neither this run gave nor the folder holds (a
// file, a link or anything else is never written through or over).
class PrivatePdfFolder {
 public:
  enum class Outcome { Written, NotWritten, Stop };

  PrivatePdfFolder(const PdfDeviceFactory& makeDevice, const std::string& folder);
  // Draws one file with `draw` on a device whose document is `title`; Stop
  // when the folder takes no file or the device cannot start (it has said
  // why), so that the run ends.
  Outcome Write(const std::string& fileName, const std::string& title,
                const std::function<void(IPrinterDevice&)>& draw);
  // The paths of the files really written.
  const std::vector<std::string>& Written() const { return written_; }

 private:
  const PdfDeviceFactory& makeDevice_;
  std::string folder_;
  std::string prefix_;
  std::set<std::string> taken_;
  std::vector<std::string> written_;
};

// One PDF per employee in `folder` (a UTF-8 path), each with that employee's copies B, C
// and 2, mode 0600. A name already given in this run or taken in the folder
// (by a file, a link or anything else) is never written through or over: the
// next of " (2)", " (3)" ... is used. Each file is written under a temporary
// name and then named. Returns the paths of the files really written.
// With a progress, each file is a step; after Cancel no further file is written.
std::vector<std::string> PrintPlainPaperW2PerEmployee(const PdfDeviceFactory& makeDevice,
                                                      const std::string& folder,
                                                      const std::vector<W2Record>& employees,
                                                      const W3Record& w3,
                                                      bool lastFourOfSsn = false,
                                                      IProgress* progress = nullptr);

// The text a W-3 item shows: amounts as "%4.2f" (nothing for zero or a
// negative amount), the kind of payer and of employer in words, the address
// lines. The pre-printed W-3 of the current form prints the same texts.
std::string W3ItemText(const PlainW3Item& item, const W3Record& w3);

// The W-3 of the file's year with its totals, for the employer's records.
bool PrintPlainPaperW3(IPrinterDevice& printer, const W3Record& w3);

// What the user chose in the dialog of the employee copies.
struct PlainPaperChoice {
  bool copyD = false;
  bool onePdfPerEmployee = false;
  std::string folder;          // for one PDF per employee
  bool lastFourOfSsn = false;  // copies B, C and 2 show "XXX-XX-1234"
};

// The choice the dialog opens on: the last one kept in the registry.
PlainPaperChoice LoadPlainPaperChoice(TQuillmarRegistry& registry);
void SavePlainPaperChoice(TQuillmarRegistry& registry, const PlainPaperChoice& choice);

class IPlainPaperDialog {
 public:
  virtual ~IPlainPaperDialog() = default;
  // Shows the choices, starting from `choice`. False on Cancel.
  virtual bool Execute(PlainPaperChoice& choice) = 0;
};

// The menu's run of the employee copies: the dialog, then the printer set-up
// and the job (or its preview), or the PDFs into the chosen folder. Outcomes,
// a cancelled run's among them, are shown to the user.
void RunPlainPaperW2s(TQuillmarFormFile& file, IPlainPaperDialog& dialog, IPrinterDevice& printer,
                      IPrinterSetupDialog& setupDialog, const PdfDeviceFactory& makeDevice,
                      IPrintPreview* preview = nullptr, IProgress* progress = nullptr);
// The menu's run of the W-3 for the records: the totals brought up to date,
// the printer set-up, the job.
void RunPlainPaperW3(TQuillmarFormFile& file, IPrinterDevice& printer,
                     IPrinterSetupDialog& setupDialog, IPrintPreview* preview = nullptr);
