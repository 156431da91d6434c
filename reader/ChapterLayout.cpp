#include "ChapterLayout.h"

#include "TextUtil.h"

#include <array>
#include <memory>

namespace {

constexpr std::size_t npos = std::string_view::npos;

// End of the UTF-8 character that starts at `pos` (a stray continuation byte counts alone).
std::size_t NextChar(std::string_view text, std::size_t pos) {
    ++pos;
    while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80) {
        ++pos;
    }
    return pos;
}

class CWrapper {
public:
    CWrapper(const CTextMeasurer& measurer, const WrapStyle& style, MeasureMode mode)
        : m_measurer(measurer), m_style(style),
          m_meter(mode == MeasureMode::Incremental ? measurer.NewRunMeter() : nullptr) {}

    WrappedText Wrap(std::string_view text);

private:
    bool Stopped() const { return m_out.truncated; } // a line was dropped at the bound
    void AddLine(std::string_view line);
    int SpanWidth(std::string_view piece, std::size_t start, std::size_t end);
    void CutByCharacters(std::string_view piece);
    void CutByWords(std::string_view piece);
    void AddWordLine(std::string_view piece, std::size_t start, std::size_t end, bool knownToFit);
    void CutWideWord(std::string_view piece, std::size_t start, std::size_t end);

    const CTextMeasurer& m_measurer;
    const WrapStyle m_style;
    std::unique_ptr<CRunMeter> m_meter;
    const char* m_runStart = nullptr; // the meter's run is [m_runStart, m_runEnd)
    const char* m_runEnd = nullptr;
    int m_runWidth = 0;
    WrappedText m_out;
};

WrappedText CWrapper::Wrap(std::string_view text) {
    std::size_t start = 0;
    for (std::size_t lf = text.find('\n'); lf != npos && !Stopped(); lf = text.find('\n', start)) {
        const std::string_view piece = text.substr(start, lf - start);
        start = lf + 1;
        if (SpanWidth(piece, 0, piece.size()) <= m_style.threshold) {
            AddLine(piece);
        } else if (m_style.rule == WrapRule::Characters) {
            CutByCharacters(piece);
        } else {
            CutByWords(piece);
        }
    }
    return std::move(m_out);
}

void CWrapper::AddLine(std::string_view line) {
    if (m_out.lines.size() < static_cast<std::size_t>(kMaxDisplayLines)) {
        m_out.lines.emplace_back(line);
    } else {
        m_out.truncated = true;
    }
}

// Width of piece[start, end). The rules ask for growing spans from one start, which the run
// meter answers a character at a time; any other span starts the run afresh.
int CWrapper::SpanWidth(std::string_view piece, std::size_t start, std::size_t end) {
    if (!m_meter) {
        return m_measurer.Width(piece.substr(start, end - start));
    }
    const char* const from = piece.data() + start;
    const char* const to = piece.data() + end;
    if (from != m_runStart || to < m_runEnd) {
        m_meter->Restart();
        m_runStart = m_runEnd = from;
        m_runWidth = 0;
    }
    while (m_runEnd < to) {
        const std::size_t at = static_cast<std::size_t>(m_runEnd - piece.data());
        const std::size_t next = NextChar(piece, at);
        m_runWidth = m_meter->Extend(piece.substr(at, next - at));
        m_runEnd = piece.data() + next;
    }
    return m_runWidth;
}

void CWrapper::CutByCharacters(std::string_view piece) {
    const int limit = m_style.threshold + 1;
    std::size_t start = 0;
    for (std::size_t end = 0; end < piece.size() && !Stopped();) {
        end = NextChar(piece, end);
        if (SpanWidth(piece, start, end) >= limit) {
            AddLine(TrimLeftWhite(piece.substr(start, end - start)));
            start = end;
        }
    }
    if (start < piece.size()) {
        AddLine(TrimLeftWhite(piece.substr(start)));
    }
}

void CWrapper::CutByWords(std::string_view piece) {
    const int threshold = m_style.threshold;
    std::size_t g = 0;        // start of the line being filled
    std::size_t h = npos;     // last space since the line start, npos while there is none
    bool lineFitsToH = false; // piece[g, h) was measured and fits
    for (std::size_t i = piece.find(' '); i != npos && !Stopped(); i = piece.find(' ', i + 1)) {
        if (SpanWidth(piece, g, i) > threshold) {
            if (h == npos) {
                // The line is one word, too wide for a line of its own.
                CutWideWord(piece, g, i);
                g = i + 1;
                continue;
            }
            AddWordLine(piece, g, h, lineFitsToH);
            g = h + 1;
            h = i;
            lineFitsToH = false; // piece[g, h) is one word, never measured alone
            continue;
        }
        h = i;
        lineFitsToH = true;
    }
    if (Stopped()) {
        return;
    }
    if (SpanWidth(piece, g, piece.size()) <= threshold) {
        AddLine(piece.substr(g));
    } else if (h == npos) {
        CutWideWord(piece, g, piece.size());
    } else {
        AddWordLine(piece, g, h, lineFitsToH);
        AddWordLine(piece, h + 1, piece.size(), false);
    }
}

void CWrapper::AddWordLine(std::string_view piece, std::size_t start, std::size_t end,
                           bool knownToFit) {
    if (knownToFit || SpanWidth(piece, start, end) <= m_style.threshold) {
        AddLine(piece.substr(start, end - start));
    } else {
        CutWideWord(piece, start, end);
    }
}

// Cuts a word wider than a line into the longest prefixes that fit (at least one character
// each), so that the whole word is shown instead of being clipped at the screen's edge.
void CWrapper::CutWideWord(std::string_view piece, std::size_t start, std::size_t end) {
    std::size_t fit = start; // piece[start, fit) fits
    while (fit < end && !Stopped()) {
        const std::size_t next = NextChar(piece, fit);
        if (SpanWidth(piece, start, next) <= m_style.threshold) {
            fit = next;
            continue;
        }
        if (fit == start) {
            fit = next; // one character alone is wider than a line
        }
        AddLine(piece.substr(start, fit - start));
        start = fit;
    }
    if (start < end) {
        AddLine(piece.substr(start, end - start));
    }
}

} // namespace

WrappedText WrapChapterText(std::string_view text, const CTextMeasurer& measurer,
                            const WrapStyle& style, MeasureMode mode) {
    return CWrapper(measurer, style, mode).Wrap(text);
}

std::optional<int> LinesPerPage(int fontSize) {
    constexpr std::array<std::pair<int, int>, 5> table = {
        {{12, 16}, {14, 14}, {16, 12}, {18, 11}, {20, 10}}};
    for (const auto& [size, lines] : table) {
        if (size == fontSize) {
            return lines;
        }
    }
    return std::nullopt;
}

bool IsUsableFontSize(int fontSize) {
    return fontSize >= 1 && fontSize <= 99;
}

int ScrollTotal(int lineCount, int linesPerPage) {
    const int p = linesPerPage;
    if (lineCount <= p || p < 2) {
        return lineCount;
    }
    // Computed rather than searched: a search bounded at 499 steps stops short of 5000 lines at
    // 10 lines per page and would leave the chapter's last lines out of reach.
    const int steps = (lineCount - p + (p - 2)) / (p - 1);
    return p + steps * (p - 1);
}
