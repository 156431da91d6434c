#pragma once

#include "BookmarkRecord.h"

#include <array>
#include <cstdint>

// The loaded bookmarks: at most 200 records with 16-bit fields and a 16-bit count. Every access
// is range-checked, so a full table refuses further records instead of overrunning.
class CBookmarkTable {
public:
    static constexpr int kCapacity = 200;

    int Count() const { return m_bookmarkCount; }
    bool IsFull() const { return m_bookmarkCount >= kCapacity; }
    // Record at a 0-based row; an empty record for a row outside 0..Count()-1.
    const BookmarkRecord& At(int row) const;
    bool Contains(int row) const { return row >= 0 && row < m_bookmarkCount; }

    // Stores at the next slot; false when the table is full.
    bool Add(BookmarkRecord record);
    // Drops one row; later rows move up one slot. False for a row outside the table.
    bool RemoveAt(int row);
    void Clear();

private:
    std::array<BookmarkRecord, kCapacity> m_records;
    std::int16_t m_bookmarkCount = 0;
};
