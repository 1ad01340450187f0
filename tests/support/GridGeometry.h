#pragma once
// Rectangles on the print grid, as the layout tests compare them.

#include <string>

#include "forms/FormGrid.h"

inline constexpr double kGridEps = 1e-9;

inline double Right(const GridRect& r) { return r.col + r.cols; }
inline double Bottom(const GridRect& r) { return r.line + r.lines; }

inline bool Inside(const GridRect& inner, const GridRect& outer) {
  return inner.col >= outer.col - kGridEps && inner.line >= outer.line - kGridEps &&
         Right(inner) <= Right(outer) + kGridEps && Bottom(inner) <= Bottom(outer) + kGridEps;
}

inline bool Overlap(const GridRect& a, const GridRect& b) {
  return a.col < Right(b) - kGridEps && b.col < Right(a) - kGridEps &&
         a.line < Bottom(b) - kGridEps && b.line < Bottom(a) - kGridEps;
}

inline std::string Describe(const GridRect& r) {
  return "(" + std::to_string(r.col) + ", " + std::to_string(r.line) + ", " +
         std::to_string(r.cols) + " x " + std::to_string(r.lines) + ")";
}
