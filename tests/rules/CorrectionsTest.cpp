// What changed since filing and which correction it calls for; the filed
// copy's bytes and file.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <fstream>
#include <functional>

#include "data/QuillmarFormFile.h"
#include "data/RecordBuffer.h"
#include "platform/AtomicFile.h"
#include "rules/Corrections.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace {

Currency Money(const char* text) { return *ParseAmount(text); }

W2Record Filed() {
  TRecordBuffer r{};
  r.header.RecType = kRecTypeW2;
  W2Record& w2 = r.w2;
  for (Box12Entry& line : w2.Box12) line.Code = ' ';
  w2.SocSecNum = "234-56-7890";
  w2.FirstName = "Jane";
  w2.LastName = "Public";
  w2.StreetPOB = "123 Main St";
  w2.City = "Springfield";
  w2.AddrState = "IL";
  w2.Zip = "62704";
  w2.Wages = Money("52340.15");
  w2.FedTax = Money("4812.00");
  w2.SSWages = w2.MedWage = Money("55000.00");
  w2.SSTax = Money("3410.00");
  w2.MedTax = Money("797.50");
  w2.Box12[0] = {'D', 0, {}, Money("2659.85")};
  w2.ST1State = "IL";
  w2.ST1StateTax = Money("1500.00");
  return w2;
}

struct Situation {
  const char* name;
  std::function<void(W2Record& now)> change;
  EmployeeChange expectedChange;
  Correction expected;
  std::vector<std::string> labels;  // the items, in order
};

TEST(Corrections, EachSituationCallsForItsCorrection) {
  const std::vector<Situation> situations = {
      {"amount",
       [](W2Record& w) { w.Wages += Money("1000"); },
       EmployeeChange::Changed,
       Correction::W2cWithSsa,
       {"1 Wages, tips, other compensation"}},
      {"name",
       [](W2Record& w) { w.LastName = "Publick"; },
       EmployeeChange::Changed,
       Correction::W2cWithSsa,
       {"h Employee's last name"}},
      {"name in other case and spacing only: no change",
       [](W2Record& w) {
         w.LastName = "PUBLIC ";
         w.Wages += Money("1000");
       },
       EmployeeChange::Changed,
       Correction::W2cWithSsa,
       {"1 Wages, tips, other compensation"}},
      {"ssn",
       [](W2Record& w) { w.SocSecNum = "234-56-7891"; },
       EmployeeChange::Changed,
       Correction::W2cWithSsa,
       {"d Employee's social security number"}},
      {"address only",
       [](W2Record& w) { w.StreetPOB = "9 Elm St"; },
       EmployeeChange::Changed,
       Correction::ReissuedStatement,
       {"i Street or P.O. box"}},
      {"state only",
       [](W2Record& w) { w.ST1StateTax += Money("200"); },
       EmployeeChange::Changed,
       Correction::EmployeeW2cOnly,
       {"17 State income tax, line 1"}},
      {"box 14 only",
       [](W2Record& w) { w.Box14aLabel = "UNION"; },
       EmployeeChange::Changed,
       Correction::EmployeeW2cOnly,
       {"14 Other, line 1"}},
      {"suffix of box e: a name correction",
       [](W2Record& w) { w.Suffix = "JR"; },
       EmployeeChange::Changed,
       Correction::W2cWithSsa,
       {"h Employee's suffix"}},
      {"box 14b code of 2026 only",
       [](W2Record& w) { w.TipCodes[1] = "101"; },
       EmployeeChange::Changed,
       Correction::EmployeeW2cOnly,
       {"14b Tipped occupation code 2"}},
      {"safe harbor: $100 and $25 exactly",
       [](W2Record& w) {
         w.Wages += Money("100");
         w.FedTax -= Money("25");
       },
       EmployeeChange::Changed,
       Correction::WithinSafeHarbor,
       {"1 Wages, tips, other compensation", "2 Federal income tax withheld"}},
      {"safe harbor exceeded by a cent of tax withheld",
       [](W2Record& w) { w.SSTax += Money("25.01"); },
       EmployeeChange::Changed,
       Correction::W2cWithSsa,
       {"4 Social security tax withheld"}},
      {"box 12 code amount",
       [](W2Record& w) { w.Box12[0].Amount += Money("500"); },
       EmployeeChange::Changed,
       Correction::W2cWithSsa,
       {"12 Code D"}},
      {"box 13 check box",
       [](W2Record& w) { w.RetirePlan = 1; },
       EmployeeChange::Changed,
       Correction::W2cWithSsa,
       {"13 Retirement plan"}},
      {"voided",
       [](W2Record& w) { w.Void = 1; },
       EmployeeChange::Voided,
       Correction::W2cWithSsa,
       {"1 Wages, tips, other compensation", "2 Federal income tax withheld",
        "3 Social security wages", "4 Social security tax withheld", "5 Medicare wages and tips",
        "6 Medicare tax withheld", "17 State income tax, line 1", "12 Code D"}},
  };
  for (const Situation& s : situations) {
    SCOPED_TRACE(s.name);
    const FiledCopy filed = MakeFiledCopy({}, {Filed()}, FilingMethod::WageFile, 46000);
    W2Record now = Filed();
    s.change(now);
    const std::vector<EmployeeCorrection> found = FindCorrections(filed, {now});
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].change, s.expectedChange);
    EXPECT_EQ(found[0].correction, s.expected);
    std::vector<std::string> labels;
    for (const CorrectionItem& item : found[0].items) labels.push_back(item.Label());
    EXPECT_EQ(labels, s.labels);
  }

  // A W-2 added since filing: an original W-2, not a W-2c.
  const FiledCopy filed = MakeFiledCopy({}, {Filed()}, FilingMethod::Paper, 46000);
  W2Record added = Filed();
  added.SocSecNum = "345-67-8901";
  const std::vector<EmployeeCorrection> found = FindCorrections(filed, {Filed(), added});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].change, EmployeeChange::Added);
  EXPECT_EQ(found[0].correction, Correction::OriginalW2);
  EXPECT_EQ(found[0].recordNumber, 1u);
  EXPECT_EQ(CorrectionAdvice(found[0]),
            "Added since filing: file an original W-2 (with a W-3), not a W-2c.");
}

