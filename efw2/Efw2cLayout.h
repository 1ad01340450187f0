#pragma once
// Where every field of the SSA's EFW2C correction file sits (publication
// 42-014): 1024-character records, 1-based first position and length.
// Positions not named here are blank.
//
// RCA, RCE, RCW, RCT and RCF: two independent field tables agree on every
// position. RCO and RCU rest on one implementation's table only (and the
// code II pair is not known at all): confirm them against the current
// publication before relying on them.

#include <array>

#include "efw2/Efw2Layout.h"

namespace efw2c {

using efw2::Field;

inline constexpr std::size_t kRecordLength = 1024;
inline constexpr int kMoneyLength = 11;  // RCW, RCO
inline constexpr int kTotalLength = 15;  // RCT, RCU

namespace rca {
inline constexpr Field Id{1, 3};
inline constexpr Field SubmitterEin{4, 9};
inline constexpr Field UserId{13, 8};
inline constexpr Field VendorCode{21, 4};
inline constexpr Field SoftwareCode{30, 2};
inline constexpr Field Name{32, 57};
inline constexpr Field Location{89, 22};
inline constexpr Field Delivery{111, 22};
inline constexpr Field City{133, 22};
inline constexpr Field State{155, 2};
inline constexpr Field Zip{157, 5};
inline constexpr Field ZipExt{162, 4};
inline constexpr Field ContactName{212, 27};
inline constexpr Field ContactPhone{239, 15};
inline constexpr Field ContactPhoneExt{254, 5};
inline constexpr Field ContactEMail{262, 40};
inline constexpr Field ContactFax{305, 10};
inline constexpr Field PreparerCode{316, 1};
inline constexpr Field ResubIndicator{317, 1};
inline constexpr Field ResubWfid{318, 6};
}  // namespace rca

namespace rce {
inline constexpr Field Id{1, 3};
inline constexpr Field TaxYear{4, 4};
inline constexpr Field OriginalEin{8, 9};
inline constexpr Field Ein{17, 9};
inline constexpr Field Name{44, 57};
inline constexpr Field Location{101, 22};
inline constexpr Field Delivery{123, 22};
inline constexpr Field City{145, 22};
inline constexpr Field State{167, 2};
inline constexpr Field Zip{169, 5};
inline constexpr Field ZipExt{174, 4};
inline constexpr Field KindOfEmployer{227, 1};
inline constexpr Field ContactName{228, 27};
inline constexpr Field ContactPhone{255, 15};
inline constexpr Field ContactPhoneExt{270, 5};
inline constexpr Field ContactFax{275, 10};
inline constexpr Field ContactEMail{285, 40};
}  // namespace rce

namespace rcw {
inline constexpr Field Id{1, 3};
inline constexpr Field OriginalSsn{4, 9};
inline constexpr Field Ssn{13, 9};
inline constexpr Field OriginalFirst{22, 15};
inline constexpr Field OriginalMiddle{37, 15};
inline constexpr Field OriginalLast{52, 20};
inline constexpr Field First{72, 15};
inline constexpr Field Middle{87, 15};
inline constexpr Field Last{102, 20};
inline constexpr Field Location{122, 22};
inline constexpr Field Delivery{144, 22};
inline constexpr Field City{166, 22};
inline constexpr Field State{188, 2};
inline constexpr Field Zip{190, 5};
inline constexpr Field ZipExt{195, 4};
inline constexpr Field ForeignState{204, 23};
inline constexpr Field ForeignPostalCode{227, 15};
inline constexpr Field CountryCode{242, 2};
// Box 13 indicator pairs: originally reported, then correct.
inline constexpr int kStatutoryEmployee = 1003;
inline constexpr int kRetirementPlan = 1005;
inline constexpr int kThirdPartySickPay = 1007;
}  // namespace rcw

// The money pairs of RCW, in the order of efw2::RwAmount (the same order as
// the EFW2 RW record): the originally reported amount at the position, the
// correct one 11 after it. Their totals in RCT: 15 digits, correct 15 after.
inline constexpr std::array<int, efw2::kRwAmountCount> kRcwPairPos = {
    244, 266, 288, 310, 332, 354, 376, 420,  // boxes 1-7, 10
    442, 464, 486, 508, 530,                 // D E F G H
    596, 618, 640, 662,                      // box 11 (457), W, box 11 (other), Q
    706, 728, 750, 772, 794, 816, 838};      // C V Y AA BB DD FF
inline constexpr std::array<int, efw2::kRwAmountCount> kRctPairPos = {
    11,  41,  71,  101, 131, 161, 191, 251,  // boxes 1-7, 10
    281, 311, 341, 371, 401,                 // D E F G H
    491, 521, 551, 581,                      // box 11 (457), W, box 11 (other), Q
    641, 671, 701, 731, 761, 791, 821};      // C V Y AA BB DD FF

// RCO and RCU, in the order of efw2::RoAmount; the code II pair (the last)
// has no known place: 0.
inline constexpr std::array<int, efw2::kRoAmountCount> kRcoPairPos = {13,  35,  57,  79,  101, 123,
                                                                      145, 167, 211, 233, 255, 0};
inline constexpr std::array<int, efw2::kRoAmountCount> kRcuPairPos = {11,  41,  71,  101, 131, 161,
                                                                      191, 221, 281, 311, 341, 0};

namespace rct {
inline constexpr Field Id{1, 3};
inline constexpr Field RcwCount{4, 7};
}  // namespace rct
namespace rcu {
inline constexpr Field Id{1, 3};
inline constexpr Field RcoCount{4, 7};
}  // namespace rcu
namespace rcf {
inline constexpr Field Id{1, 3};
inline constexpr Field RcwCount{4, 9};
}  // namespace rcf

}  // namespace efw2c
