#pragma once
// Record 1 of an employer data file: the employer (W-3 company) record.

#include <cstddef>
#include <cstdint>

#include "data/Currency.h"
#include "data/RecordKind.h"
#include "data/ShortString.h"
#include "platform/DateTime.h"

#pragma pack(push, 1)
struct W3Record {
  DateTime LastSaved;
  std::uint16_t RecType;  // 32
  std::uint8_t Pad10[2];
  std::int32_t TaxYear;        // tax year of the whole file, 0 = not yet entered
  std::int32_t ControlNum;     // box a
  std::int32_t TPSickPayKind;  // 0 none, 1 W-2s include it, 2 filing only third-party sick pay
  std::int32_t KindOfPayer;    // 0 941 ... 5 Medicare gov. empl., 6 944 (from 2006)
  std::int32_t W2Count;        // non-void W-2 records (recomputed)
  ShortString<4> Establishment;
  ShortString<10> EmployerEIN;
  ShortString<57> EmployerName;
  ShortString<22> Suite;
  ShortString<22> Street;
  ShortString<22> Town;
  ShortString<23> State;
  ShortString<15> Zip;
  std::uint8_t Reserved215[3];
  ShortString<10> OtherEIN;
  ShortString<2> StateForID;
  ShortString<16> StateID;
  ShortString<27> Contact;
  ShortString<40> EMail;
  ShortString<20> Phone;
  ShortString<20> Fax;
  Currency TotWages;
  Currency TotFedTax;
  Currency TotSSWages;
  Currency TotSSTax;
  Currency TotMedWages;
  Currency TotMedTax;
  Currency TotSSTips;
  Currency TotAllocTips;
  Currency TotAdvEIC;
  Currency TotDepCare;
  Currency TotNonQualPlans;
  Currency TotDefComp;  // box 12 amounts with codes D, E, F, G, H and S
  ShortString<35> TPSickPayUseOnly;
  std::uint8_t Pad492[4];
  Currency TaxWheldTPSickPay;
  Currency TotStateWages;
  Currency TotStateIncTax;
  Currency TotLocalWages;
  Currency TotLocalIncTax;
  std::uint8_t KindOfEmployer;  // from 2011: 0 not chosen, 1 none apply ... 5 federal govt.
  std::uint8_t Unused537[103];
};
#pragma pack(pop)

static_assert(sizeof(W3Record) == kRecSize);
static_assert(offsetof(W3Record, LastSaved) == 0);
static_assert(offsetof(W3Record, RecType) == 8);
static_assert(offsetof(W3Record, TaxYear) == 12);
static_assert(offsetof(W3Record, ControlNum) == 16);
static_assert(offsetof(W3Record, TPSickPayKind) == 20);
static_assert(offsetof(W3Record, KindOfPayer) == 24);
static_assert(offsetof(W3Record, W2Count) == 28);
static_assert(offsetof(W3Record, Establishment) == 32);
static_assert(offsetof(W3Record, EmployerEIN) == 37);
static_assert(offsetof(W3Record, EmployerName) == 48);
static_assert(offsetof(W3Record, Suite) == 106);
static_assert(offsetof(W3Record, Street) == 129);
static_assert(offsetof(W3Record, Town) == 152);
static_assert(offsetof(W3Record, State) == 175);
static_assert(offsetof(W3Record, Zip) == 199);
static_assert(offsetof(W3Record, Reserved215) == 215);
static_assert(offsetof(W3Record, OtherEIN) == 218);
static_assert(offsetof(W3Record, StateForID) == 229);
static_assert(offsetof(W3Record, StateID) == 232);
static_assert(offsetof(W3Record, Contact) == 249);
static_assert(offsetof(W3Record, EMail) == 277);
static_assert(offsetof(W3Record, Phone) == 318);
static_assert(offsetof(W3Record, Fax) == 339);
static_assert(offsetof(W3Record, TotWages) == 360);
static_assert(offsetof(W3Record, TotFedTax) == 368);
static_assert(offsetof(W3Record, TotSSWages) == 376);
static_assert(offsetof(W3Record, TotSSTax) == 384);
static_assert(offsetof(W3Record, TotMedWages) == 392);
static_assert(offsetof(W3Record, TotMedTax) == 400);
static_assert(offsetof(W3Record, TotSSTips) == 408);
static_assert(offsetof(W3Record, TotAllocTips) == 416);
static_assert(offsetof(W3Record, TotAdvEIC) == 424);
static_assert(offsetof(W3Record, TotDepCare) == 432);
static_assert(offsetof(W3Record, TotNonQualPlans) == 440);
static_assert(offsetof(W3Record, TotDefComp) == 448);
static_assert(offsetof(W3Record, TPSickPayUseOnly) == 456);
static_assert(offsetof(W3Record, Pad492) == 492);
static_assert(offsetof(W3Record, TaxWheldTPSickPay) == 496);
static_assert(offsetof(W3Record, TotStateWages) == 504);
static_assert(offsetof(W3Record, TotStateIncTax) == 512);
static_assert(offsetof(W3Record, TotLocalWages) == 520);
static_assert(offsetof(W3Record, TotLocalIncTax) == 528);
static_assert(offsetof(W3Record, KindOfEmployer) == 536);
static_assert(offsetof(W3Record, Unused537) == 537);
