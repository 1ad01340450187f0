#pragma once
// Where every field of the SSA's EFW2 wage file sits: record by record, the
// 1-based first position and the length of each field, as the SSA's
// publication 42-007 (tax year 2025 edition, unchanged from 2024) numbers
// them. Positions not named here are blank. Kept in one place so that the
// next year's publication can be laid beside it field by field.

#include <array>
#include <cstddef>
#include <utility>

namespace efw2 {

inline constexpr std::size_t kRecordLength = 512;

// One field: its first position (1-based, as the publication counts) and length.
struct Field {
  int pos;
  int len;
};

// RA, the submitter.
namespace ra {
inline constexpr Field Id{1, 2};
inline constexpr Field SubmitterEin{3, 9};
inline constexpr Field UserId{12, 8};
inline constexpr Field VendorCode{20, 4};
inline constexpr Field ResubIndicator{29, 1};
inline constexpr Field ResubWfid{30, 6};
inline constexpr Field SoftwareCode{36, 2};
inline constexpr Field CompanyName{38, 57};
inline constexpr Field CompanyLocation{95, 22};
inline constexpr Field CompanyDelivery{117, 22};
inline constexpr Field CompanyCity{139, 22};
inline constexpr Field CompanyState{161, 2};
inline constexpr Field CompanyZip{163, 5};
inline constexpr Field CompanyZipExt{168, 4};
// 177-216: the company's foreign address, blank for a US company.
inline constexpr Field SubmitterName{217, 57};
inline constexpr Field SubmitterLocation{274, 22};
inline constexpr Field SubmitterDelivery{296, 22};
inline constexpr Field SubmitterCity{318, 22};
inline constexpr Field SubmitterState{340, 2};
inline constexpr Field SubmitterZip{342, 5};
inline constexpr Field SubmitterZipExt{347, 4};
// 356-395: the submitter's foreign address, blank for a US submitter.
inline constexpr Field ContactName{396, 27};
inline constexpr Field ContactPhone{423, 15};
inline constexpr Field ContactPhoneExt{438, 5};
inline constexpr Field ContactEMail{446, 40};
inline constexpr Field ContactFax{489, 10};
inline constexpr Field PreparerCode{500, 1};
}  // namespace ra

// RE, the employer.
namespace re {
inline constexpr Field Id{1, 2};
inline constexpr Field TaxYear{3, 4};
inline constexpr Field AgentIndicator{7, 1};
inline constexpr Field Ein{8, 9};
inline constexpr Field AgentForEin{17, 9};
inline constexpr Field TerminatingBusiness{26, 1};
inline constexpr Field Establishment{27, 4};
inline constexpr Field OtherEin{31, 9};
inline constexpr Field Name{40, 57};
inline constexpr Field Location{97, 22};
inline constexpr Field Delivery{119, 22};
inline constexpr Field City{141, 22};
inline constexpr Field State{163, 2};
inline constexpr Field Zip{165, 5};
inline constexpr Field ZipExt{170, 4};
inline constexpr Field KindOfEmployer{174, 1};
// 179-218: the employer's foreign address; the W-3 record holds none.
inline constexpr Field EmploymentCode{219, 1};
inline constexpr Field TaxJurisdiction{220, 1};
inline constexpr Field ThirdPartySickPay{221, 1};
inline constexpr Field ContactName{222, 27};
inline constexpr Field ContactPhone{249, 15};
inline constexpr Field ContactPhoneExt{264, 5};
inline constexpr Field ContactFax{269, 10};
inline constexpr Field ContactEMail{279, 40};
}  // namespace re

// RW, one employee.
namespace rw {
inline constexpr Field Id{1, 2};
inline constexpr Field Ssn{3, 9};
inline constexpr Field FirstName{12, 15};
inline constexpr Field MiddleName{27, 15};
inline constexpr Field LastName{42, 20};
inline constexpr Field Suffix{62, 4};
inline constexpr Field Location{66, 22};
inline constexpr Field Delivery{88, 22};
inline constexpr Field City{110, 22};
inline constexpr Field State{132, 2};
inline constexpr Field Zip{134, 5};
inline constexpr Field ZipExt{139, 4};
inline constexpr Field ForeignState{148, 23};
inline constexpr Field ForeignPostalCode{171, 15};
inline constexpr Field CountryCode{186, 2};
inline constexpr Field StatutoryEmployee{486, 1};
inline constexpr Field RetirementPlan{488, 1};
inline constexpr Field ThirdPartySickPay{489, 1};
}  // namespace rw

// The amounts of an RW record, 11 digits each, and their totals in RT, 15
// digits each. RT keeps its own order after the combat pay field.
// clang-format off
enum RwAmount : std::size_t {
  kBox1, kBox2, kBox3, kBox4, kBox5, kBox6, kBox7, kBox10,
  kCodeD, kCodeE, kCodeF, kCodeG, kCodeH,
  kBox11Section457, kCodeW, kBox11NotSection457, kCodeQ,
  kCodeC, kCodeV, kCodeY, kCodeAA, kCodeBB, kCodeDD, kCodeFF,
  kRwAmountCount
};
// clang-format on
inline constexpr int kRwAmountLength = 11;

// The boxes whose totals the summary of a written file names, with their captions.
inline constexpr std::pair<const char*, RwAmount> kSummaryBoxes[] = {
    {"Box 1 Wages", kBox1},
    {"Box 2 Federal Tax", kBox2},
    {"Box 3 Social Security Wage", kBox3},
    {"Box 4 Social Security Tax", kBox4},
    {"Box 5 Medicare Wage", kBox5},
    {"Box 6 Medicare Tax", kBox6},
    {"Box 7 Social Security Tips", kBox7}};
inline constexpr int kTotalLength = 15;
inline constexpr std::array<int, kRwAmountCount> kRwAmountPos = {
    188, 199, 210, 221, 232, 243, 254, 276,  // boxes 1-7, 10
    287, 298, 309, 320, 331,                 // D E F G H
    353, 364, 375, 386,                      // box 11 (457), W, box 11 (other), Q
    408, 419, 430, 441, 452, 463, 474};      // C V Y AA BB DD FF
inline constexpr std::array<int, kRwAmountCount> kRtAmountPos = {
    10,  25,  40,  55,  70,  85,  100, 130,  // boxes 1-7, 10
    145, 160, 175, 190, 205,                 // D E F G H
    235, 250, 265, 280,                      // box 11 (457), W, box 11 (other), Q
    310, 340, 355, 370, 385, 295, 400};      // C V Y AA BB DD FF

// RT, the employer's totals.
namespace rt {
inline constexpr Field Id{1, 2};
inline constexpr Field RwCount{3, 7};
// Income tax withheld by the payer of third-party sick pay (W-3 box 14):
// entered on the W-3, not a sum of RW fields.
inline constexpr Field ThirdPartySickPayTax{325, 15};
}  // namespace rt

// The amounts of an RO record, 11 digits each, and their totals in RU, 15 digits each.
// clang-format off
enum RoAmount : std::size_t {
  kBox8, kCodeAB, kCodeR, kCodeS, kCodeT, kCodeM, kCodeN, kCodeZ,
  kCodeEE, kCodeGG, kCodeHH, kCodeII,
  kRoAmountCount
};
// clang-format on
// Unverified: the code II field (RO 144-154, RU 190-204) was added in tax year
// 2024 and its place is inferred from the order of the fields around it; so
// are the blanks after it (RO 155-274, RU 205-354). Check them against the
// current publication before relying on code II.
inline constexpr std::array<int, kRoAmountCount> kRoAmountPos = {12, 23, 34,  45,  56,  67,
                                                                 78, 89, 111, 122, 133, 144};
inline constexpr std::array<int, kRoAmountCount> kRuAmountPos = {10,  25,  40,  55,  70,  85,
                                                                 100, 115, 145, 160, 175, 190};
// The Puerto Rico and territory amounts that every RO and RU carries as zeros
// for an employer in the states.
inline constexpr std::array<int, 9> kRoZeroAmountPos = {275, 286, 297, 308, 319,
                                                        330, 341, 363, 374};
inline constexpr std::array<int, 9> kRuZeroAmountPos = {355, 370, 385, 400, 415,
                                                        430, 445, 460, 475};

namespace ru {
inline constexpr Field Id{1, 2};
inline constexpr Field RoCount{3, 7};
}  // namespace ru

// RF, the end of the file.
namespace rf {
inline constexpr Field Id{1, 2};
inline constexpr Field RwCount{8, 9};
}  // namespace rf

}  // namespace efw2
