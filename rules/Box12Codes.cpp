#include "rules/Box12Codes.h"

#include <algorithm>

namespace {

// The latest year whose codes are known; later years have the same codes.
constexpr std::int32_t kLatestCodeYear = 2026;
constexpr std::int32_t kAlways = 0;
constexpr std::int32_t kStill = 9999;

struct Box12Code {
  std::string_view Code;
  std::int32_t FirstYear;  // the first tax year of this code in this wording
  std::int32_t LastYear;
  bool DeferredCompensation;
  std::string_view Text;
};

// clang-format off
constexpr Box12Code kCodes[] = {
    {"A", kAlways, kStill, false, "Uncollected social security or RRTA tax on tips"},
    {"B", kAlways, kStill, false, "Uncollected Medicare tax on tips"},
    {"C", kAlways, kStill, false, "Cost of group-term life insurance over $50,000"},
    {"D", kAlways, kStill, true, "Elective deferrals to a section 401(k) cash or deferred arrangement (including a SIMPLE 401(k) arrangement)"},
    {"E", kAlways, kStill, true, "Elective deferrals under a section 403(b) salary reduction agreement"},
    {"F", kAlways, kStill, true, "Elective deferrals under a section 408(k)(6) salary reduction SEP"},
    {"G", kAlways, kStill, true, "Elective deferrals and employer contributions (including nonelective deferrals) to a section 457(b) deferred compensation plan (state and local government and tax-exempt employers)"},
    {"H", kAlways, kStill, true, "Elective deferrals to a section 501(c)(18)(D) tax-exempt organization plan"},
    {"J", kAlways, kStill, false, "Nontaxable sick pay"},
    {"K", kAlways, kStill, false, "20% excise tax on excess golden parachute payments"},
    {"L", kAlways, kStill, false, "Substantiated employee business expense reimbursements (Federal rate)"},
    {"M", kAlways, kStill, false, "Uncollected social security or RRTA tax on cost of group-term life insurance over $50,000 (for former employees)"},
    {"N", kAlways, kStill, false, "Uncollected Medicare tax on cost of group-term life insurance over $50,000 (for former employees)"},
    {"P", kAlways, 2017, false, "Excludable moving expense reimbursements paid directly to employee"},
    // Since 2018 only members of the Armed Forces have excludable moving expenses.
    {"P", 2018, kStill, false, "Excludable moving expense reimbursements paid directly to a member of the U.S. Armed Forces"},
    {"Q", kAlways, 2003, false, "Military employee basic housing, subsistence, and combat zone compensation"},
    {"Q", 2004, kStill, false, "Nontaxable combat pay"},
    {"R", kAlways, 2003, false, "Employer contributions to a medical savings account (MSA)"},
    {"R", 2004, kStill, false, "Employer contributions to an Archer MSA"},
    {"S", kAlways, kStill, true, "Employee salary reduction contributions under a section 408(p) SIMPLE"},
    {"T", kAlways, kStill, false, "Adoption benefits"},
    {"V", kAlways, kStill, false, "Income from exercise of nonstatutory stock option(s)"},
    {"W", 2004, kStill, false, "Employer contributions (including employee contributions through a cafeteria plan) to an employee's health savings account (HSA)"},
    {"Y", 2005, kStill, true, "Deferrals under a section 409A nonqualified deferred compensation plan"},
    {"Z", 2005, kStill, false, "Income under a nonqualified deferred compensation plan that fails to satisfy section 409A"},
    {"AA", 2006, kStill, true, "Designated Roth contributions under a section 401(k) plan"},
    {"BB", 2006, kStill, true, "Designated Roth contributions under a section 403(b) plan"},
    {"DD", 2011, kStill, false, "Cost of employer-sponsored health coverage"},
    {"EE", 2011, kStill, true, "Designated Roth contributions under a governmental section 457(b) plan"},
    {"FF", 2017, kStill, false, "Permitted benefits under a qualified small employer health reimbursement arrangement"},
    {"GG", 2018, kStill, false, "Income from qualified equity grants under section 83(i)"},
    {"HH", 2018, kStill, false, "Aggregate deferrals under section 83(i) elections as of the close of the calendar year"},
    {"II", 2024, kStill, false, "Medicaid waiver payments excluded from gross income under Notice 2014-7"},
    {"TA", 2026, kStill, false, "Employer contributions under a section 128 Trump account contribution program"},
    {"TP", 2026, kStill, false, "Total amount of cash tips reported to the employer"},
    {"TT", 2026, kStill, false, "Total amount of qualified overtime compensation"},
};
// clang-format on

std::int32_t CodeYear(std::int32_t taxYear) {
  return taxYear <= 0 || taxYear > kLatestCodeYear ? kLatestCodeYear : taxYear;
}

bool InYear(const Box12Code& code, std::int32_t taxYear) {
  const std::int32_t year = CodeYear(taxYear);
  return code.FirstYear <= year && year <= code.LastYear;
}

}  // namespace

