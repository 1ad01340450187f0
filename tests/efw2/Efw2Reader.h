#pragma once
// Reads an SSA wage file (EFW2) back into named fields by the positions of the
// SSA's publication, written down here on their own, apart from the writer.
// Every rule a record breaks (length, CR LF, blank fields, digits in number
// fields, upper case) fails the running test.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct Efw2ReadRecord {
  std::string Id;
  // Text fields without their trailing blanks; numbers and amounts as written.
  std::map<std::string, std::string> Fields;
  std::string Raw;  // the 512 characters

  const std::string& operator[](const std::string& name) const;
  std::uint64_t Number(const std::string& name) const;
};

std::vector<Efw2ReadRecord> ReadEfw2(const std::string& contents);

// The names of the amount fields of a record kind ("RW", "RT", ...), in their order.
std::vector<std::string> Efw2AmountNames(const std::string& id);
