#include "DataFolder.h"
#include "BookCatalogue.h"
#include "KrvFolder.h"
#include "KrvImport.h"
#include "ScriptureStore.h"
#include "TempDir.h"
#include "TextUtil.h"
#include "VerseLine.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace {

std::set<std::string> FilesIn(const CTempDir& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line + "\n");
    }
    return lines;
}

class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        BuildChapterKeys();
        WriteKrvFolder(m_krv);
    }

    // qrv-data on the generated Korean text, without the English import.
    int Run(bool korean = true, bool english = false, const std::string& module = "") {
        QrvDataOptions options;
        options.outFolder = m_out.Path();
        options.krvFolder = korean ? m_krv.Path() : "";
        options.english = english;
        if (!module.empty()) {
            options.swordModule = module;
        }
        options.expectedVerses = GeneratedVerseTotal();
        std::ostringstream out;
        std::ostringstream err;
        const int status = BuildDataFolder(options, out, err);
        m_stdout = out.str();
        m_stderr = err.str();
        return status;
    }

    CTempDir m_krv;
    CTempDir m_out;
    std::string m_stdout;
    std::string m_stderr;
};

TEST_F(DataFolderTest, KoreanTextHasOneLinePerVerseAndChapterOffsets) {
    nlohmann::json genesis = GeneratedBook(1);
    genesis["chapters"][0]["verses"][1]["text"] = " 둘째\t줄\r\n셋째  줄 ";
    genesis["chapters"][0]["verses"][2]["text"] = "a: b ¶ c";
    WriteKrvBook(m_krv, 1, genesis);

    ASSERT_EQ(Run(), 0) << m_stderr;
    EXPECT_EQ(m_stderr, "");
    const std::string text = m_out.Read("kbible.dat");
    const std::string index = m_out.Read("kbible.inx");

    // Genesis 1 has three verses; white space inside a verse is folded, ":" and "¶" are kept.
    const std::string genesis1 = "1:1:1 창세기 1장 1절\n1:1:2 둘째 줄 셋째 줄\n1:1:3 a: b ¶ c\n";
    ASSERT_EQ(text.substr(0, genesis1.size()), genesis1) << "no byte-order mark, exact lines";
    EXPECT_TRUE(text.ends_with("\n66:22:1 요한계시록 22장 1절\n66:22:2 요한계시록 22장 2절\n"));
    EXPECT_EQ(static_cast<int>(Lines(text).size()), GeneratedVerseTotal());

    const std::vector<std::string> offsets = Lines(index);
    ASSERT_EQ(offsets.size(), 1189u);
    ASSERT_TRUE(index.ends_with("\n"));
    EXPECT_EQ(offsets[0], "0\n");
    EXPECT_EQ(offsets[1], std::to_string(genesis1.size()) + "\n");
    EXPECT_EQ(offsets[1188], std::to_string(text.rfind("66:22:1 ")) + "\n");

    // Every chapter read the way the reader reads it yields the source's verses.
    ChapterOffsetTable table{};
    ASSERT_TRUE(LoadChapterIndex(m_out.File("kbible.inx"), table));
    for (int book = 1; book <= kBookCount; ++book) {
        for (int chapter = 1; chapter <= ChapterCountOf(book); ++chapter) {
            const auto verses = ReadChapter(m_out.File("kbible.dat"), table, book, chapter);
            ASSERT_EQ(static_cast<int>(verses.size()), GeneratedVerseCount(book, chapter))
                << book << ":" << chapter;
            for (std::size_t i = 0; i < verses.size(); ++i) {
                EXPECT_EQ(verses[i].verse, static_cast<int>(i) + 1);
                if (book > 1 || chapter > 1) {
                    EXPECT_EQ(verses[i].text, GeneratedVerseText(book, chapter, verses[i].verse));
                }
            }
        }
    }
    EXPECT_NE(m_stdout.find("kbible.dat"), std::string::npos);
    EXPECT_NE(m_stdout.find(std::to_string(GeneratedVerseTotal()) + " verses"), std::string::npos);
    EXPECT_NE(m_stdout.find("ebible.dat, ebible.inx: not written"), std::string::npos);
}

TEST_F(DataFolderTest, VerseNumbersMayLeaveGaps) {
    // Some translations omit a verse; the reader copes, so the import keeps the numbers given.
    nlohmann::json ruth = GeneratedBook(8);
    ruth["chapters"][1]["verses"][1]["verse"] = 7; // Ruth 2 has verses 1, 2 -> 1, 7
    WriteKrvBook(m_krv, 8, ruth);
    ASSERT_EQ(Run(), 0) << m_stderr;
    EXPECT_NE(m_out.Read("kbible.dat").find("\n8:2:1 룻기 2장 1절\n8:2:7 룻기 2장 2절\n"),
              std::string::npos);
}

struct BrokenInput {
    const char* what;
    std::function<void(const CTempDir&)> damage;
    const char* namedFile;
};

