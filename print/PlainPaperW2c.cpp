#include "print/PlainPaperW2c.h"

#include <algorithm>
#include <set>

#include "data/EntryRules.h"
#include "platform/MessageBoxes.h"
#include "print/PrintReport.h"
#include "rules/KindOfPayer.h"

namespace {

constexpr std::size_t kBox12Lines = 4;

const std::string kW2cTitle = "Form W-2c Corrected Wage and Tax Statement";
const std::string kW3cTitle = "Form W-3c Transmittal of Corrected Wage and Tax Statements";
const std::string kDepartment = "Department of the Treasury - Internal Revenue Service";

void DrawItem(IPrinterDevice& printer, const DeviceRect& r, const std::string& text,
              PlainItemKind kind) {
  if (kind == PlainItemKind::Check) {
    printer.DrawRectangle(r.left, r.top, r.right, r.bottom, PlainPenWidth(printer.Caps()));
    if (!text.empty())
      printer.TextOut((r.left + r.right - printer.TextWidth(text)) / 2, r.top, text);
    return;
  }
  if (text.empty()) return;
  const std::string shown = CutToWidth(printer, text, r.right - r.left);
  const int x = kind == PlainItemKind::Amount ? r.right - printer.TextWidth(shown) : r.left;
  printer.TextOut(x, r.top, shown);
}

PrinterFont Sized(PrinterFont font, int size, bool bold) {
  font.size = size;
  if (bold) font.style |= FontBold;
  return font;
}

void DrawFooter(IPrinterDevice& printer, const PlainFormGeometry& g, double left, double right,
                double bottom, const std::string& title, const std::string& copyName,
                const std::string& copyText) {
  const PrinterFont sans = PlainTextFont();
  printer.SetFont(Sized(sans, 11, true));
  printer.TextOut(g.X(left), g.Y(bottom + 0.3), title);
  printer.SetFont(Sized(sans, 7, false));
  printer.TextOut(g.X(right) - printer.TextWidth(kDepartment), g.Y(bottom + 0.3), kDepartment);
  printer.SetFont(Sized(sans, 8, true));
  printer.TextOut(g.X(left), g.Y(bottom + 1.5), copyName);
  const int textX = g.X(left) + printer.TextWidth(copyName + "  ");
  printer.SetFont(Sized(sans, 8, false));
  printer.TextOut(textX, g.Y(bottom + 1.5), copyText);
}

std::string Joined(std::initializer_list<std::string> parts, const char* separator) {
  std::string text;
  for (const std::string& part : parts) {
    const std::string trimmed = TrimText(part);
    if (trimmed.empty()) continue;
    if (!text.empty()) text += separator;
    text += trimmed;
  }
  return text;
}

std::string NameOf(const W2Record& w2) {
  return Joined(
      {EmployeeFirstNameAndInitial(w2), W2Text(W2Field::LastName, w2), W2Text(W2Field::Suffix, w2)},
      " ");
}

std::string TownLine(const W2Record& w2) {
  const std::string city = W2Text(W2Field::City, w2), state = W2Text(W2Field::AddrState, w2);
  const std::string zip = W2Text(W2Field::Zip, w2), code = W2Text(W2Field::Country, w2);
  if (!TrimText(code).empty() && TrimText(zip).empty()) {
    const std::string country = CountryName(code);
    return Joined({city, state, W2Text(W2Field::PostCode, w2), country.empty() ? code : country},
                  ", ");
  }
  return Joined({city, Joined({state, zip}, "  ")}, ", ");
}

// The W-2 of the employee's names and address on the W-2c.
const W2Record& Shown(const EmployeeCorrection& e) {
  return e.change == EmployeeChange::Voided ? e.filed : e.current;
}

const CorrectionItem* ItemOf(const W2cForm& form, std::size_t member) {
  for (const CorrectionItem* item : form.items) {
    if (item->field && item->field->member == member) return item;
  }
  return nullptr;
}

const CorrectionItem* Box12Item(const W2cForm& form, int line) {
  int n = 0;
  for (const CorrectionItem* item : form.items) {
    if (item->field) continue;
    if (n++ == line) return item;
  }
  return nullptr;
}

std::string W3cText(const W3cCell& cell, const W3cTotals& t, const W3Record& w3) {
  using enum W3cItem;
  const W3cTotals::Pair* pair = nullptr;
  switch (cell.item) {
    case YearAndForm:
      return (w3.TaxYear > 0 ? std::to_string(w3.TaxYear) : std::string()) + " / W-2";
    case EmployerName:
      return w3.EmployerName.Str();
    case EmployerStreet:
      return Joined({w3.Suite.Str(), w3.Street.Str()}, ", ");
    case EmployerTown:
      return Joined({w3.Town.Str(), Joined({w3.State.Str(), w3.Zip.Str()}, "  ")}, ", ");
    case KindOfPayer:
      return "Kind of Payer: " + KindOfPayerLabel(w3.TPSickPayKind, w3.KindOfPayer);
    case KindOfEmployer:
      return w3.KindOfEmployer >= 1 && w3.KindOfEmployer <= kKindOfEmployerCount
                 ? std::string("Kind of Employer: ") + KindOfEmployerItems[w3.KindOfEmployer - 1]
                 : "";
    case W2cCount:
      return std::to_string(t.w2cCount);
    case EmployerEin:
      return w3.EmployerEIN.Str();
    case Establishment:
      return w3.Establishment.Str();
    case StateId:
      return w3.StateID.Str();
    case Contact:
      return w3.Contact.Str();
    case Phone:
      return w3.Phone.Str();
    case Fax:
      return w3.Fax.Str();
    case EMail:
      return w3.EMail.Str();
    case Box1:
      pair = &t.box1;
      break;
    case Box2:
      pair = &t.box2;
      break;
    case Box3:
      pair = &t.box3;
      break;
    case Box4:
      pair = &t.box4;
      break;
    case Box5:
      pair = &t.box5;
      break;
    case Box6:
      pair = &t.box6;
      break;
    case Box7:
      pair = &t.box7;
      break;
    case Box8:
      pair = &t.box8;
      break;
    case Box10:
      pair = &t.box10;
      break;
    case Box11:
      pair = &t.box11;
      break;
    case Box12a:
      pair = &t.box12a;
      break;
    case Box16:
      pair = &t.box16;
      break;
    case Box17:
      pair = &t.box17;
      break;
    case Box18:
      pair = &t.box18;
      break;
    case Box19:
      pair = &t.box19;
      break;
  }
  if (!pair || !pair->used) return "";
  return FormatAmount(cell.column == W2cColumn::Previous ? pair->previous : pair->correct);
}

void PrintEmployee(IPrinterDevice& printer, const EmployeeCorrection& e, const W3Record& w3,
                   const std::vector<PlainCopy>& copies, bool& firstPage) {
  for (const W2cForm& form : W2cForms(e)) {
    for (const PlainCopy& copy : copies) {
      if (!firstPage) printer.NewPage();
      firstPage = false;
      DrawPlainW2c(printer, form, w3, copy);
    }
  }
}

std::vector<PlainCopy> W2cCopies(bool withCopyD) {
  std::vector<PlainCopy> copies = PlainPaperCopies(withCopyD);
  // One state copy: a second one is printed for a second state by printing again.
  copies.erase(std::unique(copies.begin(), copies.end(),
                           [](const PlainCopy& a, const PlainCopy& b) { return a.name == b.name; }),
               copies.end());
  return copies;
}

}  // namespace

