#include "BookCatalogue.h"

#include "TextUtil.h"

// clang-format off
const std::array<std::string_view, kBookCount> g_koreanBookNames = {
    "창세기",
    "출애굽기",
    "레위기",
    "민수기",
    "신명기",
    "여호수아",
    "사사기",
    "룻기",
    "사무엘상",
    "사무엘하",
    "열왕기상",
    "열왕기하",
    "역대상",
    "역대하",
    "에스라",
    "느헤미야",
    "에스더",
    "욥기",
    "시편",
    "잠언",
    "전도서",
    "아가",
    "이사야",
    "예레미야",
    "예레미야애가",
    "에스겔",
    "다니엘",
    "호세아",
    "요엘",
    "아모스",
    "오바댜",
    "요나",
    "미가",
    "나훔",
    "하박국",
    "스바냐",
    "학개",
    "스가랴",
    "말라기",
    "마태복음",
    "마가복음",
    "누가복음",
    "요한복음",
    "사도행전",
    "로마서",
    "고린도전서",
    "고린도후서",
    "갈라디아서",
    "에베소서",
    "빌립보서",
    "골로새서",
    "데살로니가전서",
    "데살로니가후서",
    "디모데전서",
    "디모데후서",
    "디도서",
    "빌레몬서",
    "히브리서",
    "야고보서",
    "베드로전서",
    "베드로후서",
    "요한1서",
    "요한2서",
    "요한3서",
    "유다서",
    "요한계시록",
};

const std::array<std::string_view, kBookCount> g_englishBookNames = {
    "Genesis",
    "Exodus",
    "Leviticus",
    "Numbers",
    "Deuteronomy",
    "Joshua",
    "Judges",
    "Ruth",
    "Samuel1",
    "Samuel2",
    "Kings1",
    "Kings2",
    "Chronicles1",
    "Chronicles2",
    "Ezra",
    "Nehemiah",
    "Esther",
    "Job",
    "Psalms",
    "Proverbs",
    "Ecclesiastes",
    "Song_of_Songs",
    "Isaiah",
    "Jeremiah",
    "Lamentations",
    "Ezekiel",
    "Daniel",
    "Hosea",
    "Joel",
    "Amos",
    "Obadiah",
    "Jonah",
    "Micah",
    "Nahum",
    "Habakkuk",
    "Zephaniah",
    "Haggai",
    "Zechariah",
    "Malachi",
    "Matthew",
    "Mark",
    "Luke",
    "John",
    "Acts",
    "Romans",
    "Corinthians1",
    "Corinthians2",
    "Galatians",
    "Ephesians",
    "Philippians",
    "Colossians",
    "Thessalonians1",
    "Thessalonians2",
    "Timothy1",
    "Timothy2",
    "Titus",
    "Philemon",
    "Hebrews",
    "James",
    "Peter1",
    "Peter2",
    "John1",
    "John2",
    "John3",
    "Jude",
    "Revelation",
};

const std::array<int, kBookCount> g_chapterCounts = {
    50, 40, 27, 36, 34, 24, 21, 4, 31, 24,
    22, 25, 29, 36, 10, 13, 10, 42, 150, 31,
    12, 8, 66, 52, 5, 48, 12, 14, 3, 9,
    1, 4, 7, 3, 3, 3, 2, 14, 4, 28,
    16, 24, 21, 28, 16, 16, 13, 6, 6, 4,
    4, 5, 3, 6, 4, 3, 1, 13, 5, 5,
    3, 5, 1, 1, 1, 22,
};

// clang-format on

bool IsValidBook(int book) {
    return book >= 1 && book <= kBookCount;
}

bool IsValidChapter(int book, int chapter) {
    return IsValidBook(book) && chapter >= 1 && chapter <= g_chapterCounts[book - 1];
}

std::string_view KoreanBookName(int book) {
    return IsValidBook(book) ? g_koreanBookNames[book - 1] : std::string_view();
}

std::string_view EnglishBookName(int book) {
    return IsValidBook(book) ? g_englishBookNames[book - 1] : std::string_view();
}

int ChapterCountOf(int book) {
    return IsValidBook(book) ? g_chapterCounts[book - 1] : 0;
}

int TestamentOf(int book) {
    return book > kOldTestamentBooks ? 1 : 0;
}

int TestamentListPosition(int book) {
    return book > kOldTestamentBooks ? book - kOldTestamentBooks - 1 : book - 1;
}

int BookAtTestamentPosition(int testament, int position) {
    return testament == 1 ? position + kOldTestamentBooks + 1 : position + 1;
}

std::string KoreanChapterCaption(int book, int chapter) {
    return StrFormat(book == kPsalmsBook ? "%3d 편" : "%3d 장", chapter);
}

std::string EnglishChapterCaption(int chapter) {
    return StrFormat("%3d Ch", chapter);
}
