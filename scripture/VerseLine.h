#pragma once

#include "ScriptureStore.h"
#include "TextFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A verse line "book:chapter:verse text\n" of kbible.dat / ebible.dat.
struct VerseLine {
    int book = 0;
    int chapter = 0;
    int verse = 0;
    std::string_view text; // points into the parsed line
};

// Characters one verse-line read takes at most (511 plus the terminator of the C buffer).
inline constexpr int kVerseLineChars = 512;
// Bound of a whole verse line assembled from several reads.
inline constexpr std::size_t kMaxVerseLineBytes = 64 * 1024;

// Parses a line read from a text file. Rejects a line without ':'. The reference is the text
// before the first space; the verse text runs from after it to the line end (a "\r\n" ending
// is dropped whole). "1:1:1 a: b  c\n" -> {1, 1, 1, "a: b  c"}.
bool ParseVerseLine(std::string_view line, VerseLine& out);

// True when a verse line lies past (book, chapter): its book or its chapter number is greater.
inline bool IsPastChapter(const VerseLine& v, int book, int chapter) {
    return v.book > book || v.chapter > chapter;
}

// Sequential reader of verse lines from one chapter offset on. Owns its file and line buffer,
// so a scan allocates nothing per line.
class CVerseLineReader {
public:
    // Opens the text file and seeks to `offset`; false when the file can't be opened.
    bool Open(const std::string& path, std::int64_t offset);
    // Next accepted verse line; false when the read fails or the line holds no ':'. A line
    // longer than one read is taken whole. The returned text stays valid until the next call.
    bool Next(VerseLine& out);
    // End of file met by the last read (feof).
    bool AtEnd() const { return m_file.AtEnd(); }
    void Close() { m_file.Close(); }

private:
    CTextFile m_file;
    std::string m_line;
    std::string m_piece;
    bool m_seekFailed = false;
};

struct VerseEntry {
    int verse = 0;
    std::string text;
};

// The verse lines of one chapter, in file order: seek to the chapter's offset and read until a
// line lies past the chapter, a line is not a verse line, or the file ends. A pair that is no
// chapter yields nothing: (1, 51) -> {}, (66, 23) -> {}.
std::vector<VerseEntry> ReadChapter(const std::string& textPath, const ChapterOffsetTable& offsets,
                                    int book, int chapter);
