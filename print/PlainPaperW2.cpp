#include "print/PlainPaperW2.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <set>

#include "data/BlankW2.h"
#include "data/Currency.h"
#include "data/EntryRules.h"
#include "data/NameOrder.h"
#include "data/QuillmarFormFile.h"
#include "forms/W3PlainPaper.h"
#include "platform/CodePage.h"
#include "platform/MessageBoxes.h"
#include "print/PrintReport.h"
#include "print/PrivateFile.h"
#include "print/W2Print.h"
#include "rules/Box12Codes.h"
#include "rules/KindOfPayer.h"
#include "rules/SumToW3.h"
#include "settings/QuillmarRegistry.h"

namespace {

// The sheet: US letter, two forms of 5 1/2 inches each, every form a quarter
// inch from the left edge and half an inch below the top of its half. A form
// is scaled to at most 8 inches wide so that it fits any printer's strip.
constexpr int kLeftMargin = 25;  // hundredths of an inch from the paper's edge
constexpr int kTopMargin = 50;
constexpr double kHalfSheetInches = 5.5;
constexpr double kFormWidthInches = 8.0;

constexpr double kCaptionPad = 0.15;   // columns from a box's left edge
constexpr double kCaptionTop = 0.1;    // lines below a box's top edge
constexpr double kCaptionStep = 0.55;  // lines between the lines of a caption

const std::string kFormTitle = "Form W-2 Wage and Tax Statement";
const std::string kDepartment = "Department of the Treasury - Internal Revenue Service";

std::string Amount(Currency value) {
  // Zero (less than half a cent) and negative amounts leave the box blank.
  if (value < 0 || BelowHalfCent(value)) return "";
  return FormatAmount(value);
}

void DrawCaption(IPrinterDevice& printer, const PlainFormGeometry& g, const FormBox& box) {
  if (box.caption.empty()) return;
  const DeviceRect r = ToDevice(g, box.rect);
  const int x = g.X(box.rect.col + kCaptionPad);
  std::size_t start = 0;
  for (int line = 0; start <= box.caption.size(); ++line) {
    const std::size_t end = std::min(box.caption.find('\n', start), box.caption.size());
    const std::string part = box.caption.substr(start, end - start);
    printer.TextOut(x, g.Y(box.rect.line + kCaptionTop + line * kCaptionStep),
                    CutToWidth(printer, part, r.right - x));
    start = end + 1;
  }
}

// A text from the rectangle's left edge, or an amount to its right edge; cut
// at the rectangle either way.
void DrawItem(IPrinterDevice& printer, const DeviceRect& r, const std::string& text,
              bool rightAligned) {
  if (text.empty()) return;
  const std::string shown = CutToWidth(printer, text, r.right - r.left);
  const int x = rightAligned ? r.right - printer.TextWidth(shown) : r.left;
  printer.TextOut(x, r.top, shown);
}

void DrawTextAt(IPrinterDevice& printer, const PrinterFont& font, int x, int y,
                const std::string& text) {
  printer.SetFont(font);
  printer.TextOut(x, y, text);
}

PrinterFont Bold(PrinterFont font, int size) {
  font.size = size;
  font.style |= FontBold;
  return font;
}

// The form's name, year and copy below its boxes.
void DrawFooter(IPrinterDevice& printer, const PlainFormGeometry& g, double left, double right,
                double bottom, int taxYear, const std::string& title, const PlainCopy& copy) {
  const PrinterFont sans = PlainTextFont();
  const int y = g.Y(bottom + 0.3);
  DrawTextAt(printer, Bold(sans, 11), g.X(left), y, title);
  if (taxYear > 0) {
    DrawTextAt(printer, Bold(sans, 14), g.X(left + 0.42 * (right - left)), y,
               std::to_string(taxYear));
  }
  PrinterFont small = sans;
  small.size = 7;
  printer.SetFont(small);
  DrawTextAt(printer, small, g.X(right) - printer.TextWidth(kDepartment), y, kDepartment);
  const int copyY = g.Y(bottom + 1.5);
  const PrinterFont copyFont = Bold(sans, 8);
  DrawTextAt(printer, copyFont, g.X(left), copyY, copy.name);
  const int textX = g.X(left) + printer.TextWidth(copy.name + "  ");
  PrinterFont plain = sans;
  plain.size = 8;
  DrawTextAt(printer, plain, textX, copyY, copy.text);
}

// The type of the X in a check box: smaller than the square it sits in.
PrinterFont CheckFont() {
  return PrinterFont{.name = "Liberation Mono", .size = 7, .charset = kAnsiCharset};
}

// A box no longer used, shaded by thin diagonal lines a tenth of an inch apart.
void DrawShading(IPrinterDevice& printer, const DeviceRect& r) {
  const int step = std::max(1, printer.Caps().logPixelsX / 20);
  const int height = r.bottom - r.top;
  for (int x = r.left - height + step; x < r.right; x += step) {
    // The line from (x, bottom) up and to the right, clipped to the box.
    const int x1 = std::max(x, r.left), y1 = r.bottom - (x1 - x);
    const int x2 = std::min(x + height, r.right), y2 = r.bottom - (x2 - x);
    if (x2 > x1) printer.DrawLine(x1, y1, x2, y2, 1);
  }
}

// A dashed line across the sheet where the two halves meet.
void DrawCutLine(IPrinterDevice& printer) {
  const PrinterCaps caps = printer.Caps();
  const UnprintableBorder border = BorderOf(caps);
  const int y = static_cast<int>(std::lround(kHalfSheetInches * caps.logPixelsY)) - border.y;
  const int dash = caps.logPixelsX / 10;
  const int gap = caps.logPixelsX / 20;
  const int pen = PlainPenWidth(caps);
  for (int x = 0; x < caps.pageWidth; x += dash + gap) {
    printer.DrawLine(x, y, std::min(x + dash, caps.pageWidth), y, pen);
  }
}

// The copies of one employee from the top of a fresh sheet.
void PrintEmployee(IPrinterDevice& printer, const PlainW2Layout& layout, const W2Record& w2,
                   const W3Record& w3, const std::vector<PlainCopy>& copies, bool firstSheet) {
  for (std::size_t i = 0; i < copies.size(); ++i) {
    const int half = static_cast<int>(i % 2);
    if (half == 0 && !(firstSheet && i == 0)) printer.NewPage();
    if (half == 0) DrawCutLine(printer);
    DrawPlainW2(printer, layout, w2, w3, copies[i], half);
  }
}

// "/" and "\" and the other characters Windows refuses, control characters
// too, and the five bytes Windows-1252 leaves undefined (they decode to controls).
bool Forbidden(unsigned char c) {
  return c < 32 || c == 127 || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D ||
         std::strchr("/\\:*?\"<>|", c) != nullptr;
}

// How far the " (n)" numbering goes before a name counts as not to be had.
constexpr int kMaxSameName = 1000;

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::vector<PlainCopy> PlainPaperCopies(bool withCopyD, bool lastFourOfSsn) {
  std::vector<PlainCopy> copies = {
      {"Copy B", "To Be Filed With Employee's FEDERAL Tax Return", lastFourOfSsn},
      {"Copy C", "For EMPLOYEE'S RECORDS", lastFourOfSsn},
      {"Copy 2", "To Be Filed With Employee's State, City, or Local Income Tax Return",
       lastFourOfSsn},
      {"Copy 2", "To Be Filed With Employee's State, City, or Local Income Tax Return",
       lastFourOfSsn},
  };
  if (withCopyD) copies.push_back({"Copy D", "For Employer", false});
  return copies;
}

PrinterFont PlainCaptionFont() {
  return PrinterFont{.name = "Liberation Sans", .size = 5, .charset = kAnsiCharset};
}

PrinterFont PlainTextFont() {
  return PrinterFont{.name = "Liberation Sans", .size = 9, .charset = kAnsiCharset};
}

PrinterFont PlainAmountFont() {
  return PrinterFont{.name = "Liberation Mono", .size = 9, .charset = kAnsiCharset};
}

PlainFormGeometry::PlainFormGeometry(const PrinterCaps& caps, double formLeft, double formTop,
                                     double formRight, int sheetHalf)
    : formLeft_(formLeft), formTop_(formTop) {
  const UnprintableBorder border = BorderOf(caps);
  const double scale = std::min(1.0, kFormWidthInches * 10 / (formRight - formLeft));
  pxPerCol_ = caps.logPixelsX * scale / 10;
  pxPerLine_ = caps.logPixelsY * scale / 6;
  originX_ = MarginToDevice(kLeftMargin, caps.logPixelsX, border.x);
  originY_ = MarginToDevice(kTopMargin, caps.logPixelsY, border.y) +
             sheetHalf * kHalfSheetInches * caps.logPixelsY;
}

int PlainFormGeometry::X(double col) const {
  return static_cast<int>(std::lround(originX_ + (col - formLeft_) * pxPerCol_));
}

int PlainFormGeometry::Y(double line) const {
  return static_cast<int>(std::lround(originY_ + (line - formTop_) * pxPerLine_));
}

DeviceRect ToDevice(const PlainFormGeometry& g, const GridRect& rect) {
  return DeviceRect{g.X(rect.col), g.Y(rect.line), g.X(rect.col + rect.cols),
                    g.Y(rect.line + rect.lines)};
}

int PlainPenWidth(const PrinterCaps& caps) { return std::max(1, caps.logPixelsX / 150); }

void DrawPlainBoxes(IPrinterDevice& printer, const PlainFormGeometry& g,
                    const std::vector<FormBox>& boxes, const std::vector<FormBox>& labels) {
  const int pen = PlainPenWidth(printer.Caps());
  for (const FormBox& box : boxes) {
    const DeviceRect r = ToDevice(g, box.rect);
    printer.DrawRectangle(r.left, r.top, r.right, r.bottom, pen);
  }
  printer.SetFont(PlainCaptionFont());
  for (const FormBox& box : boxes) DrawCaption(printer, g, box);
  for (const FormBox& label : labels) DrawCaption(printer, g, label);
}

std::string PlainItemText(const PlainW2Item& item, const W2Record& w2, const W3Record& w3) {
  if (item.field > W2Field::Count) return W2ExtraText(item.field, w2);
  switch (item.field) {
    case W2Field::FirstName: {
      // No blank after a first name without a middle initial.
      const std::string name = EmployeeFirstNameAndInitial(w2);
      return name.ends_with(' ') ? name.substr(0, name.size() - 1) : name;
    }
    case W2Field::Suite:
      return EmployeeSuiteAndStreet(w2);
    case W2Field::EmployerSuite:
      return EmployerSuiteAndStreet(w3);
    case W2Field::AddrState:
    case W2Field::Country: {
      const std::string code = W2Text(W2Field::Country, w2, w3);
      const std::string postCode = W2Text(W2Field::PostCode, w2, w3);
      const std::string state = W2Text(W2Field::AddrState, w2, w3);
      const std::string zip = W2Text(W2Field::Zip, w2, w3);
      const bool domestic = !zip.empty() || (postCode.empty() && code.empty());
      if (item.field == W2Field::AddrState) return domestic ? state + "  " + zip : state;
      if (domestic) return "";
      const std::string name = CountryName(code);
      return (name.empty() ? code + " " : name) + " " + postCode;
    }
    default:
      break;
  }
  switch (W2Row(item.field).kind) {
    case W2FieldKind::Amount:
      return Amount(W2Amount(item.field, w2));
    case W2FieldKind::Check:
      return W2Checked(item.field, w2) ? "X" : "";
    case W2FieldKind::Code:
      return Box12CodeOf(W2Box12Line(item.field, w2), w3.TaxYear);
    case W2FieldKind::Text:
      return W2Text(item.field, w2, w3);
  }
  return "";
}

void DrawPlainW2(IPrinterDevice& printer, const PlainW2Layout& layout, const W2Record& w2,
                 const W3Record& w3, const PlainCopy& copy, int sheetHalf) {
  const PlainFormGeometry g(printer.Caps(), layout.left, layout.top, layout.right, sheetHalf);
  DrawPlainBoxes(printer, g, layout.boxes, layout.labels);
  const int pen = PlainPenWidth(printer.Caps());
  if (layout.shadedBox >= 0)
    DrawShading(printer,
                ToDevice(g, layout.boxes.at(static_cast<std::size_t>(layout.shadedBox)).rect));
  // One pass per font: a printer measures each font anew when it changes.
  for (const PlainItemKind kind :
       {PlainItemKind::Text, PlainItemKind::Amount, PlainItemKind::Check}) {
    printer.SetFont(kind == PlainItemKind::Text    ? PlainTextFont()
                    : kind == PlainItemKind::Check ? CheckFont()
                                                   : PlainAmountFont());
    for (const PlainW2Item& item : layout.items) {
      const bool centred = item.kind == PlainItemKind::Centred;
      if (item.kind != kind && !(centred && kind == PlainItemKind::Text)) continue;
      const DeviceRect r = ToDevice(g, item.rect);
      std::string text = PlainItemText(item, w2, w3);
      if (item.field == W2Field::SocSecNum && copy.lastFourOfSsn) text = LastFourOfSsn(text);
      if (centred) {
        const std::string shown = CutToWidth(printer, text, r.right - r.left);
        printer.TextOut((r.left + r.right - printer.TextWidth(shown)) / 2, r.top, shown);
        continue;
      }
      if (kind != PlainItemKind::Check) {
        DrawItem(printer, r, text, kind == PlainItemKind::Amount);
        continue;
      }
      printer.DrawRectangle(r.left, r.top, r.right, r.bottom, pen);
      if (!text.empty()) {
        // The X inside its square: centred both ways in a type smaller than the square.
        const int height = CheckFont().size * printer.Caps().logPixelsY / 72;
        printer.TextOut((r.left + r.right - printer.TextWidth(text)) / 2,
                        (r.top + r.bottom - height) / 2, text);
      }
    }
  }
  DrawFooter(printer, g, layout.left, layout.right, layout.bottom, w3.TaxYear, kFormTitle, copy);
}

std::vector<W2Record> PrintableW2s(TQuillmarFormFile& file) {
  std::vector<W2Record> records;
  ForEachInNameOrder(
      file,
      [&](const W2Record& w2) {
        if (IsCountedW2(w2)) records.push_back(w2);
      },
      [](const std::string& key, std::int64_t offset) {
        ShowRecordReadError(key, offset, "W-2 form", "No W-2 form");
      });
  return records;
}

bool PrintPlainPaperW2s(IPrinterDevice& printer, const std::vector<W2Record>& employees,
                        const W3Record& w3, bool withCopyD, bool lastFourOfSsn,
                        IProgress* progress) {
  if (!printer.BeginDoc(
          ("Quillmar W-2 employee copies " + W3Text(W3Field::EmployerName, w3)).substr(0, 67))) {
    return false;
  }
  const PlainW2Layout& layout = PlainW2LayoutForYear(w3.TaxYear);
  const std::vector<PlainCopy> copies = PlainPaperCopies(withCopyD, lastFourOfSsn);
  ProgressRun run(progress, "Printing the W-2 employee copies...",
                  static_cast<int>(employees.size()));
  for (std::size_t i = 0; i < employees.size(); ++i) {
    PrintEmployee(printer, layout, employees[i], w3, copies, i == 0);
    if (!run.Step()) break;
  }
  printer.EndDoc();
  return true;
}

std::string EmployeeCopiesFileName(const W2Record& w2, int taxYear) {
  std::string name;
  // The parts of the name, one space between two.
  const auto add = [&name](const std::string& part) {
    if (part.empty()) return;
    if (!name.empty()) name.push_back(' ');
    name.append(part);
  };
  add(Trimmed(W2Text(W2Field::LastName, w2)));
  add(Trimmed(W2Text(W2Field::FirstName, w2)));
  add("W-2");
  if (taxYear > 0) add(std::to_string(taxYear));
  for (char& c : name) {
    if (Forbidden(static_cast<unsigned char>(c))) c = '_';
  }
  // A name may not start with a dot (hidden on Linux).
  if (name[0] == '.') name[0] = '_';
  // The records' letters are Windows-1252; the file system's names are UTF-8.
  return Cp1252ToUtf8(name) + ".pdf";
}

PrivatePdfFolder::PrivatePdfFolder(const PdfDeviceFactory& makeDevice, const std::string& folder)
    : makeDevice_(makeDevice),
      folder_(folder),
      prefix_(folder.empty() || folder.back() == '/' ? folder : folder + "/") {}

PrivatePdfFolder::Outcome PrivatePdfFolder::Write(
    const std::string& fileName, const std::string& title,
    const std::function<void(IPrinterDevice&)>& draw) {
  // The device writes under a temporary name of this run's own; the file
  // gets its name only once it is whole.
  TPrivateTempFile temp(folder_, ".pdf");
  if (temp.Failed()) return Outcome::Stop;
  std::unique_ptr<IPrinterDevice> device = makeDevice_(temp.Path());
  if (!device || !device->BeginDoc(title)) return Outcome::Stop;
  draw(*device);
  device->EndDoc();
  device.reset();
  const std::string stem = fileName.substr(0, fileName.size() - 4);
  for (int n = 1; n <= kMaxSameName; ++n) {
    const std::string name = n == 1 ? fileName : stem + " (" + std::to_string(n) + ").pdf";
    // A name that turns out to be taken in the folder counts as given too.
    if (!taken_.insert(name).second) continue;
    const int published = temp.PublishAs(prefix_ + name);
    if (published == EEXIST) continue;
    if (published != 0) break;
    written_.push_back(prefix_ + name);
    return Outcome::Written;
  }
  return Outcome::NotWritten;
}

std::vector<std::string> PrintPlainPaperW2PerEmployee(const PdfDeviceFactory& makeDevice,
                                                      const std::string& folder,
                                                      const std::vector<W2Record>& employees,
                                                      const W3Record& w3, bool lastFourOfSsn,
                                                      IProgress* progress) {
  ProgressRun run(progress, "Writing the employees' PDF files...",
                  static_cast<int>(employees.size()));
  PrivatePdfFolder pdfs(makeDevice, folder);
  const PlainW2Layout& layout = PlainW2LayoutForYear(w3.TaxYear);
  const std::vector<PlainCopy> copies = PlainPaperCopies(false, lastFourOfSsn);
  for (const W2Record& w2 : employees) {
    const auto outcome = pdfs.Write(
        EmployeeCopiesFileName(w2, w3.TaxYear), "W-2 " + Trimmed(W2Text(W2Field::LastName, w2)),
        [&](IPrinterDevice& device) { PrintEmployee(device, layout, w2, w3, copies, true); });
    if (outcome == PrivatePdfFolder::Outcome::Stop || !run.Step()) break;
  }
  return pdfs.Written();
}

namespace {

std::string W3FieldText(W3Field field, const W3Record& w3) {
  if (W3Row(field).kind == W3FieldKind::Amount) return Amount(W3Amount(field, w3));
  const std::string text = W3Text(field, w3);
  // A negative control number leaves box a blank.
  if (field == W3Field::ControlNum && text.starts_with('-')) return "";
  return text;
}

}  // namespace

std::string W3ItemText(const PlainW3Item& item, const W3Record& w3) {
  switch (item.text) {
    case PlainW3Text::Field:
      return W3FieldText(item.field, w3);
    case PlainW3Text::KindOfPayer:
      return KindOfPayerLabel(w3.TPSickPayKind, w3.KindOfPayer);
    case PlainW3Text::KindOfEmployer:
      return w3.KindOfEmployer >= 1 && w3.KindOfEmployer <= kKindOfEmployerCount
                 ? KindOfEmployerItems[w3.KindOfEmployer - 1]
                 : "";
    case PlainW3Text::SuiteAndStreet:
      return EmployerSuiteAndStreet(w3);
    case PlainW3Text::Town:
      return w3.Town.Str();
    case PlainW3Text::StateAndZip:
      return w3.State.Str() + "  " + w3.Zip.Str();
  }
  return "";
}

bool PrintPlainPaperW3(IPrinterDevice& printer, const W3Record& w3) {
  if (!printer.BeginDoc(("Quillmar W-3 " + W3Text(W3Field::EmployerName, w3)).substr(0, 67)))
    return false;
  const PlainW3Layout& layout = PlainW3LayoutForYear(w3.TaxYear);
  const double top = layout.top, left = layout.left, right = layout.right;
  const PlainFormGeometry g(printer.Caps(), left, top - 3.5, right, 0);
  const PrinterFont sans = PlainTextFont();
  DrawTextAt(printer, Bold(sans, 12), g.X(left), g.Y(top - 3.3),
             "Form W-3 Transmittal of Wage and Tax Statements");
  if (w3.TaxYear > 0) {
    DrawTextAt(printer, Bold(sans, 14), g.X(left + 0.62 * (right - left)), g.Y(top - 3.5),
               std::to_string(w3.TaxYear));
  }
  DrawTextAt(printer, Bold(sans, 10), g.X(left), g.Y(top - 1.8),
             "For the employer's records; do not file");
  DrawPlainBoxes(printer, g, layout.boxes, {});
  // One pass per font: a printer measures each font anew when it changes.
  for (const PlainItemKind kind : {PlainItemKind::Text, PlainItemKind::Amount}) {
    printer.SetFont(kind == PlainItemKind::Text ? PlainTextFont() : PlainAmountFont());
    for (const PlainW3Item& item : layout.items) {
      if (item.kind != kind) continue;
      DrawItem(printer, ToDevice(g, item.rect), W3ItemText(item, w3),
               kind == PlainItemKind::Amount);
    }
  }
  PrinterFont small = sans;
  small.size = 7;
  printer.SetFont(small);
  DrawTextAt(printer, small, g.X(right) - printer.TextWidth(kDepartment), g.Y(layout.bottom + 0.3),
             kDepartment);
  printer.EndDoc();
  return true;
}

namespace {

// Passes a run's progress on and remembers whether the user cancelled it.
struct CancelWatch final : IProgress {
  explicit CancelWatch(IProgress* next) : inner(next) {}
  void Start(const std::string& label, int total) override {
    if (inner) inner->Start(label, total);
  }
  bool Step(int done) override {
    if (inner && !inner->Step(done)) cancelled = true;
    return !cancelled;
  }
  void Finish() override {
    if (inner) inner->Finish();
  }
  IProgress* inner;
  bool cancelled = false;
};

}  // namespace

void RunPlainPaperW2s(TQuillmarFormFile& file, IPlainPaperDialog& dialog, IPrinterDevice& printer,
                      IPrinterSetupDialog& setupDialog, const PdfDeviceFactory& makeDevice,
                      IPrintPreview* preview, IProgress* progress) {
  PlainPaperChoice choice;
  if (!dialog.Execute(choice)) return;
  const W3Record w3 = file.W3Rec.w3;
  const std::vector<W2Record> employees = PrintableW2s(file);
  if (employees.empty()) {
    ShowMessage(
        "There are no W-2 forms to print: the file holds no employee whose W-2 is not void.",
        MsgIcon::Information);
    return;
  }
  if (choice.onePdfPerEmployee) {
    CancelWatch watch(progress);
    const std::vector<std::string> written = PrintPlainPaperW2PerEmployee(
        makeDevice, choice.folder, employees, w3, choice.lastFourOfSsn, &watch);
    if (watch.cancelled) {
      ShowMessage("Cancelled: " + std::to_string(written.size()) + " of " +
                      std::to_string(employees.size()) + " PDF files were written to " +
                      choice.folder + ".",
                  MsgIcon::Information);
    } else if (written.size() == employees.size()) {
      ShowMessage(std::to_string(written.size()) + " PDF file" + (written.size() == 1 ? "" : "s") +
                      " written to " + choice.folder + ".",
                  MsgIcon::Information);
    } else {
      ShowMessage("Only " + std::to_string(written.size()) + " of " +
                      std::to_string(employees.size()) + " PDF files could be written to " +
                      choice.folder + ".",
                  MsgIcon::Error);
    }
    return;
  }
  if (!setupDialog.Execute(printer)) return;
  PrintOrPreview(preview, printer, [&] {
    PrintPlainPaperW2s(printer, employees, w3, choice.copyD, choice.lastFourOfSsn, progress);
  });
}

PlainPaperChoice LoadPlainPaperChoice(TQuillmarRegistry& registry) {
  const PlainPaperSettings stored = registry.ReadPlainPaper();
  return {stored.copyD, stored.onePdfPerEmployee, stored.folder};
}

void SavePlainPaperChoice(TQuillmarRegistry& registry, const PlainPaperChoice& choice) {
  registry.WritePlainPaper({choice.copyD, choice.onePdfPerEmployee, choice.folder});
}

void RunPlainPaperW3(TQuillmarFormFile& file, IPrinterDevice& printer,
                     IPrinterSetupDialog& setupDialog, IPrintPreview* preview) {
  SumToW3(file);
  if (!file.ReadW3()) return;
  const W3Record w3 = file.W3Rec.w3;
  if (!setupDialog.Execute(printer)) return;
  PrintOrPreview(preview, printer, [&] { PrintPlainPaperW3(printer, w3); });
}
