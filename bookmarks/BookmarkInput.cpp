#include "BookmarkInput.h"

#include "BookCatalogue.h"
#include "BookmarkMessages.h"
#include "BookmarkRecord.h"
#include "BookmarkVerses.h"
#include "TextUtil.h"

#include <algorithm>

namespace {
BookmarkCheck Fail(std::string_view message, BookmarkField field) {
    BookmarkCheck check;
    check.message = message;
    check.field = field;
    return check;
}

bool InVerseRange(int value) {
    return value >= 1 && value <= kMaxVerseNumber;
}

bool DigitsOnly(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}
} // namespace

BookmarkCheck CheckBookmarkInput(const BookmarkInput& input) {
    using enum BookmarkField;
    const std::string_view title = TrimWhite(input.title);
    if (title.empty()) {
        return Fail(kMsgEnterTitle, Title);
    }
    // ':' separates the record's fields and a line break ends the record: either would cut the
    // bookmark apart when it is read back.
    if (title.find(':') != std::string_view::npos) {
        return Fail(kMsgTitleColon, Title);
    }
    if (title.find_first_of("\r\n") != std::string_view::npos) {
        return Fail(kMsgTitleLineBreak, Title);
    }
    if (input.testament != 0 && input.testament != 1) {
        return Fail(kMsgChooseTestament, Testament);
    }
    if (!IsValidBook(input.book)) {
        return Fail(kMsgChooseBook, Book);
    }
    if (!IsValidChapter(input.book, input.chapter)) {
        return Fail(kMsgChooseChapter, Chapter);
    }
    if (input.firstVerse.empty()) {
        return Fail(kMsgEnterVerse, FirstVerse);
    }
    const int first = ParseLeadingInt(input.firstVerse);
    if (!InVerseRange(first)) {
        return Fail(kMsgBadNumber, FirstVerse);
    }
    if (!input.lastVerse.empty() && !InVerseRange(ParseLeadingInt(input.lastVerse))) {
        return Fail(kMsgBadNumber, LastVerse);
    }
    // The verse texts are stored as typed, so anything after the digits would be stored too.
    if (!DigitsOnly(input.firstVerse)) {
        return Fail(kMsgDigitsOnly, FirstVerse);
    }
    if (!DigitsOnly(input.lastVerse)) {
        return Fail(kMsgDigitsOnly, LastVerse);
    }
    const std::string_view lastText = input.lastVerse.empty() ? input.firstVerse : input.lastVerse;
    const int last = ParseLeadingInt(lastText);
    if (CountExistingVerses(input.book, input.chapter, first, last) == 0) {
        return Fail(kMsgNoSuchVerse, FirstVerse);
    }
    std::string line =
        BuildBookmarkLine(title, input.book, input.chapter, input.firstVerse, lastText);
    if (CharCount(line) > static_cast<std::size_t>(kMaxRecordLineChars)) {
        return Fail(kMsgTitleTooLong, Title);
    }
    BookmarkCheck check;
    check.ok = true;
    check.line = std::move(line);
    check.book = input.book;
    check.chapter = input.chapter;
    return check;
}
