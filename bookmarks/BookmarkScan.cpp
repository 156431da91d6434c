#include "BookmarkScan.h"

#include "TextUtil.h"

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
}

CBookmarkScan::CBookmarkScan(std::string_view content, int maxListed)
    : m_rest(content), m_maxListed(maxListed) {
    if (m_rest.starts_with(kByteOrderMark)) {
        m_rest.remove_prefix(kByteOrderMark.size());
    }
}

BookmarkLineKind CBookmarkScan::ClassifyRecordLine(std::string_view line, BookmarkRecord& out,
                                                   bool& endsList) {
    endsList = false;
    if (line.size() > kMaxBookmarkLineBytes) {
        return BookmarkLineKind::Other;
    }
    const std::string_view content = StripLineEnd(line);
    // A blank line says nothing; ending the list there would hide every bookmark after it,
    // including each one appended later.
    if (TrimWhite(content).empty()) {
        return BookmarkLineKind::Other;
    }
    if (content.find(':') == std::string_view::npos) {
        endsList = true;
        return BookmarkLineKind::Other;
    }
    return ParseBookmarkRecord(content, out) ? BookmarkLineKind::Listed : BookmarkLineKind::Other;
}

bool CBookmarkScan::Next(BookmarkLine& out) {
    if (m_rest.empty()) {
        return false;
    }
    const auto feed = m_rest.find('\n');
    const std::size_t length = feed == std::string_view::npos ? m_rest.size() : feed + 1;
    out.text = m_rest.substr(0, length);
    m_rest.remove_prefix(length);
    out.number = 0;
    if (!m_seenHeader) {
        m_seenHeader = true;
        out.kind = BookmarkLineKind::Header;
        return true;
    }
    out.kind = BookmarkLineKind::Other;
    if (m_ended || m_listed >= m_maxListed) {
        return true;
    }
    bool endsList = false;
    if (ClassifyRecordLine(out.text, out.record, endsList) == BookmarkLineKind::Listed) {
        out.kind = BookmarkLineKind::Listed;
        out.number = ++m_listed;
    }
    m_ended = endsList;
    return true;
}
