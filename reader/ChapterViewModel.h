#pragma once

#include "ChapterLayout.h"
#include "ChapterViewProfile.h"
#include "ReadPointFile.h"
#include "RgbColor.h"
#include "TextMeasurer.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Scroll-bar notifications, in the order the handheld's framework numbers them.
enum class ScrollCode {
    LineUp,
    LineDown,
    PageUp,
    PageDown,
    ThumbPosition,
    ThumbTrack,
    Top,
    Bottom,
    EndScroll
};

// Virtual key codes the view reacts to.
inline constexpr int kKeyLeft = 0x25;
inline constexpr int kKeyUp = 0x26;
inline constexpr int kKeyRight = 0x27;
inline constexpr int kKeyDown = 0x28;
inline constexpr int kKeyUnsupported = 0x86; // a device key the view only refuses

inline constexpr std::string_view kAskPreviousBook = "이전 성경으로 이동할까요?";
inline constexpr std::string_view kAskPreviousChapter = "이전 장으로 이동할까요?";
inline constexpr std::string_view kAskNextChapter = "다음 장으로 이동할까요?";
inline constexpr std::string_view kAskNextBook = "다음 성경으로 이동할까요?";
inline constexpr std::string_view kUnsupportedKeyMessage = "지원하지 않는 Key입니다.";

// What the screen does after a model operation, in this order: reload runs the screen's
// LoadChapter (wait cursor, the model's LoadChapter, scroll range); repaint redraws the view;
// focusScrollBar gives the keyboard focus back to the scroll bar.
struct ViewActions {
    bool reload = false;
    bool repaint = false;
    bool focusScrollBar = false;
};

// The reader's answers: askYesNo is true for any answer but No.
struct ViewPrompts {
    std::function<bool(std::string_view question)> askYesNo;
    std::function<void(std::string_view message)> showMessage;
};

// The pop-ups a view opens; AfterDialog acts on what they left in the view's fields.
enum class ViewDialog { Selector, ManualBookmark, AddBookmark, FontSettings };

// State and rules of a chapter view (Korean or English by its profile), without widgets. The
// pop-ups read and write the m_ fields directly, as the screens hand results back.
class CChapterViewModel {
public:
    // Makes the measurer of the view font at a pixel height (the screen also makes its font).
    using MeasurerFactory = std::function<std::unique_ptr<CTextMeasurer>(int fontSize)>;

    CChapterViewModel(const ChapterViewProfile& profile, MeasurerFactory makeMeasurer);

    int m_book = 0;
    int m_chapter = 0; // 0: nothing to show
    std::string m_title;
    std::string m_chapterText;
    std::vector<std::string> m_lines; // at most kMaxDisplayLines
    int m_topLine = 0;
    int m_scrollMax = 0; // may be negative when the chapter fits on one page
    int m_fontSize = 14;
    int m_linesPerPage = 14;
    RgbColor m_textColor = kBlack;
    RgbColor m_backColor = kWhite;
    int m_parallel = 0; // non-zero: parallel text
    bool m_keepTopLine = false;
    bool m_accepted = false;
    bool m_arrowPending = false;

    const ChapterViewProfile& Profile() const { return m_profile; }

    // Opening: reads the position file (creating it when missing), sets g_activeLanguage, keeps
    // the saved top line for the first layout, sets lines per page and makes the font. The
    // screen then runs its LoadChapter.
    ReadPointOrigin Open();
    // Lines per page from m_fontSize (unchanged for a size outside the table) and a new font.
    void ApplyFontSize();
    // A new measurer for m_fontSize.
    void CreateFont();
    // Reads the chapter (title and text) and lays it out; does nothing when m_chapter is 0.
    void LoadChapter();
    // Wraps m_chapterText into m_lines and sets m_scrollMax; m_topLine goes to 0 unless
    // m_keepTopLine was set (it is cleared), and a kept line is held inside 0..m_scrollMax.
    void LayoutChapter();
    // Closing: unless book or chapter is 0, rewrites the position file and (Korean view) sets
    // g_lastKoreanBook. False only when the rewrite failed (the old file is then kept).
    bool Close();

    // Scroll-bar notification; true when the view repaints.
    bool OnScroll(ScrollCode code, int thumbPosition = 0);
    // The page commands (and the up/down arrows): a step of m_linesPerPage - 1, held inside
    // 0..m_scrollMax; true when the view repaints.
    bool PageUp();
    bool PageDown();
    // An arrow key or key 134; a question asked through `prompts` decides a chapter move.
    ViewActions OnKeyDown(int key, const ViewPrompts& prompts);
    // Parallel text on or off: 1 -> 0, any other value -> 1; reloads.
    ViewActions ToggleParallel();
    // What the view does after one of its pop-ups closed (m_accepted as the pop-up left it).
    ViewActions AfterDialog(ViewDialog dialog);

    int LineCount() const { return static_cast<int>(m_lines.size()); }
    // Display line `index`, or "" outside the lines in use.
    std::string_view LineAt(int index) const;
    // Range of the scroll bar: 0..ScrollBarMax().
    int ScrollBarMax() const { return m_scrollMax > 0 ? m_scrollMax : 0; }
    // Height of the title band and top of screen line i (0-based): size 14 -> 18; (0) -> 20.
    int TitleBandHeight() const { return m_fontSize + 4; }
    int ScreenLineTop(int i) const { return (i + 1) * (m_fontSize + 4) + 2; }

    // How the layout measures (Incremental unless a comparison asks for Plain).
    void SetMeasureMode(MeasureMode mode) { m_measureMode = mode; }
    // True when the last layout dropped lines at the bound.
    bool LayoutTruncated() const { return m_truncated; }

private:
    int ScrollBarPageStep() const;
    bool StepUp(int lines);
    bool StepDown(int lines);
    ViewActions MoveBack(const ViewPrompts& prompts);
    ViewActions MoveForward(const ViewPrompts& prompts);

    const ChapterViewProfile& m_profile;
    MeasurerFactory m_makeMeasurer;
    std::unique_ptr<CTextMeasurer> m_measurer;
    MeasureMode m_measureMode = MeasureMode::Incremental;
    bool m_truncated = false;
};
