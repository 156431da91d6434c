#include "FixedWidthMeasurer.h"

namespace {

class CSumMeter : public CRunMeter {
public:
    explicit CSumMeter(const CFixedWidthMeasurer& measurer) : m_measurer(measurer) {}
    void Restart() override { m_width = 0; }
    int Extend(std::string_view character) override {
        m_width += m_measurer.Width(character);
        return m_width;
    }

private:
    const CFixedWidthMeasurer& m_measurer;
    int m_width = 0;
};

} // namespace

int CFixedWidthMeasurer::Width(std::string_view text) const {
    int width = 0;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            width += c == m_special && m_special != '\0' ? m_specialWidth : m_ascii;
        } else if ((byte & 0xC0) != 0x80) {
            width += m_wide;
        }
    }
    return width;
}

std::unique_ptr<CRunMeter> CFixedWidthMeasurer::NewRunMeter() const {
    return std::make_unique<CSumMeter>(*this);
}
