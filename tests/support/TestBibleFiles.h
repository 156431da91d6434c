#pragma once

#include "TempDir.h"

#include <functional>
#include <string>

// The shape of a small Korean and English Bible for tests: every chapter of the catalogue,
// with as many verses as `verseCount` says and the texts the two functions give.
struct TestBibleShape {
    std::function<int(int book, int chapter)> verseCount;
    std::function<std::string(int book, int chapter, int verse)> koreanText;
    std::function<std::string(int book, int chapter, int verse)> englishText;
};

// Three verses a chapter: "창세기 1장 2절 말씀" / "Word of Genesis 1:2".
TestBibleShape ThreeVerseBibles();

// Writes kbible.dat/.inx and ebible.dat/.inx of that shape into the folder.
void WriteTestBibles(const CTempDir& folder, const TestBibleShape& shape);

// Loads the folder's Bibles into the scripture store as the launcher does: text paths, chapter
// keys and both offset tables.
void LoadTestBibles(const CTempDir& folder);
