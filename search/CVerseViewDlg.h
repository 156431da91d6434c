#pragma once

#include "Dialog.h"
#include "HitRow.h"

#include <QFont>

#include <string>

// One keyword-search hit on a whole screen: the search word, the hit's number, book, chapter
// and verse, and the verse text in a scrolling box to copy from. Reads no file.
class CVerseViewDlg : public CDialog {
public:
    CVerseViewDlg();

    // The six texts, set before the screen opens.
    void SetFields(const VerseViewFields& fields);

protected:
    bool OnInitDialog() override;

private:
    void OnCopy();

    std::string m_searchWord;
    std::string m_numberText;
    std::string m_bookText;
    std::string m_chapterText;
    std::string m_verseText;
    std::string m_bodyText;
    QFont m_bodyFont;
};
