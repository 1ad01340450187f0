#include "app/CommandLine.h"

#include "platform/AsciiText.h"

namespace {

// Position of the extension's dot in the file-name part of the path, or npos.
std::size_t ExtensionDot(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos) return std::string::npos;
  if (slash != std::string::npos && dot < slash) return std::string::npos;
  return dot;
}

}  // namespace

CommandLineRequest ParseCommandLine(const std::vector<std::string>& args) {
  CommandLineRequest request;
  for (const std::string& arg : args) {
    const std::string upper = UpperCaseAscii(arg);
    // "/" separates the folders of a path here, so a data file's path may
    // hold "/P" ("/home/pat/acme.qmr"): an argument naming a data file is
    // always the file, never the print switch.
    if (upper.find(".QMR") != std::string::npos) {
      request.fileName = arg;
    } else if (upper.find("/P") != std::string::npos) {
      request.print = true;
    }
  }
  return request;
}

std::string CompleteNewFileExtension(const std::string& fileName) {
  const std::size_t dot = ExtensionDot(fileName);
  if (dot == std::string::npos) return fileName + ".qmr";
  const std::string extension = fileName.substr(dot);
  if (extension == ".") return fileName + "qmr";
  if (extension == ".   ") return fileName.substr(0, fileName.size() - 4) + ".qmr";
  return fileName;
}
