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
      {1, 6, "944 + Third-party sick pay"},
      {0, 7, ""},
      {1, -1, " + Third-party sick pay"},
      {3, 1, "Military"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KindOfPayerLabel(c.tpSickPay, c.kind), c.label) << c.tpSickPay << "/" << c.kind;
  }
}

// From 2011 the kind of employer follows, when one is chosen (1 to 5).
TEST(KindOfPayerLabel, WithTheKindOfEmployer) {
  const struct {
    int tpSickPay, kind, employer;
    const char* label;
  } cases[] = {
      {0, 0, 0, "941"},
      {0, 0, 1, "941, None apply"},
      {1, 6, 2, "944 + Third-party sick pay, 501c non-govt."},
      {0, 4, 3, "Hshld. empl., State/local non-501c"},
      {0, 5, 4, "Medicare gov. empl., State/local 501c"},
      {2, 1, 5, "Third-party sick pay, Federal govt."},
      {0, 2, 6, "943 (Agricultural)"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(KindOfPayerLabel(c.tpSickPay, c.kind, c.employer), c.label) << c.kind << "/" << c.employer;
}