TEST_F(DataFolderTest, RefusesBrokenKoreanInputAndKeepsTheOldPair) {
    const std::vector<BrokenInput> cases = {
        {"missing book file",
         [](const CTempDir& d) { std::filesystem::remove(d.File("Exodus.json")); }, "Exodus.json"},
        {"bad JSON", [](const CTempDir& d) { d.Write("Ruth.json", R"({"book": "Ruth", "chap)"); },
         "Ruth.json"},
        {"ill-formed UTF-8",
         [](const CTempDir& d) {
             d.Write("Jude.json", "{\"chapters\": [{\"chapter\": 1, \"verses\": [{\"verse\": 1, "
                                  "\"text\": \"\xff\xfe\"}]}]}");
         },
         "Jude.json"},
        {"chapter missing",
         [](const CTempDir& d) {
             nlohmann::json b = GeneratedBook(19);
             b["chapters"].erase(b["chapters"].size() - 1);
             WriteKrvBook(d, 19, b);
         },
         "Psalms.json"},
        {"chapters out of order",
         [](const CTempDir& d) {
             nlohmann::json b = GeneratedBook(2);
             std::swap(b["chapters"][3], b["chapters"][4]);
             WriteKrvBook(d, 2, b);
         },
         "Exodus.json"},
        {"chapter number is text",
         [](const CTempDir& d) {
             nlohmann::json b = GeneratedBook(31);
             b["chapters"][0]["chapter"] = "1";
             WriteKrvBook(d, 31, b);
         },
         "Obadiah.json"},
        {"verses descending",
         [](const CTempDir& d) {
             nlohmann::json b = GeneratedBook(66);
             b["chapters"][21]["verses"][1]["verse"] = 1;
             WriteKrvBook(d, 66, b);
         },
         "Revelation.json"},
        {"first verse is not 1",
         [](const CTempDir& d) {
             nlohmann::json b = GeneratedBook(40);
             b["chapters"][0]["verses"][0]["verse"] = 0;
             WriteKrvBook(d, 40, b);
         },
         "Matthew.json"},
        {"chapter without verses",
         [](const CTempDir& d) {
             nlohmann::json b = GeneratedBook(57);
             b["chapters"][0]["verses"] = nlohmann::json::array();
             WriteKrvBook(d, 57, b);
         },
         "Philemon.json"},
        {"verse text is no string",
         [](const CTempDir& d) {
             nlohmann::json b = GeneratedBook(64);
             b["chapters"][0]["verses"][0]["text"] = nullptr;
             WriteKrvBook(d, 64, b);
         },
         "3John.json"},
        {"another book's file", [](const CTempDir& d) { WriteKrvBook(d, 63, GeneratedBook(64)); },
         "2John.json"},
        {"not an object", [](const CTempDir& d) { d.Write("Genesis.json", "[1, 2]"); },
         "Genesis.json"},
    };
    for (const BrokenInput& c : cases) {
        SCOPED_TRACE(c.what);
        CTempDir krv;
        WriteKrvFolder(krv);
        c.damage(krv);
        for (bool oldPair : {false, true}) {
            CTempDir out;
            if (oldPair) {
                out.Write("kbible.dat", "1:1:1 old\n");
                out.Write("kbible.inx", "0\n");
            }
            QrvDataOptions options;
            options.outFolder = out.Path();
            options.krvFolder = krv.Path();
            options.english = false;
            options.expectedVerses = GeneratedVerseTotal();
            std::ostringstream so;
            std::ostringstream se;
            EXPECT_EQ(BuildDataFolder(options, so, se), 1);
            EXPECT_NE(se.str().find(krv.File(c.namedFile)), std::string::npos) << se.str();
            if (oldPair) {
                EXPECT_EQ(FilesIn(out), (std::set<std::string>{"kbible.dat", "kbible.inx"}));
                EXPECT_EQ(out.Read("kbible.dat"), "1:1:1 old\n");
                EXPECT_EQ(out.Read("kbible.inx"), "0\n");
            } else {
                EXPECT_TRUE(FilesIn(out).empty()) << "nothing half-written";
            }
        }
    }
}

TEST_F(DataFolderTest, UnknownSwordModuleIsNamedAndNothingIsReplaced) {
    m_out.Write("ebible.dat", "1:1:1 old\n");
    m_out.Write("ebible.inx", "0\n");
    EXPECT_EQ(Run(false, true, "NoSuchModule42"), 1);
    EXPECT_NE(m_stderr.find("\"NoSuchModule42\""), std::string::npos) << m_stderr;
    EXPECT_EQ(FilesIn(m_out), (std::set<std::string>{"ebible.dat", "ebible.inx"}));
    EXPECT_EQ(m_out.Read("ebible.dat"), "1:1:1 old\n");
    EXPECT_EQ(m_out.Read("ebible.inx"), "0\n");
}

TEST_F(DataFolderTest, KoreanVerseCountMustMatch) {
    // The check after writing: a text that lacks verses is not installed.
    QrvDataOptions options;
    options.outFolder = m_out.Path();
    options.krvFolder = m_krv.Path();
    options.english = false;
    options.expectedVerses = GeneratedVerseTotal() + 1;
    std::ostringstream so;
    std::ostringstream se;
    EXPECT_EQ(BuildDataFolder(options, so, se), 1);
    EXPECT_NE(se.str().find("verse lines, expected"), std::string::npos) << se.str();
    EXPECT_TRUE(FilesIn(m_out).empty());
}

TEST_F(DataFolderTest, SettingsAndBookmarkFilesAreNeverReplaced) {
    const std::vector<std::string> userFiles = {"kReadPoint.txt", "eReadPoint.txt",
                                                "kConfPoint.txt", "eConfPoint.txt",
                                                "kBookMark.txt",  "kReadTable.txt"};
    for (const std::string& name : userFiles) {
        m_out.Write(name, "mine: " + name + "\n");
    }
    m_out.Write("kHelp.txt", "old help\n");
    ASSERT_EQ(Run(), 0) << m_stderr;
    for (const std::string& name : userFiles) {
        EXPECT_EQ(m_out.Read(name), "mine: " + name + "\n");
    }
    EXPECT_NE(m_out.Read("kHelp.txt"), "old help\n") << "the help file is the tool's own";
    std::set<std::string> expected(userFiles.begin(), userFiles.end());
    expected.insert({"kHelp.txt", "kbible.dat", "kbible.inx"});
    EXPECT_EQ(FilesIn(m_out), expected) << "no other file written, no temporary left";
    EXPECT_NE(m_stdout.find("kReadTable.txt: kept"), std::string::npos);
}

TEST_F(DataFolderTest, FirstReadingTableHasEveryChapterUnread) {
    ASSERT_EQ(Run(false), 0) << m_stderr;
    EXPECT_EQ(FilesIn(m_out), (std::set<std::string>{"kHelp.txt", "kReadTable.txt"}));
    const std::string table = m_out.Read("kReadTable.txt");
    const std::vector<std::string> lines = Lines(table);
    ASSERT_EQ(lines.size(), 1190u);
    EXPECT_TRUE(table.ends_with("\n"));
    EXPECT_EQ(lines[0], "QRV Vellumreader Ver2.3 성경읽기표 \n");
    EXPECT_EQ(lines[1], "창세기:1:1:0 \n");
    EXPECT_EQ(lines[51], "출애굽기:2:1:0 \n");
    EXPECT_EQ(lines[1 + 478 + 22], "시편:19:23:0 \n");
    EXPECT_EQ(lines[1 + 627], "시편:19:150:0 \n");
    EXPECT_EQ(lines[1 + 929], "마태복음:40:1:0 \n");
    EXPECT_EQ(lines[1189], "요한계시록:66:22:0 \n");
    // A second run keeps the table even when its marks changed.
    m_out.Write("kReadTable.txt", table.substr(0, 60));
    ASSERT_EQ(Run(false), 0) << m_stderr;
    EXPECT_EQ(m_out.Read("kReadTable.txt"), table.substr(0, 60));
}

TEST_F(DataFolderTest, HelpTextCoversTheLauncherInShortUtf8Lines) {
    ASSERT_EQ(Run(false), 0) << m_stderr;
    const std::string help = m_out.Read("kHelp.txt");
    ASSERT_FALSE(help.empty());
    EXPECT_FALSE(help.starts_with("\xEF\xBB\xBF"));
    EXPECT_EQ(help.find('\r'), std::string::npos);
    EXPECT_TRUE(help.ends_with("\n"));
    for (const char* caption :
         {"한글성경", "영어성경", "성경찾기", "찬송가", "성경읽기표", "심방사전", "교독문",
          "북마크관리", "최근에 읽은곳", "도움말", "종료", "대하여", "방향키", "한영대조"}) {
        EXPECT_NE(help.find(caption), std::string::npos) << caption;
    }
    for (const std::string& line : Lines(help)) {
        EXPECT_LE(CharCount(line), 60u) << line;
    }
}

TEST_F(DataFolderTest, OutputFolderIsCreatedOrRefusedByName) {
    QrvDataOptions options;
    options.outFolder = m_out.File("a/b");
    options.english = false;
    std::ostringstream so;
    std::ostringstream se;
    ASSERT_EQ(BuildDataFolder(options, so, se), 0) << se.str();
    EXPECT_TRUE(m_out.Exists("a/b/kHelp.txt"));

    m_out.Write("plain", "x");
    options.outFolder = m_out.File("plain");
    EXPECT_EQ(BuildDataFolder(options, so, se), 1);
    EXPECT_NE(se.str().find(m_out.File("plain")), std::string::npos) << se.str();
}

} // namespace
