#include "KeywordScan.h"

#include "LineBlockReader.h"
#include "TextUtil.h"
#include "VerseLine.h"

#include <cstring>

namespace {

// Walks the lines of one block in order, parsing each exactly as a line-by-line read would.
class BlockLines {
public:
    explicit BlockLines(std::string_view block)
        : m_pos(block.data()), m_end(block.data() + block.size()) {}

    bool HasMore() const { return m_pos < m_end; }

    // Parses the next line; false when it is no verse line.
    bool Advance() {
        m_lineStart = m_pos;
        const void* nl = std::memchr(m_pos, '\n', static_cast<std::size_t>(m_end - m_pos));
        m_next = nl != nullptr ? static_cast<const char*>(nl) + 1 : m_end;
        m_pos = m_next;
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
    const char* LineEnd() const { return m_next; }
    const char* TextStart() const { return m_textStart; }
    const char* TextEnd() const { return m_textEnd; }
    bool Contains(const char* p) const { return p >= m_lineStart && p < m_next; }

private:
    const char* m_pos;
    const char* m_end;
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
        : m_range(range), m_word(word), m_maxHits(maxHits < 1 ? 1 : maxHits), m_hits(hits) {}

    // Scans one block; false when the scan has ended inside it. When `lastBlock`, the lines
    // after the last occurrence of the word need no reading: nothing follows them.
    bool ScanBlock(std::string_view block, bool lastBlock) {
        if (m_word.empty()) {
            return ScanEveryLine(block);
        }
        BlockLines lines(block);
        bool haveLine = false;
        const char* from = block.data();
        const char* const end = block.data() + block.size();
        for (;;) {
            const char* found = Find(from, end);
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
                if (!AddHit(lines.Verse())) {
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

    bool AddHit(const VerseLine& v) {
        m_hits.push_back({v.book, v.chapter, v.verse, std::string(TrimWhite(v.text))});
        return static_cast<int>(m_hits.size()) < m_maxHits;
    }

    // An empty word is in every verse text.
    bool ScanEveryLine(std::string_view block) {
        BlockLines lines(block);
        while (lines.HasMore()) {
            if (!Accept(lines) || !AddHit(lines.Verse())) {
                return false;
            }
        }
        return true;
    }

    const char* Find(const char* from, const char* end) const {
        if (from >= end) {
            return nullptr;
        }
        return static_cast<const char*>(
            memmem(from, static_cast<std::size_t>(end - from), m_word.data(), m_word.size()));
    }

    const SearchRange& m_range;
    std::string_view m_word;
    int m_maxHits;
    std::vector<SearchHit>& m_hits;
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
