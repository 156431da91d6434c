#pragma once

#include "TempDir.h"

#include <string>
#include <vector>

struct TestVerse {
    int book;
    int chapter;
    int verse;
    std::string text;
};

// A small Bible pair in a fresh data folder: kbible.dat/.inx and ebible.dat/.inx written from
// the verses given (canonical order), with an index line for every one of the 1189 chapters.
// Makes the folder the data folder and loads both indexes and the chapter keys.
class CTestBible {
public:
    CTestBible(const std::vector<TestVerse>& korean, const std::vector<TestVerse>& english);
    ~CTestBible();

    const CTempDir& Dir() const { return m_dir; }

private:
    CTempDir m_dir;
};

// n verses "<prefix> verse k" for verse k = 1..n of one chapter.
std::vector<TestVerse> ChapterVerses(int book, int chapter, int count, const std::string& prefix);
