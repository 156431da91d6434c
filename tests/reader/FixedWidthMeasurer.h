#pragma once

#include "TextMeasurer.h"

#include <string_view>

// Test measurer: every ASCII character is `ascii` pixels wide, every other character `wide`
// pixels; a character may be given its own width. Its run meter adds the same widths up.
class CFixedWidthMeasurer : public CTextMeasurer {
public:
    explicit CFixedWidthMeasurer(int ascii = 5, int wide = 10) : m_ascii(ascii), m_wide(wide) {}

    // Gives one ASCII character its own width ('#' 250: a glyph wider than a line).
    void SetWidth(char c, int width) {
        m_special = c;
        m_specialWidth = width;
    }

    int Width(std::string_view text) const override;
    std::unique_ptr<CRunMeter> NewRunMeter() const override;

private:
    int m_ascii;
    int m_wide;
    char m_special = '\0';
    int m_specialWidth = 0;
};
