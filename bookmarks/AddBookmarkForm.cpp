#include "AddBookmarkForm.h"

#include "BookCatalogue.h"
#include "BookmarkFile.h"
#include "BookmarkMessages.h"
#include "TextUtil.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {
constexpr int kMaxNumber = std::numeric_limits<std::int16_t>::max();
}

CAddBookmarkForm::CAddBookmarkForm(std::string bookmarkPath, int nextNumber, int presetBook,
                                   int presetChapter)
    : m_path(std::move(bookmarkPath)),
      m_nextNumber(static_cast<std::int16_t>(std::clamp(nextNumber, 0, kMaxNumber))),
      m_presetBook(presetBook), m_presetChapter(presetChapter) {}

std::string CAddBookmarkForm::NumberText() const {
    return StrFormat("%d", m_nextNumber);
}

std::string CAddBookmarkForm::DefaultTitle() const {
    return StrFormat("BM%d", m_nextNumber);
}

AddBookmarkPreset CAddBookmarkForm::Preset() const {
    AddBookmarkPreset preset;
    if (!IsValidBook(m_presetBook)) {
        return preset;
    }
    preset.testament = TestamentOf(m_presetBook);
    preset.bookItem = TestamentListPosition(m_presetBook);
    if (IsValidChapter(m_presetBook, m_presetChapter)) {
        preset.chapterItem = m_presetChapter - 1;
    }
    return preset;
}

std::vector<ComboItem> CAddBookmarkForm::TestamentItems() {
    std::vector<ComboItem> items;
    for (int t = 0; t < 2; ++t) {
        items.push_back({std::string(g_koreanTestamentLabels[static_cast<std::size_t>(t)]), t});
    }
    return items;
}

std::vector<ComboItem> CAddBookmarkForm::BookItems(int testament) {
    const int from = testament == 1 ? kOldTestamentBooks + 1 : 1;
    const int to = testament == 1 ? kBookCount : kOldTestamentBooks;
    std::vector<ComboItem> items;
    items.reserve(static_cast<std::size_t>(to - from + 1));
    for (int book = from; book <= to; ++book) {
        items.push_back({std::string(KoreanBookName(book)), book});
    }
    return items;
}

std::vector<ComboItem> CAddBookmarkForm::ChapterItems(int book) {
    std::vector<ComboItem> items;
    for (int chapter = 1; chapter <= ChapterCountOf(book); ++chapter) {
        items.push_back({StrFormat("%3d 장", chapter), chapter});
    }
    return items;
}

SaveOutcome CAddBookmarkForm::SaveBookmark(const BookmarkInput& input) {
    SaveOutcome outcome;
    BookmarkCheck check = CheckBookmarkInput(input);
    if (!check.ok) {
        outcome.message = check.message;
        outcome.field = check.field;
        return outcome;
    }
    m_presetBook = check.book;
    m_presetChapter = check.chapter;
    if (!AppendBookmarkLine(m_path, check.line)) {
        outcome.message = kMsgSaveFailed;
        return outcome;
    }
    outcome.saved = true;
    outcome.message = StrFormat(kFmtAdded, m_nextNumber);
    if (m_nextNumber < kMaxNumber) {
        ++m_nextNumber;
    }
    return outcome;
}
