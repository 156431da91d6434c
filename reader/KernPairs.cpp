#include "KernPairs.h"

namespace {

class CReader {
public:
    explicit CReader(std::string_view bytes) : m_bytes(bytes) {}
    bool Has(std::size_t at, std::size_t n) const {
        return at <= m_bytes.size() && n <= m_bytes.size() - at;
    }
    std::uint32_t U16(std::size_t at) const {
        return static_cast<std::uint32_t>(Byte(at) << 8 | Byte(at + 1));
    }
    std::uint32_t U32(std::size_t at) const { return U16(at) << 16 | U16(at + 2); }

private:
    std::uint32_t Byte(std::size_t at) const { return static_cast<unsigned char>(m_bytes[at]); }
    std::string_view m_bytes;
};

} // namespace

std::optional<CKernPairs> CKernPairs::Parse(std::string_view table) {
    CKernPairs pairs;
    if (table.empty()) {
        return pairs;
    }
    const CReader r(table);
    if (!r.Has(0, 4)) {
        return std::nullopt;
    }
    const bool apple = r.U16(0) == 1;
    std::size_t at = apple ? 8 : 4;
    if (!r.Has(0, at) || (!apple && r.U16(0) != 0)) {
        return std::nullopt;
    }
    const std::uint32_t tables = apple ? r.U32(4) : r.U16(2);
    for (std::uint32_t t = 0; t < tables; ++t) {
        const std::size_t header = apple ? 8 : 6;
        if (!r.Has(at, header)) {
            return std::nullopt;
        }
        std::size_t length = 0;
        bool usable = false;
        if (apple) {
            length = r.U32(at);
            const std::uint32_t coverage = r.U16(at + 4);
            usable = (coverage & 0xFF) == 0 && (coverage & 0xE000) == 0; // format 0, horizontal
        } else {
            length = r.U16(at + 2);
            const std::uint32_t coverage = r.U16(at + 4);
            // format 0, horizontal, kerning values (not minimums), not cross-stream
            usable = (coverage >> 8) == 0 && (coverage & 0x7) == 0x1;
        }
        if (!usable) {
            return std::nullopt;
        }
        const std::size_t body = at + header;
        if (!r.Has(body, 8)) {
            return std::nullopt;
        }
        const std::uint32_t count = r.U16(body);
        if (!r.Has(body + 8, static_cast<std::size_t>(count) * 6)) {
            return std::nullopt;
        }
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t pair = body + 8 + static_cast<std::size_t>(i) * 6;
            const std::uint32_t left = r.U16(pair);
            const std::uint32_t right = r.U16(pair + 2);
            if (r.U16(pair + 4) != 0) {
                pairs.m_lefts.insert(left);
                pairs.m_pairs.insert(Key(left, right));
            }
        }
        // A Microsoft subtable's 16-bit length overflows for large tables; the pairs are what
        // count.
        at = apple ? at + length : body + 8 + static_cast<std::size_t>(count) * 6;
    }
    return pairs;
}
