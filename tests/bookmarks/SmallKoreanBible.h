#pragma once

#include "TempDir.h"

#include <string>

// A Korean text with a handful of chapters and a full 1189-line index, installed as the
// process-wide g_koreanTextPath and g_koreanChapterOffsets:
//   Genesis 1: verses 1..30        Psalms 119: verses 1..176
//   Romans 8: verses 1..39         Revelation 22: verses 1..3
// Every other chapter's offset is the end of the text, so it reads nothing.
class CSmallKoreanBible {
public:
    explicit CSmallKoreanBible(const CTempDir& dir);

    // A verse's text after its reference; it holds a ':' of its own: (45, 8, 28) -> "8장 28절 말씀:
    // 45권".
    static std::string VerseText(int book, int chapter, int verse);
};
