#pragma once
// The Form W-2 of tax year 2001 on the print grid (columns of 1/10 inch,
// lines of 1/6 inch, counted from 1): the picture of its boxes and captions
// that the W-2 screen draws, and the layout of its items, one row per field
// of the records, with the place where the item is printed and the box that
// holds it. The screen puts each entry field at its item's print position;
// the print runs place their text from the same rows. Where the print run
// joins items on one line (the suite and the street, the state and the ZIP
// code) it prints them from the first item's place.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/Box12Entry.h"
#include "data/Currency.h"
#include "data/W2Record.h"
#include "data/W3Record.h"
#include "forms/FormGrid.h"

// The boxes of the W-2 picture, as indexes into W2FormPicture().boxes.
enum class W2Box : int {
  None = -1,
  A,
  Void,
  Official,
  B,
  C,
  D,
  E,
  F,
  B1,
  B2,
  B3,
  B4,
  B5,
  B6,
  B7,
  B8,
  B9,
  B10,
  B11,
  B12a,
  B12b,
  B12c,
  B12d,
  B13Stat,
  B13Retire,
  B13Sick,
  B14,
  B15L1,
  B16L1,
  B17L1,
  B18L1,
  B19L1,
  B20L1,
  B15L2,
  B16L2,
  B17L2,
  B18L2,
  B19L2,
  B20L2,
  Count
};

// The items of a W-2: the fields of the W-2 record and, for boxes b and c,
// those of the employer's W-3 record (EmployerSuite is the W-3 `Suite`, and
// so on). In the order of the W-2 screen's tab order, then the employer's.
enum class W2Field : int {
  ControlNum,
  Void,
  SocSecNum,
  FirstName,  // with MiddleInitial after a space
  LastName,
  Suite,
  StreetPOB,
  City,
  AddrState,
  Zip,
  PostCode,
  Country,
  Wages,
  FedTax,
  SSWages,
  SSTax,
  MedWage,
  MedTax,
  SSTips,
  AllocTips,
  AdvEIC,
  DepCare,
  NonQualPlans,
  Box12aCode,
  Box12aAmount,
  Box12bCode,
  Box12bAmount,
  Box12cCode,
  Box12cAmount,
  Box12dCode,
  Box12dAmount,
  StatEmpl,
  RetirePlan,
  TPSickPay,
  Box14aLabel,
  Box14aAmount,
  Box14bLabel,
  Box14bAmount,
  Box14cLabel,
  Box14cAmount,
  ST1State,
  ST1StateID,
  ST1StateWage,
  ST1StateTax,
  ST1LocalWage,
  ST1LocalTax,
  ST1LocName,
  ST2State,
  ST2StateID,
  ST2StateWage,
  ST2StateTax,
  ST2LocalWage,
  ST2LocalTax,
  ST2LocName,
  EmployerEIN,
  EmployerName,
  EmployerSuite,
  EmployerStreet,
  EmployerTown,
  EmployerState,  // with the Zip after two spaces
  Count,
  // Items of later forms that the 2001 table has no row for (W2Row does not
  // take them): the suffix in box e and the two box 14b codes of 2026 on.
  Suffix = Count + 1,
  TipCode1,
  TipCode2
};

// What an item holds: text, an amount, a check box, or a box 12 code.
enum class W2FieldKind { Text, Amount, Check, Code };

// How an item reaches its record, by its kind. A Text item reads its text
// (the employer's items from the W-3 record) and, when the W-2 screen stores
// it as typed, writes it (the control number is also a whole number); an
// Amount item and a Check item name their member of the W-2 record, or their
// box 12 line; a Code item its box 12 line.
struct W2FieldAccess {
  std::string (*text)(const W2Record&, const W3Record&) = nullptr;
  void (*store)(W2Record&, const std::string&) = nullptr;
  Currency W2Record::*amount = nullptr;
  std::uint8_t W2Record::*flag = nullptr;
  int box12Line = -1;
  std::int32_t W2Record::*number = nullptr;  // a Text item that is a whole number
};

// One item of the layout: its field, the field's name in its record, where
// its text starts (column and line), how many columns it may fill, its box,
// its kind, the W-2 screen's field that shows it ("" for the employer's
// items, which the screen shows in labels of its own) and its access.
struct W2LayoutRow {
  W2Field field;
  const char* name;
  double col;
  double line;
  double cols;
  W2Box box;
  W2FieldKind kind;
  const char* widget;
  W2FieldAccess access;
};

// The picture that TFormCanvas draws behind the W-2 screen's fields. It is
// taller than the form, leaving room below it for the screen's buttons.
const FormPicture& W2FormPicture();

// Every row, in the order of W2Field.
const std::vector<W2LayoutRow>& W2Layout();
const W2LayoutRow& W2Row(W2Field field);

// The row of the W-2 screen's field `widget`; none for other names.
const W2LayoutRow* W2RowOfWidget(std::string_view widget);

// The text of a Text item: the record's text (EmployerState with the ZIP code
// after two spaces); for the items after Count, their text (W2ExtraText).
std::string W2Text(W2Field field, const W2Record& w2, const W3Record& w3);
// The same for an item of the W-2 record.
std::string W2Text(W2Field field, const W2Record& w2);
// The amount of an Amount item, the flag of a Check item, the line of a Code item.
Currency W2Amount(W2Field field, const W2Record& w2);
void W2SetAmount(W2Field field, W2Record& w2, Currency amount);
// Stores a Text item of the W-2 record as typed (cut to its capacity; the
// first name is split from the middle initial at the first comma or blank).
void W2StoreText(W2Field field, W2Record& w2, const std::string& text);
bool W2Checked(W2Field field, const W2Record& w2);
// The number of a Text item that is a whole number (the control number).
std::int32_t W2Number(W2Field field, const W2Record& w2);
void W2SetNumber(W2Field field, W2Record& w2, std::int32_t number);
void W2SetChecked(W2Field field, W2Record& w2, bool checked);
const Box12Entry& W2Box12Line(W2Field field, const W2Record& w2);
Box12Entry& W2Box12Line(W2Field field, W2Record& w2);

// The first name with the middle initial after a blank, as the W-2 screen's
// field and the forms show them ("MARY A"; "MARY " without an initial).
std::string EmployeeFirstNameAndInitial(const W2Record& w2);

// Suite and street on one line, the suite first: "Suite 4, 1 Main St".
std::string SuiteAndStreet(const std::string& suite, const std::string& street);
// The employee's suite and street (the W-2 screen's Suite and StreetPOB).
std::string EmployeeSuiteAndStreet(const W2Record& w2);
// The employer's suite and street.
std::string EmployerSuiteAndStreet(const W3Record& w3);

// The grid rectangle of an item: one line tall, at its print position.
GridRect W2CellRect(W2Field field);
// The rectangle of a box of the picture; none for W2Box::None.
std::optional<GridRect> W2BoxRect(W2Box box);
