#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <vector>

#include "data/Currency.h"
#include "data/QuillmarFormFile.h"
#include "platform/QuillmarError.h"
#include "rules/SumToW3.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace {

TRecordBuffer Blank(std::uint16_t kind) {
  TRecordBuffer r{};
  r.header.RecType = kind;
  if (kind == kRecTypeW2) {
    for (Box12Entry& line : r.w2.Box12) line.Code = ' ';
  }
  return r;
}

// Writes a data file of a header, a W-3 record and the given W-2 records.
std::string WriteFile(const TempDir& dir, const std::vector<TRecordBuffer>& employees,
                      const TRecordBuffer& w3 = Blank(kRecTypeW3)) {
  const std::string path = dir.File("totals.qmr");
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  const TRecordBuffer header = Blank(kRecTypeHeader);
  out.write(reinterpret_cast<const char*>(header.bytes), kRecSize);
  out.write(reinterpret_cast<const char*>(w3.bytes), kRecSize);
  for (const TRecordBuffer& e : employees)
    out.write(reinterpret_cast<const char*>(e.bytes), kRecSize);
  return path;
}

TRecordBuffer ReadRecord(const std::string& path, int index) {
  TRecordBuffer r{};
  std::ifstream in(path, std::ios::binary);
  in.seekg(static_cast<std::streamoff>(index) * kRecSize);
  in.read(reinterpret_cast<char*>(r.bytes), kRecSize);
  return r;
}

constexpr Currency Dollars(std::int64_t d) { return d * kCurrencyScale; }

}  // namespace

TEST(SumToW3, NoEmployeesGiveZeroCountAndZeroTotals) {
  ScriptedMessageBoxes boxes;
  TempDir dir;
  TRecordBuffer w3 = Blank(kRecTypeW3);
  w3.w3.TotWages = Dollars(999);  // stale totals from an earlier run
  w3.w3.W2Count = 7;
  const std::string path = WriteFile(dir, {}, w3);
  {
    auto file = TQuillmarFormFile::Create(path);
    SumToW3(*file);
    EXPECT_EQ(file->W3Rec.w3.W2Count, 0);
    EXPECT_EQ(FormatAmount(file->W3Rec.w3.TotWages), "0.00");
  }
  const TRecordBuffer onDisk = ReadRecord(path, 1);
  EXPECT_EQ(onDisk.w3.W2Count, 0);
  EXPECT_EQ(onDisk.w3.TotWages, 0);
}

TEST(SumToW3, VoidRecordsBox12CodesAndBothStateLines) {
  ScriptedMessageBoxes boxes;
  TempDir dir;
  TRecordBuffer a = Blank(kRecTypeW2);
  a.w2.SocSecNum = "001-01-0001";
  a.w2.Wages = Dollars(1000);
  a.w2.FedTax = Dollars(100);
  a.w2.Box12[0].Code = 'D';
  a.w2.Box12[0].Amount = Dollars(1000);
  a.w2.Box12[1].Code = 'C';
  a.w2.Box12[1].Amount = Dollars(50);
  a.w2.Box12[2].Code = 's';  // lower case adds nothing
  a.w2.Box12[2].Amount = Dollars(7);
  a.w2.ST1StateWage = Dollars(100);
  a.w2.ST2StateWage = Dollars(50);
  a.w2.ST1LocalTax = 12345;  // 1.2345
  a.w2.ST2LocalTax = 1;      // 0.0001
  TRecordBuffer voided = a;
  voided.w2.SocSecNum = "001-01-0002";
  voided.w2.Void = 1;
  TRecordBuffer b = Blank(kRecTypeW2);
  b.w2.SocSecNum = "001-01-0003";
  b.w2.Wages = 5;  // 0.0005
  for (int i = 0; i < 4; ++i) {
    b.w2.Box12[i].Code = "EFHS"[i];
    b.w2.Box12[i].Amount = Dollars(1);
  }
  b.w2.Box12[3].Code = 'G';
  TRecordBuffer w3 = Blank(kRecTypeW3);
  w3.w3.TaxWheldTPSickPay = Dollars(42);  // box 14 is an entry, not a total
  const std::string path = WriteFile(dir, {a, voided, b}, w3);

  auto file = TQuillmarFormFile::Create(path);
  SumToW3(*file);
  const W3Record& t = file->W3Rec.w3;
  EXPECT_EQ(t.W2Count, 2);
  EXPECT_EQ(t.TotWages, Dollars(1000) + 5);
  EXPECT_EQ(t.TotFedTax, Dollars(100));
  EXPECT_EQ(t.TotDefComp, Dollars(1000) + Dollars(4));
  EXPECT_EQ(t.TotStateWages, Dollars(150));
  EXPECT_EQ(FormatAmount(t.TotStateWages), "150.00");
  EXPECT_EQ(t.TotLocalIncTax, 12346);
  EXPECT_EQ(t.TaxWheldTPSickPay, Dollars(42));
  // The W-3 record is current and saved: nothing is pending.
  EXPECT_EQ(file->RecPos(), kW3Offset);
  EXPECT_TRUE(file->WorkRec.SameBytes(file->OrigRec));
  EXPECT_EQ(ReadRecord(path, 1).w3.TotDefComp, Dollars(1004));
}

TEST(SumToW3, AFileWithoutAW3RecordIsLeftAlone) {
  ScriptedMessageBoxes boxes;
  TempDir dir;
  const std::string path = WriteFile(dir, {Blank(kRecTypeW2)}, Blank(kRecTypeW3));
  auto file = TQuillmarFormFile::Create(path);
  // Record 1 stops being a W-3 record under the open file (such a file does not open).
  {
    std::fstream out(path, std::ios::in | std::ios::out | std::ios::binary);
    out.seekp(kRecSize + 8);
    out.put(static_cast<char>(kRecTypeW2));
  }
  SumToW3(*file);
  EXPECT_EQ(ReadRecord(path, 1).header.RecType, kRecTypeW2);
}

