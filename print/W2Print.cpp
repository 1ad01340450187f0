#include "print/W2Print.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "data/BlankW2.h"
#include "data/EntryRules.h"
#include "data/NameOrder.h"
#include "data/QuillmarFormFile.h"
#include "forms/W2FormPicture.h"
#include "forms/W2Geometry.h"
#include "forms/W3FormPicture.h"
#include "platform/MessageBoxes.h"
#include "rules/Box12Codes.h"
#include "settings/QuillmarRegistry.h"

namespace {

// The bottom form of a sheet lies 5 1/2 inches below the top one.
constexpr int kBottomFormLines = 33;

std::string Cut(std::string text, std::size_t length) {
  if (text.size() > length) text.resize(length);
  return text;
}

}  // namespace

W2Record W2LineUpSample() {
  W2Record s;
  std::memset(&s, 0, sizeof s);
  const std::string fill = "Xxxxxxxxxxxxxxxxxxxxxxxxx";
  // The taxes and the smaller amounts take one digit less.
  constexpr W2Field kSmall[] = {W2Field::SSTax,       W2Field::MedTax,      W2Field::AllocTips,
                                W2Field::AdvEIC,      W2Field::DepCare,     W2Field::NonQualPlans,
                                W2Field::ST1StateTax, W2Field::ST1LocalTax, W2Field::ST2StateTax,
                                W2Field::ST2LocalTax};
  for (const W2LayoutRow& row : W2Layout()) {
    switch (row.kind) {
      case W2FieldKind::Check:
        W2SetChecked(row.field, s, true);
        break;
      case W2FieldKind::Code:
        W2Box12Line(row.field, s).Code = 'X';
        break;
      case W2FieldKind::Amount: {
        const bool small =
            std::find(std::begin(kSmall), std::end(kSmall), row.field) != std::end(kSmall);
        W2SetAmount(row.field, s, small ? 99999900 : 999999900);
        break;
      }
      case W2FieldKind::Text:
        // Every text to its capacity; the first name and the middle initial both.
        W2StoreText(row.field, s, row.field == W2Field::FirstName ? fill + " " + fill : fill);
        break;
    }
  }
  W2StoreText(W2Field::SocSecNum, s, "999-99-9999");
  // The items of the later forms: a suffix, two box 14b codes.
  s.Suffix = "XXXX";
  for (ShortString<3>& code : s.TipCodes) code = "999";
  for (const W2Field state : {W2Field::ST1State, W2Field::ST2State}) W2StoreText(state, s, "XX");
  for (const W2Field id : {W2Field::ST1StateID, W2Field::ST2StateID})
    W2StoreText(id, s, "1234567890123456");
  return s;
}

std::string W2JobTitle(const W3Record& w3) {
  return Cut("Quillmar " + W3Text(W3Field::EmployerName, w3), 67);
}

AddressTail EmployeeAddressTail(const W2Record& w2, std::size_t countryWidth) {
  const std::string state = W2Text(W2Field::AddrState, w2);
  const std::string zip = W2Text(W2Field::Zip, w2);
  const std::string postCode = W2Text(W2Field::PostCode, w2);
  const std::string code = W2Text(W2Field::Country, w2);
  if (!zip.empty() || (postCode.empty() && code.empty())) return {state + "  " + zip, {}};
  const std::string country = CountryName(code);
  const std::size_t room = countryWidth > postCode.size() ? countryWidth - postCode.size() : 0;
  return {state, country.empty() ? code + "  " + postCode : Cut(country, room) + " " + postCode};
}

namespace {

// The W-2 of the current arrangement (from 2007): each value in its cell of
// the year's geometry, the texts cut to their cell at ten characters an inch.
void PrintCurrentW2(TPrintReport& report, const W2Record& w2, const W3Record& w3, int offset) {
  const W2FormGeometry& form = W2GeometryForYear(w3.TaxYear);
  const AddressTail tail = EmployeeAddressTail(w2, 38);
  const auto print = [&](const W2Spot& spot, std::string text) {
    const auto room = static_cast<std::size_t>(spot.cell.cols);
    report.PrintTextInCell(spot.cell.col, offset + spot.cell.line, spot.cell.cols,
                           Cut(std::move(text), room), static_cast<int>(spot.align));
  };
  for (const W2Spot& spot : form.spots) {
    if (spot.field > W2Field::Count) {
      print(spot, W2ExtraText(spot.field, w2));
      continue;
    }
    switch (spot.field) {
      case W2Field::FirstName:
        print(spot, EmployeeFirstNameAndInitial(w2));
        continue;
      case W2Field::Suite:
        print(spot, EmployeeSuiteAndStreet(w2));
        continue;
      case W2Field::AddrState:
        print(spot, tail.stateLine);
        continue;
      case W2Field::Country:
        print(spot, tail.countryLine);
        continue;
      case W2Field::EmployerSuite:
        print(spot, EmployerSuiteAndStreet(w3));
        continue;
      default:
        break;
    }
    switch (W2Row(spot.field).kind) {
      case W2FieldKind::Amount: {
        // As on the 2001 form: nothing for a negative amount or one that shows as 0.00.
        const Currency amount = W2Amount(spot.field, w2);
        if (amount >= 0 && !BelowHalfCent(amount)) print(spot, FormatAmount(amount));
        break;
      }
      case W2FieldKind::Code:
        print(spot, Box12CodeOf(W2Box12Line(spot.field, w2), w3.TaxYear));
        break;
      default:
        print(spot, W2Text(spot.field, w2, w3));
        break;
    }
  }
  for (const W2Spot& check : form.checks)
    if (W2Checked(check.field, w2)) print(check, "X");
}

}  // namespace

