#include "KeywordScan.h"

#include "LineBlockReader.h"
#include "LineFeedIndex.h"
#include "SubstringFinder.h"
#include "TextUtil.h"
#include "VerseLine.h"

namespace {

// The usual reference "12:3:45 " read in place: three runs of at most 9 digits, joined by ':'
// and ended by a space. For such a line ParseVerseLine gives the same numbers and text start;
// every other line goes through ParseVerseLine itself.
bool ParseUsualReference(const char* p, const char* lineEnd, VerseLine& v, const char*& textStart) {
    int* fields[3] = {&v.book, &v.chapter, &v.verse};
    for (int f = 0; f < 3; ++f) {
        int value = 0;
        int digits = 0;
        while (p < lineEnd && *p >= '0' && *p <= '9' && digits < 9) {
            value = value * 10 + (*p - '0');
            ++p;
            ++digits;
        }
        if (digits == 0 || p == lineEnd || *p != (f < 2 ? ':' : ' ')) {
            return false;
        }
        *fields[f] = value;
        ++p;
    }
    textStart = p;
    return true;
}

// Walks the lines of one block in order, parsing each exactly as a line-by-line read would.
class BlockLines {
public:
    BlockLines(std::string_view block, const std::vector<std::size_t>& feeds)
        : m_block(block), m_feeds(feeds) {}

    bool HasMore() const { return m_pos < m_block.size(); }

    // Parses the next line; false when it is no verse line.
    bool Advance() {
        const char* base = m_block.data();
        const std::size_t size = m_block.size();
        const std::size_t end = m_line < m_feeds.size() ? m_feeds[m_line] : size;
        const bool terminated = end < size;
        m_lineStart = base + m_pos;
        m_next = base + (terminated ? end + 1 : size);
        m_pos = static_cast<std::size_t>(m_next - base);
        ++m_line;
        if (ParseUsualReference(m_lineStart, base + end, m_verse, m_textStart)) {
            m_textEnd = base + end;
            // ParseVerseLine drops a "\r" before the line feed, never at an unterminated end.
            if (terminated && m_textEnd > m_textStart && m_textEnd[-1] == '\r') {
                --m_textEnd;
            }
            return true;
        }
        const std::string_view line(m_lineStart, static_cast<std::size_t>(m_next - m_lineStart));
        if (!ParseVerseLine(line, m_verse)) {
            return false;
        }
        // A line without a space has an empty verse text that points nowhere in the block.
        m_textStart = m_verse.text.empty() ? m_next : m_verse.text.data();
        m_textEnd = m_textStart + m_verse.text.size();
        return true;
    }

    const VerseLine& Verse() const { return m_verse; }
    std::string_view Text() const {
        return {m_textStart, static_cast<std::size_t>(m_textEnd - m_textStart)};
    }
    const char* LineEnd() const { return m_next; }
    const char* TextStart() const { return m_textStart; }
    const char* TextEnd() const { return m_textEnd; }
    bool Contains(const char* p) const { return p >= m_lineStart && p < m_next; }

private:
    std::string_view m_block;
    const std::vector<std::size_t>& m_feeds;
    std::size_t m_pos = 0;  // start of the next line
    std::size_t m_line = 0; // its number within the block
    const char* m_lineStart = nullptr;
    const char* m_next = nullptr;
    const char* m_textStart = nullptr;
    const char* m_textEnd = nullptr;
    VerseLine m_verse;
};

class KeywordScanner {
public:
    KeywordScanner(const SearchRange& range, std::string_view word, int maxHits,
                   std::vector<SearchHit>& hits)
        : m_range(range), m_word(word), m_finder(word), m_maxHits(maxHits < 1 ? 1 : maxHits),
          m_hits(hits) {}

    // Scans one block; false when the scan has ended inside it. When `lastBlock`, the lines
    // after the last occurrence of the word need no reading: nothing follows them.
    bool ScanBlock(std::string_view block, bool lastBlock) {
        IndexLineFeeds(block, m_feeds);
        BlockLines lines(block, m_feeds);
        if (m_word.empty()) {
            return ScanEveryLine(lines);
        }
        bool haveLine = false;
        const char* from = block.data();
        const char* const end = block.data() + block.size();
        for (;;) {
            const char* found = m_finder.Find(from, end);
            if (found == nullptr) {
                if (lastBlock) {
                    return false;
                }
                while (lines.HasMore()) {
                    if (!Accept(lines)) {
                        return false;
                    }
                }
                return true;
            }
            // Every line up to the one holding the occurrence must be read, since any of them
            // may end the scan.
            while (!haveLine || !lines.Contains(found)) {
                if (!Accept(lines)) {
                    return false;
                }
                haveLine = true;
            }
            if (found < lines.TextStart()) {
                from = lines.TextStart(); // in the reference: look again from the verse text
            } else if (found + m_word.size() <= lines.TextEnd()) {
                if (!AddHit(lines)) {
                    return false;
                }
                from = lines.LineEnd();
            } else {
                from = lines.LineEnd(); // runs past the verse text: no later start can fit
            }
        }
    }

private:
    // Reads the next line and applies the range's stop rules.
    bool Accept(BlockLines& lines) {
        if (!lines.Advance()) {
            return false;
        }
        const VerseLine& v = lines.Verse();
        return !(v.book > m_range.lastBook ||
                 (m_range.singleChapter && v.chapter > m_range.startChapter));
    }

    bool AddHit(const BlockLines& lines) {
        const VerseLine& v = lines.Verse();
        m_hits.push_back({v.book, v.chapter, v.verse, std::string(TrimWhite(lines.Text()))});
        return static_cast<int>(m_hits.size()) < m_maxHits;
    }

    // An empty word is in every verse text.
    bool ScanEveryLine(BlockLines& lines) {
        while (lines.HasMore()) {
            if (!Accept(lines) || !AddHit(lines)) {
                return false;
            }
        }
        return true;
    }

    const SearchRange& m_range;
    std::string_view m_word;
    CSubstringFinder m_finder;
    int m_maxHits;
    std::vector<SearchHit>& m_hits;
    std::vector<std::size_t> m_feeds; // reused by every block
};

} // namespace

KeywordScanResult ScanKeyword(const std::string& textPath, const ChapterOffsetTable& offsets,
                              const SearchRange& range, std::string_view word, int maxHits) {
    KeywordScanResult result;
    CLineBlockReader reader;
    const int position = ChapterIndexOf(range.firstBook, range.startChapter);
    if (!reader.Open(textPath, offsets[static_cast<std::size_t>(position)])) {
        return result;
    }
    result.opened = true;
    KeywordScanner scanner(range, word, maxHits, result.hits);
    std::string_view block;
    while (reader.NextBlock(block) && scanner.ScanBlock(block, reader.IsLastBlock())) {
    }
    return result;
}
