#include "BookLists.h"

#include "BookCatalogue.h"

void CBookLists::FillBookLists() {
    m_testaments.Reset();
    m_testaments.Add(std::string(m_profile.testamentLabels[0]), 1);
    m_testaments.Add(std::string(m_profile.testamentLabels[1]), 2);
    const bool newTestament = m_selBook > kOldTestamentBooks;
    m_testaments.Select(newTestament ? 1 : 0);
    FillBooks(newTestament ? 2 : 1);
    m_books.Select(newTestament ? m_selBook - kOldTestamentBooks - 1 : m_selBook - 1);
    m_chapters.Reset();
    AddChapters();
    m_chapters.Select(m_selChapter - 1);
}

void CBookLists::TestamentChanged(int index) {
    if (!m_testaments.Select(index)) {
        return;
    }
    const int testament = m_testaments.SelectedValue();
    FillBooks(testament);
    m_books.editText = m_profile.bookListPrompt;
    m_chapters.Reset();
    m_chapters.editText = m_profile.chapterListPrompt;
}

void CBookLists::BookChanged(int index, std::string_view chapterPrompt) {
    if (!m_books.Select(index)) {
        return;
    }
    m_selBook = m_books.SelectedValue();
    m_chapters.Reset();
    m_chapters.editText = chapterPrompt;
    AddChapters();
    if (m_chapters.Select(0)) {
        m_selChapter = m_chapters.SelectedValue();
    }
}

void CBookLists::ChapterChanged(int index) {
    if (m_chapters.Select(index)) {
        m_selChapter = m_chapters.SelectedValue();
    }
}

void CBookLists::FillBooks(int testamentValue) {
    m_books.Reset();
    const int first = testamentValue == 1 ? 1 : kOldTestamentBooks + 1;
    const int last = testamentValue == 1 ? kOldTestamentBooks : kBookCount;
    for (int book = first; book <= last; ++book) {
        m_books.Add(std::string(m_profile.BookName(book)), book);
    }
}

void CBookLists::AddChapters() {
    const int count = ChapterCountOf(m_selBook);
    for (int n = 1; n <= count; ++n) {
        m_chapters.Add(m_profile.ChapterItemText(m_selBook, n), n);
    }
}
