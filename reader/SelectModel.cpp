#include "SelectModel.h"

CSelectModel::CSelectModel(CChapterViewModel& view) : m_lists(view.Profile()), m_view(view) {}

void CSelectModel::Init() {
    m_lists.m_selBook = m_view.m_book;
    m_lists.m_selChapter = m_view.m_chapter;
    m_lists.FillBookLists();
}

void CSelectModel::OnTestamentChanged(int index) {
    m_lists.TestamentChanged(index);
}

void CSelectModel::OnBookChanged(int index) {
    m_lists.BookChanged(index, m_view.Profile().chapterListPrompt);
}

void CSelectModel::OnChapterChanged(int index) {
    m_lists.ChapterChanged(index);
}

void CSelectModel::OnOK() {
    if (m_lists.m_chapters.HasSelection()) {
        m_view.m_book = m_lists.m_selBook;
        m_view.m_chapter = m_lists.m_selChapter;
    }
    if (m_view.Profile().selectorConfirms) {
        m_view.m_accepted = true;
    }
}

void CSelectModel::OnCancel() {
    m_view.m_accepted = false;
}
