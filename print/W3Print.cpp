#include "print/W3Print.h"

#include "data/QuillmarFormFile.h"
#include "forms/W2Geometry.h"
#include "forms/W3FormPicture.h"
#include "forms/W3PlainPaper.h"
#include "forms/W3PrintItems.h"
#include "print/PlainPaperW2.h"
#include "rules/TaxYearRules.h"

namespace {

std::string Cut(std::string text, std::size_t length) {
  if (text.size() > length) text.resize(length);
  return text;
}

}  // namespace

std::string W3JobTitle(const W3Record& w3) {
  return Cut("W-3 Form " + W3Text(W3Field::EmployerName, w3), 66);
}

void PrintPhoneAt(TPrintReport& report, const std::string& text, int line) {
  std::string digits;
  for (const char c : text) {
    if (c >= '0' && c <= '9') digits += c;
  }
  const auto& cols = kW3PhoneColumns;
  if (digits.size() > 9) {
    report.PrintTextAt(cols[0], line, digits.substr(0, 3));
    report.PrintTextAt(cols[1], line, digits.substr(3, 3));
    report.PrintTextAt(cols[2], line, digits.substr(6, 14));
  } else if (digits.size() >= 7) {
    report.PrintTextAt(cols[1], line, digits.substr(0, 3));
    report.PrintTextAt(cols[2], line, digits.substr(3, 17));
  }
}

namespace {

// The W-3 of the current arrangement (from 2007), on the plain-paper W-3's
// geometry with the layout's top-left corner at the margins: each text in
// its cell, the amounts right-aligned, the kinds of payer and of employer as
// an X in their check boxes.
void PrintCurrentW3(TPrintReport& report, const W3Record& w3) {
  const PlainW3Layout& layout = PlainW3LayoutForYear(w3.TaxYear);
  const auto at = [&](const GridRect& cell, const std::string& text, int align) {
    report.PrintTextInCell(cell.col - layout.left + 1, cell.line - layout.top + 1, cell.cols, text,
                           align);
  };
  for (const PlainW3Item& item : layout.items) {
    switch (item.text) {
      case PlainW3Text::KindOfPayer:
        if (const auto mark = W3PayerMark(w3.TaxYear, w3.KindOfPayer)) at(*mark, "X", 0);
        if (w3.TPSickPayKind == 1 || w3.TPSickPayKind == 2)
          if (const auto mark = W3PayerMark(w3.TaxYear, 7)) at(*mark, "X", 0);
        break;
      case PlainW3Text::KindOfEmployer:
        if (const auto mark = W3EmployerMark(w3.TaxYear, w3.KindOfEmployer)) at(*mark, "X", 0);
        break;
      default:
        at(item.rect, W3ItemText(item, w3), item.kind == PlainItemKind::Amount ? 2 : 0);
        break;
    }
  }
}

}  // namespace

