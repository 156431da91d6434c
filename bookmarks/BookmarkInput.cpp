#include "BookmarkInput.h"

#include "BookCatalogue.h"
#include "BookmarkMessages.h"
#include "BookmarkRecord.h"
#include "BookmarkVerses.h"
#include "TextUtil.h"

#include <algorithm>

namespace {
BookmarkCheck Fail(std::string_view message, int focusId) {
    BookmarkCheck check;
    check.message = message;
    check.focusId = focusId;
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
    namespace id = AddBookmarkControl;
    const std::string_view title = TrimWhite(input.title);
    if (title.empty()) {
        return Fail(kMsgEnterTitle, id::kTitle);
    }
    // ':' separates the record's fields and a line break ends the record: either would cut the
    // bookmark apart when it is read back.
    if (title.find(':') != std::string_view::npos) {
        return Fail(kMsgTitleColon, id::kTitle);
    }
    if (title.find_first_of("\r\n") != std::string_view::npos) {
        return Fail(kMsgTitleLineBreak, id::kTitle);
    }
    if (input.testament != 0 && input.testament != 1) {
        return Fail(kMsgChooseTestament, id::kTestament);
    }
    if (!IsValidBook(input.book)) {
        return Fail(kMsgChooseBook, id::kBook);
    }
    if (!IsValidChapter(input.book, input.chapter)) {
        return Fail(kMsgChooseChapter, id::kChapter);
    }
    if (input.firstVerse.empty()) {
        return Fail(kMsgEnterVerse, id::kFirstVerse);
    }
    const int first = ParseLeadingInt(input.firstVerse);
    if (!InVerseRange(first)) {
        return Fail(kMsgBadNumber, id::kFirstVerse);
    }
    if (!input.lastVerse.empty() && !InVerseRange(ParseLeadingInt(input.lastVerse))) {
        return Fail(kMsgBadNumber, id::kLastVerse);
    }
    // The verse texts are stored as typed, so anything after the digits would be stored too.
    if (!DigitsOnly(input.firstVerse)) {
        return Fail(kMsgDigitsOnly, id::kFirstVerse);
    }
    if (!DigitsOnly(input.lastVerse)) {
        return Fail(kMsgDigitsOnly, id::kLastVerse);
    }
    const std::string_view lastText = input.lastVerse.empty() ? input.firstVerse : input.lastVerse;
    const int last = ParseLeadingInt(lastText);
    if (CountExistingVerses(input.book, input.chapter, first, last) == 0) {
        return Fail(kMsgNoSuchVerse, id::kFirstVerse);
    }
    std::string line =
        BuildBookmarkLine(title, input.book, input.chapter, input.firstVerse, lastText);
    if (CharCount(line) > static_cast<std::size_t>(kMaxRecordLineChars)) {
        return Fail(kMsgTitleTooLong, id::kTitle);
    }
    BookmarkCheck check;
    check.ok = true;
    check.line = std::move(line);
    check.book = input.book;
    check.chapter = input.chapter;
    return check;
}
