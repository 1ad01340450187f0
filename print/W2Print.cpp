#include "print/W2Print.h"

#include <cstring>

#include "data/EntryRules.h"
#include "data/NameOrder.h"
#include "data/QuillmarFormFile.h"
#include "forms/W2FormPicture.h"
#include "platform/MessageBoxes.h"
#include "settings/QuillmarRegistry.h"

namespace {

// The bottom form of a sheet lies 5 1/2 inches below the top one.
constexpr int kBottomFormLines = 33;

template <std::size_t N>
void FillSample(ShortString<N>& field) {
  field = std::string_view("Xxxxxxxxxxxxxxxxxxxxxxxxx").substr(0, N);
}

std::string Cut(std::string text, std::size_t length) {
  if (text.size() > length) text.resize(length);
  return text;
}

}  // namespace

W2Record W2LineUpSample() {
  W2Record s;
  std::memset(&s, 0, sizeof s);
  s.Void = 1;
  s.SocSecNum = "999-99-9999";
  FillSample(s.FirstName);
  FillSample(s.MiddleInitial);
  FillSample(s.LastName);
  FillSample(s.Suite);
  FillSample(s.StreetPOB);
  FillSample(s.City);
  FillSample(s.AddrState);
  FillSample(s.Zip);
  FillSample(s.PostCode);
  FillSample(s.Country);
  FillSample(s.Box14aLabel);
  FillSample(s.Box14bLabel);
  FillSample(s.Box14cLabel);
  FillSample(s.ST1LocName);
  FillSample(s.ST2LocName);
  s.ST1State = "XX";
  s.ST2State = "XX";
  s.ST1StateID = "1234567890123456";
  s.ST2StateID = "1234567890123456";
  s.StatEmpl = s.RetirePlan = s.TPSickPay = 1;
  const Currency big = 999999900, small = 99999900;
  for (Box12Entry& entry : s.Box12) {
    entry.Code = 'X';
    entry.Amount = big;
  }
  for (Currency* amount :
       {&s.Wages, &s.FedTax, &s.SSWages, &s.MedWage, &s.SSTips, &s.Box14aAmount, &s.Box14bAmount,
        &s.Box14cAmount, &s.ST1StateWage, &s.ST1LocalWage, &s.ST2StateWage, &s.ST2LocalWage}) {
    *amount = big;
  }
  for (Currency* amount :
       {&s.SSTax, &s.MedTax, &s.AllocTips, &s.AdvEIC, &s.DepCare, &s.NonQualPlans, &s.ST1StateTax,
        &s.ST1LocalTax, &s.ST2StateTax, &s.ST2LocalTax}) {
    *amount = small;
  }
  return s;
}

std::string W2JobTitle(const W3Record& w3) { return Cut("Quillmar " + w3.EmployerName.Str(), 67); }

AddressTail EmployeeAddressTail(const W2Record& w2, std::size_t countryWidth) {
  const std::string postCode = w2.PostCode.Str();
  if (!w2.Zip.Empty() || (w2.PostCode.Empty() && w2.Country.Empty())) {
    return {w2.AddrState.Str() + "  " + w2.Zip.Str(), {}};
  }
  const std::string country = CountryName(w2.Country.Str());
  const std::size_t room = countryWidth > postCode.size() ? countryWidth - postCode.size() : 0;
  return {w2.AddrState.Str(), country.empty() ? w2.Country.Str() + "  " + postCode
                                              : Cut(country, room) + " " + postCode};
}

