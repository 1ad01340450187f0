#pragma once
// Deleting an employee's W-2 from the W-2 screen: the question that names
// the employee, and when a delete is refused.

#include <string>

#include "data/W2Record.h"

class TQuillmarFormFile;

// "Delete the W-2 of Ann Q Baker (123-45-6789) from this file?" and what
// that means; an employee with neither name nor SSN is "this blank W-2".
std::string DeleteW2Question(const W2Record& w2);

// Why the current W-2 of `file` may not be deleted; empty when it may. Once
// the W-2s are filed (a filed copy is kept beside the file), the corrections
// compare the W-2s with the filed ones record by record: a filed W-2 is not
// deleted (it is made void and corrected), and no delete may move a filed
// W-2 into another place (the file's last W-2 takes the deleted one's place).
std::string DeleteW2Refusal(TQuillmarFormFile& file);
