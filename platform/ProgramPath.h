#pragma once
// The path under which the running program is installed.

#include <string>

// The canonical absolute path of the running program file; empty when the
// system does not tell.
std::string RunningProgramPath();
