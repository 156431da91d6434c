#pragma once

#include "ChapterLayout.h"
#include "ChapterText.h"
#include "ConfPointFile.h"
#include "ReadPointFile.h"
#include "ViewLanguage.h"

#include <array>
#include <string>
#include <string_view>

// Everything in which the Korean and the English chapter view (and their pop-ups) differ; the
// rest of their behaviour is one code path.
struct ChapterViewProfile {
    ViewLanguage language;
    std::string_view screenCaption; // "한글성경" / "영어성경"
    WrapStyle wrap;                 // characters at 205 px / words at 212 px
    bool scrollBarPagesWholePage;   // English: the scroll bar's own page step is a whole page
    bool recordsLastKoreanBook;     // Korean: g_lastKoreanBook follows the view on closing
    bool selectorConfirms;          // Korean: the selector's OK sets m_accepted, and the view
                                    // reloads only then; English: it reloads after any close
    bool refocusesAfterDialogs;     // Korean: selector and manual bookmark give the focus back
    std::string_view helpCaption;
    std::string_view helpText;
    const ReadPointFormat* readPoint;
    const ConfPointFormat* confPoint;
    std::array<std::string_view, 2> testamentLabels;
    std::string_view bookListPrompt;    // book list's edit text after a testament change
    std::string_view chapterListPrompt; // chapter list's edit text after a testament change
    std::string_view confChapterPrompt; // manual bookmark: chapter list's text on a book change

    // The view's own Bible and the other one (for parallel text), from the scripture store.
    ChapterSource OwnText() const;
    ChapterSource OtherText() const;
    std::string_view BookName(int book) const;
    // Chapter list item: Korean (19, 7) -> "  7 편", (1, 7) -> "  7 장"; English -> "  7 Ch".
    std::string ChapterItemText(int book, int chapter) const;
};

const ChapterViewProfile& KoreanViewProfile();
const ChapterViewProfile& EnglishViewProfile();
const ChapterViewProfile& ViewProfileOf(ViewLanguage language);
