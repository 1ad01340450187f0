#pragma once
// What the SSA's wage file needs beyond the records: who sends it (the
// submitter of the RA record) and the employer's choices that the W-3 record
// does not hold. Texts are Windows-1252, as typed.

#include <string>

struct W3Record;
class TQuillmarRegistry;

struct Efw2Submitter {
  std::string UserId;  // the 8-character BSO User ID of the person who sends the file
  std::string Ein;     // the submitter's EIN, 99-9999999
  std::string Name;    // the submitter's company; SSA writes to it about the file
  std::string Suite;   // location address: suite, room, attention
  std::string Street;  // delivery address
  std::string City;
  std::string State;  // postal abbreviation or state name
  std::string Zip;    // 99999 or 99999-9999
  std::string Contact;
  std::string Phone;  // as typed, "(217)555-1234 x12"
  std::string EMail;
  std::string Fax;
  char PreparerCode =
      'L';  // A accounting firm, L self-prepared, S service bureau, P parent, O other
  bool Resubmission = false;         // the file replaces one the SSA rejected
  std::string ResubWfid;             // the wage file identifier on the SSA's notice
  bool TerminatingBusiness = false;  // the last W-2s filed under this EIN
  // The kind of employer, 1 to 5 (None apply, 501c non-govt., State/local
  // non-501c, State/local 501c, Federal govt.); used when the W-3 has none.
  int KindOfEmployer = 1;
  // A last name ending in JR, SR, II, III, IV or V gives its suffix to the suffix field.
  bool SuffixFromLastName = true;
  // Box 11 amounts come from a nongovernmental section 457 plan.
  bool Box11Section457 = false;
};

// The values remembered from the last export, and the W-3 record's employer
// data for what was never entered. A remembered value that cannot be read
// counts as never entered.
Efw2Submitter LoadSubmitter(TQuillmarRegistry& registry, const W3Record& w3);
// Remembers the values for the next export; a registry that cannot be
// written leaves them unremembered and the export goes on.
void SaveSubmitter(TQuillmarRegistry& registry, const Efw2Submitter& submitter);
