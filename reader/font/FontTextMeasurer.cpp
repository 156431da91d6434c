#include "FontTextMeasurer.h"

#include "Fonts.h"

#include <QString>

#include <cmath>

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The bytes of one UTF-8 character packed into one number (at most four bytes).
std::uint32_t PackCharacter(std::string_view character) {
    std::uint32_t key = 0;
    for (std::size_t i = 0; i < character.size() && i < 4; ++i) {
        key = (key << 8) | static_cast<unsigned char>(character[i]);
    }
    return key;
}

std::string_view TableBytes(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// Running width: the sum of advances and kerning, rounded half up as the font metrics round a
// whole string's advance.
class CFontRunMeter : public CRunMeter {
public:
    explicit CFontRunMeter(const CFontTextMeasurer& measurer) : m_measurer(measurer) {}

    void Restart() override {
        m_sum = 0;
        m_previous = nullptr;
    }

    int Extend(std::string_view character) override {
        const CFontTextMeasurer::Glyph& glyph = m_measurer.GlyphOf(character);
        if (m_previous != nullptr) {
            m_sum += m_measurer.Kerning(*m_previous, m_previousChar, glyph, character);
        }
        m_sum += glyph.advance;
        m_previous = &glyph;
        m_previousChar = character;
        return static_cast<int>(std::floor(m_sum + 0.5));
    }

private:
    const CFontTextMeasurer& m_measurer;
    double m_sum = 0;
    const CFontTextMeasurer::Glyph* m_previous = nullptr; // stable: the glyph map never erases
    std::string_view m_previousChar;
};

} // namespace

CFontTextMeasurer::CFontTextMeasurer(const QFont& font)
    : m_font(font), m_metrics(font), m_metricsF(font), m_rawFont(QRawFont::fromFont(font)) {
    if (m_rawFont.isValid() && m_rawFont.fontTable("GSUB").isEmpty() &&
        m_rawFont.fontTable("GPOS").isEmpty()) {
        m_kernPairs = CKernPairs::Parse(TableBytes(m_rawFont.fontTable("kern")));
    }
}

QFont CFontTextMeasurer::ViewFont(int fontSize) {
    return MakeFont("Tahoma", fontSize);
}

std::unique_ptr<CFontTextMeasurer> CFontTextMeasurer::ForViewFont(int fontSize) {
    return std::make_unique<CFontTextMeasurer>(ViewFont(fontSize));
}

int CFontTextMeasurer::Width(std::string_view text) const {
    return m_metrics.horizontalAdvance(FromUtf8(text));
}

std::unique_ptr<CRunMeter> CFontTextMeasurer::NewRunMeter() const {
    if (!m_kernPairs) {
        return nullptr;
    }
    return std::make_unique<CFontRunMeter>(*this);
}

const CFontTextMeasurer::Glyph& CFontTextMeasurer::GlyphOf(std::string_view character) const {
    const std::uint32_t key = PackCharacter(character);
    const auto found = m_glyphs.find(key);
    if (found != m_glyphs.end()) {
        return found->second;
    }
    const QString text = FromUtf8(character);
    Glyph glyph;
    glyph.advance = m_metricsF.horizontalAdvance(text);
    const QList<quint32> indexes = m_rawFont.glyphIndexesForString(text);
    glyph.index = indexes.size() == 1 ? indexes.front() : 0;
    return m_glyphs.emplace(key, glyph).first->second;
}

double CFontTextMeasurer::Kerning(const Glyph& left, std::string_view leftChar, const Glyph& right,
                                  std::string_view rightChar) const {
    if (left.index == 0 || right.index == 0 || !m_kernPairs->Has(left.index, right.index)) {
        return 0;
    }
    const std::uint64_t key = (static_cast<std::uint64_t>(left.index) << 32) | right.index;
    const auto found = m_kerning.find(key);
    if (found != m_kerning.end()) {
        return found->second;
    }
    // The shaper's own amount: the pair's advance less its two glyphs' advances.
    QString pair = FromUtf8(leftChar);
    pair += FromUtf8(rightChar);
    const double kerning = m_metricsF.horizontalAdvance(pair) - left.advance - right.advance;
    m_kerning.emplace(key, kerning);
    return kerning;
}
