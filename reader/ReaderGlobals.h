#pragma once

#include "ViewLanguage.h"

// Process-wide values the chapter views leave for other screens. Read-only views; the functions
// below are the only writers.
extern const int& g_activeLanguage; // 1 Korean, 2 English: the view opened last (initially 1)
extern const int& g_lastKoreanBook; // book the Korean view showed when it last closed (initially 1)

void SetActiveLanguage(ViewLanguage language);
void SetLastKoreanBook(int book);
// Back to the values at program start (for tests that start the program over).
void ResetReaderGlobals();
