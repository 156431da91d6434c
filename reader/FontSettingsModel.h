#pragma once

#include "ChapterViewModel.h"
#include "ComboList.h"
#include "RgbColor.h"

#include <array>
#include <cstdint>
#include <string_view>

// A rectangle in client pixels; it covers left..right - 1 and top..bottom - 1 when drawn.
struct SwatchRect {
    std::int16_t left;
    std::int16_t top;
    std::int16_t right;
    std::int16_t bottom;
};

struct SamplePoint {
    int x;
    int y;
};

inline constexpr int kPaletteSize = 16;
inline constexpr int kSwatchCount = 2 * kPaletteSize; // 0..15 text, 16..31 background
inline constexpr int kNoPaletteIndex = -1;

inline constexpr std::array<RgbColor, kPaletteSize> kFontPalette = {{
    {255, 255, 255},
    {192, 192, 192},
    {255, 255, 100},
    {0, 255, 0},
    {0, 255, 255},
    {0, 0, 255},
    {255, 0, 255},
    {255, 0, 0},
    {0, 0, 0},
    {128, 128, 128},
    {128, 128, 0},
    {0, 128, 0},
    {0, 128, 128},
    {0, 0, 128},
    {128, 0, 128},
    {128, 0, 0},
}};

inline constexpr SwatchRect kChosenTextRect{143, 37, 207, 55};
inline constexpr SwatchRect kChosenBackRect{143, 112, 207, 130};
inline constexpr SwatchRect kSampleArea{33, 185, 207, 237};
inline constexpr std::string_view kKoreanSample = "태초에 하나님이 천지를 창조하시니라";
inline constexpr std::string_view kEnglishSample =
    "In the beginning God created the heaven and the earth.";

// The font and colour settings of a chapter view, without widgets: a size list and two painted
// palettes of the same sixteen colours.
class CFontSettingsModel {
public:
    explicit CFontSettingsModel(CChapterViewModel& view);

    int m_size = 0;
    std::array<RgbColor, kPaletteSize> m_palette{};
    std::array<SwatchRect, kSwatchCount> m_swatches{};
    // Palette index of the chosen colour, or kNoPaletteIndex while the view's own colour is not
    // in the palette and no swatch was tapped.
    int m_textIndex = 8;
    int m_backIndex = 16;
    ComboList m_sizeList; // "12" .. "20" with their sizes as values

    // From the view: its size (selected in the list when it is one of the five) and the palette
    // indices of its colours.
    void Init();
    // First swatch whose rectangle holds (x, y), edges included, or -1: (77, 82) -> 10,
    // (54, 140) -> -1 (the gap between two squares).
    int SwatchAt(int x, int y) const;
    // A tap on a swatch chooses the text (0..15) or background (16..31) colour; true when it
    // did, and the dialog repaints.
    bool OnPenUp(int x, int y);
    // The size list's pick becomes m_size; the dialog repaints.
    void OnSizeChanged(int index);
    // Size and colours into the view, m_accepted set.
    void OnOK();
    // m_accepted cleared; nothing else.
    void OnCancel();

    // Colours to draw and to hand back: the palette colour chosen, or the view's own colour
    // when it has no palette index.
    RgbColor TextColor() const;
    RgbColor BackColor() const;
    // Top-left corners of the two sample lines: (35, 190) and (35, 192 + m_size).
    SamplePoint KoreanSampleOrigin() const { return {35, 190}; }
    SamplePoint EnglishSampleOrigin() const { return {35, 192 + m_size}; }

private:
    CChapterViewModel& m_view;
};
