#include "ResourceIds.h"
#include "TemplateRegistry.h"

// Bookmark list, bookmark view and the add-bookmark screen.
// clang-format off
namespace {
using K = ControlKind;
constexpr std::uint32_t kDropDown = CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP;
constexpr std::uint32_t kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;

constexpr ControlTemplate kBookmarks[] = {
    {IDC_BOOKMARK_STATUS, K::GroupBox, 2, 3, 134, 23, "상태", 0},
    {IDC_BOOKMARK_MODE_VIEW, K::RadioButton, 9, 12, 28, 9, "보기", WS_GROUP | WS_TABSTOP},
    {IDC_BOOKMARK_MODE_ADD, K::RadioButton, 57, 12, 28, 9, "추가", 0},
    {IDC_BOOKMARK_MODE_DELETE, K::RadioButton, 105, 12, 28, 9, "삭제", 0},
    {IDC_BOOKMARK_LIST, K::ListView, 2, 29, 134, 122, "", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP},
};

constexpr ControlTemplate kBookmarkView[] = {
    {IDC_BOOKMARK_TITLE_LINE, K::Static, 1, 1, 132, 10, "", 0},
    {IDC_BOOKMARK_REFERENCE_LINE, K::Static, 1, 15, 132, 10, "", 0},
    {IDC_BOOKMARK_BODY, K::Edit, 1, 30, 135, 122, "", ES_MULTILINE | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
};

constexpr ControlTemplate kAddBookmark[] = {
    {IDC_STATIC, K::Static, 3, 2, 21, 11, "순번: ", 0},
    {IDC_ADD_NUMBER, K::Static, 32, 2, 30, 11, "", 0},
    {IDC_STATIC, K::Static, 3, 18, 21, 11, "제목:", 0},
    {IDC_ADD_TITLE, K::Edit, 30, 16, 97, 12, "", kEdit},
    {IDC_STATIC, K::Static, 3, 34, 21, 11, "성경: ", 0},
    {IDC_ADD_TESTAMENT, K::ComboBox, 30, 33, 35, 45, "", kDropDown},
    {IDC_ADD_BOOK, K::ComboBox, 68, 33, 60, 98, "", kDropDown},
    {IDC_STATIC, K::Static, 3, 52, 21, 11, "본문: ", 0},
    {IDC_ADD_CHAPTER, K::ComboBox, 30, 51, 35, 90, "", kDropDown},
    {IDC_ADD_FIRST_VERSE, K::Edit, 69, 51, 24, 12, "", kEdit},
    {IDC_STATIC, K::Static, 94, 52, 10, 8, "~", 0},
    {IDC_ADD_LAST_VERSE, K::Edit, 101, 51, 22, 12, "", kEdit},
    {IDC_STATIC, K::Static, 125, 53, 11, 10, "절", 0},
    {IDC_ADD_SAVE, K::PushButton, 33, 81, 30, 12, "저장", WS_TABSTOP},
    {IDC_ADD_CANCEL, K::PushButton, 74, 81, 30, 12, "취소", WS_TABSTOP},
};
} // namespace

const DialogTemplate kBookmarksTemplate{IDD_BOOKMARKS, "북마크", 138, 154, "System", 10, true, kBookmarks};
const DialogTemplate kBookmarkViewTemplate{IDD_BOOKMARK_VIEW, "북마크 보기", 138, 154, "System", 10, true, kBookmarkView};
const DialogTemplate kAddBookmarkTemplate{IDD_ADD_BOOKMARK, "북마크 추가", 138, 154, "System", 10, true, kAddBookmark};
// clang-format on