void W2FormPrinter::PrintOneW2(const W2Record& w2, bool anotherFollows) {
  const int o = NextFormOnTop ? 0 : kBottomFormLines;
  if (!Uses2001W2Form(w3_.TaxYear)) {
    PrintCurrentW2(report_, w2, w3_, o);
    if (!NextFormOnTop && anotherFollows) report_.StartNewPage();
    NextFormOnTop = !NextFormOnTop;
    return;
  }
  const AddressTail tail = EmployeeAddressTail(w2, 41);
  // The control number and the Void mark, the employer's block, then the
  // employee's items: the order is the same for every form, made once.
  static const std::vector<const W2LayoutRow*> ordered = [] {
    const std::vector<W2LayoutRow>& rows = W2Layout();
    const std::size_t employer = static_cast<std::size_t>(W2Field::EmployerEIN);
    std::vector<const W2LayoutRow*> order;
    for (std::size_t i = 0; i < 2; ++i) order.push_back(&rows[i]);
    for (std::size_t i = employer; i < rows.size(); ++i) order.push_back(&rows[i]);
    for (std::size_t i = 2; i < employer; ++i) order.push_back(&rows[i]);
    return order;
  }();
  for (const W2LayoutRow* item : ordered) {
    const W2LayoutRow& row = *item;
    const int col = static_cast<int>(row.col), line = o + static_cast<int>(row.line);
    std::string text;
    switch (row.kind) {
      case W2FieldKind::Amount:
        report_.PrintAmountAt(col, line, W2Amount(row.field, w2), false, false, false);
        continue;
      case W2FieldKind::Check:
        if (!W2Checked(row.field, w2)) continue;
        text = "X";
        break;
      case W2FieldKind::Code:
        text = Box12CodeOf(W2Box12Line(row.field, w2), w3_.TaxYear);
        break;
      case W2FieldKind::Text:
        text = W2Text(row.field, w2, w3_);
        break;
    }
    // The items printed joined to the one before them, and the cut ones.
    switch (row.field) {
      case W2Field::StreetPOB:
      case W2Field::Zip:
      case W2Field::PostCode:
      case W2Field::EmployerStreet:
        continue;
      case W2Field::FirstName:
        text = Cut(EmployeeFirstNameAndInitial(w2), 17);
        break;
      case W2Field::Suite:
        text = Cut(EmployeeSuiteAndStreet(w2), 43);
        break;
      case W2Field::AddrState:
        text = tail.stateLine;
        break;
      case W2Field::Country:
        text = tail.countryLine;
        break;
      case W2Field::EmployerName:
        text = Cut(text, 43);
        break;
      case W2Field::EmployerSuite:
        text = Cut(EmployerSuiteAndStreet(w3_), 43);
        break;
      default:
        break;
    }
    if (!text.empty()) report_.PrintTextAt(col, line, text);
  }

  if (!NextFormOnTop && anotherFollows) report_.StartNewPage();
  NextFormOnTop = !NextFormOnTop;
}

void PrintW2LineUp(TPrintReport& report, const W3Record& w3, const W2Record& sample) {
  W2FormPrinter forms(report, w3);
  forms.PrintOneW2(sample, false);
  forms.PrintOneW2(sample, false);
}

void ShowRecordReadError(const std::string& key, std::int64_t offset, const std::string& item,
                         const std::string& none) {
  ShowMessage("File READ error in " + std::to_string(TQuillmarFormFile::RecSize()) +
                  " byte record beginning " + std::to_string(offset) +
                  " bytes from start of file when trying to print " + item + " for " + key + " " +
                  none + " can be printed for that employee.",
              MsgIcon::Error);
}

void PrintW2Batch(TPrintReport& report, TQuillmarFormFile& file, IProgress* progress) {
  W2FormPrinter forms(report, file.W3Rec.w3);
  ProgressRun run(progress, "Printing the W-2 forms...",
                  static_cast<int>(file.NameIndex().Entries().size()));
  // Each form is printed once the next printable one is known, so that a
  // bottom form begins a new sheet only when another form follows it.
  W2Record held{};
  bool holding = false;
  ForEachInNameOrder(
      file,
      [&](const W2Record& w2) {
        if (run.Cancelled() || !run.Step() || !IsCountedW2(w2)) return;
        if (holding) forms.PrintOneW2(held, true);
        held = w2;
        holding = true;
      },
      [](const std::string& key, std::int64_t offset) {
        ShowRecordReadError(key, offset, "W-2 form", "No W-2 form");
      });
  if (holding) forms.PrintOneW2(held, false);
}

void PrintAllW2s(TQuillmarFormFile& file, TQuillmarRegistry& registry, IPrinterDevice& printer,
                 const FormPrintDialogs& dialogs) {
  const W2Record sample = W2LineUpSample();
  const W3Record& w3 = file.W3Rec.w3;
  FormPrintRun run(printer, registry, FormKind::W2, dialogs);
  run.Run(
      W2JobTitle(w3), [&](TPrintReport& report) { PrintW2LineUp(report, w3, sample); },
      [&](TPrintReport& report) { PrintW2Batch(report, file, dialogs.progress); });
}