TEST(Corrections, VoidedW2IsCorrectedToZeroAndTheNameColumnsStayAsFiled) {
  const FiledCopy filed = MakeFiledCopy({}, {Filed()}, FilingMethod::WageFile, 46000);
  W2Record now = Filed();
  now.Void = 1;
  const EmployeeCorrection e = FindCorrections(filed, {now}).at(0);
  EXPECT_EQ(e.items[0].previous, "52340.15");
  EXPECT_EQ(e.items[0].correct, "0.00");
  EXPECT_FALSE(e.NameCorrected());
  EXPECT_EQ(e.Subject(), "Jane Public (SSN 234-56-7890)");
}

TEST(Corrections, W3cTotalsAndTheFiledCopyAfterCorrectionsCountOnlyWhatWasFiled) {
  W2Record small = Filed();
  small.SocSecNum = "345-67-8901";
  const FiledCopy filed = MakeFiledCopy({}, {Filed(), small}, FilingMethod::WageFile, 46000);
  W2Record jane = Filed();
  jane.Wages += Money("1000");
  jane.ST1StateTax += Money("40");
  W2Record smallNow = small;
  smallNow.Wages += Money("50");  // within the safe harbor
  const std::vector<W2Record> now = {jane, smallNow};
  const std::vector<EmployeeCorrection> found = FindCorrections(filed, now);
  ASSERT_EQ(found.size(), 2u);

  const W3cTotals t = SumW3c(found, false);
  EXPECT_EQ(t.w2cCount, 1u);
  EXPECT_EQ(t.box1.previous, Money("52340.15"));
  EXPECT_EQ(t.box1.correct, Money("53340.15"));
  EXPECT_TRUE(t.box17.used);
  EXPECT_FALSE(t.box2.used);
  const W3cTotals withSmall = SumW3c(found, true);
  EXPECT_EQ(withSmall.w2cCount, 2u);
  EXPECT_EQ(withSmall.box1.correct - withSmall.box1.previous, Money("1050"));

  // Jane's correction is filed; the safe-harbor difference nobody asked to correct stays.
  const FiledCopy next = ApplyFiledCorrections(filed, now, found, false, 46100);
  EXPECT_EQ(next.CorrectionsFiledOn, 46100);
  EXPECT_EQ(next.FiledOn, 46000);
  const std::vector<EmployeeCorrection> after = FindCorrections(next, now);
  ASSERT_EQ(after.size(), 1u);
  EXPECT_EQ(after[0].correction, Correction::WithinSafeHarbor);
}

TEST(Corrections, AChangedEinOrTaxYearIsNoW2cOfQuillmars) {
  W3Record filed{}, now{};
  filed.EmployerEIN = now.EmployerEIN = "12-3456789";
  filed.TaxYear = now.TaxYear = 2025;
  EXPECT_EQ(EmployerCorrectionNote(filed, now), "");
  now.TaxYear = 2024;
  EXPECT_EQ(EmployerCorrectionNote(filed, now).substr(0, 37),
            "The tax year (filed 2025, now 2024) d");
  now.EmployerEIN = "12-3456780";
  EXPECT_EQ(EmployerCorrectionNote(filed, now).substr(0, 58),
            "The employer's EIN (filed 12-3456789, now 12-3456780) diff");
}

