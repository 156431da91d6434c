#include "ResourceIds.h"
#include "TemplateRegistry.h"

// Hymnal, hymn search, reading plan, visitation dictionary and responsive readings.
// clang-format off
namespace {
using K = ControlKind;
constexpr std::uint32_t kDropDown = CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP;
constexpr std::uint32_t kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr std::uint32_t kTextBox = ES_MULTILINE | WS_VSCROLL | WS_BORDER | WS_TABSTOP;
constexpr std::uint32_t kReport = LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP;

constexpr ControlTemplate kHymnal[] = {
    {IDC_HYMN_MAJOR, K::ComboBox, 1, 1, 76, 103, "", kDropDown},
    {IDC_HYMN_MINOR, K::ComboBox, 81, 1, 55, 103, "", kDropDown},
    {IDC_STATIC, K::Static, 3, 16, 51, 8, "장번호 입력", 0},
    {IDC_HYMN_NUMBER, K::Edit, 55, 14, 40, 12, "", kEdit},
    {IDC_HYMN_SHOW, K::PushButton, 99, 14, 37, 12, "보기", WS_TABSTOP},
    {IDC_HYMN_LIST, K::ComboBox, 1, 28, 135, 130, "", kDropDown},
    {IDC_HYMN_TEXT, K::Edit, 1, 42, 135, 111, "", kTextBox},
};

constexpr ControlTemplate kHymnSearch[] = {
    {IDC_STATIC, K::Static, 3, 2, 27, 10, "검색어", 0},
    {IDC_HYMN_SEARCH_WORD, K::Edit, 36, 1, 88, 12, "", kEdit},
    {IDC_HYMN_SEARCH_FIND, K::PushButton, 22, 20, 34, 12, "찾기", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {IDC_CANCEL, K::PushButton, 70, 20, 34, 12, "취소", WS_TABSTOP},
};

constexpr ControlTemplate kReadingPlan[] = {
    {IDC_PLAN_TESTAMENT, K::ComboBox, 1, 1, 50, 44, "", kDropDown},
    {IDC_STATIC, K::Static, 55, 4, 18, 10, "선택", 0},
    {IDC_PLAN_BOOK_NAME, K::Edit, 76, 1, 55, 12, "", kEdit},
    {IDC_PLAN_BOOKS, K::ListView, 2, 16, 71, 136, "", kReport},
    {IDC_PLAN_CHAPTERS, K::ListView, 74, 16, 63, 136, "", kReport},
};

constexpr ControlTemplate kVisitation[] = {
    {IDC_VISIT_MAJOR, K::ComboBox, 2, 2, 55, 100, "", kDropDown},
    {IDC_VISIT_MIDDLE, K::ComboBox, 60, 2, 76, 99, "", kDropDown},
    {IDC_VISIT_MINOR, K::ComboBox, 2, 16, 134, 100, "", kDropDown},
    {IDC_VISIT_TITLES, K::ComboBox, 2, 30, 135, 136, "", kDropDown},
    {IDC_VISIT_VERSE, K::Edit, 2, 46, 135, 107, "", kTextBox},
};

constexpr ControlTemplate kReadings[] = {
    {IDC_READING_LORDS_PRAYER, K::RadioButton, 2, 3, 43, 10, "주기도문", WS_GROUP | WS_TABSTOP},
    {IDC_READING_CREED, K::RadioButton, 50, 3, 43, 10, "사도신경", 0},
    {IDC_READING_COMMANDMENTS, K::RadioButton, 100, 3, 37, 10, "십계명", 0},
    {IDC_READING_LIST, K::ComboBox, 1, 15, 136, 143, "", kDropDown},
    {IDC_READING_TEXT, K::Edit, 1, 30, 136, 123, "", kTextBox},
};
} // namespace

const DialogTemplate kHymnalTemplate{IDD_HYMNAL, "찬송가", 138, 154, "System", 10, true, kHymnal};
const DialogTemplate kHymnSearchTemplate{IDD_HYMN_SEARCH, "찬송가 검색", 126, 37, "System", 10, false, kHymnSearch};
const DialogTemplate kReadingPlanTemplate{IDD_READING_PLAN, "성경읽기표", 138, 154, "System", 10, true, kReadingPlan};
const DialogTemplate kVisitationTemplate{IDD_VISITATION, "심방사전", 138, 154, "System", 10, true, kVisitation};
const DialogTemplate kReadingsTemplate{IDD_READINGS, "교독문", 138, 154, "System", 10, true, kReadings};
// clang-format on