void PrintW3Form(TPrintReport& report, const W3Record& w3) {
  if (!Uses2001W2Form(w3.TaxYear)) {
    PrintCurrentW3(report, w3);
    return;
  }
  const auto text = [&](W3Field field, const std::string& value) {
    const W3LayoutRow& row = W3Row(field);
    report.PrintTextAt(static_cast<int>(row.col), static_cast<int>(row.line), value);
  };
  const auto amount = [&](W3Field field, Currency value) {
    const W3LayoutRow& row = W3Row(field);
    report.PrintAmountAt(static_cast<int>(row.col), static_cast<int>(row.line), value, false, false,
                         false);
  };
  const auto mark = [&](GridPoint at) { report.PrintTextAt(at.col, at.line, "X"); };

  text(W3Field::ControlNum, W3Text(W3Field::ControlNum, w3));
  const TaxYearRules& rules = RulesForYear(w3.TaxYear);
  if (w3.KindOfPayer >= 0 && w3.KindOfPayer < static_cast<int>(kW3KindOfPayerMarks.size())) {
    mark(kW3KindOfPayerMarks[static_cast<std::size_t>(w3.KindOfPayer)]);
  } else if (w3.KindOfPayer == 6 && rules.Form944) {
    mark(kW3Form944Mark);
  }
  if (w3.TPSickPayKind == 1 || w3.TPSickPayKind == 2) mark(kW3TPSickPayMark);
  text(W3Field::W2Count, W3Text(W3Field::W2Count, w3));
  text(W3Field::Establishment, W3Text(W3Field::Establishment, w3));
  text(W3Field::EmployerEIN, W3Text(W3Field::EmployerEIN, w3));
  text(W3Field::EmployerName, Cut(W3Text(W3Field::EmployerName, w3), 34));

  // The address lines move down one when there is a suite.
  int line = kW3AddressStart.line;
  if (!w3.Suite.Empty()) report.PrintTextAt(kW3AddressStart.col, line++, w3.Suite.Str());
  report.PrintTextAt(kW3AddressStart.col, line++, w3.Street.Str());
  report.PrintTextAt(kW3AddressStart.col, line++, w3.Town.Str());
  report.PrintTextAt(kW3AddressStart.col, line, w3.State.Str() + " " + w3.Zip.Str());

  text(W3Field::OtherEIN, W3Text(W3Field::OtherEIN, w3));
  text(W3Field::StateForID, W3Text(W3Field::StateForID, w3));
  text(W3Field::StateID, W3Text(W3Field::StateID, w3));
  text(W3Field::Contact, W3Text(W3Field::Contact, w3));
  PrintPhoneAt(report, W3Text(W3Field::Phone, w3), static_cast<int>(W3Row(W3Field::Phone).line));
  text(W3Field::EMail, Cut(W3Text(W3Field::EMail, w3), 34));
  PrintPhoneAt(report, W3Text(W3Field::Fax, w3), static_cast<int>(W3Row(W3Field::Fax).line));

  amount(W3Field::TotWages, W3Amount(W3Field::TotWages, w3));
  amount(W3Field::TotFedTax, W3Amount(W3Field::TotFedTax, w3));
  amount(W3Field::TotSSWages, W3Amount(W3Field::TotSSWages, w3));
  amount(W3Field::TotSSTax, W3Amount(W3Field::TotSSTax, w3));
  amount(W3Field::TotMedWages, W3Amount(W3Field::TotMedWages, w3));
  amount(W3Field::TotMedTax, W3Amount(W3Field::TotMedTax, w3));
  amount(W3Field::TotSSTips, W3Amount(W3Field::TotSSTips, w3));
  amount(W3Field::TotAllocTips, W3Amount(W3Field::TotAllocTips, w3));
  amount(W3Field::TotAdvEIC, W3Amount(W3Field::TotAdvEIC, w3));
  amount(W3Field::TotDepCare, W3Amount(W3Field::TotDepCare, w3));
  amount(W3Field::TotNonQualPlans, W3Amount(W3Field::TotNonQualPlans, w3));
  amount(W3Field::TotDefComp, W3Amount(W3Field::TotDefComp, w3));
  text(W3Field::TPSickPayUseOnly, W3Text(W3Field::TPSickPayUseOnly, w3));
  amount(W3Field::TaxWheldTPSickPay, W3Amount(W3Field::TaxWheldTPSickPay, w3));
  amount(W3Field::TotStateWages, W3Amount(W3Field::TotStateWages, w3));
  amount(W3Field::TotStateIncTax, W3Amount(W3Field::TotStateIncTax, w3));
  amount(W3Field::TotLocalWages, W3Amount(W3Field::TotLocalWages, w3));
  amount(W3Field::TotLocalIncTax, W3Amount(W3Field::TotLocalIncTax, w3));
}

void PrintW3(TQuillmarFormFile& file, TQuillmarRegistry& registry, IPrinterDevice& printer,
             const FormPrintDialogs& dialogs) {
  const W3Record& w3 = file.W3Rec.w3;
  FormPrintRun run(printer, registry, FormKind::W3, dialogs);
  const auto form = [&](TPrintReport& report) { PrintW3Form(report, w3); };
  run.Run(W3JobTitle(w3), form, form);
}
