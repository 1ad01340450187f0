#pragma once
// Records 2, 3, ... of an employer data file: one W-2 per employee.

#include <cstddef>
#include <cstdint>

#include "data/Box12Entry.h"
#include "data/Currency.h"
#include "data/RecordKind.h"
#include "data/ShortString.h"
#include "platform/DateTime.h"

#pragma pack(push, 1)
struct W2Record {
  DateTime LastSaved;
  std::uint16_t RecType;  // 48
  std::uint8_t Pad10[2];
  std::int32_t ControlNum;    // box a
  std::uint8_t Void;          // Boolean: left out of the totals, the edit check and printing
  ShortString<11> SocSecNum;  // 999-99-9999, key of the SSN index
  ShortString<15> FirstName;
  ShortString<15> MiddleInitial;
  ShortString<20> LastName;
  ShortString<22> Suite;
  ShortString<22> StreetPOB;
  ShortString<22> City;
  ShortString<23> AddrState;  // US state, or foreign province or county
  ShortString<10> Zip;
  ShortString<15> PostCode;  // foreign postal code
  ShortString<2> Country;    // foreign country code, empty for the USA
  std::uint8_t Pad205[3];
  Currency Wages;           // box 1
  Currency FedTax;          // box 2
  Currency SSWages;         // box 3
  Currency SSTax;           // box 4
  Currency MedWage;         // box 5
  Currency MedTax;          // box 6
  Currency SSTips;          // box 7
  Currency AllocTips;       // box 8
  Currency AdvEIC;          // box 9
  Currency DepCare;         // box 10
  Currency NonQualPlans;    // box 11
  Box12Entry Box12[4];      // lines a, b, c, d
  std::uint8_t StatEmpl;    // Boolean, box 13
  std::uint8_t RetirePlan;  // Boolean, box 13
  std::uint8_t TPSickPay;   // Boolean, box 13
  ShortString<7> Box14aLabel;
  std::uint8_t Pad371[5];
  Currency Box14aAmount;
  ShortString<7> Box14bLabel;
  Currency Box14bAmount;
  ShortString<7> Box14cLabel;
  Currency Box14cAmount;
  std::uint8_t Reserved416[16];
  ShortString<2> ST1State;  // box 15, line 1
  ShortString<16> ST1StateID;
  std::uint8_t Pad452[4];
  Currency ST1StateWage;      // box 16
  Currency ST1StateTax;       // box 17
  Currency ST1LocalWage;      // box 18
  Currency ST1LocalTax;       // box 19
  ShortString<6> ST1LocName;  // box 20
  ShortString<2> ST2State;    // line 2
  ShortString<16> ST2StateID;
  std::uint8_t Pad515[5];
  Currency ST2StateWage;
  Currency ST2StateTax;
  Currency ST2LocalWage;
  Currency ST2LocalTax;
  ShortString<6> ST2LocName;
  std::uint8_t Unused559[41];
  // Added to the layout in bytes older files leave zero: the suffix of the
  // employee's name in box e ("JR", "III") and the box 14b Treasury tipped
  // occupation codes of 2026 on (three digits each, none, one or two).
  ShortString<4> Suffix;
  ShortString<3> TipCodes[2];
  std::uint8_t Unused613[27];
};
#pragma pack(pop)

static_assert(sizeof(W2Record) == kRecSize);
static_assert(offsetof(W2Record, LastSaved) == 0);
static_assert(offsetof(W2Record, RecType) == 8);
static_assert(offsetof(W2Record, ControlNum) == 12);
static_assert(offsetof(W2Record, Void) == 16);
static_assert(offsetof(W2Record, SocSecNum) == 17);
static_assert(offsetof(W2Record, FirstName) == 29);
static_assert(offsetof(W2Record, MiddleInitial) == 45);
static_assert(offsetof(W2Record, LastName) == 61);
static_assert(offsetof(W2Record, Suite) == 82);
static_assert(offsetof(W2Record, StreetPOB) == 105);
static_assert(offsetof(W2Record, City) == 128);
static_assert(offsetof(W2Record, AddrState) == 151);
static_assert(offsetof(W2Record, Zip) == 175);
static_assert(offsetof(W2Record, PostCode) == 186);
static_assert(offsetof(W2Record, Country) == 202);
static_assert(offsetof(W2Record, Pad205) == 205);
static_assert(offsetof(W2Record, Wages) == 208);
static_assert(offsetof(W2Record, FedTax) == 216);
static_assert(offsetof(W2Record, SSWages) == 224);
static_assert(offsetof(W2Record, SSTax) == 232);
static_assert(offsetof(W2Record, MedWage) == 240);
static_assert(offsetof(W2Record, MedTax) == 248);
static_assert(offsetof(W2Record, SSTips) == 256);
static_assert(offsetof(W2Record, AllocTips) == 264);
static_assert(offsetof(W2Record, AdvEIC) == 272);
static_assert(offsetof(W2Record, DepCare) == 280);
static_assert(offsetof(W2Record, NonQualPlans) == 288);
static_assert(offsetof(W2Record, Box12) == 296);
static_assert(offsetof(W2Record, Box12) + 1 * sizeof(Box12Entry) == 312);
static_assert(offsetof(W2Record, Box12) + 2 * sizeof(Box12Entry) == 328);
static_assert(offsetof(W2Record, Box12) + 3 * sizeof(Box12Entry) == 344);
static_assert(offsetof(W2Record, StatEmpl) == 360);
static_assert(offsetof(W2Record, RetirePlan) == 361);
static_assert(offsetof(W2Record, TPSickPay) == 362);
static_assert(offsetof(W2Record, Box14aLabel) == 363);
static_assert(offsetof(W2Record, Pad371) == 371);
static_assert(offsetof(W2Record, Box14aAmount) == 376);
static_assert(offsetof(W2Record, Box14bLabel) == 384);
static_assert(offsetof(W2Record, Box14bAmount) == 392);
static_assert(offsetof(W2Record, Box14cLabel) == 400);
static_assert(offsetof(W2Record, Box14cAmount) == 408);
static_assert(offsetof(W2Record, Reserved416) == 416);
static_assert(offsetof(W2Record, ST1State) == 432);
static_assert(offsetof(W2Record, ST1StateID) == 435);
static_assert(offsetof(W2Record, Pad452) == 452);
static_assert(offsetof(W2Record, ST1StateWage) == 456);
static_assert(offsetof(W2Record, ST1StateTax) == 464);
static_assert(offsetof(W2Record, ST1LocalWage) == 472);
static_assert(offsetof(W2Record, ST1LocalTax) == 480);
static_assert(offsetof(W2Record, ST1LocName) == 488);
static_assert(offsetof(W2Record, ST2State) == 495);
static_assert(offsetof(W2Record, ST2StateID) == 498);
static_assert(offsetof(W2Record, Pad515) == 515);
static_assert(offsetof(W2Record, ST2StateWage) == 520);
static_assert(offsetof(W2Record, ST2StateTax) == 528);
static_assert(offsetof(W2Record, ST2LocalWage) == 536);
static_assert(offsetof(W2Record, ST2LocalTax) == 544);
static_assert(offsetof(W2Record, ST2LocName) == 552);
static_assert(offsetof(W2Record, Unused559) == 559);
static_assert(offsetof(W2Record, Suffix) == 600);
static_assert(offsetof(W2Record, TipCodes) == 605);
static_assert(offsetof(W2Record, TipCodes) + sizeof(ShortString<3>) == 609);
static_assert(offsetof(W2Record, Unused613) == 613);
