#include "ConfPointModel.h"

#include "ScriptureStore.h"

CConfPointModel::CConfPointModel(CChapterViewModel& view) : m_lists(view.Profile()), m_view(view) {}

void CConfPointModel::Init() {
    m_lists.m_selBook = m_view.m_book;
    m_lists.m_selChapter = m_view.m_chapter;
    m_markLine = m_view.m_topLine;
    m_markFontSize = m_view.m_fontSize;
    m_markParallel = m_view.m_parallel;
    m_lists.FillBookLists();
}

void CConfPointModel::OnTestamentChanged(int index) {
    m_lists.TestamentChanged(index);
}

void CConfPointModel::OnBookChanged(int index) {
    m_lists.BookChanged(index, m_view.Profile().confChapterPrompt);
}

void CConfPointModel::OnChapterChanged(int index) {
    m_lists.ChapterChanged(index);
}

std::string CConfPointModel::FilePath() const {
    return DataFilePath(m_view.Profile().confPoint->fileName);
}

ConfPointRecord CConfPointModel::Record() const {
    return {m_lists.m_selBook, m_lists.m_selChapter, m_markLine, m_markFontSize, m_markParallel};
}

ConfPointRead CConfPointModel::Load() {
    m_loaded = true;
    ConfPointRecord record;
    const ConfPointRead read = ReadConfPoint(FilePath(), record);
    if (read == ConfPointRead::Loaded) {
        m_lists.m_selBook = record.book;
        m_lists.m_selChapter = record.chapter;
        m_markLine = record.topLine;
        m_markFontSize = record.fontSize;
        m_markParallel = record.parallel;
    } else if (read == ConfPointRead::Missing) {
        // Created silently; a folder that refuses the file just leaves it missing.
        WriteConfPoint(FilePath(), *m_view.Profile().confPoint, Record());
    }
    m_lists.FillBookLists();
    return read;
}

ConfPointSave CConfPointModel::Save() {
    m_loaded = false;
    if (!m_lists.m_chapters.HasSelection()) {
        return ConfPointSave::NothingSelected;
    }
    m_lists.m_selBook = m_lists.m_books.SelectedValue(m_lists.m_selBook);
    m_lists.m_selChapter = m_lists.m_chapters.SelectedValue();
    if (m_lists.m_selBook != m_view.m_book || m_lists.m_selChapter != m_view.m_chapter) {
        m_markLine = 0;
    }
    return WriteConfPoint(FilePath(), *m_view.Profile().confPoint, Record())
               ? ConfPointSave::Saved
               : ConfPointSave::Failed;
}

void CConfPointModel::OnOK() {
    if (!m_loaded) {
        m_view.m_accepted = false;
        return;
    }
    if (!m_lists.m_chapters.HasSelection()) {
        return;
    }
    m_lists.m_selChapter = m_lists.m_chapters.SelectedValue();
    m_lists.m_selBook = m_lists.m_books.SelectedValue(m_lists.m_selBook);
    m_view.m_book = m_lists.m_selBook;
    m_view.m_chapter = m_lists.m_selChapter;
    m_view.m_topLine = m_markLine;
    m_view.m_fontSize = m_markFontSize;
    m_view.m_parallel = m_markParallel;
    m_view.m_accepted = true;
    m_view.m_keepTopLine = true;
}

void CConfPointModel::OnCancel() {
    m_view.m_accepted = false;
}
