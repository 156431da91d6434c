#pragma once

#include "ScriptureStore.h"
#include "SearchModel.h"
#include "TempDir.h"

#include <string>
#include <string_view>
#include <vector>

// A Korean and an English Bible of a few chapters in a temporary folder, with offset tables
// as an index file would give them: a chapter that holds no lines begins where the next
// written chapter begins. Builds the chapter keys, which ChapterIndexOf needs.
class CTestBibles {
public:
    CTestBibles();

    // Appends verse lines "book:chapter:n text" numbered from 1 and records the chapter's offset.
    void AddChapter(int language, int book, int chapter, const std::vector<std::string>& texts);
    // Appends one raw line (line end included, if any) without touching the offsets.
    void AddRaw(int language, std::string_view raw);
    // Writes both files and completes the offset tables; call after the last Add.
    void Write();

    BibleSource Source(int language) const;
    std::string Path(int language) const;
    const ChapterOffsetTable& Offsets(int language) const { return m_offsets[language]; }
    const CTempDir& Dir() const { return m_dir; }

private:
    CTempDir m_dir;
    std::string m_paths[2];
    std::string m_text[2];
    ChapterOffsetTable m_offsets[2];
    std::vector<bool> m_set[2];
};

// Verse texts "<prefix> 1" .. "<prefix> n".
std::vector<std::string> NumberedVerses(std::string_view prefix, int count);
