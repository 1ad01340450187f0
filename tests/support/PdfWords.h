#pragma once
// The words of a PDF file with their places, as poppler's `pdftotext -bbox`
// reads them back: how the PDF tests check where the text landed.

#include <cstdio>
#include <optional>
#include <regex>
#include <string>
#include <vector>

// A word of the file: its page (from 1), its box in points from the sheet's
// top-left corner, and its text (XML entities as pdftotext writes them).
struct PdfWord {
  int page = 0;
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  std::string text;
};

// What a shell command prints.
inline std::string CommandOutput(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  pclose(pipe);
  return out;
}

// Every word of the file, page by page; none when pdftotext cannot read it.
inline std::vector<PdfWord> ReadPdfWords(const std::string& pdf) {
  const std::string doc = CommandOutput("pdftotext -bbox '" + pdf + "' - 2>/dev/null");
  const std::regex item(
      R"re(<page |<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
  std::vector<PdfWord> words;
  int page = 0;
  for (auto it = std::sregex_iterator(doc.begin(), doc.end(), item); it != std::sregex_iterator();
       ++it) {
    if ((*it)[1].length() == 0) {
      ++page;
      continue;
    }
    words.push_back({page, std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]),
                     std::stod((*it)[4]), (*it)[5]});
  }
  return words;
}

// The first word of the file with this text.
inline std::optional<PdfWord> FindPdfWord(const std::vector<PdfWord>& words,
                                          const std::string& text) {
  for (const PdfWord& word : words) {
    if (word.text == text) return word;
  }
  return std::nullopt;
}
