#pragma once
// Where a report goes (the W-2 screen's Error Check, the checks of the SSA
// wage file): the error report window, which replaces its text by the lines
// and shows them modally. Tests put a recorder in its place.

#include <string>
#include <vector>

class IErrorReportView {
 public:
  virtual ~IErrorReportView() = default;
  // Replaces the text by `lines` (Windows-1252, one report line each) and
  // shows it; returns when the user has closed the window.
  virtual void ShowReport(const std::vector<std::string>& lines) = 0;
};
