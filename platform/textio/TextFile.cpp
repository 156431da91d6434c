#include "TextFile.h"

#include <cstring>

namespace {
constexpr std::size_t kBufferSize = 64 * 1024;

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Bytes of the UTF-8 sequence that starts with `lead` (1 for anything malformed).
std::size_t SequenceLength(char lead) {
    const auto b = static_cast<unsigned char>(lead);
    if (b >= 0xF0 && b < 0xF8) {
        return 4;
    }
    if (b >= 0xE0) {
        return b < 0xF0 ? 3 : 1;
    }
    if (b >= 0xC0) {
        return 2;
    }
    return 1;
}
} // namespace

CTextFile::~CTextFile() {
    Close();
}

bool CTextFile::Open(const std::string& path, const char* mode) {
    Close();
    std::string m(mode);
    const char* stdioMode = nullptr;
    if (m == "r") {
        stdioMode = "rb";
    } else if (m == "w") {
        stdioMode = "wb";
    } else if (m == "a") {
        stdioMode = "ab";
    } else {
        return false;
    }
    m_file = std::fopen(path.c_str(), stdioMode);
    if (m_file == nullptr) {
        return false;
    }
    m_reading = (m == "r");
    m_atEnd = false;
    m_failed = false;
    m_atStart = m_reading;
    m_pos = m_len = 0;
    if (m_reading) {
        m_buffer.resize(kBufferSize);
    }
    return true;
}

bool CTextFile::Fill() {
    if (m_pos < m_len) {
        return true;
    }
    m_pos = 0;
    m_len = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file);
    if (m_atStart && m_len >= 3 && std::memcmp(m_buffer.data(), "\xEF\xBB\xBF", 3) == 0) {
        m_pos = 3;
    }
    m_atStart = false;
    return m_pos < m_len;
}

bool CTextFile::ReadLine(std::string& line, int maxChars) {
    if (m_file == nullptr || !m_reading || maxChars < 2) {
        return false;
    }
    std::size_t budget = static_cast<std::size_t>(maxChars) - 1; // characters still allowed
    std::size_t pendingCont = 0; // continuation bytes still owed to the last character
    bool readAny = false;
    auto take = [&](const char* p, std::size_t n) {
        if (!readAny) {
            line.clear();
            readAny = true;
        }
        line.append(p, n);
        m_pos += n;
    };
    for (;;) {
        if (m_pos >= m_len && !Fill()) {
            m_atEnd = true;
            break;
        }
        const char* p = m_buffer.data() + m_pos;
        const std::size_t avail = m_len - m_pos;
        // Fast path: a line feed within `budget` bytes means at most `budget` characters.
        if (pendingCont == 0 && budget > 0) {
            const std::size_t window = avail < budget ? avail : budget;
            if (const void* nl = std::memchr(p, '\n', window)) {
                take(p, static_cast<std::size_t>(static_cast<const char*>(nl) - p) + 1);
                break;
            }
        }
        std::size_t i = 0;
        bool done = false;
        while (i < avail) {
            const char c = p[i];
            if (pendingCont > 0 && IsContinuationByte(c)) {
                --pendingCont;
                ++i;
                continue;
            }
            pendingCont = 0;
            if (budget == 0) {
                done = true;
                break;
            }
            --budget;
            pendingCont = SequenceLength(c) - 1;
            ++i;
            if (c == '\n') {
                done = true;
                break;
            }
        }
        if (i > 0) {
            take(p, i);
        }
        // Stop without peeking further once the budget is spent and the last character is whole,
        // as fgetws does: the end flag is then not raised.
        if (done || (budget == 0 && pendingCont == 0)) {
            break;
        }
    }
    return readAny;
}

bool CTextFile::Seek(std::int64_t offset) {
    if (m_file == nullptr || offset < 0) {
        return false;
    }
    if (!m_reading && std::fflush(m_file) != 0) {
        m_failed = true;
    }
    if (fseeko(m_file, static_cast<off_t>(offset), SEEK_SET) != 0) {
        return false;
    }
    m_pos = m_len = 0;
    m_atEnd = false;
    m_atStart = (offset == 0);
    return true;
}

bool CTextFile::Write(std::string_view text) {
    if (m_file == nullptr || m_reading) {
        return false;
    }
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), m_file) != text.size()) {
        m_failed = true;
    }
    return !m_failed;
}

bool CTextFile::Close() {
    if (m_file == nullptr) {
        return true;
    }
    bool ok = !m_failed;
    if (std::fclose(m_file) != 0) {
        ok = false;
    }
    m_file = nullptr;
    m_buffer.clear();
    m_buffer.shrink_to_fit();
    m_pos = m_len = 0;
    return ok;
}

bool ReadWholeFile(const std::string& path, std::string& content) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) {
        return false;
    }
    content.clear();
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        content.append(buf, n);
    }
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}
