#pragma once
// A date and time as the desktop shows it: the locale's date format, a space
// and its time format (LC_TIME of the environment: LC_ALL, LC_TIME or LANG).

#include <chrono>
#include <string>

// The local date of `t` and, unless it is exactly midnight, a space and its
// local time. `localeName` "" is the desktop's locale; a locale that is not
// installed falls back to "C".
std::string DateTimeText(std::chrono::system_clock::time_point t, const char* localeName = "");
