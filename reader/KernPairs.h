#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_set>

// The glyph pairs a TrueType 'kern' table adjusts (format 0 subtables, horizontal kerning).
// Only which pairs kern is kept; the amounts come from the shaper itself.
class CKernPairs {
public:
    // Parses the table's bytes (Microsoft version 0 or Apple version 1 layout). An empty table
    // has no pairs; nullopt for a table with a kind of subtable the pair rule doesn't cover.
    static std::optional<CKernPairs> Parse(std::string_view table);

    bool Has(std::uint32_t left, std::uint32_t right) const {
        return m_lefts.contains(left) && m_pairs.contains(Key(left, right));
    }
    std::size_t Count() const { return m_pairs.size(); }

private:
    static std::uint64_t Key(std::uint32_t left, std::uint32_t right) {
        return (static_cast<std::uint64_t>(left) << 32) | right;
    }

    std::unordered_set<std::uint32_t> m_lefts;
    std::unordered_set<std::uint64_t> m_pairs;
};
