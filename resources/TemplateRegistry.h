#pragma once

#include "DialogTemplate.h"

// The template objects defined in the Templates*.cpp files, collected by Resources.cpp.
extern const DialogTemplate kLauncherTemplate;
extern const DialogTemplate kHelpTemplate;
extern const DialogTemplate kAboutTemplate;
extern const DialogTemplate kKoreanChapterTemplate;
extern const DialogTemplate kEnglishChapterTemplate;
extern const DialogTemplate kEnglishSelectTemplate;
extern const DialogTemplate kKoreanSelectTemplate;
extern const DialogTemplate kEnglishConfPointTemplate;
extern const DialogTemplate kKoreanConfPointTemplate;
extern const DialogTemplate kFontSettingsTemplate;
extern const DialogTemplate kSearchTemplate;
extern const DialogTemplate kVerseViewTemplate;
extern const DialogTemplate kBookmarksTemplate;
extern const DialogTemplate kBookmarkViewTemplate;
extern const DialogTemplate kAddBookmarkTemplate;
extern const DialogTemplate kHymnalTemplate;
extern const DialogTemplate kHymnSearchTemplate;
extern const DialogTemplate kReadingPlanTemplate;
extern const DialogTemplate kVisitationTemplate;
extern const DialogTemplate kReadingsTemplate;
