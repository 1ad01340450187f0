#pragma once
// The W-3 print run: the employer's W-3 from the data file's W-3 record, on
// a pre-printed W-3 sheet, after the line-up loop (whose samples are the
// real W-3).

#include <string>

#include "data/W3Record.h"
#include "print/FormPrintRun.h"

class TQuillmarFormFile;
class TQuillmarRegistry;

// "W-3 Form " and the employer's name, cut to 66.
std::string W3JobTitle(const W3Record& w3);

// A telephone number in three parts on `line`: area code, exchange, rest.
// Only its digits count; with 6 or fewer nothing is printed.
void PrintPhoneAt(TPrintReport& report, const std::string& text, int line);

// The W-3 on the current page.
void PrintW3Form(TPrintReport& report, const W3Record& w3);

// The whole run on the file's W-3 record as held in memory.
void PrintW3(TQuillmarFormFile& file, TQuillmarRegistry& registry, IPrinterDevice& printer,
             const FormPrintDialogs& dialogs);
