#include "FontSettingsModel.h"

#include <string>

namespace {

constexpr std::array<int, 5> kSizes = {12, 14, 16, 18, 20};
constexpr int kSwatchLeft = 33;
constexpr int kSwatchPitch = 22;
constexpr int kSwatchSide = 20;
// Tops of the rows: text colours 0..7 and 8..15, then background colours 0..7 and 8..15.
constexpr std::array<int, 4> kRowTops = {60, 82, 135, 157};

} // namespace

CFontSettingsModel::CFontSettingsModel(CChapterViewModel& view) : m_view(view) {}

void CFontSettingsModel::Init() {
    m_textIndex = 8;
    m_backIndex = 16;
    m_size = m_view.m_fontSize;
    m_sizeList.Reset();
    int sizeIndex = -1;
    for (int i = 0; i < static_cast<int>(kSizes.size()); ++i) {
        m_sizeList.Add(std::to_string(kSizes[i]), kSizes[i]);
        if (kSizes[i] == m_size) {
            sizeIndex = i;
        }
    }
    m_sizeList.Select(sizeIndex);
    m_palette = kFontPalette;
    bool textFound = false;
    bool backFound = false;
    for (int k = 0; k < kPaletteSize; ++k) {
        if (m_palette[k] == m_view.m_backColor) {
            m_backIndex = k;
            backFound = true;
        }
        if (m_palette[k] == m_view.m_textColor) {
            m_textIndex = k;
            textFound = true;
        }
    }
    // A colour the palette lacks (set by hand in the position file) stays as it is unless the
    // reader picks another; it must not turn black or index past the palette.
    if (!textFound) {
        m_textIndex = kNoPaletteIndex;
    }
    if (!backFound) {
        m_backIndex = kNoPaletteIndex;
    }
    for (int i = 0; i < kSwatchCount; ++i) {
        const int row = i / 8;
        const int column = i % 8;
        const int left = kSwatchLeft + kSwatchPitch * column;
        const int top = kRowTops[static_cast<std::size_t>(row)];
        m_swatches[static_cast<std::size_t>(i)] = {static_cast<std::int16_t>(left),
                                                   static_cast<std::int16_t>(top),
                                                   static_cast<std::int16_t>(left + kSwatchSide),
                                                   static_cast<std::int16_t>(top + kSwatchSide)};
    }
}

int CFontSettingsModel::SwatchAt(int x, int y) const {
    for (int i = 0; i < kSwatchCount; ++i) {
        const SwatchRect& r = m_swatches[static_cast<std::size_t>(i)];
        if (r.left <= x && x <= r.right && r.top <= y && y <= r.bottom) {
            return i;
        }
    }
    return -1;
}

bool CFontSettingsModel::OnPenUp(int x, int y) {
    const int swatch = SwatchAt(x, y);
    if (swatch < 0) {
        return false;
    }
    if (swatch < kPaletteSize) {
        m_textIndex = swatch;
    } else {
        m_backIndex = swatch - kPaletteSize;
    }
    return true;
}

void CFontSettingsModel::OnSizeChanged(int index) {
    if (m_sizeList.Select(index)) {
        m_size = m_sizeList.SelectedValue();
    }
}

RgbColor CFontSettingsModel::TextColor() const {
    return m_textIndex >= 0 && m_textIndex < kPaletteSize
               ? m_palette[static_cast<std::size_t>(m_textIndex)]
               : m_view.m_textColor;
}

RgbColor CFontSettingsModel::BackColor() const {
    return m_backIndex >= 0 && m_backIndex < kPaletteSize
               ? m_palette[static_cast<std::size_t>(m_backIndex)]
               : m_view.m_backColor;
}

void CFontSettingsModel::OnOK() {
    m_view.m_fontSize = m_size;
    m_view.m_textColor = TextColor();
    m_view.m_backColor = BackColor();
    m_view.m_accepted = true;
}

void CFontSettingsModel::OnCancel() {
    m_view.m_accepted = false;
}
