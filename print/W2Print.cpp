#include "print/W2Print.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "data/BlankW2.h"
#include "data/EntryRules.h"
#include "data/NameOrder.h"
#include "data/QuillmarFormFile.h"
#include "forms/W2FormPicture.h"
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

void W2FormPrinter::PrintOneW2(const W2Record& w2, bool anotherFollows) {
  const int o = NextFormOnTop ? 0 : kBottomFormLines;
  const AddressTail tail = EmployeeAddressTail(w2, 41);
  // The control number and the Void mark, the employer's block, then the
  // employee's items.
  const std::vector<W2LayoutRow>& rows = W2Layout();
  const auto employer = rows.begin() + static_cast<int>(W2Field::EmployerEIN);
  std::vector<W2LayoutRow> ordered(rows.begin(), rows.begin() + 2);
  ordered.insert(ordered.end(), employer, rows.end());
  ordered.insert(ordered.end(), rows.begin() + 2, employer);
  for (const W2LayoutRow& row : ordered) {
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
        text = EmployerSuiteAndStreet(w3_);
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

void PrintW2Batch(TPrintReport& report, TQuillmarFormFile& file) {
  W2FormPrinter forms(report, file.W3Rec.w3);
  // Each form is printed once the next printable one is known, so that a
  // bottom form begins a new sheet only when another form follows it.
  W2Record held{};
  bool holding = false;
  ForEachInNameOrder(
      file,
      [&](const W2Record& w2) {
        if (!IsCountedW2(w2)) return;
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
      [&](TPrintReport& report) { PrintW2Batch(report, file); });
}
