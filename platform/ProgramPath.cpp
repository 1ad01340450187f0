#include "platform/ProgramPath.h"

#include <filesystem>
#include <system_error>

std::string RunningProgramPath() {
  std::error_code ec;
  const std::filesystem::path path = std::filesystem::canonical("/proc/self/exe", ec);
  return ec ? std::string() : path.string();
}
