#pragma once
// The items of the printed W-3 that are no field at a place of its own: the
// kind-of-payer marks, the third-party sick pay mark, the employer's address
// block and the three parts of the telephone and fax numbers. On the print
// grid of the W-3 (columns of 1/10 inch, lines of 1/6 inch, counted from 1).

#include <array>

struct GridPoint {
  int col;
  int line;
};

// The "X" in box b for each KindOfPayer (0 "941" ... 5 "Medicare gov. empl.").
inline constexpr std::array<GridPoint, 6> kW3KindOfPayerMarks{
    {{15, 3}, {20, 3}, {25, 3}, {15, 5}, {20, 5}, {25, 5}}};
// The "X" for kind of payer 6 ("944", from 2006): after "943" on the first
// row of box b, as on the forms from 2006 (U: the column is not measured).
inline constexpr GridPoint kW3Form944Mark{30, 3};
// The "X" for W-2s that include, or a filing only of, third-party sick pay.
inline constexpr GridPoint kW3TPSickPayMark{31, 5};
// The employer's address, one item a line from here down.
inline constexpr GridPoint kW3AddressStart{1, 13};
// The area code, the exchange and the rest of a telephone number.
inline constexpr std::array<int, 3> kW3PhoneColumns{38, 43, 47};
