#include "data/BlankW2.h"

#include <string>

#include "data/EntryRules.h"

bool IsBlankW2(const W2Record& w2) {
  for (const std::string& text :
       {w2.SocSecNum.Str(), w2.FirstName.Str(), w2.MiddleInitial.Str(), w2.LastName.Str()}) {
    if (!TrimText(text).empty()) return false;
  }
  const Currency amounts[] = {w2.Wages,        w2.FedTax,       w2.SSWages,      w2.SSTax,
                              w2.MedWage,      w2.MedTax,       w2.SSTips,       w2.AllocTips,
                              w2.AdvEIC,       w2.DepCare,      w2.NonQualPlans, w2.Box14aAmount,
                              w2.Box14bAmount, w2.Box14cAmount, w2.ST1StateWage, w2.ST1StateTax,
                              w2.ST1LocalWage, w2.ST1LocalTax,  w2.ST2StateWage, w2.ST2StateTax,
                              w2.ST2LocalWage, w2.ST2LocalTax};
  for (const Currency amount : amounts) {
    if (amount != 0) return false;
  }
  for (const Box12Entry& line : w2.Box12) {
    if (line.Amount != 0) return false;
  }
  return true;
}
