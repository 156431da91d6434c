#include "BookmarkTable.h"

#include <algorithm>
#include <utility>

const BookmarkRecord& CBookmarkTable::At(int row) const {
    static const BookmarkRecord kNone;
    return Contains(row) ? m_records[static_cast<std::size_t>(row)] : kNone;
}

bool CBookmarkTable::Add(BookmarkRecord record) {
    if (IsFull()) {
        return false;
    }
    m_records[static_cast<std::size_t>(m_bookmarkCount)] = std::move(record);
    ++m_bookmarkCount;
    return true;
}

bool CBookmarkTable::RemoveAt(int row) {
    if (!Contains(row)) {
        return false;
    }
    const auto first = m_records.begin() + row;
    const auto end = m_records.begin() + m_bookmarkCount;
    std::move(first + 1, end, first);
    *(end - 1) = BookmarkRecord{};
    --m_bookmarkCount;
    return true;
}

void CBookmarkTable::Clear() {
    for (int i = 0; i < m_bookmarkCount; ++i) {
        m_records[static_cast<std::size_t>(i)] = BookmarkRecord{};
    }
    m_bookmarkCount = 0;
}
