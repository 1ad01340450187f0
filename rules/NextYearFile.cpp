#include "rules/NextYearFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "data/BlankW2.h"
#include "data/KeepFilePosition.h"
#include "data/QuillmarFormFile.h"
#include "platform/CodePage.h"
#include "platform/QuillmarError.h"
#include "rules/SumToW3.h"

W3Record NextYearW3(const W3Record& w3) {
  TRecordBuffer next;
  next.Clear();
  W3Record& n = next.w3;
  n.RecType = kRecTypeW3;
  n.TaxYear = w3.TaxYear + 1;
  n.KindOfPayer = w3.KindOfPayer;
  n.KindOfEmployer = w3.KindOfEmployer;
  n.Establishment = w3.Establishment;
  n.EmployerEIN = w3.EmployerEIN;
  n.EmployerName = w3.EmployerName;
  n.Suite = w3.Suite;
  n.Street = w3.Street;
  n.Town = w3.Town;
  n.State = w3.State;
  n.Zip = w3.Zip;
  n.StateForID = w3.StateForID;
  n.StateID = w3.StateID;
  n.Contact = w3.Contact;
  n.EMail = w3.EMail;
  n.Phone = w3.Phone;
  n.Fax = w3.Fax;
  return n;
}

W2Record NextYearW2(const W2Record& w2) {
  TRecordBuffer next;
  next.Clear();
  W2Record& n = next.w2;
  n.RecType = kRecTypeW2;
  for (Box12Entry& line : n.Box12) line.Code = ' ';
  n.SocSecNum = w2.SocSecNum;
  n.FirstName = w2.FirstName;
  n.MiddleInitial = w2.MiddleInitial;
  n.LastName = w2.LastName;
  n.Suite = w2.Suite;
  n.StreetPOB = w2.StreetPOB;
  n.City = w2.City;
  n.AddrState = w2.AddrState;
  n.Zip = w2.Zip;
  n.PostCode = w2.PostCode;
  n.Country = w2.Country;
  n.StatEmpl = w2.StatEmpl;
  n.RetirePlan = w2.RetirePlan;
  n.TPSickPay = w2.TPSickPay;
  n.ST1State = w2.ST1State;
  n.ST1StateID = w2.ST1StateID;
  n.ST1LocName = w2.ST1LocName;
  n.ST2State = w2.ST2State;
  n.ST2StateID = w2.ST2StateID;
  n.ST2LocName = w2.ST2LocName;
  return n;
}

std::string NextYearFileName(const std::string& path, int taxYear) {
  const std::size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  std::string stem = slash == std::string::npos ? path : path.substr(slash + 1);
  if (const std::size_t dot = stem.find_last_of('.'); dot != std::string::npos && dot > 0) {
    stem.resize(dot);
  }
  const std::string year = " " + std::to_string(taxYear);
  if (stem.size() > year.size() && stem.ends_with(year)) stem.resize(stem.size() - year.size());
  return folder + stem + " " + std::to_string(taxYear + 1) + ".qmr";
}

int MakeNextYearFile(TQuillmarFormFile& file, const std::string& newPath) {
  const W3Record& w3 = file.W3Rec.w3;
  if (w3.TaxYear == 0) {
    throw QuillmarError("Enter the tax year on the W-3 of this file first.");
  }
  struct stat there {};
  struct stat here {};
  if (::lstat(newPath.c_str(), &there) == 0 || errno != ENOENT) {
    const bool same = ::stat(file.Path().c_str(), &here) == 0 && there.st_dev == here.st_dev &&
                      there.st_ino == here.st_ino;
    throw QuillmarError(same ? "Next year's file must have a name of its own."
                             : "The file " + Utf8ToCp1252(newPath) +
                                   " exists already. Choose a new name for next year's file.");
  }
  // The employees, read from the disk in file order.
  std::vector<W2Record> employees;
  {
    const KeepFilePosition keep(file);
    TRecordBuffer record{};
    for (std::int64_t offset = kFirstW2Offset;; offset += kRecSize) {
      file.Seek(offset);
      if (file.Read(record.bytes, sizeof record.bytes) != sizeof record.bytes) break;
      if (IsCountedW2(record.w2)) employees.push_back(NextYearW2(record.w2));
    }
  }
  std::unique_ptr<TQuillmarFormFile> next = TQuillmarFormFile::Create(newPath);
  try {
    if (!next->ReadW3()) throw QuillmarError("Cannot write file " + Utf8ToCp1252(newPath));
    next->WorkRec.w3 = NextYearW3(w3);
    (void)next->SaveCurrent(false);
    bool first = true;
    for (const W2Record& w2 : employees) {
      // The first employee takes the new file's blank placeholder.
      if (first ? !next->GoFirst() : !next->AddNew(kRecTypeW2)) {
        throw QuillmarError("Cannot write file " + Utf8ToCp1252(newPath));
      }
      first = false;
      const DateTime saved = next->WorkRec.header.LastSaved;
      next->WorkRec.w2 = w2;
      next->WorkRec.header.LastSaved = saved;
      if (const SaveResult result = next->SaveCurrent(false); result.Refused()) {
        throw QuillmarError(result.reason);
      }
    }
    SumToW3(*next);
  } catch (...) {
    next.reset();
    ::unlink(newPath.c_str());
    throw;
  }
  return static_cast<int>(employees.size());
}
