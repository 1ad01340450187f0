#include "tests/efw2/Efw2Reader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// name position length kind; kinds: A text (upper case), E text as typed,
// K one code character, N digits, n digits or blanks, M amount, B blank.
// clang-format off
const std::map<std::string, std::string> kLayouts = {
    {"RA",
     "Id 1 2 K;SubmitterEin 3 9 N;UserId 12 8 A;VendorCode 20 4 n;- 24 5 B;Resub 29 1 K;"
     "Wfid 30 6 A;SoftwareCode 36 2 K;CompanyName 38 57 A;CompanyLocation 95 22 A;"
     "CompanyDelivery 117 22 A;CompanyCity 139 22 A;CompanyState 161 2 A;CompanyZip 163 5 A;"
     "CompanyZipExt 168 4 A;- 172 5 B;CompanyForeignState 177 23 A;"
     "CompanyForeignPostal 200 15 A;CompanyCountry 215 2 A;SubmitterName 217 57 A;"
     "SubmitterLocation 274 22 A;SubmitterDelivery 296 22 A;SubmitterCity 318 22 A;"
     "SubmitterState 340 2 A;SubmitterZip 342 5 A;SubmitterZipExt 347 4 A;- 351 5 B;"
     "SubmitterForeignState 356 23 A;SubmitterForeignPostal 379 15 A;SubmitterCountry 394 2 A;"
     "ContactName 396 27 A;ContactPhone 423 15 A;ContactPhoneExt 438 5 A;- 443 3 B;"
     "ContactEMail 446 40 E;- 486 3 B;ContactFax 489 10 A;- 499 1 B;PreparerCode 500 1 K;"
     "- 501 12 B"},
    {"RE",
     "Id 1 2 K;TaxYear 3 4 N;AgentIndicator 7 1 A;Ein 8 9 N;AgentForEin 17 9 n;"
     "Terminating 26 1 K;Establishment 27 4 A;OtherEin 31 9 n;Name 40 57 A;Location 97 22 A;"
     "Delivery 119 22 A;City 141 22 A;State 163 2 A;Zip 165 5 A;ZipExt 170 4 A;"
     "KindOfEmployer 174 1 K;- 175 4 B;ForeignState 179 23 A;ForeignPostal 202 15 A;"
     "Country 217 2 A;EmploymentCode 219 1 K;TaxJurisdiction 220 1 A;SickPay 221 1 K;"
     "ContactName 222 27 A;ContactPhone 249 15 A;ContactPhoneExt 264 5 A;ContactFax 269 10 A;"
     "ContactEMail 279 40 E;- 319 194 B"},
    {"RW",
     "Id 1 2 K;Ssn 3 9 N;First 12 15 A;Middle 27 15 A;Last 42 20 A;Suffix 62 4 A;"
     "Location 66 22 A;Delivery 88 22 A;City 110 22 A;State 132 2 A;Zip 134 5 A;"
     "ZipExt 139 4 A;- 143 5 B;ForeignState 148 23 A;ForeignPostal 171 15 A;Country 186 2 A;"
     "Box1 188 11 M;Box2 199 11 M;Box3 210 11 M;Box4 221 11 M;Box5 232 11 M;Box6 243 11 M;"
     "Box7 254 11 M;- 265 11 B;Box10 276 11 M;D 287 11 M;E 298 11 M;F 309 11 M;G 320 11 M;"
     "H 331 11 M;- 342 11 B;Box11Sec457 353 11 M;W 364 11 M;Box11Other 375 11 M;Q 386 11 M;"
     "- 397 11 B;C 408 11 M;V 419 11 M;Y 430 11 M;AA 441 11 M;BB 452 11 M;DD 463 11 M;"
     "FF 474 11 M;- 485 1 B;Statutory 486 1 K;- 487 1 B;Retirement 488 1 K;SickPay 489 1 K;"
     "- 490 23 B"},
    {"RO",
     "Id 1 2 K;- 3 9 B;AllocTips 12 11 M;AB 23 11 M;R 34 11 M;S 45 11 M;T 56 11 M;M 67 11 M;"
     "N 78 11 M;Z 89 11 M;- 100 11 B;EE 111 11 M;GG 122 11 M;HH 133 11 M;II 144 11 M;"
     "- 155 110 B;- 265 10 B;PrWages 275 11 M;PrCommissions 286 11 M;PrAllowances 297 11 M;"
     "PrTips 308 11 M;PrTotal 319 11 M;PrTax 330 11 M;PrRetirement 341 11 M;- 352 11 B;"
     "TerrWages 363 11 M;TerrTax 374 11 M;- 385 128 B"},
    {"RT",
     "Id 1 2 K;RwCount 3 7 N;Box1 10 15 M;Box2 25 15 M;Box3 40 15 M;Box4 55 15 M;Box5 70 15 M;"
     "Box6 85 15 M;Box7 100 15 M;- 115 15 B;Box10 130 15 M;D 145 15 M;E 160 15 M;F 175 15 M;"
     "G 190 15 M;H 205 15 M;- 220 15 B;Box11Sec457 235 15 M;W 250 15 M;Box11Other 265 15 M;"
     "Q 280 15 M;DD 295 15 M;C 310 15 M;SickPayTax 325 15 M;V 340 15 M;Y 355 15 M;AA 370 15 M;"
     "BB 385 15 M;FF 400 15 M;- 415 98 B"},
    {"RU",
     "Id 1 2 K;RoCount 3 7 N;AllocTips 10 15 M;AB 25 15 M;R 40 15 M;S 55 15 M;T 70 15 M;"
     "M 85 15 M;N 100 15 M;Z 115 15 M;- 130 15 B;EE 145 15 M;GG 160 15 M;HH 175 15 M;"
     "II 190 15 M;- 205 150 B;PrWages 355 15 M;PrCommissions 370 15 M;PrAllowances 385 15 M;"
     "PrTips 400 15 M;PrTotal 415 15 M;PrTax 430 15 M;PrRetirement 445 15 M;"
     "TerrWages 460 15 M;TerrTax 475 15 M;- 490 23 B"},
    {"RF",
     "Id 1 2 K;- 3 5 B;RwCount 8 9 N;- 17 496 B"},
};
// clang-format on

