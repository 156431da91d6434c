#pragma once

#include <string>
#include <string_view>

// Finds a byte string in a large buffer. Positions whose first and last bytes match are picked
// out 16 at a time (SSE2) and only those are compared whole; without SSE2 it is memmem.
class CSubstringFinder {
public:
    // Keeps its own copy of the needle.
    explicit CSubstringFinder(std::string_view needle) : m_needle(needle) {}

    // Start of the first occurrence lying wholly in [from, end), or nullptr. An empty needle
    // is found at `from` when from < end.
    const char* Find(const char* from, const char* end) const;

private:
    std::string m_needle;
};
