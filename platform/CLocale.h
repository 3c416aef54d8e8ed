// Number formatting and parsing in the C locale, whatever locale a window toolkit may have set for the process.
#pragma once

#include <cstdarg>
#include <string>

namespace platform {

std::string FormatC(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string VFormatC(const char* format, va_list args);

// atof/atoi/sscanf in the C locale: the leading number of text, 0 when there is none.
double AtofC(const char* text);
int AtoiC(const char* text);
int SscanfC(const char* text, const char* format, ...) __attribute__((format(scanf, 2, 3)));

}  // namespace platform
