#pragma once
// The Form W-3 of tax year 2001: the boxes and captions that the W-3 screen
// draws, and the layout of its items, one row per field of the W-3 record
// with the place where it is printed and the box that holds it. The screen
// puts its fields and totals there; the print run places its text from the
// same rows.
//
// The picture is laid out on the print grid of the W-3 print run, moved right
// by kW3PictureColOffset columns and down by kW3PictureLineOffset lines to
// leave a border and room above the form for the screen's title: an item
// printed at column c and line l lies at column c + kW3PictureColOffset and
// line l + kW3PictureLineOffset of the picture.

#include <string>
#include <vector>

#include "data/Currency.h"
#include "data/W3Record.h"
#include "forms/FormGrid.h"

inline constexpr double kW3PictureColOffset = 1;
inline constexpr double kW3PictureLineOffset = 3;

// The grid rectangle of the picture that holds a print position: `cols`
// columns wide from print column `col`, on print line `line`.
GridRect W3PrintCell(double col, double line, double cols);

// The W-3 form: its size, its boxes with their captions and its title.
const FormPicture& W3FormPicture();

// The boxes of the W-3 picture, as indexes into W3FormPicture().boxes.
enum class W3Box : int {
  None = -1,
  ControlNum,     // a
  Official,       // 33333, for official use only
  KindOfPayer,    // b
  W2Count,        // c
  Establishment,  // d
  EmployerEIN,    // e
  EmployerName,   // f
  Address,        // g
  OtherEIN,       // h
  StateForID,     // 15
  StateID,
  BelowStateID,
  Contact,
  EMail,
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
  B12,
  B13,
  BesideBox13,
  B14,
  BelowBox14,
  B16,
  B17,
  B18,
  B19,
  Phone,
  OfficialUse,
  Fax,
  Count
};

// The items of the W-3 that are printed at a place of their own: fields of
// the W-3 record. (The employer's address is printed line by line from line
// 13, column 1; the kind of payer as a mark in its box.)
enum class W3Field : int {
  ControlNum,
  W2Count,
  Establishment,
  EmployerEIN,
  EmployerName,
  OtherEIN,
  StateForID,
  StateID,
  Contact,
  Phone,
  EMail,
  Fax,
  TPSickPayUseOnly,
  TaxWheldTPSickPay,
  TotWages,
  TotFedTax,
  TotSSWages,
  TotSSTax,
  TotMedWages,
  TotMedTax,
  TotSSTips,
  TotAllocTips,
  TotAdvEIC,
  TotDepCare,
  TotNonQualPlans,
  TotDefComp,
  TotStateWages,
  TotStateIncTax,
  TotLocalWages,
  TotLocalIncTax,
  Count
};

// What an item holds: text (a number as its digits) or an amount.
enum class W3FieldKind { Text, Amount };

// How an item reaches the W-3 record: the text of a Text item, the member
// of an Amount item.
struct W3FieldAccess {
  std::string (*text)(const W3Record&) = nullptr;
  Currency W3Record::*amount = nullptr;
};

// One item of the layout: its field, the field's name in the W-3 record, its
// print column and line (of the print grid, not of the picture), the columns
// it may fill, its box, its kind, the W-3 screen's widget that shows it and
// its access.
struct W3LayoutRow {
  W3Field field;
  const char* name;
  double col;
  double line;
  double cols;
  W3Box box;
  W3FieldKind kind;
  const char* widget;
  W3FieldAccess access;
};

// Every row, in the order of W3Field.
const std::vector<W3LayoutRow>& W3Layout();
const W3LayoutRow& W3Row(W3Field field);

// The text of a Text item (the control number blank when it is 0) and the
// amount of an Amount item.
std::string W3Text(W3Field field, const W3Record& w3);
Currency W3Amount(W3Field field, const W3Record& w3);