TEST(FiledCopy, KeepsTheDataFileLayoutWithTheFilingDataInTheHeadersUnusedBytes) {
  W2Record unfiled{};  // the blank placeholder of a new file
  unfiled.RecType = kRecTypeW2;
  W2Record voided = Filed();
  voided.Void = 1;
  W3Record w3{};
  w3.TaxYear = 2025;
  const FiledCopy copy =
      MakeFiledCopy(w3, {unfiled, Filed(), voided}, FilingMethod::Paper, 45658.5);
  const std::string bytes = FiledCopyBytes(copy);
  ASSERT_EQ(bytes.size(), 5u * kRecSize);
  TRecordBuffer r{};
  std::memcpy(r.bytes, bytes.data(), kRecSize);
  EXPECT_EQ(r.RecType(), kRecTypeHeader);
  DateTime filedOn = 0;
  std::memcpy(&filedOn, r.bytes + 12, 8);
  EXPECT_EQ(filedOn, 45658.5);
  EXPECT_EQ(r.bytes[20], 2);  // on paper
  for (std::size_t i = 21; i < kRecSize; ++i) ASSERT_EQ(r.bytes[i], 0) << "byte " << i;
  // Record k + 2 is the data file's W-2 record k; what was not filed is void.
  std::memcpy(r.bytes, bytes.data() + 3 * kRecSize, kRecSize);
  EXPECT_EQ(r.w2.LastName.Str(), "Public");
  std::memcpy(r.bytes, bytes.data() + 2 * kRecSize, kRecSize);
  EXPECT_EQ(r.w2.Void, 1);
  std::memcpy(r.bytes, bytes.data() + 4 * kRecSize, kRecSize);
  EXPECT_EQ(r.w2.Void, 1);
  EXPECT_TRUE(r.w2.LastName.Empty());

  const std::optional<FiledCopy> back = ParseFiledCopy(bytes);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->How, FilingMethod::Paper);
  EXPECT_EQ(back->W3.TaxYear, 2025);
  EXPECT_EQ(DateText(back->FiledOn), "01/01/2025");
  EXPECT_FALSE(ParseFiledCopy(bytes.substr(0, bytes.size() - 1)).has_value());
  EXPECT_FALSE(ParseFiledCopy(bytes.substr(kRecSize)).has_value());  // no header

  // Written whole, owner-only, also over a copy that others could read.
  const TempDir dir;
  const std::string path = FiledCopyPath(dir.File("acme 2025.QMR"));
  EXPECT_EQ(path, dir.File("acme 2025.filed.qmr"));
  ASSERT_TRUE(WriteFileAtomically(path, "old"));
  ::chmod(path.c_str(), 0644);
  ASSERT_TRUE(WriteFiledCopy(path, copy));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_EQ(ReadWholeFile(path), bytes);
}

}  // namespace

namespace {

TEST(FiledCopy, FilingAgainReplacesTheCopyOnlyAfterTheUserSaysYes) {
  const TempDir dir;
  ScriptedMessageBoxes boxes;
  const std::string dataPath = dir.File("acme.qmr");
  {
    std::ofstream out(dataPath, std::ios::binary);
    TRecordBuffer r{};
    r.header.RecType = kRecTypeHeader;
    out.write(reinterpret_cast<const char*>(r.bytes), kRecSize);
    r.Clear();
    r.w3.RecType = kRecTypeW3;
    r.w3.TaxYear = 2025;
    out.write(reinterpret_cast<const char*>(r.bytes), kRecSize);
    r.w2 = Filed();
    out.write(reinterpret_cast<const char*>(r.bytes), kRecSize);
  }
  auto file = TQuillmarFormFile::Create(dataPath);
  ASSERT_TRUE(file->ReadW3());
  const std::string copyPath = dir.File("acme.filed.qmr");

  boxes.Answer(MsgOk);
  ASSERT_TRUE(KeepFiledCopy(*file, FilingMethod::Paper));
  EXPECT_EQ(boxes.Texts().back().substr(0, 54),
            "A copy of the 1 W-2 and the W-3 as filed on paper is k");
  const std::optional<std::string> first = ReadWholeFile(copyPath);

  boxes.Clear();
  boxes.Answer(MsgNo);
  EXPECT_FALSE(KeepFiledCopy(*file, FilingMethod::WageFile));
  EXPECT_EQ(boxes.Shown().at(0).text.substr(0, 34), "The W-2s of this file were filed o");
  EXPECT_EQ(ReadWholeFile(copyPath), first);

  boxes.Answer(MsgYes).Answer(MsgOk);
  ASSERT_TRUE(KeepFiledCopy(*file, FilingMethod::WageFile));
  EXPECT_EQ(ReadFiledCopy(copyPath)->How, FilingMethod::WageFile);
}

}  // namespace