TEST(SumToW3, ManyEmployeesMatchAnIndependentSum) {
  ScriptedMessageBoxes boxes;
  TempDir dir;
  std::mt19937_64 random(20021231);
  std::uniform_int_distribution<Currency> amount(-Dollars(1000), Dollars(250000));
  std::vector<TRecordBuffer> employees;
  Currency wages = 0, medTax = 0, defComp = 0, stateTax = 0;
  int count = 0;
  for (int i = 0; i < 500; ++i) {
    TRecordBuffer e = Blank(kRecTypeW2);
    e.w2.SocSecNum = std::to_string(100000000 + i);
    e.w2.Void = (i % 7 == 0) ? 1 : 0;
    e.w2.Wages = amount(random);
    e.w2.MedTax = amount(random);
    e.w2.Box12[i % 4].Code = "DdCS"[i % 4];
    e.w2.Box12[i % 4].Amount = amount(random);
    e.w2.ST1StateTax = amount(random);
    e.w2.ST2StateTax = amount(random);
    if (!e.w2.Void) {
      ++count;
      wages += e.w2.Wages;
      medTax += e.w2.MedTax;
      if (e.w2.Box12[i % 4].Code == 'D' || e.w2.Box12[i % 4].Code == 'S')
        defComp += e.w2.Box12[i % 4].Amount;
      stateTax += e.w2.ST1StateTax + e.w2.ST2StateTax;
    }
    employees.push_back(e);
  }
  const std::string path = WriteFile(dir, employees);
  auto file = TQuillmarFormFile::Create(path);
  SumToW3(*file);
  const W3Record& t = file->W3Rec.w3;
  EXPECT_EQ(t.W2Count, count);
  EXPECT_EQ(t.TotWages, wages);
  EXPECT_EQ(t.TotMedTax, medTax);
  EXPECT_EQ(t.TotDefComp, defComp);
  EXPECT_EQ(t.TotStateIncTax, stateTax);
}

TEST(SumToW3, TotalsBeyondTheRangeOfAnAmountAreRefused) {
  ScriptedMessageBoxes boxes;
  TempDir dir;
  TRecordBuffer big = Blank(kRecTypeW2);
  big.w2.Wages = INT64_MAX / 2 + 1;
  const std::string path = WriteFile(dir, {big, big});
  auto file = TQuillmarFormFile::Create(path);
  EXPECT_THROW(SumToW3(*file), QuillmarError);
  EXPECT_EQ(ReadRecord(path, 1).w3.TotWages, 0);
  EXPECT_TRUE(file->WorkRec.SameBytes(file->OrigRec));
}

// The deferred compensation codes of the file's tax year; before 2006 the
// byte after a code is no second letter: AA, DD, BB, EE count as A, D, B, E.
TEST(SumToW3, DeferredCompensationCodesOfTheYear) {
  ScriptedMessageBoxes boxes;
  const struct {
    std::int32_t year;
    std::int64_t total;
  } cases[] = {{2001, 110001}, {2004, 110001}, {2005, 110011}, {2006, 1110}, {2011, 11110}};
  for (const auto& c : cases) {
    TempDir dir;
    TRecordBuffer w3 = Blank(kRecTypeW3);
    w3.w3.TaxYear = c.year;
    TRecordBuffer a = Blank(kRecTypeW2), b = Blank(kRecTypeW2);
    a.w2.Box12[0] = {'D', 'Q', {}, Dollars(1)};  // "DQ" from 2006, which is no code
    a.w2.Box12[1] = {'Y', 0, {}, Dollars(10)};
    a.w2.Box12[2] = {'A', 'A', {}, Dollars(100)};
    a.w2.Box12[3] = {'D', 'D', {}, Dollars(100000)};  // health coverage from 2011
    b.w2.Box12[0] = {'B', 'B', {}, Dollars(1000)};
    b.w2.Box12[1] = {'E', 'E', {}, Dollars(10000)};
    const std::string path = WriteFile(dir, {a, b}, w3);
    auto file = TQuillmarFormFile::Create(path);
    SumToW3(*file);
    EXPECT_EQ(file->W3Rec.w3.TotDefComp, Dollars(c.total)) << c.year;
  }
}

TEST(SumToW3, ANewFileCountsNoW2AndABlankW2IsSkipped) {
  ScriptedMessageBoxes boxes;
  TempDir dir;
  {
    auto file = TQuillmarFormFile::Create(dir.File("new.qmr"));  // its blank placeholder
    SumToW3(*file);
    EXPECT_EQ(file->W3Rec.w3.W2Count, 0);
  }
  TRecordBuffer paid = Blank(kRecTypeW2);
  paid.w2.SocSecNum = "123-45-6789";
  paid.w2.Wages = Dollars(10);
  TRecordBuffer addressOnly = Blank(kRecTypeW2);
  addressOnly.w2.City = "ERIE";
  addressOnly.w2.ST1State = "PA";
  TRecordBuffer amountOnly = Blank(kRecTypeW2);  // no SSN, no name: still counted
  amountOnly.w2.FedTax = Dollars(2);
  auto file = TQuillmarFormFile::Create(WriteFile(dir, {paid, addressOnly, amountOnly}));
  SumToW3(*file);
  EXPECT_EQ(file->W3Rec.w3.W2Count, 2);
  EXPECT_EQ(file->W3Rec.w3.TotFedTax, Dollars(2));
}
