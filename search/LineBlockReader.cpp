#include "LineBlockReader.h"

#include <cstring>

CLineBlockReader::CLineBlockReader(std::size_t blockSize)
    : m_blockSize(blockSize < 16 ? 16 : blockSize) {}

CLineBlockReader::~CLineBlockReader() {
    Close();
}

bool CLineBlockReader::Open(const std::string& path, std::int64_t offset) {
    Close();
    m_file = std::fopen(path.c_str(), "rb");
    if (m_file == nullptr) {
        return false;
    }
    // Blocks are large; stdio's own buffer would only add a copy.
    std::setvbuf(m_file, nullptr, _IONBF, 0);
    m_carryStart = m_carryLength = 0;
    m_atStart = offset == 0;
    m_eof = offset < 0 || fseeko(m_file, static_cast<off_t>(offset), SEEK_SET) != 0;
    return true;
}

void CLineBlockReader::Close() {
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    m_buffer.reset();
    m_capacity = 0;
    m_carryStart = m_carryLength = 0;
    m_eof = true;
}

void CLineBlockReader::Grow() {
    const std::size_t capacity = m_capacity == 0 ? m_blockSize : m_capacity * 2;
    auto buffer = std::make_unique_for_overwrite<char[]>(capacity);
    if (m_carryLength > 0) {
        std::memcpy(buffer.get(), m_buffer.get() + m_carryStart, m_carryLength);
    }
    m_buffer = std::move(buffer);
    m_capacity = capacity;
    m_carryStart = 0;
}

bool CLineBlockReader::NextBlock(std::string_view& block) {
    if (m_file == nullptr) {
        return false;
    }
    if (m_capacity == 0) {
        Grow();
    }
    char* buf = m_buffer.get();
    if (m_carryLength > 0 && m_carryStart > 0) {
        std::memmove(buf, buf + m_carryStart, m_carryLength);
    }
    std::size_t begin = 0;
    std::size_t length = m_carryLength;
    std::size_t searchFrom = length; // the carried line holds no line feed
    m_carryStart = m_carryLength = 0;
    for (;;) {
        if (!m_eof) {
            if (length == m_capacity) {
                m_carryLength = length;
                Grow();
                m_carryLength = 0;
                buf = m_buffer.get();
            }
            const std::size_t want = m_capacity - length;
            const std::size_t got = std::fread(buf + length, 1, want, m_file);
            // A short read means the end of the file or a read error; either ends the file.
            m_eof = got < want;
            if (m_atStart) {
                m_atStart = false;
                if (length == 0 && got >= 3 && std::memcmp(buf, "\xEF\xBB\xBF", 3) == 0) {
                    begin = searchFrom = 3;
                }
            }
            length += got;
        }
        const void* nl = memrchr(buf + searchFrom, '\n', length - searchFrom);
        if (nl != nullptr) {
            const std::size_t end =
                static_cast<std::size_t>(static_cast<const char*>(nl) - buf) + 1;
            m_carryStart = end;
            m_carryLength = length - end;
            block = std::string_view(buf + begin, end - begin);
            return true;
        }
        if (m_eof) {
            if (length == begin) {
                return false;
            }
            block = std::string_view(buf + begin, length - begin);
            return true;
        }
        searchFrom = length;
    }
}
