#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// Line-oriented UTF-8 text file with the semantics of the C wide-character streams the
// program's file formats were defined with: fgetws-style line reads counted in characters
// (code points) and an end-of-file flag that is only raised by a read that met the end.
class CTextFile {
public:
    CTextFile() = default;
    ~CTextFile();
    CTextFile(const CTextFile&) = delete;
    CTextFile& operator=(const CTextFile&) = delete;

    // Opens with mode "r", "w" (truncate) or "a" (append). A byte-order mark is skipped on read.
    bool Open(const std::string& path, const char* mode);
    bool IsOpen() const { return m_file != nullptr; }

    // Reads at most maxChars - 1 characters, stopping after a line feed (kept in `line`).
    // Returns false, leaving `line` untouched, when nothing could be read.
    // "ab\ncd" with maxChars 10 -> "ab\n", then "cd" (end flag now set), then false.
    bool ReadLine(std::string& line, int maxChars);

    // True once a read has met the end of the file (feof), not merely reached it.
    bool AtEnd() const { return m_atEnd; }

    // Moves to a byte offset from the start and clears the end flag; false for a negative offset.
    bool Seek(std::int64_t offset);

    // Buffered write; failures surface in Write or Close.
    bool Write(std::string_view text);

    // Flushes and closes; false when any write or the flush failed.
    bool Close();

private:
    bool Fill();

    std::FILE* m_file = nullptr;
    bool m_reading = false;
    bool m_atEnd = false;
    bool m_failed = false;
    bool m_atStart = false; // next byte read is at offset 0 (where a byte-order mark may stand)
    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_len = 0;
};

// Reads a whole file; false when it can't be opened.
bool ReadWholeFile(const std::string& path, std::string& content);
