#include "rules/DeleteW2.h"

#include <cstdint>
#include <optional>

#include "data/BlankW2.h"
#include "data/EntryRules.h"
#include "data/QuillmarFormFile.h"
#include "rules/FiledCopy.h"

std::string DeleteW2Question(const W2Record& w2) {
  std::string name = TrimText(w2.FirstName.Str());
  for (const std::string& part : {TrimText(w2.MiddleInitial.Str()), TrimText(w2.LastName.Str())}) {
    if (part.empty()) continue;
    if (!name.empty()) name += ' ';
    name += part;
  }
  const std::string ssn = TrimText(w2.SocSecNum.Str());
  std::string who;
  if (name.empty() && ssn.empty()) {
    who = "this blank W-2";
  } else {
    who = "the W-2 of " + (name.empty() ? ssn : name + (ssn.empty() ? "" : " (" + ssn + ")"));
  }
  return "Delete " + who +
         " from this file?\r\rIt cannot be brought back. A W-2 that was issued to the employee "
         "is kept and marked Void instead.";
}

std::string DeleteW2Refusal(TQuillmarFormFile& file) {
  const std::optional<FiledCopy> filed = ReadFiledCopy(FiledCopyPath(file.Path()));
  if (!filed) return {};
  const auto filedAt = [&](std::int64_t offset) {
    const std::size_t n = static_cast<std::size_t>((offset - kFirstW2Offset) / kRecSize);
    return n < filed->W2s.size() && IsCountedW2(filed->W2s[n]);
  };
  // A new W-2 never saved leaves nothing behind and moves nothing.
  if (file.CurOfs() == nullptr) return {};
  const std::int64_t size = file.Size();
  const std::int64_t last = size - size % kRecSize - kRecSize;
  if (filedAt(file.RecPos()) || filedAt(last)) {
    return "The W-2s of this file were filed on " + DateText(filed->FiledOn) +
           ": a W-2 is no longer deleted from it. Check Void to withdraw this W-2; Edit, "
           "Corrections... then shows the correction it needs.";
  }
  return {};
}
