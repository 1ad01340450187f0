#pragma once
// The command line and the file names of the main window.

#include <string>
#include <vector>

struct CommandLineRequest {
  bool print = false;    // "/p": print the file's W-2s instead of opening its W-2 screen
  std::string fileName;  // the data file named, empty when none
};

// Walks the arguments in order: one that contains ".QMR" (in upper case,
// anywhere) names the file, a later one replacing an earlier; any other that
// contains "/P" sets the print flag; the rest are ignored.
CommandLineRequest ParseCommandLine(const std::vector<std::string>& args);

// The extension completion of File, New: no extension gets ".qmr", a lone
// "." gets "qmr", "." and three spaces become ".qmr"; any other extension
// stays as typed.
std::string CompleteNewFileExtension(const std::string& fileName);
