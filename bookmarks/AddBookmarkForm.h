#pragma once

#include "BookmarkInput.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Edit texts of the add dialog's three boxes before anything is chosen.
inline constexpr std::string_view kTestamentPrompt = "책 선택";
inline constexpr std::string_view kBookPrompt = "성경 선택";
inline constexpr std::string_view kChapterPrompt = "장 선택";

struct ComboItem {
    std::string text;
    int data = 0;
};

// Item positions to select when the dialog opens; -1 selects nothing.
struct AddBookmarkPreset {
    int testament = -1;
    int bookItem = -1;
    int chapterItem = -1;
};

struct SaveOutcome {
    bool saved = false;
    std::string message;                       // shown in an OK box in every case
    BookmarkField field = BookmarkField::None; // input to focus after a refusal
};

// The add-bookmark dialog without its widgets: numbering, presets, list contents and the save.
class CAddBookmarkForm {
public:
    // `nextNumber` as each opener gives it (list: count + 1, chapter view: CountBookmarkRecords,
    // kept within 16 bits); presets 0 for none.
    CAddBookmarkForm(std::string bookmarkPath, int nextNumber, int presetBook, int presetChapter);

    int NextNumber() const { return m_nextNumber; }
    // Static 1012: "%d" of the number.
    std::string NumberText() const;
    // Edit 1004: "BM%d" of the number, 7 -> "BM7".
    std::string DefaultTitle() const;
    int PresetBook() const { return m_presetBook; }
    int PresetChapter() const { return m_presetChapter; }

    // Selections for the presets: book 45, chapter 8 -> testament 1, book item 5, chapter item 7.
    // A preset book outside 1..66 or a chapter the book doesn't have selects nothing at its level.
    AddBookmarkPreset Preset() const;

    // "구약", "신약", with data 0 and 1.
    static std::vector<ComboItem> TestamentItems();
    // Korean names with book numbers: testament 1 -> books 40..66, anything else -> 1..39.
    static std::vector<ComboItem> BookItems(int testament);
    // "%3d 장" with chapter numbers for every chapter of the book, the Psalms included:
    // 19 -> "  1 장" … "150 장"; a book outside 1..66 -> none.
    static std::vector<ComboItem> ChapterItems(int book);

    // `SaveBookmark`: CheckBookmarkInput, then the append. On success the message is
    // "%d번째 북마크 추가 완료" with the number saved, the number advances by one, and the chosen
    // book and chapter become the presets; the dialog then shows NumberText() and DefaultTitle()
    // and empties both verse edits. A refused input names its field; a failed append gives
    // "북마크 저장에 실패했습니다." and changes nothing.
    SaveOutcome SaveBookmark(const BookmarkInput& input);

private:
    std::string m_path;
    std::int16_t m_nextNumber;
    int m_presetBook;
    int m_presetChapter;
};
