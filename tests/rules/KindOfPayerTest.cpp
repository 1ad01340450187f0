// The text the W-3 screen shows for the kind of payer and its third-party
// sick pay choice.

#include <gtest/gtest.h>

#include "rules/KindOfPayer.h"

TEST(KindOfPayerLabel, FollowsTheThirdPartySickPayChoice) {
  struct Case {
    int tpSickPay;
    int kind;
    const char* label;
  };
  const Case cases[] = {
      {0, 0, "941"},
      {0, 5, "Medicare gov. empl."},
      {1, 2, "943 (Agricultural) + Third-party sick pay"},
      {1, 4, "Hshld. empl. + Third-party sick pay"},
      {2, 0, "Third-party sick pay"},
      {2, 3, "Third-party sick pay"},
      {0, 6, "944"},
      {0, 7, ""},
      {1, -1, " + Third-party sick pay"},
      {3, 1, "Military"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KindOfPayerLabel(c.tpSickPay, c.kind), c.label) << c.tpSickPay << "/" << c.kind;
  }
}

TEST(KindOfPayerLabel, WithTheKindOfEmployerFrom1To5) {
  EXPECT_EQ(KindOfPayerLabel(1, 6, 2), "944 + Third-party sick pay, 501c non-govt.");
  EXPECT_EQ(KindOfPayerLabel(2, 1, 5), "Third-party sick pay, Federal govt.");
  EXPECT_EQ(KindOfPayerLabel(0, 2, 6), "943 (Agricultural)");
}
