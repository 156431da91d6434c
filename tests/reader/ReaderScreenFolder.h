#pragma once

#include "ScreenTest.h"

#include <QImage>

#include <string>
#include <string_view>

class CDialog;

// The test's data folder with a Korean and an English Bible, loaded as the launcher loads them
// (text paths, both chapter indexes, the chapter keys), and the reader's process-wide values as
// at program start. Chapter 1 of every book and every psalm are long (24 verses that wrap into
// several display lines each), every other chapter has three short verses.
class CReaderFolder : public CTestDataFolder {
public:
    CReaderFolder();
    ~CReaderFolder();

    // A position file as a view writes it on closing.
    void WriteKoreanReadPoint(std::string_view position, std::string_view text = "0:0:0",
                              std::string_view back = "255:255:255") const;
    void WriteEnglishReadPoint(std::string_view position, std::string_view text = "0:0:0",
                               std::string_view back = "255:255:255") const;
};

inline constexpr std::string_view kKoreanClosingHeader =
    "QRV Vellumreader Ver2.5 한글성경 자동책갈피\r\n";
inline constexpr std::string_view kEnglishClosingHeader =
    "QRV Vellumreader Ver2.5 영어성경 자동책갈피\r\n";

// What the user sees of a screen's painted client area, right now.
QImage GrabClient(const CDialog& dialog);
// The painted page alone, without the scroll bar drawn over it.
QImage GrabPageWithoutChildren(const CDialog& dialog);
// True when some pixel of `area` differs from `colour`.
bool HasInk(const QImage& image, const QRect& area, const QColor& colour);
// First row of `area` holding a pixel other than `colour`, or -1.
int FirstInkRow(const QImage& image, const QRect& area, const QColor& colour);
