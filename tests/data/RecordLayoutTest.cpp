// The records' byte layout as other programs and older files see it: each
// field written through the structs lands at its documented offset.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "data/QuillmarFormFile.h"
#include "tests/data/FormFileTestSupport.h"

namespace {

std::string Le64(std::int64_t v) {
  std::string out;
  for (int i = 0; i < 8; ++i)
    out += static_cast<char>((static_cast<std::uint64_t>(v) >> (8 * i)) & 0xFF);
  return out;
}

std::string Le32(std::int32_t v) { return Le64(v).substr(0, 4); }

struct FieldCase {
  const char* name;
  std::function<void(TRecordBuffer&)> write;
  std::size_t offset;
  std::string bytes;
};

void ExpectOnlyAt(const FieldCase& c) {
  TRecordBuffer record;
  record.Clear();
  c.write(record);
  const std::string all = BytesOf(record);
  EXPECT_EQ(all.substr(c.offset, c.bytes.size()), c.bytes) << c.name;
  std::string rest = all;
  rest.replace(c.offset, c.bytes.size(), std::string(c.bytes.size(), '\0'));
  EXPECT_EQ(rest, std::string(kRecSize, '\0')) << c.name << " wrote outside its place";
}

// The offsets themselves are checked where the records are declared; these
// write fields of every type through the structs and read the bytes back.
TEST(RecordLayout, W2FieldsLandAtTheirOffsets) {
  const FieldCase cases[] = {
      {"LastSaved", [](TRecordBuffer& r) { r.w2.LastSaved = 1.5; }, 0, DoubleBytes(1.5)},
      {"RecType", [](TRecordBuffer& r) { r.w2.RecType = kRecTypeW2; }, 8,
       std::string("\x30\x00", 2)},
      {"ControlNum", [](TRecordBuffer& r) { r.w2.ControlNum = -2; }, 12, Le32(-2)},
      {"Void", [](TRecordBuffer& r) { r.w2.Void = 1; }, 16, "\x01"},
      {"SocSecNum", [](TRecordBuffer& r) { r.w2.SocSecNum = "123-45-6789"; }, 17,
       "\x0b"
       "123-45-6789"},
      {"FirstName", [](TRecordBuffer& r) { r.w2.FirstName = "John"; }, 29, "\x04John"},
      {"MiddleInitial", [](TRecordBuffer& r) { r.w2.MiddleInitial = "Q"; }, 45, "\x01Q"},
      {"LastName", [](TRecordBuffer& r) { r.w2.LastName = "Smith"; }, 61, "\x05Smith"},
      {"Zip", [](TRecordBuffer& r) { r.w2.Zip = "16501-1234"; }, 175,
       "\x0a"
       "16501-1234"},
      {"Country", [](TRecordBuffer& r) { r.w2.Country = "CA"; }, 202,
       "\x02"
       "CA"},
      {"Wages", [](TRecordBuffer& r) { r.w2.Wages = 123400; }, 208, Le64(123400)},
      {"NonQualPlans", [](TRecordBuffer& r) { r.w2.NonQualPlans = -10; }, 288, Le64(-10)},
      {"Box12a code", [](TRecordBuffer& r) { r.w2.Box12[0].Code = 'D'; }, 296, "D"},
      {"Suffix", [](TRecordBuffer& r) { r.w2.Suffix = "III"; }, 600, "\x03III"},
      {"Box14b code 1", [](TRecordBuffer& r) { r.w2.TipCodes[0] = "101"; }, 605,
       "\x03"
       "101"},
      {"Box14b code 2", [](TRecordBuffer& r) { r.w2.TipCodes[1] = "000"; }, 609,
       "\x03"
       "000"},
      {"Box12a amount", [](TRecordBuffer& r) { r.w2.Box12[0].Amount = 11; }, 304, Le64(11)},
      {"Box12c code", [](TRecordBuffer& r) { r.w2.Box12[2].Code = 'F'; }, 328, "F"},
      {"Box12c amount", [](TRecordBuffer& r) { r.w2.Box12[2].Amount = 12; }, 336, Le64(12)},
      {"Box12d code", [](TRecordBuffer& r) { r.w2.Box12[3].Code = 'G'; }, 344, "G"},
      {"Box12d amount", [](TRecordBuffer& r) { r.w2.Box12[3].Amount = 13; }, 352, Le64(13)},
      {"StatEmpl", [](TRecordBuffer& r) { r.w2.StatEmpl = 1; }, 360, "\x01"},
      {"TPSickPay", [](TRecordBuffer& r) { r.w2.TPSickPay = 1; }, 362, "\x01"},
      {"Box14aLabel", [](TRecordBuffer& r) { r.w2.Box14aLabel = "UNION"; }, 363, "\x05UNION"},
      {"Box14aAmount", [](TRecordBuffer& r) { r.w2.Box14aAmount = 14; }, 376, Le64(14)},
      {"Box14cLabel", [](TRecordBuffer& r) { r.w2.Box14cLabel = "X"; }, 400, "\x01X"},
      {"ST1State", [](TRecordBuffer& r) { r.w2.ST1State = "PA"; }, 432, "\x02PA"},
      {"ST1StateID", [](TRecordBuffer& r) { r.w2.ST1StateID = "99-123"; }, 435,
       "\x06"
       "99-123"},
      {"ST1StateWage", [](TRecordBuffer& r) { r.w2.ST1StateWage = 17; }, 456, Le64(17)},
      {"ST1LocName", [](TRecordBuffer& r) { r.w2.ST1LocName = "ERIE"; }, 488,
       "\x04"
       "ERIE"},
      {"ST2State", [](TRecordBuffer& r) { r.w2.ST2State = "OH"; }, 495, "\x02OH"},
      {"ST2StateID", [](TRecordBuffer& r) { r.w2.ST2StateID = "7"; }, 498,
       "\x01"
       "7"},
      {"ST2StateWage", [](TRecordBuffer& r) { r.w2.ST2StateWage = 21; }, 520, Le64(21)},
      {"ST2LocalTax", [](TRecordBuffer& r) { r.w2.ST2LocalTax = 24; }, 544, Le64(24)},
      {"ST2LocName", [](TRecordBuffer& r) { r.w2.ST2LocName = "AKRON"; }, 552,
       "\x05"
       "AKRON"},
  };
  for (const FieldCase& c : cases) ExpectOnlyAt(c);
}

TEST(RecordLayout, W3FieldsLandAtTheirOffsets) {
  const FieldCase cases[] = {
      {"RecType", [](TRecordBuffer& r) { r.w3.RecType = kRecTypeW3; }, 8,
       std::string("\x20\x00", 2)},
      {"TaxYear", [](TRecordBuffer& r) { r.w3.TaxYear = 2002; }, 12, Le32(2002)},
      {"W2Count", [](TRecordBuffer& r) { r.w3.W2Count = 300; }, 28, Le32(300)},
      {"Establishment", [](TRecordBuffer& r) { r.w3.Establishment = "0001"; }, 32,
       "\x04"
       "0001"},
      {"EmployerEIN", [](TRecordBuffer& r) { r.w3.EmployerEIN = "12-3456789"; }, 37,
       "\x0a"
       "12-3456789"},
      {"EmployerName", [](TRecordBuffer& r) { r.w3.EmployerName = "Acme"; }, 48,
       "\x04"
       "Acme"},
      {"Zip", [](TRecordBuffer& r) { r.w3.Zip = "16501"; }, 199,
       "\x05"
       "16501"},
      {"OtherEIN", [](TRecordBuffer& r) { r.w3.OtherEIN = "98-7654321"; }, 218,
       "\x0a"
       "98-7654321"},
      {"StateForID", [](TRecordBuffer& r) { r.w3.StateForID = "X"; }, 229, "\x01X"},
      {"StateID", [](TRecordBuffer& r) { r.w3.StateID = "ID7"; }, 232, "\x03ID7"},
      {"Fax", [](TRecordBuffer& r) { r.w3.Fax = "1"; }, 339,
       "\x01"
       "1"},
      {"TotWages", [](TRecordBuffer& r) { r.w3.TotWages = 1; }, 360, Le64(1)},
      {"TotDefComp", [](TRecordBuffer& r) { r.w3.TotDefComp = 12; }, 448, Le64(12)},
      {"TPSickPayUseOnly", [](TRecordBuffer& r) { r.w3.TPSickPayUseOnly = "tp"; }, 456, "\x02tp"},
      {"TaxWheldTPSickPay", [](TRecordBuffer& r) { r.w3.TaxWheldTPSickPay = 13; }, 496, Le64(13)},
      {"TotStateWages", [](TRecordBuffer& r) { r.w3.TotStateWages = 14; }, 504, Le64(14)},
      {"TotLocalIncTax", [](TRecordBuffer& r) { r.w3.TotLocalIncTax = 1234567890123; }, 528,
       Le64(1234567890123)},
  };
  for (const FieldCase& c : cases) ExpectOnlyAt(c);
}

TEST(RecordLayout, ShortStringKeepsTheBytesAfterItsValue) {
  TRecordBuffer record;
  record.Clear();
  record.w2.LastName = "Montgomery";
  record.w2.LastName = "Li";
  EXPECT_EQ(record.w2.LastName.Str(), "Li");
  // The length byte and the two characters change; the rest of the old value stays.
  EXPECT_EQ(BytesOf(record).substr(61, 11), "\x02Lintgomery");
}

TEST(RecordLayout, ShortStringCutsLongTextsToItsCapacity) {
  TRecordBuffer record;
  record.Clear();
  record.w2.SocSecNum = "123-45-67890000";
  EXPECT_EQ(record.w2.SocSecNum.Len, 11);
  EXPECT_EQ(record.w2.SocSecNum.Str(), "123-45-6789");
  // The field after it is untouched.
  EXPECT_EQ(record.bytes[29], 0);
}

TEST(RecordLayout, DamagedLengthByteReadsAtMostTheCapacity) {
  TRecordBuffer record;
  record.Clear();
  record.w2.Country = "CA";
  record.bytes[202] = 200;  // Country is ShortString[2]
  EXPECT_EQ(record.w2.Country.Str(), "CA");
  EXPECT_EQ(record.w2.Country.Length(), 2u);
}

TEST(RecordLayout, ShortStringsCompareByLengthAndCharactersOnly) {
  TRecordBuffer a;
  TRecordBuffer b;
  a.Clear();
  b.Clear();
  a.w2.SocSecNum = "111-11-1111";
  a.w2.SocSecNum = "22";
  b.w2.SocSecNum = "22";
  EXPECT_TRUE(a.w2.SocSecNum == b.w2.SocSecNum);
  EXPECT_FALSE(a.SameBytes(b));
  b.w2.SocSecNum = "23";
  EXPECT_FALSE(a.w2.SocSecNum == b.w2.SocSecNum);
}

}  // namespace