struct LayoutField {
  std::string name;
  int pos, len;
  char kind;
};

std::vector<LayoutField> FieldsOf(const std::string& id) {
  std::vector<LayoutField> fields;
  std::stringstream list(kLayouts.at(id));
  std::string item;
  int next = 1;
  while (std::getline(list, item, ';')) {
    LayoutField s;
    std::stringstream(item) >> s.name >> s.pos >> s.len >> s.kind;
    EXPECT_EQ(s.pos, next) << id << " layout has a gap or overlap at " << s.name;
    next = s.pos + s.len;
    fields.push_back(s);
  }
  EXPECT_EQ(next, 513) << id << " layout does not cover 512 positions";
  return fields;
}

bool All(const std::string& text, bool (*ok)(char)) {
  for (const char c : text) {
    if (!ok(c)) return false;
  }
  return true;
}
bool Digit(char c) { return c >= '0' && c <= '9'; }
bool Blank(char c) { return c == ' '; }
bool UpperText(char c) { return c >= ' ' && c < 0x7F && !(c >= 'a' && c <= 'z'); }
bool Printable(char c) { return c >= ' ' && c < 0x7F; }

}  // namespace

const std::string& Efw2ReadRecord::operator[](const std::string& name) const {
  static const std::string missing = "<no such field>";
  const auto it = Fields.find(name);
  return it == Fields.end() ? missing : it->second;
}

std::uint64_t Efw2ReadRecord::Number(const std::string& name) const {
  return std::stoull((*this)[name]);
}

std::vector<Efw2ReadRecord> ReadEfw2(const std::string& contents) {
  std::vector<Efw2ReadRecord> records;
  EXPECT_EQ(contents.size() % 514, 0u) << "the file is not whole records of 512 and CR LF";
  for (std::size_t at = 0; at + 514 <= contents.size(); at += 514) {
    Efw2ReadRecord r;
    r.Raw = contents.substr(at, 512);
    r.Id = r.Raw.substr(0, 2);
    EXPECT_EQ(contents.substr(at + 512, 2), "\r\n") << "record " << records.size() << " " << r.Id;
    // State-defined records, and the bare RF of a state that wants no count:
    // the state tests read them by position.
    if (r.Id == "RS" || r.Id == "RV" || r.Raw == "RF" + std::string(510, ' ')) {
      records.push_back(std::move(r));
      continue;
    }
    if (kLayouts.count(r.Id) == 0) {
      ADD_FAILURE() << "unknown record " << r.Id;
      continue;
    }
    for (const LayoutField& s : FieldsOf(r.Id)) {
      std::string text =
          r.Raw.substr(static_cast<std::size_t>(s.pos - 1), static_cast<std::size_t>(s.len));
      bool ok = true;
      switch (s.kind) {
        case 'B':
          ok = All(text, Blank);
          break;
        case 'N':
        case 'M':
          ok = All(text, Digit);
          break;
        case 'n':
          ok = All(text, Digit) || All(text, Blank);
          break;
        case 'K':
          ok = !Blank(text[0]) && UpperText(text[0]);
          break;
        case 'A':
          ok = All(text, UpperText);
          break;
        case 'E':
          ok = All(text, Printable);
          break;
      }
      EXPECT_TRUE(ok) << r.Id << " " << s.name << " at " << s.pos << ": '" << text << "'";
      if (s.name == "-") continue;
      if (s.kind == 'A' || s.kind == 'E' || s.kind == 'n')
        text.erase(text.find_last_not_of(' ') + 1);
      r.Fields[s.name] = text;
    }
    records.push_back(std::move(r));
  }
  return records;
}

std::vector<std::string> Efw2AmountNames(const std::string& id) {
  std::vector<std::string> names;
  for (const LayoutField& s : FieldsOf(id)) {
    if (s.kind == 'M') names.push_back(s.name);
  }
  return names;
}
