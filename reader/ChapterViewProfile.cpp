#include "ChapterViewProfile.h"

#include "BookCatalogue.h"

namespace {

constexpr std::string_view kKoreanHelp = " 1. 성경 선택 \n"
                                         " 2. 수동 책갈피 \n"
                                         " 3. 북마크 \n"
                                         " 4. 한영 대조보기 \n"
                                         " 5. 폰트 색상 \n"
                                         " 6. 페이지 위로 \n"
                                         " 7. 페이지 아래로 \n"
                                         " 8. 도움말 \n"
                                         " 9. 종료 \n\n"
                                         "< 방향키 기능 > \n"
                                         " 방향 키 UP - 페이지 위로\n"
                                         " 방향 키 DOWN - 페이지 아래로\n"
                                         " 방향 키 LEFT - 이전 장\n"
                                         " 방향 키 RIGHT - 다음 장";

constexpr std::string_view kEnglishHelp = " 1. 성경 선택 \n"
                                          " 2. 수동 책갈피 \n"
                                          " 3. 영한 대조보기 \n"
                                          " 4. 폰트 색상 \n"
                                          " 5. 페이지 위로 \n"
                                          " 6. 페이지 아래로 \n"
                                          " 7. 도움말 \n"
                                          " 8. 종료 \n\n"
                                          "< 방향키 기능 > \n"
                                          " 화면 위 : 방향 키 UP\n"
                                          " 화면 아래 : 방향 키 DOWN\n"
                                          " 이전 장 : 방향 키 LEFT\n"
                                          " 다음 장 : 방향 키 RIGHT";

const ChapterViewProfile kKorean = {
    ViewLanguage::Korean,
    "한글성경",
    kKoreanWrap,
    false,
    true,
    true,
    true,
    "한글성경 툴바 아이콘",
    kKoreanHelp,
    &kKoreanReadPointFormat,
    &kKoreanConfPointFormat,
    g_koreanTestamentLabels,
    "성경선택",
    "",
    "장선택",
};

const ChapterViewProfile kEnglish = {
    ViewLanguage::English,
    "영어성경",
    kEnglishWrap,
    true,
    false,
    false,
    false,
    "영어성경 툴바 아이콘",
    kEnglishHelp,
    &kEnglishReadPointFormat,
    &kEnglishConfPointFormat,
    g_englishTestamentLabels,
    "Volume",
    "Chapter",
    "Chapter",
};

ChapterSource KoreanText() {
    return {g_koreanTextPath, &g_koreanChapterOffsets};
}
ChapterSource EnglishText() {
    return {g_englishTextPath, &g_englishChapterOffsets};
}

} // namespace

ChapterSource ChapterViewProfile::OwnText() const {
    return language == ViewLanguage::Korean ? KoreanText() : EnglishText();
}

ChapterSource ChapterViewProfile::OtherText() const {
    return language == ViewLanguage::Korean ? EnglishText() : KoreanText();
}

std::string_view ChapterViewProfile::BookName(int book) const {
    return language == ViewLanguage::Korean ? KoreanBookName(book) : EnglishBookName(book);
}

std::string ChapterViewProfile::ChapterItemText(int book, int chapter) const {
    return language == ViewLanguage::Korean ? KoreanChapterCaption(book, chapter)
                                            : EnglishChapterCaption(chapter);
}

const ChapterViewProfile& KoreanViewProfile() {
    return kKorean;
}
const ChapterViewProfile& EnglishViewProfile() {
    return kEnglish;
}

const ChapterViewProfile& ViewProfileOf(ViewLanguage language) {
    return language == ViewLanguage::Korean ? kKorean : kEnglish;
}
