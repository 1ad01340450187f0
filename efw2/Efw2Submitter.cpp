#include "efw2/Efw2Submitter.h"

#include <array>
#include <utility>
#include <vector>

#include "data/W3Record.h"
#include "platform/RegistryError.h"
#include "settings/QuillmarRegistry.h"

namespace {

// The remembered texts, by value name. The resubmission and the terminating
// business belong to one file only and are never remembered.
struct TextValue {
  const char* name;
  std::string Efw2Submitter::*field;
};
const std::array<TextValue, 12> kTextValues = {{
    {"UserID", &Efw2Submitter::UserId},
    {"SubmitterEIN", &Efw2Submitter::Ein},
    {"Name", &Efw2Submitter::Name},
    {"Suite", &Efw2Submitter::Suite},
    {"Street", &Efw2Submitter::Street},
    {"City", &Efw2Submitter::City},
    {"State", &Efw2Submitter::State},
    {"Zip", &Efw2Submitter::Zip},
    {"Contact", &Efw2Submitter::Contact},
    {"Phone", &Efw2Submitter::Phone},
    {"EMail", &Efw2Submitter::EMail},
    {"Fax", &Efw2Submitter::Fax},
}};
constexpr const char* kPreparerCode = "PreparerCode";
constexpr const char* kKindOfEmployer = "KindOfEmployer";
constexpr const char* kSuffixFromLastName = "SuffixFromLastName";
constexpr const char* kBox11Section457 = "Box11Section457";

}  // namespace

Efw2Submitter LoadSubmitter(TQuillmarRegistry& registry, const W3Record& w3) {
  Efw2Submitter s;
  s.Ein = w3.EmployerEIN.Str();
  s.Name = w3.EmployerName.Str();
  s.Suite = w3.Suite.Str();
  s.Street = w3.Street.Str();
  s.City = w3.Town.Str();
  s.State = w3.State.Str();
  s.Zip = w3.Zip.Str();
  s.Contact = w3.Contact.Str();
  s.Phone = w3.Phone.Str();
  s.EMail = w3.EMail.Str();
  s.Fax = w3.Fax.Str();

  std::vector<std::string> names;
  for (const TextValue& v : kTextValues) names.emplace_back(v.name);
  names.insert(names.end(),
               {kPreparerCode, kKindOfEmployer, kSuffixFromLastName, kBox11Section457});
  std::vector<std::string> texts;
  try {
    texts = registry.ReadEfw2Values(names);
  } catch (const RegistryError&) {
    return s;
  }
  for (std::size_t i = 0; i < kTextValues.size(); ++i) {
    if (!texts[i].empty()) s.*kTextValues[i].field = texts[i];
  }
  const std::string* flag = &texts[kTextValues.size()];
  if (flag[0].size() == 1) s.PreparerCode = flag[0][0];
  if (flag[1].size() == 1 && flag[1][0] >= '1' && flag[1][0] <= '5')
    s.KindOfEmployer = flag[1][0] - '0';
  if (!flag[2].empty()) s.SuffixFromLastName = flag[2] == "1";
  if (!flag[3].empty()) s.Box11Section457 = flag[3] == "1";
  return s;
}

void SaveSubmitter(TQuillmarRegistry& registry, const Efw2Submitter& submitter) {
  std::vector<std::pair<std::string, std::string>> values;
  for (const TextValue& v : kTextValues) values.emplace_back(v.name, submitter.*v.field);
  values.emplace_back(kPreparerCode, std::string(1, submitter.PreparerCode));
  values.emplace_back(kKindOfEmployer, std::to_string(submitter.KindOfEmployer));
  values.emplace_back(kSuffixFromLastName, submitter.SuffixFromLastName ? "1" : "0");
  values.emplace_back(kBox11Section457, submitter.Box11Section457 ? "1" : "0");
  try {
    registry.WriteEfw2Values(values);
  } catch (const RegistryError&) {
    // Remembering is a convenience: a registry that cannot be written does
    // not stand in the way of the file.
  }
}
