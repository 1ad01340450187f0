#include "print/FormSetUp.h"

#include <algorithm>

#include "platform/MulDiv.h"
#include "print/PrintReport.h"
#include "settings/QuillmarRegistry.h"

void MarginSpin::SetValue(std::int32_t v) {
  value = std::clamp(v, minimum, std::max(minimum, maximum));
}

std::int32_t SpinValueFromText(std::string_view text, std::int32_t minimum, std::int32_t maximum,
                               int decimals) {
  const auto clamped = [&](std::int64_t v) {
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(v, minimum, std::max(minimum, maximum)));
  };
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::int64_t value = 0;
  int digits = 0, fraction = -1;
  for (const char c : text) {
    if (c == '.' && fraction < 0 && decimals > 0) {
      fraction = 0;
    } else if (c >= '0' && c <= '9' && fraction < decimals) {
      // Beyond ten digits the number is far outside any range: keep it large.
      if (digits < 10) value = value * 10 + (c - '0');
      ++digits;
      if (fraction >= 0) ++fraction;
    } else {
      return clamped(minimum);
    }
  }
  if (digits == 0) return clamped(minimum);
  for (int i = std::max(fraction, 0); i < decimals; ++i) value *= 10;
  return clamped(negative ? -value : value);
}

std::string LineUpNote(const FormSetUpValues& values) {
  const auto fixed = [](std::int32_t v, int unit) {
    const std::int32_t whole = v / unit, part = v % unit;
    std::string digits = std::to_string(part);
    if (unit == 100 && part < 10) digits = "0" + digits;
    return std::to_string(whole) + "." + digits;
  };
  return "Line-up sample: top " + fixed(values.top.value, 100) + " in, left " +
         fixed(values.left.value, 100) + " in, scale across " + fixed(values.scaleX.value, 10) +
         "%, down " + fixed(values.scaleY.value, 10) + "%";
}

void LoadMargins(const FormMargins& margins, FormSetUpValues& values) {
  if (!margins.Stored()) return;
  // A minimum outside 0 to the maximum (a damaged or hand-edited value) is
  // brought within, and so is the value on the new range.
  const auto load = [](MarginSpin& spin, std::int32_t value, std::int32_t minimum) {
    spin.SetValue(value);
    spin.minimum = std::clamp(minimum, 0, spin.maximum);
    spin.Clamp();
  };
  load(values.top, margins.Top, margins.Bottom);
  load(values.left, margins.Left, margins.Right);
}

void LoadScale(const FormScale& scale, FormSetUpValues& values) {
  if (scale.X != 0) values.scaleX.SetValue(scale.X);
  if (scale.Y != 0) values.scaleY.SetValue(scale.Y);
}

FormMargins MarginsOf(const FormSetUpValues& values) {
  return {values.top.value, values.top.minimum, values.left.value, values.left.minimum};
}

void LoadMargins(TQuillmarRegistry& registry, FormKind kind, FormSetUpValues& values) {
  LoadMargins(registry.ReadFormMargins(kind), values);
  LoadScale(registry.ReadFormScale(kind), values);
}

void SaveMargins(TQuillmarRegistry& registry, FormKind kind, const FormSetUpValues& values) {
  registry.WriteFormMargins(kind, MarginsOf(values));
  registry.WriteFormScale(kind, {values.scaleX.value, values.scaleY.value});
}

bool RunLineUpLoop(IFormSetUpDialog& dialog, FormSetUpValues& values,
                   const std::function<void()>& printSample) {
  while (dialog.Execute(values)) {
    if (!values.lineUpRequired) return true;
    printSample();
  }
  return false;
}

void ClampMarginsToPrinter(FormSetUpValues& values, const PrinterCaps& caps) {
  const UnprintableBorder border = BorderOf(caps);
  if (caps.logPixelsY > 0) values.top.minimum = MulDiv(border.y, 100, caps.logPixelsY);
  if (caps.logPixelsX > 0) values.left.minimum = MulDiv(border.x, 100, caps.logPixelsX);
  values.top.value = std::max(values.top.value, values.top.minimum);
  values.left.value = std::max(values.left.value, values.left.minimum);
}

PrinterFont FormFont() { return {"Courier New", 12, 0, 0x000000, kAnsiCharset}; }
