#pragma once

#include "TextMeasurer.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The view keeps at most this many display lines of one chapter.
inline constexpr int kMaxDisplayLines = 5000;

enum class WrapRule {
    Characters, // a wide piece is cut where a growing prefix reaches threshold + 1 pixels
    Words,      // a wide piece is cut at the space before the first word that overflows
};

// A piece (one verse) wider than `threshold` pixels is wrapped by `rule`.
struct WrapStyle {
    WrapRule rule;
    int threshold;
};

inline constexpr WrapStyle kKoreanWrap{WrapRule::Characters, 205};
inline constexpr WrapStyle kEnglishWrap{WrapRule::Words, 212};

// How the rules measure the growing prefixes they look at. Plain measures each prefix whole
// with Width. Incremental keeps a running width with the measurer's run meter (when it offers
// one), which a whole-Bible test holds to the same display lines as Plain.
enum class MeasureMode { Plain, Incremental };

struct WrappedText {
    std::vector<std::string> lines; // at most kMaxDisplayLines
    bool truncated = false;         // lines were dropped at the bound
};

// Wraps chapter text into display lines. Each piece up to a line feed (text after the last line
// feed is ignored) becomes one line when it is at most style.threshold pixels wide.
// Characters (threshold 205): a wider piece is cut into segments, each ending with the first
// character at which the segment reaches 206 pixels; segments and the rest lose their leading
// white space. Words (threshold 212): a wider piece is cut at spaces, each line running up to the
// space before the first word that makes it wider than 212; lines keep their white space.
// A single word wider than 212 pixels is cut by characters into lines of at most 212 pixels.
WrappedText WrapChapterText(std::string_view text, const CTextMeasurer& measurer,
                            const WrapStyle& style, MeasureMode mode = MeasureMode::Incremental);

// Lines per screen for a font size: 12 -> 16, 14 -> 14, 16 -> 12, 18 -> 11, 20 -> 10; any other
// size -> nullopt (the view then keeps the lines per page it has).
std::optional<int> LinesPerPage(int fontSize);

// Font sizes a settings file may carry: the five of the table and any other size a person could
// mean (1..99); 0, negative or absurd sizes count as a damaged file. 13 -> true, 0 -> false.
bool IsUsableFontSize(int fontSize);

// Scroll total for n display lines with p lines per page: n when n <= p, else the smallest
// p + j * (p - 1) >= n, so that paging by p - 1 from the top lands on the last page exactly.
// (20, 14) -> 27; (14, 14) -> 14; (5000, 10) -> 5005.
int ScrollTotal(int lineCount, int linesPerPage);
