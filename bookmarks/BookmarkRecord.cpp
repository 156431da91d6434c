#include "BookmarkRecord.h"

#include "BookCatalogue.h"
#include "TextUtil.h"

#include <cstdint>
#include <limits>

namespace {
// Cuts `rest` at the first `sep`: the piece before goes to `piece`. False when there is no `sep`.
bool TakeField(std::string_view& rest, char sep, std::string_view& piece) {
    const auto at = rest.find(sep);
    if (at == std::string_view::npos) {
        return false;
    }
    piece = rest.substr(0, at);
    rest.remove_prefix(at + 1);
    return true;
}

bool ToInt16(std::string_view field, std::int16_t& out) {
    const int value = ParseLeadingInt(field);
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return false;
    }
    out = static_cast<std::int16_t>(value);
    return true;
}
} // namespace

bool BookmarkRecord::SameBookmark(const BookmarkRecord& other) const {
    return title == other.title && book == other.book && chapter == other.chapter &&
           firstVerse == other.firstVerse && lastVerse == other.lastVerse;
}

bool ParseBookmarkRecord(std::string_view line, BookmarkRecord& out) {
    std::string_view rest = StripLineEnd(line);
    std::string_view title, name, book, chapter, first;
    if (!TakeField(rest, ':', title) || !TakeField(rest, ':', name) ||
        !TakeField(rest, ':', book) || !TakeField(rest, ':', chapter) ||
        !TakeField(rest, '-', first)) {
        return false;
    }
    BookmarkRecord r;
    if (!ToInt16(book, r.book) || !IsValidBook(r.book) || !ToInt16(chapter, r.chapter) ||
        !ToInt16(first, r.firstVerse) || !ToInt16(rest, r.lastVerse)) {
        return false;
    }
    r.title.assign(title);
    r.bookName.assign(name);
    out = std::move(r);
    return true;
}

std::string FormatBookmarkRecord(const BookmarkRecord& record) {
    // Concatenated rather than "%s"-formatted so that no byte of the title can end it early.
    std::string line = record.title;
    line += ':';
    line += KoreanBookName(record.book);
    line += StrFormat(":%d:%d:%d-%d\n", record.book, record.chapter, record.firstVerse,
                      record.lastVerse);
    return line;
}

std::string BuildBookmarkLine(std::string_view title, int book, int chapter,
                              std::string_view firstVerse, std::string_view lastVerse) {
    std::string line(title);
    line += ':';
    line += KoreanBookName(book);
    line += StrFormat(":%d:%d:", book, chapter);
    line += firstVerse;
    line += '-';
    line += lastVerse;
    line += '\n';
    return line;
}

std::string BuildBookmarkLine(std::string_view title, int book, int chapter, int firstVerse,
                              int lastVerse) {
    return BuildBookmarkLine(title, book, chapter, std::to_string(firstVerse),
                             std::to_string(lastVerse));
}
