#include "rules/KindOfPayer.h"

const std::array<const char*, kTPSickPayCount> TPSickPayItems = {
    "NO Third-party sick pay", "W-2's Include Third-party sick pay",
    "Filing ONLY Third-party sick pay"};

const std::array<const char*, kKindOfPayerCount> KindOfPayerItems = {"941",
                                                                     "Military",
                                                                     "943 (Agricultural)",
                                                                     "CT-1 (Railroad)",
                                                                     "Hshld. empl.",
                                                                     "Medicare gov. empl.",
                                                                     "944"};

const std::array<const char*, kKindOfEmployerCount> KindOfEmployerItems = {
    "None apply", "501c non-govt.", "State/local non-501c", "State/local 501c", "Federal govt."};

namespace {

constexpr int kIncludesTPSickPay = 1;
constexpr int kOnlyTPSickPay = 2;

}  // namespace

std::string KindOfPayerLabel(int tpSickPayKind, int kindOfPayer) {
  const std::string kind =
      kindOfPayer >= 0 && kindOfPayer < kKindOfPayerCount ? KindOfPayerItems[kindOfPayer] : "";
  switch (tpSickPayKind) {
    case kIncludesTPSickPay:
      return kind + " + Third-party sick pay";
    case kOnlyTPSickPay:
      return "Third-party sick pay";
    default:
      return kind;
  }
}

std::string KindOfPayerLabel(int tpSickPayKind, int kindOfPayer, int kindOfEmployer) {
  std::string label = KindOfPayerLabel(tpSickPayKind, kindOfPayer);
  if (kindOfEmployer >= 1 && kindOfEmployer <= kKindOfEmployerCount)
    label += std::string(", ") + KindOfEmployerItems[kindOfEmployer - 1];
  return label;
}
