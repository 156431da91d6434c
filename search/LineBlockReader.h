#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

// Reads a text file forward from a byte offset in large blocks that hold whole lines only, so
// that a scan can search a block at once instead of line by line. A line longer than the
// buffer grows the buffer: lines are never split.
class CLineBlockReader {
public:
    static constexpr std::size_t kDefaultBlockSize = 64 * 1024;

    // Reads `blockSize` bytes at a time (at least 16); the buffer is allocated on the first read.
    explicit CLineBlockReader(std::size_t blockSize = kDefaultBlockSize);
    ~CLineBlockReader();
    CLineBlockReader(const CLineBlockReader&) = delete;
    CLineBlockReader& operator=(const CLineBlockReader&) = delete;

    // Opens `path` for reading at `offset`; false when the file can't be opened. A negative
    // offset yields no lines; a byte-order mark is skipped when reading starts at offset 0.
    bool Open(const std::string& path, std::int64_t offset);

    // The next run of whole lines, each ending in '\n' except the file's unterminated last
    // line. "a\nb\nc" (tiny buffer) -> "a\n", "b\n", "c", then false. Valid until the next call.
    bool NextBlock(std::string_view& block);

    // True when the block last returned reaches the end of the file.
    bool IsLastBlock() const { return m_eof && m_carryLength == 0; }

    // Closes the file and frees the buffer; NextBlock then yields nothing.
    void Close();

private:
    void Grow();

    std::FILE* m_file = nullptr;
    std::size_t m_blockSize;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_capacity = 0;
    std::size_t m_carryStart = 0; // unfinished line left after the last block
    std::size_t m_carryLength = 0;
    bool m_eof = false;
    bool m_atStart = false; // next read is at offset 0, where a byte-order mark may stand
};
