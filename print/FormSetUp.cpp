#include "print/FormSetUp.h"

#include <algorithm>

#include "platform/MulDiv.h"
#include "print/PrintReport.h"
#include "settings/QuillmarRegistry.h"

void MarginSpin::SetValue(std::int32_t v) {
  value = std::clamp(v, minimum, std::max(minimum, maximum));
}

void LoadMargins(const FormMargins& margins, FormSetUpValues& values) {
  if (!margins.Stored()) return;
  values.top.SetValue(margins.Top);
  values.top.minimum = margins.Bottom;
  values.left.SetValue(margins.Left);
  values.left.minimum = margins.Right;
}

FormMargins MarginsOf(const FormSetUpValues& values) {
  return {values.top.value, values.top.minimum, values.left.value, values.left.minimum};
}

void LoadMargins(TQuillmarRegistry& registry, FormKind kind, FormSetUpValues& values) {
  LoadMargins(registry.ReadFormMargins(kind), values);
}

void SaveMargins(TQuillmarRegistry& registry, FormKind kind, const FormSetUpValues& values) {
  registry.WriteFormMargins(kind, MarginsOf(values));
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
