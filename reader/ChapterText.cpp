#include "ChapterText.h"

#include "TextUtil.h"
#include "VerseLine.h"

namespace {

void AppendVerse(std::string& text, const VerseLine& verse) {
    text += '[';
    text += std::to_string(verse.verse);
    text += "] ";
    text += verse.text;
    text += '\n';
}

bool OpenAtChapter(CVerseLineReader& reader, const ChapterSource& source, int position) {
    return source.offsets != nullptr && reader.Open(source.textPath, (*source.offsets)[position]);
}

} // namespace

std::string ChapterTitle(ViewLanguage language, int book, int chapter) {
    if (language == ViewLanguage::English) {
        const std::string name(EnglishBookName(book));
        return StrFormat("Words - %s : %ld", name.c_str(), static_cast<long>(chapter));
    }
    const std::string name(KoreanBookName(book));
    return StrFormat(book == kPsalmsBook ? "말씀 - %s : %3d 편" : "말씀 - %s : %3d 장",
                     name.c_str(), chapter);
}

std::string LoadChapterText(const ChapterSource& own, const ChapterSource& other, int book,
                            int chapter, bool parallel) {
    std::string text;
    // A pair that is no chapter would seek to the last chapter's offset, whose verses read as
    // chapter 23 of Revelation; it shows nothing instead.
    if (chapter == 0 || !IsValidChapter(book, chapter)) {
        return text;
    }
    const int position = ChapterIndexOf(book, chapter);
    CVerseLineReader ownReader;
    if (!OpenAtChapter(ownReader, own, position)) {
        return text;
    }
    CVerseLineReader otherReader;
    if (parallel && !OpenAtChapter(otherReader, other, position)) {
        parallel = false;
    }
    VerseLine verse;
    while (!ownReader.AtEnd()) {
        if (!ownReader.Next(verse) || IsPastChapter(verse, book, chapter)) {
            break;
        }
        AppendVerse(text, verse);
        if (parallel) {
            if (!otherReader.Next(verse) || IsPastChapter(verse, book, chapter)) {
                break;
            }
            AppendVerse(text, verse);
        }
    }
    return text;
}
