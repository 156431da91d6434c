#pragma once

#include "HitRow.h"
#include "KeywordScan.h"
#include "ScriptureStore.h"
#include "SearchScope.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Language box item data.
inline constexpr int kKoreanBible = 0;
inline constexpr int kEnglishBible = 1;
extern const std::array<std::string_view, 2> g_searchLanguageTexts;

// A Bible text file with its chapter offsets; both must outlive the model.
struct BibleSource {
    const std::string* textPath = nullptr;
    const ChapterOffsetTable* offsets = nullptr;
};

enum class LookupStatus { kShown, kNoBook, kNoChapter, kNoFirstVerse, kTextUnavailable };
enum class KeywordStatus { kFound, kEmptyWord, kNoHits, kTextUnavailable };

// A message box for the user; an empty caption means the program's title.
struct SearchMessage {
    std::string caption;
    std::string text;
    bool error = false;
};

// Everything of the search screen that is not a widget: the selections, the verse lookup and
// the keyword search with their results. The screen mirrors its boxes into it and shows what
// it answers.
class CSearchModel {
public:
    // Reads the process-wide Bible texts and offset tables.
    CSearchModel();
    // Reads the given texts (tests, or another data folder).
    CSearchModel(BibleSource korean, BibleSource english);

    // Language box: kKoreanBible or kEnglishBible.
    void SetLanguage(int language) { m_language = language; }
    int Language() const { return m_language; }
    // Limit box item data 0..6.
    void SetLimitCode(int limitCode) { m_limitCode = static_cast<std::int16_t>(limitCode); }
    int LimitCode() const { return m_limitCode; }

    // Scope change: clears the book and chapter choice and answers the book box's new items.
    std::vector<ComboItem> SelectScope(int scope);
    // Book change (-1 for none): clears the chapter choice and answers the chapter box's items.
    std::vector<ComboItem> SelectBook(int book);
    // Chapter change (-1 for none).
    void SelectChapter(int chapter) { m_selectedChapter = chapter; }
    // The current choices, -1 for none.
    int Scope() const { return m_scope; }
    int SelectedBook() const { return m_selectedBook; }
    int SelectedChapter() const { return m_selectedChapter; }

    // Looks up the verses of the chosen chapter given by the two verse edits' texts in both
    // languages and composes the display and parallel texts. ("", "") -> the whole chapter;
    // ("abc", "") -> kNoFirstVerse, texts unchanged.
    LookupStatus LookupVerses(std::string_view firstEdit, std::string_view lastEdit);

    // Searches the chosen language for the search edit's text, trimmed ("  빛 된 " -> "빛 된"),
    // with the kind the choices give and the limit. Always empties the display and parallel
    // texts; an empty word keeps the previous hits and their word.
    KeywordStatus SearchKeyword(std::string_view wordEdit);

    // The parallel command shows the parallel text only when a lookup left one.
    bool CanShowParallelText() const { return !m_parallelText.empty(); }

    // The last lookup's texts: the chosen language's lines, and those lines each followed by
    // the other language's line; the lines "[%d] %s\r\n" of each language.
    const std::string& DisplayText() const { return m_displayText; }
    const std::string& ParallelText() const { return m_parallelText; }
    const std::vector<std::string>& KoreanLines() const { return m_koreanLines; }
    const std::vector<std::string>& EnglishLines() const { return m_englishLines; }
    // False when the last lookup could not open the other language's text.
    bool HasOtherLanguage() const { return m_hasOtherLanguage; }
    // The message for a parallel text that lacks the other language because the last lookup
    // could not open its file: Korean lookup without ebible.dat -> "ebible.dat 파일을 열 수
    // 없습니다.". False when the other language was read.
    bool OtherLanguageMessage(SearchMessage& message) const;

    // The last keyword search: its trimmed word and its hits in file order.
    const std::string& SearchWord() const { return m_searchWord; }
    int HitCount() const { return m_hitCount; }
    const std::vector<SearchHit>& Hits() const { return m_hits; }
    // Texts of the hit list row `row` (0-based); all empty for a row that doesn't exist.
    HitRowTexts HitRow(int row) const;
    // The verse view's fields for the hit list row `row`.
    VerseViewFields VerseViewOf(int row) const;

    // The message to show for an outcome, if any (none for kShown / kFound).
    bool MessageFor(LookupStatus status, SearchMessage& message) const;
    bool MessageFor(KeywordStatus status, SearchMessage& message) const;

private:
    const BibleSource& Source(int language) const;
    SearchMessage TextUnavailableMessage(int language) const;

    BibleSource m_korean;
    BibleSource m_english;
    int m_language = kKoreanBible;
    int m_scope = kScopeWholeBible;
    std::int16_t m_limitCode = 0;
    std::int32_t m_selectedBook = -1;
    std::int32_t m_selectedChapter = -1;
    std::string m_searchWord;
    std::vector<std::string> m_koreanLines;
    std::vector<std::string> m_englishLines;
    std::string m_displayText;
    std::string m_parallelText;
    bool m_hasOtherLanguage = true;
    int m_lookupLanguage = kKoreanBible;
    std::vector<SearchHit> m_hits;
    std::int32_t m_hitCount = 0;
};
