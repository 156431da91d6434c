#include "ResourceIds.h"
#include "TemplateRegistry.h"

// Chapter views and the pop-ups they open.
// clang-format off
namespace {
using K = ControlKind;
constexpr std::uint32_t kDropDown = CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP;

constexpr ControlTemplate kChapterView[] = {
    {IDC_CHAPTER_SCROLL, K::ScrollBar, 130, 0, 8, 154, "", WS_TABSTOP},
};

// Both selectors share one layout.
constexpr ControlTemplate kSelect[] = {
    {IDC_STATIC, K::Static, 35, 2, 66, 10, "▣  성경 선택  ▣", 0},
    {IDC_SELECT_TESTAMENT, K::ComboBox, 1, 17, 38, 30, "", kDropDown},
    {IDC_SELECT_BOOK, K::ComboBox, 37, 17, 63, 100, "", kDropDown},
    {IDC_SELECT_CHAPTER, K::ComboBox, 101, 17, 34, 100, "", kDropDown},
    {IDC_OK, K::PushButton, 33, 35, 30, 11, "확인", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {IDC_CANCEL, K::PushButton, 78, 35, 26, 11, "취소", WS_TABSTOP},
};

constexpr ControlTemplate kEnglishConfPoint[] = {
    {IDC_STATIC, K::Static, 33, 2, 73, 10, "▣  책갈피 관리  ▣", 0},
    {IDC_SELECT_TESTAMENT, K::ComboBox, 1, 17, 38, 30, "", kDropDown},
    {IDC_SELECT_BOOK, K::ComboBox, 39, 17, 63, 100, "", kDropDown},
    {IDC_SELECT_CHAPTER, K::ComboBox, 101, 17, 34, 100, "", kDropDown},
    {IDC_CONFPOINT_LOAD, K::PushButton, 1, 35, 36, 11, "불러오기", WS_TABSTOP},
    {IDC_CONFPOINT_SAVE, K::PushButton, 40, 35, 36, 11, "저장하기", WS_TABSTOP},
    {IDC_OK, K::PushButton, 82, 35, 25, 11, "확인", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {IDC_CANCEL, K::PushButton, 110, 35, 25, 11, "취소", WS_TABSTOP},
};

constexpr ControlTemplate kKoreanConfPoint[] = {
    {IDC_STATIC, K::Static, 32, 2, 73, 10, "▣  책갈피 관리  ▣", 0},
    {IDC_SELECT_TESTAMENT, K::ComboBox, 0, 17, 38, 30, "", kDropDown},
    {IDC_SELECT_BOOK, K::ComboBox, 39, 17, 62, 100, "", kDropDown},
    {IDC_SELECT_CHAPTER, K::ComboBox, 103, 17, 34, 100, "", kDropDown},
    {IDC_CONFPOINT_LOAD, K::PushButton, 2, 35, 36, 11, "불러오기", WS_TABSTOP},
    {IDC_CONFPOINT_SAVE, K::PushButton, 41, 35, 36, 11, "저장하기", WS_TABSTOP},
    {IDC_OK, K::PushButton, 83, 35, 25, 11, "확인", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {IDC_CANCEL, K::PushButton, 111, 35, 25, 11, "취소", WS_TABSTOP},
};

constexpr ControlTemplate kFontSettings[] = {
    {IDC_STATIC, K::Static, 20, 5, 36, 8, "글자크기", 0},
    {IDC_FONT_SIZE, K::ComboBox, 82, 3, 38, 57, "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
    {IDC_STATIC, K::Static, 20, 21, 36, 8, "글자색상", 0},
    {IDC_STATIC, K::Static, 20, 64, 36, 8, "배경색상", 0},
    {IDC_OK, K::PushButton, 28, 138, 37, 12, "확인", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {IDC_CANCEL, K::PushButton, 72, 138, 37, 12, "취소", WS_TABSTOP},
};
} // namespace

const DialogTemplate kKoreanChapterTemplate{IDD_KOREAN_CHAPTER, "한글성경", 138, 154, "System", 10, true, kChapterView};
const DialogTemplate kEnglishChapterTemplate{IDD_ENGLISH_CHAPTER, "영어성경", 138, 154, "System", 10, true, kChapterView};
const DialogTemplate kEnglishSelectTemplate{IDD_ENGLISH_SELECT, "성경선택", 138, 50, "System", 10, false, kSelect};
const DialogTemplate kKoreanSelectTemplate{IDD_KOREAN_SELECT, "성경선택", 139, 53, "System", 10, false, kSelect};
const DialogTemplate kEnglishConfPointTemplate{IDD_ENGLISH_CONFPOINT, "책갈피", 138, 50, "System", 10, false, kEnglishConfPoint};
const DialogTemplate kKoreanConfPointTemplate{IDD_KOREAN_CONFPOINT, "책갈피", 138, 50, "System", 10, false, kKoreanConfPoint};
const DialogTemplate kFontSettingsTemplate{IDD_FONT_SETTINGS, "폰트 설정", 138, 154, "System", 10, false, kFontSettings};
// clang-format on
