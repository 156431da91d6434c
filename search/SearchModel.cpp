#include "SearchModel.h"

#include "SearchLimits.h"
#include "TextUtil.h"
#include "VerseLookup.h"

const std::array<std::string_view, 2> g_searchLanguageTexts = {"한글성경", "영어성경"};

namespace {
constexpr std::string_view kInputErrorCaption = "입력 오류";

std::string_view FileNameOf(std::string_view path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}
} // namespace

CSearchModel::CSearchModel()
    : CSearchModel({&g_koreanTextPath, &g_koreanChapterOffsets},
                   {&g_englishTextPath, &g_englishChapterOffsets}) {}

CSearchModel::CSearchModel(BibleSource korean, BibleSource english)
    : m_korean(korean), m_english(english) {}

const BibleSource& CSearchModel::Source(int language) const {
    return language == kEnglishBible ? m_english : m_korean;
}

std::vector<ComboItem> CSearchModel::SelectScope(int scope) {
    m_scope = scope;
    m_selectedBook = -1;
    m_selectedChapter = -1;
    return BookItemsOfScope(scope);
}

std::vector<ComboItem> CSearchModel::SelectBook(int book) {
    m_selectedBook = book;
    m_selectedChapter = -1;
    return ChapterItemsOfBook(book);
}

LookupStatus CSearchModel::LookupVerses(std::string_view firstEdit, std::string_view lastEdit) {
    if (m_selectedBook == -1) {
        return LookupStatus::kNoBook;
    }
    if (m_selectedChapter == -1) {
        return LookupStatus::kNoChapter;
    }
    VerseRange range;
    if (!ParseVerseRange(firstEdit, lastEdit, range)) {
        return LookupStatus::kNoFirstVerse;
    }
    // Each lookup starts from empty arrays, so no line of an earlier lookup can show through.
    m_koreanLines.clear();
    m_englishLines.clear();
    m_displayText.clear();
    m_parallelText.clear();
    const bool koreanRead = ReadLookupLines(*m_korean.textPath, *m_korean.offsets, m_selectedBook,
                                            m_selectedChapter, range, m_koreanLines);
    const bool englishRead =
        ReadLookupLines(*m_english.textPath, *m_english.offsets, m_selectedBook, m_selectedChapter,
                        range, m_englishLines);
    const bool english = m_language == kEnglishBible;
    if (!(english ? englishRead : koreanRead)) {
        return LookupStatus::kTextUnavailable;
    }
    m_hasOtherLanguage = english ? koreanRead : englishRead;
    m_lookupLanguage = m_language;
    // The chosen language's own verses lead, whatever the other language holds.
    ComposeLookupTexts(english ? m_englishLines : m_koreanLines,
                       english ? m_koreanLines : m_englishLines, m_displayText, m_parallelText);
    return LookupStatus::kShown;
}

KeywordStatus CSearchModel::SearchKeyword(std::string_view wordEdit) {
    m_displayText.clear();
    m_parallelText.clear();
    const std::string_view word = TrimWhite(wordEdit);
    if (word.empty()) {
        return KeywordStatus::kEmptyWord;
    }
    m_searchWord.assign(word);
    m_hits.clear();
    m_hitCount = 0;
    const int kind = ChooseSearchKind(m_scope, m_selectedBook, m_selectedChapter);
    const SearchRange range = SearchRangeOf(kind, m_selectedBook, m_selectedChapter);
    const BibleSource& source = Source(m_language);
    KeywordScanResult result =
        ScanKeyword(*source.textPath, *source.offsets, range, m_searchWord, MaxHitsOf(m_limitCode));
    m_hits = std::move(result.hits);
    m_hitCount = static_cast<std::int32_t>(m_hits.size());
    if (!result.opened) {
        return KeywordStatus::kTextUnavailable;
    }
    return m_hitCount == 0 ? KeywordStatus::kNoHits : KeywordStatus::kFound;
}

HitRowTexts CSearchModel::HitRow(int row) const {
    if (row < 0 || row >= m_hitCount) {
        return {};
    }
    return MakeHitRow(row + 1, m_hits[static_cast<std::size_t>(row)]);
}

VerseViewFields CSearchModel::VerseViewOf(int row) const {
    return MakeVerseViewFields(m_searchWord, HitRow(row));
}

SearchMessage CSearchModel::TextUnavailableMessage(int language) const {
    const std::string& path = *Source(language).textPath;
    return {"", StrFormat("%s 파일을 열 수 없습니다.", std::string(FileNameOf(path)).c_str()),
            true};
}

bool CSearchModel::MessageFor(LookupStatus status, SearchMessage& message) const {
    switch (status) {
    case LookupStatus::kShown:
        return false;
    case LookupStatus::kNoBook:
        message = {std::string(kInputErrorCaption), "성경을 선택해 주세요", true};
        return true;
    case LookupStatus::kNoChapter:
        message = {std::string(kInputErrorCaption), "장을 선택해 주세요", true};
        return true;
    case LookupStatus::kNoFirstVerse:
        message = {std::string(kInputErrorCaption), "숫자를 입력해 주세요", true};
        return true;
    case LookupStatus::kTextUnavailable:
        message = TextUnavailableMessage(m_language);
        return true;
    }
    return false;
}

bool CSearchModel::MessageFor(KeywordStatus status, SearchMessage& message) const {
    switch (status) {
    case KeywordStatus::kFound:
        return false;
    case KeywordStatus::kEmptyWord:
        message = {std::string(kInputErrorCaption), "검색어를 입력하십시오.", true};
        return true;
    case KeywordStatus::kNoHits:
        message = {"", "검색된 결과가 없습니다.", false};
        return true;
    case KeywordStatus::kTextUnavailable:
        message = TextUnavailableMessage(m_language);
        return true;
    }
    return false;
}

bool CSearchModel::OtherLanguageMessage(SearchMessage& message) const {
    if (m_hasOtherLanguage) {
        return false;
    }
    // The language box may have changed since; the parallel text is the lookup's.
    message =
        TextUnavailableMessage(m_lookupLanguage == kEnglishBible ? kKoreanBible : kEnglishBible);
    return true;
}
