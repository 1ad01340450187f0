#pragma once
// A complete, consistent set of export data for tests: an employer of tax
// year 2025, its submitter data, the 2025 rates and the W-2 of the worked
// example (Jane Q Public).

#include <fstream>
#include <string>
#include <vector>

#include "data/Currency.h"
#include "data/RecordBuffer.h"
#include "efw2/Efw2WageFile.h"

inline Currency Money(const char* text) { return *ParseAmount(text); }

inline void SetCode(Box12Entry& line, const char* code, const char* amount) {
  line.Code = code[0];
  line.Code2 = code[1];  // the second letter of a two-letter code
  line.Amount = Money(amount);
}

inline W3Record SampleW3() {
  TRecordBuffer r{};
  r.header.RecType = kRecTypeW3;
  W3Record& w3 = r.w3;
  w3.TaxYear = 2025;
  w3.EmployerEIN = "12-3456789";
  w3.EmployerName = "Acme Tools, Inc.";
  w3.Street = "500 Oak Ave";
  w3.Town = "Springfield";
  w3.State = "IL";
  w3.Zip = "62701";
  w3.Contact = "Mary Smith";
  w3.Phone = "(217)555-1234";
  w3.EMail = "Payroll@Acme.example";
  w3.KindOfEmployer = 1;  // kind of employer: none apply
  return w3;
}

inline Efw2Submitter SampleSubmitter() {
  Efw2Submitter s;
  s.UserId = "ab12cd34";
  s.Ein = "12-3456789";
  s.Name = "Acme Tools, Inc.";
  s.Street = "500 Oak Ave";
  s.City = "Springfield";
  s.State = "Illinois";
  s.Zip = "62701-0042";
  s.Contact = "Mary Smith";
  s.Phone = "(217)555-1234 x12";
  s.EMail = "Payroll@Acme.example";
  return s;
}

inline SocSecMedicareRates Rates2025() {
  return {2025, Money("176100"), Money("6.2"), 0, Money("1.45"), false};
}

inline W2Record JanePublic() {
  TRecordBuffer r{};
  r.header.RecType = kRecTypeW2;
  W2Record& w2 = r.w2;
  for (Box12Entry& line : w2.Box12) line.Code = ' ';
  w2.SocSecNum = "234-56-7890";
  w2.FirstName = "Jane";
  w2.MiddleInitial = "Q";
  w2.LastName = "Public";
  w2.Suite = "Apt 4B";
  w2.StreetPOB = "123 Main St";
  w2.City = "Springfield";
  w2.AddrState = "IL";
  w2.Zip = "62704-1234";
  w2.Wages = Money("52340.15");
  w2.FedTax = Money("4812.00");
  w2.SSWages = Money("55000.00");
  w2.SSTax = Money("3410.00");
  w2.MedWage = Money("55000.00");
  w2.MedTax = Money("797.50");
  w2.DepCare = Money("1200.00");
  SetCode(w2.Box12[0], "D", "2659.85");
  SetCode(w2.Box12[1], "DD", "6250.00");
  w2.RetirePlan = 1;
  return w2;
}

inline Efw2Input SampleInput() {
  Efw2Input input;
  input.W3 = SampleW3();
  input.Submitter = SampleSubmitter();
  input.Rates = Rates2025();
  input.Employees = {JanePublic()};
  return input;
}

// Writes a data file of a header, the W-3 record and the W-2 records.
inline void WriteDataFile(const std::string& path, const W3Record& w3,
                          const std::vector<W2Record>& w2s) {
  TRecordBuffer r{};
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  r.header.RecType = kRecTypeHeader;
  out.write(reinterpret_cast<const char*>(r.bytes), kRecSize);
  out.write(reinterpret_cast<const char*>(&w3), kRecSize);
  for (const W2Record& w2 : w2s) out.write(reinterpret_cast<const char*>(&w2), kRecSize);
}
