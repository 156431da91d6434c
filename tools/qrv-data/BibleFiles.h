#pragma once

#include <string>
#include <string_view>
#include <vector>

// One verse of a Bible being imported; the text is already plain and on one line.
struct BibleVerse {
    int book = 0;
    int chapter = 0;
    int verse = 0;
    std::string text;
};

using BibleText = std::vector<BibleVerse>;

// Verses of the whole Bible in the catalogue's (KJV) versification.
inline constexpr int kVerseTotal = 31102;

// The two files of one Bible as they go to disk.
struct BibleFiles {
    std::string text;  // kbible.dat / ebible.dat: "book:chapter:verse text\n" per verse
    std::string index; // kbible.inx / ebible.inx: each chapter's byte offset, one per line
    int verseCount = 0;
};

// Folds every run of white space and control characters into one blank and trims both ends,
// so that a verse can never break its line: " a\r\n\tb  c " -> "a b c". Other characters
// (including non-ASCII spaces and "¶") are kept as they are.
std::string FoldWhiteSpace(std::string_view text);

// Chapter position 0..1188 -> (book, chapter) of the catalogue: 0 -> (1, 1), 929 -> (40, 1).
void ChapterAtPosition(int position, int& book, int& chapter);

// Formats verses that must come in canonical order, every chapter of the catalogue present,
// each chapter's verses ascending from 1. False with a message on the first violation.
bool FormatBibleFiles(const BibleText& verses, BibleFiles& files, std::string& error);

// Checks a written pair the way the reader will use it: the index has 1189 lines, every offset
// (loaded with LoadChapterIndex) starts the line of verse 1 of its chapter, and the text holds
// exactly `expectedVerses` verse lines. False with a message naming the file otherwise.
bool VerifyBiblePair(const std::string& textPath, const std::string& indexPath, int expectedVerses,
                     std::string& error);

// Writes `baseName`.dat and `baseName`.inx into `folder` (ending in '/'): both go to temporary
// files first and replace the old pair only after the new one has been verified. On failure the
// temporaries are removed, the old pair stays as it was, and `error` says why.
bool InstallBiblePair(const std::string& folder, std::string_view baseName, const BibleFiles& files,
                      int expectedVerses, std::string& error);