std::vector<W2cForm> W2cForms(const EmployeeCorrection& employee) {
  std::vector<W2cForm> forms(1);
  forms[0].employee = &employee;
  std::size_t box12 = 0;
  for (const CorrectionItem& item : employee.items) {
    if (item.field) {
      forms[0].items.push_back(&item);
      continue;
    }
    const std::size_t form = box12 / kBox12Lines;
    if (form >= forms.size()) forms.push_back(W2cForm{&employee, {}});
    forms[form].items.push_back(&item);
    ++box12;
  }
  return forms;
}

std::string W2cHeadText(W2cHead what, const W2cForm& form, const W3Record& w3) {
  const EmployeeCorrection& e = *form.employee;
  const W2Record& w2 = Shown(e);
  switch (what) {
    case W2cHead::EmployerName:
      return w3.EmployerName.Str();
    case W2cHead::EmployerStreet:
      return Joined({w3.Suite.Str(), w3.Street.Str()}, ", ");
    case W2cHead::EmployerTown:
      return Joined({w3.Town.Str(), Joined({w3.State.Str(), w3.Zip.Str()}, "  ")}, ", ");
    case W2cHead::EmployerEin:
      return w3.EmployerEIN.Str();
    case W2cHead::YearAndForm:
      return (w3.TaxYear > 0 ? std::to_string(w3.TaxYear) : std::string()) + " / W-2";
    case W2cHead::CorrectSsn:
      return TrimText(W2Text(W2Field::SocSecNum, w2));
    case W2cHead::SsnOrNameCheck:
      return e.SsnCorrected() || e.NameCorrected() ? "X" : "";
    case W2cHead::PreviousSsn:
      return e.SsnCorrected() ? TrimText(W2Text(W2Field::SocSecNum, e.filed)) : "";
    case W2cHead::PreviousName:
      return e.NameCorrected() ? NameOf(e.filed) : "";
    case W2cHead::CorrectName:
      return NameOf(w2);
    case W2cHead::AddressStreet:
      return EmployeeSuiteAndStreet(w2);
    case W2cHead::AddressTown:
      return TownLine(w2);
  }
  return "";
}

