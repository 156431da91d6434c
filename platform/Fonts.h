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

// A font by face name and pixel height, as the program's font creation asks for it:
// "Tahoma" 14 -> NanumGothic at 14 pixels. weight is the Windows scale (400 normal, 700 bold).
QFont MakeFont(std::string_view face, int pixelHeight, int weight = 400);
