#pragma once
// Forms W-2c and W-3c drawn in full on plain paper, one form to a letter
// page: every box as a rectangle with its caption, and a place for each item.
// The money boxes have two columns, "Previously reported" and "Correct
// information"; only the boxes being corrected are filled. On the print grid
// (columns of 1/10 inch, lines of 1/6 inch), like the plain-paper W-2.

#include <cstddef>
#include <vector>

#include "forms/FormGrid.h"
#include "forms/W2PlainPaper.h"

enum class W2cColumn { Previous, Correct };

// The items of the W-2c's upper part (boxes a to i).
enum class W2cHead {
  EmployerName,    // box a, first line
  EmployerStreet,  // box a: suite and street
  EmployerTown,    // box a: town, state and ZIP code
  EmployerEin,     // box b
  YearAndForm,     // box c: "2025 / W-2"
  CorrectSsn,      // box d
  SsnOrNameCheck,  // box e: a check box
  PreviousSsn,     // box f
  PreviousName,    // box g
  CorrectName,     // box h
  AddressStreet,   // box i: suite and street
  AddressTown,     // box i: city, state and ZIP code (or the foreign address)
};

struct W2cHeadItem {
  W2cHead what;
  PlainItemKind kind;
  GridRect rect;
};

// A place for a corrected W-2 field, keyed by its W2Record member (the offset,
// as the corrections key their fields); box 12 lines by the member Box12 and
// their line 0 to 3, with the code in `rect` and the amount in `amountRect`.
struct W2cCell {
  std::size_t member;
  int box12Line;  // -1 for any other field
  W2cColumn column;
  PlainItemKind kind;
  GridRect rect;
  GridRect amountRect;
};

struct PlainW2cLayout {
  double left = 1, top = 1, right = 0, bottom = 0;
  std::vector<FormBox> boxes;
  std::vector<FormBox> labels;  // captions without an outline
  std::vector<W2cHeadItem> heads;
  std::vector<W2cCell> cells;
};
const PlainW2cLayout& PlainW2cLayout2026();

// The W-3c's items.
enum class W3cItem {
  YearAndForm,  // box a
  EmployerName,
  EmployerStreet,
  EmployerTown,  // box b
  KindOfPayer,
  KindOfEmployer,  // box c
  W2cCount,        // box d
  EmployerEin,     // box e
  Establishment,   // box f
  StateId,         // box g
  Contact,
  Phone,
  Fax,
  EMail,
  // the money boxes, each with two columns
  Box1,
  Box2,
  Box3,
  Box4,
  Box5,
  Box6,
  Box7,
  Box8,
  Box10,
  Box11,
  Box12a,
  Box16,
  Box17,
  Box18,
  Box19,
};

struct W3cCell {
  W3cItem item;
  W2cColumn column;  // Correct for the items of one column
  PlainItemKind kind;
  GridRect rect;
};

struct PlainW3cLayout {
  double left = 1, top = 1, right = 0, bottom = 0;
  std::vector<FormBox> boxes;
  std::vector<FormBox> labels;
  std::vector<W3cCell> cells;
};
const PlainW3cLayout& PlainW3cLayout2026();
