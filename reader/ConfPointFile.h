#pragma once

#include <string>
#include <string_view>

// The manual reading position of one Bible: one record under a header.
struct ConfPointRecord {
    int book = 0;
    int chapter = 0;
    int topLine = 0;
    int fontSize = 0;
    int parallel = 0;
};

struct ConfPointFormat {
    std::string_view fileName;
    std::string_view header;
};

extern const ConfPointFormat kKoreanConfPointFormat;  // kConfPoint.txt
extern const ConfPointFormat kEnglishConfPointFormat; // eConfPoint.txt

enum class ConfPointRead {
    Loaded,    // the record was read
    Missing,   // the file can't be opened
    Malformed, // no record line, fewer than five fields, no such chapter or no usable size
};

// Reads line 1 (ignored) and the record "book:chapter:top:size:parallel", each line up to 99
// characters. `record` is only written when the result is Loaded.
ConfPointRead ReadConfPoint(const std::string& path, ConfPointRecord& record);

// Header then "%d:%d:%d:%d:%d" with no line end: {2, 3, 0, 14, 1} -> header + "2:3:0:14:1".
std::string FormatConfPoint(const ConfPointFormat& format, const ConfPointRecord& record);

// Replaces the file whole, atomically; false (old file kept) when the write fails.
bool WriteConfPoint(const std::string& path, const ConfPointFormat& format,
                    const ConfPointRecord& record);
