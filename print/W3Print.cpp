#include "print/W3Print.h"

#include "data/QuillmarFormFile.h"
#include "forms/W3FormPicture.h"
#include "forms/W3PrintItems.h"

namespace {

std::string Cut(std::string text, std::size_t length) {
  if (text.size() > length) text.resize(length);
  return text;
}

}  // namespace

std::string W3JobTitle(const W3Record& w3) { return Cut("W-3 Form " + w3.EmployerName.Str(), 66); }

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

void PrintW3Form(TPrintReport& report, const W3Record& w3) {
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

  if (w3.ControlNum != 0) text(W3Field::ControlNum, std::to_string(w3.ControlNum));
  if (w3.KindOfPayer >= 0 && w3.KindOfPayer < static_cast<int>(kW3KindOfPayerMarks.size())) {
    mark(kW3KindOfPayerMarks[static_cast<std::size_t>(w3.KindOfPayer)]);
  }
  if (w3.TPSickPayKind == 1 || w3.TPSickPayKind == 2) mark(kW3TPSickPayMark);
  text(W3Field::W2Count, std::to_string(w3.W2Count));
  text(W3Field::Establishment, w3.Establishment.Str());
  text(W3Field::EmployerEIN, w3.EmployerEIN.Str());
  text(W3Field::EmployerName, Cut(w3.EmployerName.Str(), 34));

  // The address lines move down one when there is a suite.
  int line = kW3AddressStart.line;
  if (!w3.Suite.Empty()) report.PrintTextAt(kW3AddressStart.col, line++, w3.Suite.Str());
  report.PrintTextAt(kW3AddressStart.col, line++, w3.Street.Str());
  report.PrintTextAt(kW3AddressStart.col, line++, w3.Town.Str());
  report.PrintTextAt(kW3AddressStart.col, line, w3.State.Str() + " " + w3.Zip.Str());

  text(W3Field::OtherEIN, w3.OtherEIN.Str());
  text(W3Field::StateForID, w3.StateForID.Str());
  text(W3Field::StateID, w3.StateID.Str());
  text(W3Field::Contact, w3.Contact.Str());
  PrintPhoneAt(report, w3.Phone.Str(), static_cast<int>(W3Row(W3Field::Phone).line));
  text(W3Field::EMail, Cut(w3.EMail.Str(), 34));
  PrintPhoneAt(report, w3.Fax.Str(), static_cast<int>(W3Row(W3Field::Fax).line));

  amount(W3Field::TotWages, w3.TotWages);
  amount(W3Field::TotFedTax, w3.TotFedTax);
  amount(W3Field::TotSSWages, w3.TotSSWages);
  amount(W3Field::TotSSTax, w3.TotSSTax);
  amount(W3Field::TotMedWages, w3.TotMedWages);
  amount(W3Field::TotMedTax, w3.TotMedTax);
  amount(W3Field::TotSSTips, w3.TotSSTips);
  amount(W3Field::TotAllocTips, w3.TotAllocTips);
  amount(W3Field::TotAdvEIC, w3.TotAdvEIC);
  amount(W3Field::TotDepCare, w3.TotDepCare);
  amount(W3Field::TotNonQualPlans, w3.TotNonQualPlans);
  amount(W3Field::TotDefComp, w3.TotDefComp);
  text(W3Field::TPSickPayUseOnly, w3.TPSickPayUseOnly.Str());
  amount(W3Field::TaxWheldTPSickPay, w3.TaxWheldTPSickPay);
  amount(W3Field::TotStateWages, w3.TotStateWages);
  amount(W3Field::TotStateIncTax, w3.TotStateIncTax);
  amount(W3Field::TotLocalWages, w3.TotLocalWages);
  amount(W3Field::TotLocalIncTax, w3.TotLocalIncTax);
}

void PrintW3(TQuillmarFormFile& file, TQuillmarRegistry& registry, IPrinterDevice& printer,
             const FormPrintDialogs& dialogs) {
  const W3Record& w3 = file.W3Rec.w3;
  FormPrintRun run(printer, registry, FormKind::W3, dialogs);
  const auto form = [&](TPrintReport& report) { PrintW3Form(report, w3); };
  run.Run(W3JobTitle(w3), form, form);
}
