#pragma once

#include "KernPairs.h"
#include "TextMeasurer.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QRawFont>

#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>

// Measures with a real font, as the view draws with it. Needs a QGuiApplication.
class CFontTextMeasurer : public CTextMeasurer {
public:
    explicit CFontTextMeasurer(const QFont& font);

    // The view font at a height in pixels as the handheld's font creation means it: the whole
    // character cell (ascent and descent) is `fontSize` pixels tall, so that lines drawn
    // fontSize + 4 apart keep their gap and the widest cut line stays left of the scroll bar.
    // "Tahoma" (mapped to the Hangul face), normal weight. 14 -> a 12-pixel em of NanumGothic.
    static QFont ViewFont(int fontSize);
    // A measurer of ViewFont(fontSize).
    static std::unique_ptr<CFontTextMeasurer> ForViewFont(int fontSize);

    int Width(std::string_view text) const override;

    // A run meter that adds up the characters' advances and the kerning of the font's kern
    // pairs, which is all the shaper does for a font without substitution or positioning
    // tables (NanumGothic). nullptr for a font whose shaping is more than that.
    std::unique_ptr<CRunMeter> NewRunMeter() const override;

    const QFont& Font() const { return m_font; }

    struct Glyph {
        std::uint32_t index = 0; // 0: not in the font (drawn by a fallback face, never kerned)
        double advance = 0;      // exact: a multiple of 1/64 pixel
    };
    // The glyph of one character, remembered.
    const Glyph& GlyphOf(std::string_view character) const;
    // Kerning between two adjacent glyphs in pixels (0 for a pair the font doesn't kern).
    double Kerning(const Glyph& left, std::string_view leftChar, const Glyph& right,
                   std::string_view rightChar) const;

private:
    QFont m_font;
    QFontMetrics m_metrics;
    QFontMetricsF m_metricsF;
    QRawFont m_rawFont;                    // the face itself, for glyph indexes and its kern table
    std::optional<CKernPairs> m_kernPairs; // nullopt: the run meter is not offered
    mutable std::unordered_map<std::uint32_t, Glyph> m_glyphs;
    mutable std::unordered_map<std::uint64_t, double> m_kerning;
};
