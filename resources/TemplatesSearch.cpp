#include "ResourceIds.h"
#include "TemplateRegistry.h"

// Scripture search and the verse view. A label stands before the control it names.
// clang-format off
namespace {
using K = ControlKind;
constexpr std::uint32_t kDropDown = CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP;
constexpr std::uint32_t kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;

constexpr ControlTemplate kSearch[] = {
    {IDC_STATIC, K::Static, 1, 3, 20, 10, "방법", 0},
    {IDC_SEARCH_LIMIT, K::ComboBox, 22, 1, 50, 72, "", kDropDown},
    {IDC_STATIC, K::Static, 76, 3, 14, 10, "책", 0},
    {IDC_SEARCH_SCOPE, K::ComboBox, 91, 1, 42, 72, "", kDropDown},
    {IDC_STATIC, K::Static, 1, 17, 20, 10, "성경", 0},
    {IDC_SEARCH_BOOK, K::ComboBox, 22, 15, 50, 137, "", kDropDown},
    {IDC_STATIC, K::Static, 76, 17, 14, 10, "장", 0},
    {IDC_SEARCH_CHAPTER, K::ComboBox, 91, 15, 42, 136, "", kDropDown},
    {IDC_STATIC, K::Static, 1, 32, 38, 10, "구절 범위", 0},
    {IDC_SEARCH_FIRST_VERSE, K::Edit, 40, 30, 25, 12, "", kEdit},
    {IDC_STATIC, K::Static, 67, 32, 22, 10, "부터", 0},
    {IDC_SEARCH_LAST_VERSE, K::Edit, 90, 30, 24, 12, "", kEdit},
    {IDC_STATIC, K::Static, 116, 32, 20, 10, "까지", 0},
    {IDC_STATIC, K::Static, 1, 46, 38, 10, "검색어", 0},
    {IDC_SEARCH_WORD, K::Edit, 40, 44, 92, 12, "", kEdit},
    {IDC_SEARCH_LOOKUP, K::PushButton, 17, 59, 44, 12, "구절찾기", WS_TABSTOP},
    {IDC_SEARCH_FIND, K::PushButton, 70, 59, 50, 12, "검색어 찾기", WS_TABSTOP},
    {IDC_SEARCH_HITS, K::ListView, 2, 73, 135, 79, "", LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP},
    {IDC_SEARCH_TEXT, K::Edit, 2, 73, 136, 79, "", ES_MULTILINE | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
};

constexpr ControlTemplate kVerseView[] = {
    {IDC_STATIC, K::Static, 1, 1, 29, 9, "검색어", 0},
    {IDC_VERSE_WORD, K::Edit, 40, 1, 92, 12, "", kEdit},
    {IDC_VERSE_NUMBER, K::Edit, 1, 16, 25, 12, "", kEdit},
    {IDC_VERSE_BOOK, K::Edit, 26, 16, 53, 12, "", kEdit},
    {IDC_VERSE_CHAPTER, K::Edit, 79, 16, 31, 12, "", kEdit},
    {IDC_VERSE_VERSE, K::Edit, 109, 16, 22, 12, "", kEdit},
    {IDC_VERSE_BODY, K::Edit, 1, 32, 132, 121, "", ES_MULTILINE | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
};
} // namespace

const DialogTemplate kSearchTemplate{IDD_SEARCH, "성경찾기", 138, 154, "System", 10, true, kSearch};
const DialogTemplate kVerseViewTemplate{IDD_VERSE_VIEW, "성경구절 보기", 138, 154, "System", 10, true, kVerseView};
// clang-format on