std::string W2cCellText(const W2cCell& cell, const W2cForm& form, bool code) {
  const CorrectionItem* item =
      cell.box12Line >= 0 ? Box12Item(form, cell.box12Line) : ItemOf(form, cell.member);
  if (!item) return "";
  if (code) return item->box12Code;
  return cell.column == W2cColumn::Previous ? item->previous : item->correct;
}

void DrawPlainW2c(IPrinterDevice& printer, const W2cForm& form, const W3Record& w3,
                  const PlainCopy& copy) {
  const PlainW2cLayout& layout = PlainW2cLayout2026();
  const PlainFormGeometry g(printer.Caps(), layout.left, layout.top, layout.right, 0);
  DrawPlainBoxes(printer, g, layout.boxes, layout.labels);
  printer.SetFont(PlainTextFont());
  for (const W2cHeadItem& head : layout.heads) {
    if (head.kind == PlainItemKind::Check) continue;
    DrawItem(printer, ToDevice(g, head.rect), W2cHeadText(head.what, form, w3), head.kind);
  }
  for (const W2cCell& cell : layout.cells) {
    if (cell.kind != PlainItemKind::Text) continue;
    DrawItem(printer, ToDevice(g, cell.rect), W2cCellText(cell, form), cell.kind);
  }
  printer.SetFont(PlainAmountFont());
  for (const W2cHeadItem& head : layout.heads) {
    if (head.kind != PlainItemKind::Check) continue;
    DrawItem(printer, ToDevice(g, head.rect), W2cHeadText(head.what, form, w3), head.kind);
  }
  for (const W2cCell& cell : layout.cells) {
    if (cell.kind == PlainItemKind::Text) continue;
    if (cell.box12Line >= 0) {
      DrawItem(printer, ToDevice(g, cell.rect), W2cCellText(cell, form, true), PlainItemKind::Text);
      DrawItem(printer, ToDevice(g, cell.amountRect), W2cCellText(cell, form),
               PlainItemKind::Amount);
      continue;
    }
    // A check box is drawn only where box 13 is corrected.
    const std::string text = W2cCellText(cell, form);
    if (cell.kind == PlainItemKind::Check && !ItemOf(form, cell.member)) continue;
    DrawItem(printer, ToDevice(g, cell.rect), text, cell.kind);
  }
  DrawFooter(printer, g, layout.left, layout.right, layout.bottom, kW2cTitle, copy.name, copy.text);
}

void DrawPlainW3c(IPrinterDevice& printer, const W3cTotals& totals, const W3Record& w3) {
  const PlainW3cLayout& layout = PlainW3cLayout2026();
  const PlainFormGeometry g(printer.Caps(), layout.left, layout.top, layout.right, 0);
  DrawPlainBoxes(printer, g, layout.boxes, layout.labels);
  for (const PlainItemKind kind : {PlainItemKind::Text, PlainItemKind::Amount}) {
    printer.SetFont(kind == PlainItemKind::Text ? PlainTextFont() : PlainAmountFont());
    for (const W3cCell& cell : layout.cells) {
      if (cell.kind == kind)
        DrawItem(printer, ToDevice(g, cell.rect), W3cText(cell, totals, w3), kind);
    }
  }
  DrawFooter(printer, g, layout.left, layout.right, layout.bottom, kW3cTitle,
             "For the employer's records",
             "Copy A of the W-3c goes to the SSA on the official form or in the correction file.");
}

