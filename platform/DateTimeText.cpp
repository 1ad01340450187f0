#include "platform/DateTimeText.h"

#include <langinfo.h>
#include <locale.h>

#include <ctime>

namespace {

std::string Format(const char* format, const std::tm& tm, locale_t locale) {
  char buffer[256];
  const std::size_t n = strftime_l(buffer, sizeof buffer, format, &tm, locale);
  return std::string(buffer, n);
}

}  // namespace

std::string DateTimeText(std::chrono::system_clock::time_point t, const char* localeName) {
  locale_t locale = newlocale(LC_TIME_MASK, localeName, static_cast<locale_t>(nullptr));
  if (!locale) locale = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(nullptr));
  const std::time_t secs = std::chrono::system_clock::to_time_t(t);
  std::tm tm{};
  localtime_r(&secs, &tm);
  const bool midnight = tm.tm_hour == 0 && tm.tm_min == 0 && tm.tm_sec == 0 &&
                        t == std::chrono::floor<std::chrono::seconds>(t);
  std::string text = Format(nl_langinfo_l(D_FMT, locale), tm, locale);
  if (!midnight) {
    text.push_back(' ');
    text.append(Format(nl_langinfo_l(T_FMT, locale), tm, locale));
  }
  freelocale(locale);
  return text;
}
