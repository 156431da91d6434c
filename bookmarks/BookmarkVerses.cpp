#include "BookmarkVerses.h"

#include "ScriptureStore.h"
#include "VerseLine.h"

int ScanBookmarkVerses(int book, int chapter, int first, int last,
                       const std::function<void(int verse, std::string_view text)>& onVerse) {
    const int position = ChapterIndexOf(book, chapter);
    if (position >= kChapterTotal) {
        return 0;
    }
    CVerseLineReader reader;
    if (!reader.Open(g_koreanTextPath,
                     g_koreanChapterOffsets[static_cast<std::size_t>(position)])) {
        return 0;
    }
    int count = 0;
    VerseLine v;
    while (!reader.AtEnd() && reader.Next(v)) {
        if (IsPastChapter(v, book, chapter)) {
            break;
        }
        // Lines of an earlier chapter only stand here when the index is off; they are no part
        // of this chapter, whatever their verse numbers.
        if (v.book != book || v.chapter != chapter) {
            continue;
        }
        if (v.verse > last) {
            break;
        }
        if (v.verse >= first) {
            onVerse(v.verse, v.text);
            ++count;
        }
    }
    reader.Close();
    return count;
}

int CountExistingVerses(int book, int chapter, int first, int last) {
    return ScanBookmarkVerses(book, chapter, first, last, [](int, std::string_view) {});
}

std::string ReadBookmarkBody(int book, int chapter, int first, int last, int& verseCount) {
    std::string body;
    verseCount =
        ScanBookmarkVerses(book, chapter, first, last, [&body](int verse, std::string_view text) {
            body += '[';
            body += std::to_string(verse);
            body += "] ";
            body += text;
            body += "\r\n";
        });
    return body;
}
