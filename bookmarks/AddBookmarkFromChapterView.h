#pragma once

class CWnd;

// The Korean chapter view's "북마크" command: numbers the new bookmark by the records in
// kBookMark.txt (creating the file when it is missing) and runs the add dialog preset to the
// chapter being read. When the file can be neither read nor created it says "북마크 화일
// 생성실패" and opens nothing. The view gives the focus back to its scroll bar afterwards.
void AddBookmarkFromChapterView(int book, int chapter, CWnd* view = nullptr);
