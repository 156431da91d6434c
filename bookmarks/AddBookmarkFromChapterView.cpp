#include "AddBookmarkFromChapterView.h"

#include "BookmarkFile.h"
#include "BookmarkMessages.h"
#include "CAddBookmarkDlg.h"
#include "MessageService.h"

#include <optional>

void AddBookmarkFromChapterView(int book, int chapter, CWnd* view) {
    const std::optional<int> number = CountBookmarkRecords(BookmarkFilePath());
    if (!number) {
        ShowMessage(kMsgFileCreateFailed);
        return;
    }
    CAddBookmarkDlg add(view);
    add.m_nextNumber = static_cast<std::int16_t>(*number);
    add.m_presetBook = book;
    add.m_presetChapter = chapter;
    add.DoModal();
}
