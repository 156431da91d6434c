#pragma once

#include <QFont>

#include <string_view>

// The face that carries Hangul syllables. Template and program faces ("System", "Tahoma") map
// to it explicitly: fontconfig's fallback from a Latin face can break syllables into jamo.
inline constexpr const char* kHangulFace = "NanumGothic";

// Registers the face substitutions and makes the Hangul face the application default.
// Call once after the QApplication exists.
void InstallFontSubstitutions();

// The look of every run (program, tests, pictures): one widget style on every platform and
// the Hangul fonts. Call once after the QApplication exists.
void PrepareApplication();

// A font by face name and height, as the handheld's font creation takes them: the height is
// the whole character cell (ascent plus descent), so the em is the largest whose cell fits.
// "Tahoma" 14 -> NanumGothic with a cell of at most 14 pixels. weight: 400 normal, 700 bold.
QFont MakeFont(std::string_view face, int cellHeight, int weight = 400);

// The face of the platform's own chrome and of dialog controls, by em size in pixels.
QFont UiFont(int emPixels, int weight = 400);