void W2FormPrinter::PrintOneW2(const W2Record& w2, bool anotherFollows) {
  const int o = NextFormOnTop ? 0 : kBottomFormLines;
  const auto text = [&](W2Field field, const std::string& value) {
    const W2LayoutRow& row = W2Row(field);
    report_.PrintTextAt(static_cast<int>(row.col), o + static_cast<int>(row.line), value);
  };
  const auto amount = [&](W2Field field, Currency value) {
    const W2LayoutRow& row = W2Row(field);
    report_.PrintAmountAt(static_cast<int>(row.col), o + static_cast<int>(row.line), value, false,
                          false, false);
  };
  const auto mark = [&](W2Field field, std::uint8_t flag) {
    if (flag) text(field, "X");
  };

  if (w2.ControlNum > 0) text(W2Field::ControlNum, std::to_string(w2.ControlNum));
  mark(W2Field::Void, w2.Void);
  text(W2Field::EmployerEIN, w3_.EmployerEIN.Str());
  text(W2Field::EmployerName, Cut(w3_.EmployerName.Str(), 43));
  text(W2Field::EmployerSuite,
       w3_.Suite.Empty() ? w3_.Street.Str() : Cut(w3_.Suite.Str() + ", " + w3_.Street.Str(), 43));
  text(W2Field::EmployerTown, w3_.Town.Str());
  text(W2Field::EmployerState, w3_.State.Str() + "  " + w3_.Zip.Str());

  text(W2Field::SocSecNum, w2.SocSecNum.Str());
  text(W2Field::FirstName, Cut(w2.FirstName.Str() + " " + w2.MiddleInitial.Str(), 17));
  text(W2Field::LastName, w2.LastName.Str());
  text(W2Field::Suite,
       w2.Suite.Empty() ? w2.StreetPOB.Str() : Cut(w2.Suite.Str() + ", " + w2.StreetPOB.Str(), 43));
  text(W2Field::City, w2.City.Str());
  const AddressTail tail = EmployeeAddressTail(w2, 41);
  text(W2Field::AddrState, tail.stateLine);
  text(W2Field::Country, tail.countryLine);

  amount(W2Field::Wages, w2.Wages);
  amount(W2Field::FedTax, w2.FedTax);
  amount(W2Field::SSWages, w2.SSWages);
  amount(W2Field::SSTax, w2.SSTax);
  amount(W2Field::MedWage, w2.MedWage);
  amount(W2Field::MedTax, w2.MedTax);
  amount(W2Field::SSTips, w2.SSTips);
  amount(W2Field::AllocTips, w2.AllocTips);
  amount(W2Field::AdvEIC, w2.AdvEIC);
  amount(W2Field::DepCare, w2.DepCare);
  amount(W2Field::NonQualPlans, w2.NonQualPlans);
  constexpr W2Field codes[] = {W2Field::Box12aCode, W2Field::Box12bCode, W2Field::Box12cCode,
                               W2Field::Box12dCode};
  constexpr W2Field amounts[] = {W2Field::Box12aAmount, W2Field::Box12bAmount,
                                 W2Field::Box12cAmount, W2Field::Box12dAmount};
  for (int i = 0; i < 4; ++i) {
    // An unused line holds a blank (or a zero byte) and prints nothing.
    const char code = w2.Box12[i].Code;
    text(codes[i], code == '\0' ? std::string() : std::string(1, code));
    amount(amounts[i], w2.Box12[i].Amount);
  }
  mark(W2Field::StatEmpl, w2.StatEmpl);
  mark(W2Field::RetirePlan, w2.RetirePlan);
  mark(W2Field::TPSickPay, w2.TPSickPay);
  text(W2Field::Box14aLabel, w2.Box14aLabel.Str());
  amount(W2Field::Box14aAmount, w2.Box14aAmount);
  text(W2Field::Box14bLabel, w2.Box14bLabel.Str());
  amount(W2Field::Box14bAmount, w2.Box14bAmount);
  text(W2Field::Box14cLabel, w2.Box14cLabel.Str());
  amount(W2Field::Box14cAmount, w2.Box14cAmount);

  text(W2Field::ST1State, w2.ST1State.Str());
  text(W2Field::ST1StateID, w2.ST1StateID.Str());
  amount(W2Field::ST1StateWage, w2.ST1StateWage);
  amount(W2Field::ST1StateTax, w2.ST1StateTax);
  amount(W2Field::ST1LocalWage, w2.ST1LocalWage);
  amount(W2Field::ST1LocalTax, w2.ST1LocalTax);
  text(W2Field::ST1LocName, w2.ST1LocName.Str());
  text(W2Field::ST2State, w2.ST2State.Str());
  text(W2Field::ST2StateID, w2.ST2StateID.Str());
  amount(W2Field::ST2StateWage, w2.ST2StateWage);
  amount(W2Field::ST2StateTax, w2.ST2StateTax);
  amount(W2Field::ST2LocalWage, w2.ST2LocalWage);
  amount(W2Field::ST2LocalTax, w2.ST2LocalTax);
  text(W2Field::ST2LocName, w2.ST2LocName.Str());

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
        if (run.Cancelled() || !run.Step() || w2.Void) return;
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
