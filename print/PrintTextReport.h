#pragma once
// Prints lines of text on plain paper: one-inch margins, long lines wrapped at
// a space, "-", "/" or "\", a new page when the page is full, and the footer
// "Printed: <date and time>     Page <n>" at the foot of every page.

#include <string>
#include <vector>

#include "platform/PrintDialogs.h"
#include "platform/PrinterDevice.h"

class TQuillmarRegistry;

// The job title of a text report.
inline constexpr const char* kTextReportTitle = "Quillmar";

// The registry item that keeps the error report's last font.
inline constexpr const char* kReportFontItem = "ReportFont";

// Shows the printer set-up dialog, then the font dialog (its font prints the
// report; Cancel keeps the printer's font), and prints the lines as one job,
// or shows them in the preview when there is one and it is enabled. No
// lines: nothing is shown or printed. Cancel in the set-up dialog: nothing is
// printed.
void PrintTextReport(const std::vector<std::string>& lines, IPrinterDevice& printer,
                     IPrinterSetupDialog& printerSetupDialog, FontDialog& fontDialog,
                     IPrintPreview* preview = nullptr);

// PrintTextReport with the report's own last font: the font dialog opens on
// the font kept in `registry` (the first time FirstPrintFont()), and a font
// chosen there is kept for the next report.
void PrintTextReportInLastFont(const std::vector<std::string>& lines, IPrinterDevice& printer,
                               IPrinterSetupDialog& printerSetupDialog, FontDialog& fontDialog,
                               TQuillmarRegistry& registry, IPrintPreview* preview = nullptr);
