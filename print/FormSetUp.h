#pragma once
// The line-up set-up of the W-2 and W-3 print runs: a top and a left margin
// in hundredths of an inch, each with its allowed range, and whether to print
// a line-up sample. The set-up dialog shows and edits these values; the
// margins persist per form kind in the registry.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/PrinterDevice.h"
#include "settings/FormMargins.h"

class TQuillmarRegistry;

// An integer spin box: setting a value brings it within the range; changing
// the minimum leaves the value alone (Clamp brings it within again).
struct MarginSpin {
  std::int32_t value;
  std::int32_t minimum;
  std::int32_t maximum;
  std::int32_t step;

  void SetValue(std::int32_t v);
  void Clamp() { SetValue(value); }
};

// The value a spin box takes from its text when the user leaves it or clicks
// OK: the number typed (with at most `decimals` digits after the point,
// counted in units of the last one) brought within [minimum, maximum]; a text
// that is no such number counts as the minimum.
std::int32_t SpinValueFromText(std::string_view text, std::int32_t minimum, std::int32_t maximum,
                               int decimals = 0);

// The scale correction shown with one decimal: tenths of a percent, 1000 = 100.0%.
inline constexpr std::int32_t kFullScale = 1000;

struct FormSetUpValues {
  MarginSpin top{50, 25, 150, 5};
  MarginSpin left{25, 25, 75, 1};
  // The scale correction across and down, in tenths of a percent.
  MarginSpin scaleX{kFullScale, 900, 1100, 1};
  MarginSpin scaleY{kFullScale, 900, 1100, 1};
  bool lineUpRequired = true;
};

// What a line-up sample prints under the forms: the margins and the scale
// correction it was printed with, e.g. "Line-up sample: top 0.50 in, left
// 0.25 in, scale across 100.0%, down 99.5%".
std::string LineUpNote(const FormSetUpValues& values);

// The set-up dialog as the print runs see it: shows the values modally and,
// on OK, takes what the user set. False on Cancel (or the close box).
class IFormSetUpDialog {
 public:
  virtual ~IFormSetUpDialog() = default;
  virtual bool Execute(FormSetUpValues& values) = 0;
};

// Brings stored margins into the values: the value within its design range
// first, then the minimum (kept between 0 and the maximum), then the value
// within the new range. A set never stored leaves the values alone.
void LoadMargins(const FormMargins& margins, FormSetUpValues& values);
// A stored scale correction, brought within its range; 0 (never stored) stays 100.0%.
void LoadScale(const FormScale& scale, FormSetUpValues& values);
FormMargins MarginsOf(const FormSetUpValues& values);
void LoadMargins(TQuillmarRegistry& registry, FormKind kind, FormSetUpValues& values);
// The margins and, beside them, the scale correction.
void SaveMargins(TQuillmarRegistry& registry, FormKind kind, const FormSetUpValues& values);

// Shows the dialog until the user clicks OK with the line-up sample cleared
// (true) or cancels (false); each OK with the sample asked for prints one.
bool RunLineUpLoop(IFormSetUpDialog& dialog, FormSetUpValues& values,
                   const std::function<void()>& printSample);

// The minimums become the printer's unprintable strips at the top and left
// (hundredths of an inch, rounded) and the values are raised to them.
void ClampMarginsToPrinter(FormSetUpValues& values, const PrinterCaps& caps);

// The font of the W-2 and W-3 forms: one character per grid column.
PrinterFont FormFont();
