#pragma once

#include "ChapterViewProfile.h"
#include "ComboList.h"

#include <string_view>

// The testament, book and chapter lists shared by the selector and the manual-bookmark dialogs,
// with the book and chapter they stand for. Item texts follow the view's language: testaments
// "구약" (1) / "신약" (2) or "OLD_TS" / "NEW_TS"; books by name with the book number as value;
// chapters "%3d 장" ("%3d 편" in the Psalms) or "%3d Ch" with the chapter number as value.
class CBookLists {
public:
    explicit CBookLists(const ChapterViewProfile& profile) : m_profile(profile) {}

    int m_selBook = 0;
    int m_selChapter = 0;
    ComboList m_testaments;
    ComboList m_books;
    ComboList m_chapters;

    // Shows m_selBook and m_selChapter: its testament, that testament's books with the book
    // selected, and the book's chapters with the chapter selected (none for a chapter outside).
    void FillBookLists();
    // Fills the book list with the chosen testament's books and empties the chapter list,
    // leaving both unselected with their prompt texts; m_selBook and m_selChapter stay.
    void TestamentChanged(int index);
    // Takes the chosen book into m_selBook, refills the chapters and selects chapter 1.
    // `chapterPrompt` is the chapter list's text between emptying and refilling it.
    void BookChanged(int index, std::string_view chapterPrompt = {});
    // Takes the chosen chapter into m_selChapter (a pick outside the items selects nothing).
    void ChapterChanged(int index);

private:
    void FillBooks(int testamentValue);
    void AddChapters();

    const ChapterViewProfile& m_profile;
};
