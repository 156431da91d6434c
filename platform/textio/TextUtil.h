#pragma once

#include <string>
#include <string_view>

// Leading decimal digits of a field, as the C runtime converts them: leading white space and
// one sign are allowed, conversion stops at the first non-digit, no digits give 0, and values
// beyond the int range saturate. " 12abc" -> 12, "-3" -> -3, "abc" -> 0, "" -> 0.
int ParseLeadingInt(std::string_view text);

// printf-style formatting into a std::string ("%3d 장", 7 -> "  7 장").
std::string StrFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

bool IsWhite(char c);
// Removes leading and trailing blanks, tabs and line ends.
std::string_view TrimWhite(std::string_view text);
std::string_view TrimLeftWhite(std::string_view text);
std::string_view TrimRightWhite(std::string_view text);
// Drops one trailing "\n" or "\r\n".
std::string_view StripLineEnd(std::string_view line);

// Number of characters (code points) of UTF-8 text.
std::size_t CharCount(std::string_view text);