const std::array<std::string_view, 19> Box12CodeLines = {
    "A Uncollected social security or RRTA tax on tips",
    "B Uncollected Medicare tax on tips",
    "C Cost of group-term life insurance over $50,000",
    "D Elective deferrals to a section 401(k) cash or deferred arrangement (including a SIMPLE "
    "401(k) "
    "arrangement)",
    "E Elective deferrals under a section 403(b) salary reduction agreement",
    "F Elective deferrals under a section 408(k)(6) salary reduction SEP",
    "G Elective deferrals and employer contributions (including nonelective deferrals) to a "
    "section "
    "457(b) deferred compensation plan (state and local government and tax-exempt employers)",
    "H Elective deferrals to a section 501(c)(18)(D) tax-exempt organization plan",
    "J Nontaxable sick pay",
    "K 20% excise tax on excess golden parachute payments",
    "L Substantiated employee business expense reimbursements (Federal rate)",
    "M Uncollected social security or RRTA tax on cost of group-term life insurance over $50,000 "
    "(for "
    "former employees)",
    "N Uncollected Medicare tax on cost of group-term life insurance over $50,000 (for former "
    "employees)",
    "P Excludable moving expense reimbursements paid directly to employee",
    "Q Military employee basic housing, subsistence, and combat zone compensation",
    "R Employer contributions to a medical savings account (MSA)",
    "S Employee salary reduction contributions under a section 408(p) SIMPLE",
    "T Adoption benefits",
    "V Income from exercise of nonstatutory stock option(s)",
};

std::vector<std::string> Box12CodeLinesOfYear(std::int32_t taxYear) {
  std::vector<std::string> lines;
  for (const Box12Code& code : kCodes)
    if (InYear(code, taxYear))
      lines.push_back(std::string(code.Code) + " " + std::string(code.Text));
  return lines;
}

bool HasTwoLetterBox12Codes(std::int32_t taxYear) {
  return std::any_of(std::begin(kCodes), std::end(kCodes), [taxYear](const Box12Code& code) {
    return code.Code.size() == 2 && InYear(code, taxYear);
  });
}

std::string Box12CodeOf(const Box12Entry& entry, std::int32_t taxYear) {
  if (entry.Code == ' ' || entry.Code == '\0') return std::string();
  return HasTwoLetterBox12Codes(taxYear) ? entry.CodeText() : std::string(1, entry.Code);
}

std::vector<std::string_view> DeferredCompensationCodes(std::int32_t taxYear) {
  std::vector<std::string_view> codes;
  for (const Box12Code& row : kCodes)
    if (row.DeferredCompensation && InYear(row, taxYear)) codes.push_back(row.Code);
  return codes;
}

bool IsDeferredCompensationCode(std::string_view code, std::int32_t taxYear) {
  const std::vector<std::string_view> codes = DeferredCompensationCodes(taxYear);
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

bool IsDeferredCompensationCode(char code) {
  return IsDeferredCompensationCode(std::string_view(&code, 1), 2004);
}
