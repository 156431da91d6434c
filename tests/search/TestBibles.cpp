#include "TestBibles.h"

CTestBibles::CTestBibles() {
    ResetScriptureStore();
    BuildChapterKeys();
    m_paths[kKoreanBible] = m_dir.File("kbible.dat");
    m_paths[kEnglishBible] = m_dir.File("ebible.dat");
    for (int language : {kKoreanBible, kEnglishBible}) {
        m_offsets[language].fill(0);
        m_set[language].assign(m_offsets[language].size(), false);
    }
}

void CTestBibles::AddChapter(int language, int book, int chapter,
                             const std::vector<std::string>& texts) {
    const auto k = static_cast<std::size_t>(ChapterIndexOf(book, chapter));
    m_offsets[language][k] = static_cast<std::int32_t>(m_text[language].size());
    m_set[language][k] = true;
    int verse = 1;
    for (const auto& t : texts) {
        m_text[language] += std::to_string(book) + ":" + std::to_string(chapter) + ":" +
                            std::to_string(verse++) + " " + t + "\n";
    }
}

void CTestBibles::AddRaw(int language, std::string_view raw) {
    m_text[language] += raw;
}

void CTestBibles::Write() {
    for (int language : {kKoreanBible, kEnglishBible}) {
        auto& offsets = m_offsets[language];
        auto next = static_cast<std::int32_t>(m_text[language].size());
        for (std::size_t k = kChapterTotal; k-- > 0;) {
            if (m_set[language][k]) {
                next = offsets[k];
            } else {
                offsets[k] = next;
            }
        }
        offsets[kChapterTotal] = offsets[kChapterTotal - 1];
        m_dir.Write(language == kKoreanBible ? "kbible.dat" : "ebible.dat", m_text[language]);
    }
}

BibleSource CTestBibles::Source(int language) const {
    return {&m_paths[language], &m_offsets[language]};
}

std::string CTestBibles::Path(int language) const {
    return m_paths[language];
}

std::vector<std::string> NumberedVerses(std::string_view prefix, int count) {
    std::vector<std::string> texts;
    for (int i = 1; i <= count; ++i) {
        texts.push_back(std::string(prefix) + " " + std::to_string(i));
    }
    return texts;
}
