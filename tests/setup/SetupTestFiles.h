#pragma once
// Small file helpers of setup's tests.

#include <utime.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

inline std::string ReadText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteText(const std::filesystem::path& file, const std::string& text) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

// Sets the last-write time to noon, local time, of the given day.
inline void SetDate(const std::filesystem::path& file, int year, int month, int day) {
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_hour = 12;
  local.tm_isdst = -1;
  const utimbuf times{std::mktime(&local), std::mktime(&local)};
  utime(file.c_str(), &times);
}