bool PrintPlainPaperW2cs(IPrinterDevice& printer,
                         const std::vector<EmployeeCorrection>& corrections, const W3Record& w3,
                         bool withCopyD, bool safeHarborToo) {
  if (!printer.BeginDoc(("Quillmar W-2c " + w3.EmployerName.Str()).substr(0, 67))) return false;
  const std::vector<PlainCopy> copies = W2cCopies(withCopyD);
  bool firstPage = true;
  for (const EmployeeCorrection& e : corrections) {
    if (GetsW2c(e, safeHarborToo)) PrintEmployee(printer, e, w3, copies, firstPage);
  }
  const W3cTotals totals = SumW3c(corrections, safeHarborToo);
  if (totals.w2cCount > 0) {
    if (!firstPage) printer.NewPage();
    DrawPlainW3c(printer, totals, w3);
  }
  printer.EndDoc();
  return true;
}

std::string W2cFileName(const W2Record& w2, int taxYear) {
  // The W-2 copies' name without a year ends in " W-2.pdf".
  std::string name = EmployeeCopiesFileName(w2, 0);
  name.erase(name.size() - 4);
  name += "c";
  if (taxYear > 0) name += " " + std::to_string(taxYear);
  return name + ".pdf";
}

std::vector<std::string> PrintPlainPaperW2cPerEmployee(
    const PdfDeviceFactory& makeDevice, const std::string& folder,
    const std::vector<EmployeeCorrection>& corrections, const W3Record& w3, bool safeHarborToo) {
  PrivatePdfFolder pdfs(makeDevice, folder);
  const std::vector<PlainCopy> copies = W2cCopies(false);
  for (const EmployeeCorrection& e : corrections) {
    if (!GetsW2c(e, safeHarborToo)) continue;
    const auto outcome = pdfs.Write(W2cFileName(Shown(e), w3.TaxYear),
                                    "W-2c " + TrimText(W2Text(W2Field::LastName, Shown(e))),
                                    [&](IPrinterDevice& device) {
                                      bool firstPage = true;
                                      PrintEmployee(device, e, w3, copies, firstPage);
                                    });
    if (outcome == PrivatePdfFolder::Outcome::Stop) return pdfs.Written();
  }
  const W3cTotals totals = SumW3c(corrections, safeHarborToo);
  if (totals.w2cCount > 0) {
    (void)pdfs.Write("W-3c" + (w3.TaxYear > 0 ? " " + std::to_string(w3.TaxYear) : "") + ".pdf",
                     "W-3c", [&](IPrinterDevice& device) { DrawPlainW3c(device, totals, w3); });
  }
  return pdfs.Written();
}

void RunPlainPaperW2cs(const std::vector<EmployeeCorrection>& corrections, const W3Record& w3,
                       bool safeHarborToo, IPlainPaperDialog& dialog, IPrinterDevice& printer,
                       IPrinterSetupDialog& setupDialog, const PdfDeviceFactory& makeDevice) {
  std::size_t count = 0;
  for (const EmployeeCorrection& e : corrections) count += GetsW2c(e, safeHarborToo) ? 1 : 0;
  if (count == 0) {
    ShowMessage("There are no W-2c forms to print: no employee's W-2 needs a W-2c.",
                MsgIcon::Information);
    return;
  }
  PlainPaperChoice choice;
  if (!dialog.Execute(choice)) return;
  if (choice.onePdfPerEmployee) {
    const std::size_t expected = count + (SumW3c(corrections, safeHarborToo).w2cCount > 0 ? 1 : 0);
    const std::vector<std::string> written =
        PrintPlainPaperW2cPerEmployee(makeDevice, choice.folder, corrections, w3, safeHarborToo);
    if (written.size() == expected) {
      ShowMessage(std::to_string(written.size()) + " PDF file" + (written.size() == 1 ? "" : "s") +
                      " written to " + choice.folder + ".",
                  MsgIcon::Information);
    } else {
      ShowMessage("Only " + std::to_string(written.size()) + " of " + std::to_string(expected) +
                      " PDF files could be written to " + choice.folder + ".",
                  MsgIcon::Error);
    }
    return;
  }
  if (!setupDialog.Execute(printer)) return;
  PrintPlainPaperW2cs(printer, corrections, w3, choice.copyD, safeHarborToo);
}
