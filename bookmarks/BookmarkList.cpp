#include "BookmarkList.h"

#include "BookCatalogue.h"
#include "BookmarkMessages.h"
#include "BookmarkVerses.h"
#include "TextUtil.h"

#include <utility>

CBookmarkList::CBookmarkList(std::string bookmarkPath) : m_path(std::move(bookmarkPath)) {}

bool CBookmarkList::Load() {
    return LoadBookmarks(m_path, m_table);
}

std::string CBookmarkList::StatusCaption() const {
    return StrFormat(kFmtStatusCaption, m_table.Count());
}

std::string CBookmarkList::NumberText(int row) {
    return StrFormat("%d", row + 1);
}

CBookmarkList::RowTexts CBookmarkList::Row(int row) const {
    RowTexts texts;
    if (!m_table.Contains(row)) {
        return texts;
    }
    const BookmarkRecord& r = m_table.At(row);
    texts[0] = NumberText(row);
    texts[1] = r.title;
    texts[2] = KoreanBookName(r.book);
    texts[3] = StrFormat("%d", r.chapter);
    texts[4] = r.firstVerse == r.lastVerse ? StrFormat("%d", r.firstVerse)
                                           : StrFormat("%d-%d", r.firstVerse, r.lastVerse);
    return texts;
}

std::string CBookmarkList::DeleteQuestion(int row) const {
    const RowTexts texts = Row(row);
    return StrFormat(kFmtDeleteQuestion, row + 1, texts[2].c_str(), texts[3].c_str(),
                     texts[4].c_str());
}

BookmarkViewText CBookmarkList::View(int row) const {
    BookmarkViewText view;
    if (!m_table.Contains(row)) {
        return view;
    }
    const RowTexts texts = Row(row);
    view.titleLine = texts[0] + " 번 : " + texts[1];
    view.referenceLine = "말씀 : " + texts[2] + "  " + texts[3] + "장 " + texts[4] + "절";
    const BookmarkRecord& r = m_table.At(row);
    view.body = ReadBookmarkBody(r.book, r.chapter, r.firstVerse, r.lastVerse, view.verseCount);
    return view;
}

BookmarkDeleteResult CBookmarkList::Delete(int row) {
    const BookmarkDeleteResult result = DeleteBookmarkRecord(m_path, m_table, row);
    if (result != BookmarkDeleteResult::Failed) {
        m_listMode = BookmarkListMode::View;
    }
    return result;
}

std::string_view CBookmarkList::DeleteMessage(BookmarkDeleteResult result) {
    switch (result) {
    case BookmarkDeleteResult::Deleted:
        return {};
    case BookmarkDeleteResult::Changed:
        return kMsgFileChanged;
    case BookmarkDeleteResult::Failed:
        return kMsgDeleteFailed;
    }
    return {};
}
