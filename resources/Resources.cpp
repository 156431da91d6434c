#include "ResourceIds.h"
#include "TemplateRegistry.h"

#include <array>
#include <utility>

namespace {
// clang-format off
const std::array<const DialogTemplate*, 20> kTemplates = {
    &kLauncherTemplate,        &kHelpTemplate,          &kAboutTemplate,
    &kKoreanChapterTemplate,   &kEnglishChapterTemplate, &kEnglishSelectTemplate,
    &kKoreanSelectTemplate,    &kEnglishConfPointTemplate, &kKoreanConfPointTemplate,
    &kFontSettingsTemplate,    &kSearchTemplate,        &kVerseViewTemplate,
    &kBookmarksTemplate,       &kBookmarkViewTemplate,  &kAddBookmarkTemplate,
    &kHymnalTemplate,          &kHymnSearchTemplate,    &kReadingPlanTemplate,
    &kVisitationTemplate,      &kReadingsTemplate,
};

// Command names: each command's button tooltip and short name.
constexpr std::pair<int, const char*> kStrings[] = {
    {ID_COPY, "복사"},
    {ID_EXIT, "종료"},
    {ID_SELECT_CHAPTER, "성경선택"},
    {ID_MANUAL_BOOKMARK, "책갈피"},
    {ID_FONT_ENGLISH, "폰트설정"},
    {ID_PAGE_UP, "페이지 위로"},
    {ID_PAGE_DOWN, "페이지 아래로"},
    {ID_HYMNS_BY_TITLE, "제목순"},
    {ID_HYMNS_BY_NUMBER, "번호순"},
    {ID_HYMN_SEARCH, "찾기"},
    {ID_RECENT_PLACE, "최근에 읽은곳"},
    {ID_MENU_INFO, "정보"},
    {ID_ABOUT, "대하여"},
    {ID_MENU_EXIT, "종료"},
    {ID_ADD_BOOKMARK, "북마크"},
    {ID_FONT_KOREAN, "폰트설정"},
    {ID_PARALLEL_SEARCH, "한영대조"},
    {ID_PARALLEL_KOREAN, "한영대조보기"},
    {ID_PARALLEL_ENGLISH, "영한대조보기"},
    {ID_READING_PLAN_FILL, "채우기"},
    {ID_READING_PLAN_EMPTY, "비우기"},
    {ID_HELP, "도움말"},
};

constexpr int kCopyExit[] = {ID_COPY, ID_EXIT};
constexpr int kEnglishView[] = {ID_SELECT_CHAPTER, ID_MANUAL_BOOKMARK, ID_PARALLEL_ENGLISH, ID_FONT_ENGLISH,
                                ID_PAGE_UP, ID_PAGE_DOWN, ID_HELP, ID_EXIT};
constexpr int kExit[] = {ID_EXIT};
constexpr int kHymnal[] = {ID_HYMNS_BY_TITLE, ID_HYMNS_BY_NUMBER, ID_HYMN_SEARCH, ID_COPY, ID_EXIT};
constexpr int kLauncher[] = {ID_RECENT_PLACE, ID_HELP, ID_EXIT};
constexpr int kKoreanView[] = {ID_SELECT_CHAPTER, ID_MANUAL_BOOKMARK, ID_ADD_BOOKMARK, ID_PARALLEL_KOREAN,
                               ID_FONT_KOREAN, ID_PAGE_UP, ID_PAGE_DOWN, ID_HELP, ID_EXIT};
constexpr int kReadingPlan[] = {ID_READING_PLAN_CLEAR, ID_READING_PLAN_FILL, ID_READING_PLAN_EMPTY, ID_EXIT};
constexpr int kSearch[] = {ID_COPY, ID_PARALLEL_SEARCH, ID_EXIT};
constexpr int kVisitation[] = {ID_ADD_BOOKMARK, ID_COPY, ID_EXIT};

const ToolbarResource kToolbars[] = {
    {IDR_TOOLBAR_COPY_EXIT, kCopyExit},       {IDR_TOOLBAR_ENGLISH_VIEW, kEnglishView},
    {IDR_TOOLBAR_EXIT, kExit},                {IDR_TOOLBAR_HYMNAL, kHymnal},
    {IDR_TOOLBAR_LAUNCHER, kLauncher},        {IDR_TOOLBAR_KOREAN_VIEW, kKoreanView},
    {IDR_TOOLBAR_READING_PLAN, kReadingPlan}, {IDR_TOOLBAR_SEARCH, kSearch},
    {IDR_TOOLBAR_VISITATION, kVisitation},
};

constexpr MenuItemResource kLauncherMenuItems[] = {
    {ID_ABOUT, "대하여"},
    {0, ""},
    {ID_MENU_EXIT, "종료"},
};
const MenuResource kMenus[] = {
    {IDR_MENU_LAUNCHER, ID_MENU_INFO, "정보", kLauncherMenuItems},
};
// clang-format on
} // namespace

const DialogTemplate* FindDialogTemplate(int id) {
    for (const DialogTemplate* t : kTemplates) {
        if (t->id == id) {
            return t;
        }
    }
    return nullptr;
}

const ToolbarResource* FindToolbar(int id) {
    for (const ToolbarResource& t : kToolbars) {
        if (t.id == id) {
            return &t;
        }
    }
    return nullptr;
}

const MenuResource* FindMenu(int id) {
    for (const MenuResource& m : kMenus) {
        if (m.id == id) {
            return &m;
        }
    }
    return nullptr;
}

const char* LoadStringResource(int id) {
    for (const auto& [key, text] : kStrings) {
        if (key == id) {
            return text;
        }
    }
    return "";
}
