#include "rules/Box12Codes.h"

#include <string_view>

const std::array<std::string_view, 19> Box12CodeLines = {
    "A Uncollected social security or RRTA tax on tips",
    "B Uncollected Medicare tax on tips",
    "C Cost of group-term life insurance over $50,000",
    "D Elective deferrals to a section 401(k) cash or deferred arrangement (including a SIMPLE 401(k) "
    "arrangement)",
    "E Elective deferrals under a section 403(b) salary reduction agreement",
    "F Elective deferrals under a section 408(k)(6) salary reduction SEP",
    "G Elective deferrals and employer contributions (including nonelective deferrals) to a section "
    "457(b) deferred compensation plan (state and local government and tax-exempt employers)",
    "H Elective deferrals to a section 501(c)(18)(D) tax-exempt organization plan",
    "J Nontaxable sick pay",
    "K 20% excise tax on excess golden parachute payments",
    "L Substantiated employee business expense reimbursements (Federal rate)",
    "M Uncollected social security or RRTA tax on cost of group-term life insurance over $50,000 (for "
    "former employees)",
    "N Uncollected Medicare tax on cost of group-term life insurance over $50,000 (for former employees)",
    "P Excludable moving expense reimbursements paid directly to employee",
    "Q Military employee basic housing, subsistence, and combat zone compensation",
    "R Employer contributions to a medical savings account (MSA)",
    "S Employee salary reduction contributions under a section 408(p) SIMPLE",
    "T Adoption benefits",
    "V Income from exercise of nonstatutory stock option(s)",
};

bool IsDeferredCompensationCode(char code) {
  return std::string_view("DEFGHS").find(code) != std::string_view::npos;
}
