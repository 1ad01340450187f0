#pragma once
// The print margins of one form kind, in hundredths of an inch from the
// paper's edges, as the registry keeps them. "Bottom" holds the smallest top
// margin allowed and "Right" the smallest left margin allowed; the print job
// also uses them as its bottom and right margins.

#include <cstdint>

enum class FormKind { W2, W3 };

struct FormMargins {
  std::int32_t Top = 0;
  std::int32_t Bottom = 0;
  std::int32_t Left = 0;
  std::int32_t Right = 0;

  // A set whose Top and Left are both 0 was never stored.
  bool Stored() const { return Top != 0 || Left != 0; }
  bool operator==(const FormMargins&) const = default;
};

// The scale correction of one form kind, in tenths of a percent across (X)
// and down (Y), for printers whose paper feed stretches or shrinks the page.
// Kept beside the margins; 0 means never stored, which prints at 100.0%.
struct FormScale {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  bool operator==(const FormScale&) const = default;
};
