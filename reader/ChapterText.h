#pragma once

#include "ScriptureStore.h"
#include "ViewLanguage.h"

#include <string>

// One Bible's text file and the chapter offsets into it.
struct ChapterSource {
    std::string textPath;
    const ChapterOffsetTable* offsets = nullptr;
};

// Title band of a chapter. Korean: (1, 3) -> "말씀 - 창세기 :   3 장";
// Psalms: (19, 23) -> "말씀 - 시편 :  23 편"; English: (19, 23) -> "Words - Psalms : 23".
std::string ChapterTitle(ViewLanguage language, int book, int chapter);

// The chapter as the view lays it out: "[%d] %s\n" per verse of the own Bible. With `parallel`,
// each verse is followed by the verse in the same place of the other Bible's chapter (paired by
// order, not by number); the text ends after the first own verse that has no partner. Empty for
// chapter 0 and for a pair that is no chapter. When the other Bible can't be opened, the own
// chapter is given alone.
std::string LoadChapterText(const ChapterSource& own, const ChapterSource& other, int book,
                            int chapter, bool parallel);
