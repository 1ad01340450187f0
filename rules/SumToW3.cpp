#include "rules/SumToW3.h"

#include "data/BlankW2.h"
#include "data/KeepFilePosition.h"
#include "data/QuillmarFormFile.h"
#include "platform/QuillmarError.h"
#include "rules/Box12Codes.h"

namespace {

// Exact fixed-point addition; a sum beyond the range of an amount is an error
// the user must see rather than a wrapped, wrong total.
Currency Add(Currency total, Currency amount) {
  Currency sum = 0;
  if (__builtin_add_overflow(total, amount, &sum)) {
    throw QuillmarError("The W-2 amounts are too large to be totalled on the W-3.");
  }
  return sum;
}

}  // namespace

void AddToW3Totals(W3Record& w3, const W2Record& w2) {
  if (!IsCountedW2(w2)) return;
  w3.W2Count = w3.W2Count + 1;
  w3.TotWages = Add(w3.TotWages, w2.Wages);
  w3.TotFedTax = Add(w3.TotFedTax, w2.FedTax);
  w3.TotSSWages = Add(w3.TotSSWages, w2.SSWages);
  w3.TotSSTax = Add(w3.TotSSTax, w2.SSTax);
  w3.TotMedWages = Add(w3.TotMedWages, w2.MedWage);
  w3.TotMedTax = Add(w3.TotMedTax, w2.MedTax);
  w3.TotSSTips = Add(w3.TotSSTips, w2.SSTips);
  w3.TotAllocTips = Add(w3.TotAllocTips, w2.AllocTips);
  w3.TotAdvEIC = Add(w3.TotAdvEIC, w2.AdvEIC);
  w3.TotDepCare = Add(w3.TotDepCare, w2.DepCare);
  w3.TotNonQualPlans = Add(w3.TotNonQualPlans, w2.NonQualPlans);
  for (const Box12Entry& line : w2.Box12) {
    if (IsDeferredCompensationCode(Box12CodeOf(line, w3.TaxYear), w3.TaxYear))
      w3.TotDefComp = Add(w3.TotDefComp, line.Amount);
  }
  w3.TotStateWages = Add(w3.TotStateWages, Add(w2.ST1StateWage, w2.ST2StateWage));
  w3.TotStateIncTax = Add(w3.TotStateIncTax, Add(w2.ST1StateTax, w2.ST2StateTax));
  w3.TotLocalWages = Add(w3.TotLocalWages, Add(w2.ST1LocalWage, w2.ST2LocalWage));
  w3.TotLocalIncTax = Add(w3.TotLocalIncTax, Add(w2.ST1LocalTax, w2.ST2LocalTax));
}

void SumToW3(TQuillmarFormFile& file) {
  if (!file.ReadW3()) return;
  // The totals are built in a copy, so that a failure leaves the W-3 record
  // and the file position as they were.
  TRecordBuffer totals = file.WorkRec;
  W3Record& w3 = totals.w3;
  w3.W2Count = 0;
  w3.TotWages = w3.TotFedTax = w3.TotSSWages = w3.TotSSTax = 0;
  w3.TotMedWages = w3.TotMedTax = w3.TotSSTips = w3.TotAllocTips = 0;
  w3.TotAdvEIC = w3.TotDepCare = w3.TotNonQualPlans = w3.TotDefComp = 0;
  w3.TotStateWages = w3.TotStateIncTax = w3.TotLocalWages = w3.TotLocalIncTax = 0;

  {
    const KeepFilePosition keep(file);
    file.Seek(kFirstW2Offset);
    TRecordBuffer record{};
    while (file.Read(record.bytes, sizeof record.bytes) == sizeof record.bytes) {
      AddToW3Totals(w3, record.w2);
    }
  }
  file.WorkRec = totals;
  // The W-3 record that ReadW3 made current is at its own place: never refused.
  (void)file.SaveCurrent(false);
}
