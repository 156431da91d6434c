#include "FixedWidthMeasurer.h"
#include "FontSettingsModel.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CTextMeasurer> FixedFont(int) {
    return std::make_unique<CFixedWidthMeasurer>();
}

constexpr RgbColor kOlive{128, 128, 0};
constexpr RgbColor kOrange{255, 128, 0}; // not in the palette

class FontSettingsTest : public ::testing::Test {
protected:
    CChapterViewModel m_view{KoreanViewProfile(), FixedFont};
};

TEST_F(FontSettingsTest, DefaultColoursAndSize) {
    CFontSettingsModel font(m_view);
    font.Init();
    EXPECT_EQ(font.m_textIndex, 8);
    EXPECT_EQ(font.m_backIndex, 0);
    EXPECT_EQ(font.TextColor(), kBlack);
    EXPECT_EQ(font.BackColor(), kWhite);
    EXPECT_EQ(font.m_size, 14);
    ASSERT_EQ(font.m_sizeList.Count(), 5);
    EXPECT_EQ(font.m_sizeList.items[0].text, "12");
    EXPECT_EQ(font.m_sizeList.items[4].value, 20);
    EXPECT_EQ(font.m_sizeList.selected, 1);
    EXPECT_EQ(font.m_sizeList.editText, "14");
}

TEST_F(FontSettingsTest, SwatchHitsCountTheirEdges) {
    CFontSettingsModel font(m_view);
    font.Init();
    for (int x : {77, 87, 97}) {
        for (int y : {82, 90, 102}) {
            EXPECT_EQ(font.SwatchAt(x, y), 10) << x << "," << y << ": edges count";
        }
    }
    EXPECT_EQ(font.SwatchAt(54, 140), -1) << "gap between squares";
    EXPECT_EQ(font.SwatchAt(40, 81), -1) << "gap between rows";
    EXPECT_EQ(font.SwatchAt(33, 135), 16);
    EXPECT_EQ(font.SwatchAt(53, 155), 16);
    EXPECT_EQ(font.SwatchAt(207, 177), 31);
    EXPECT_EQ(font.SwatchAt(208, 177), -1);
    EXPECT_EQ(font.SwatchAt(150, 40), -1) << "the chosen-colour box is no swatch";
    EXPECT_EQ(font.KoreanSampleOrigin().y, 190);
    EXPECT_EQ(font.EnglishSampleOrigin().y, 206);
}

TEST_F(FontSettingsTest, TapsChooseColours) {
    CFontSettingsModel font(m_view);
    font.Init();
    EXPECT_TRUE(font.OnPenUp(77, 82));
    EXPECT_EQ(font.m_textIndex, 10);
    EXPECT_EQ(font.TextColor(), kOlive);
    EXPECT_EQ(font.m_backIndex, 0);
    EXPECT_TRUE(font.OnPenUp(187, 177));
    EXPECT_EQ(font.m_backIndex, 15);
    EXPECT_TRUE(font.OnPenUp(33, 135));
    EXPECT_EQ(font.BackColor(), kWhite);
    EXPECT_FALSE(font.OnPenUp(54, 140));
    EXPECT_EQ(font.m_backIndex, 0);
    EXPECT_EQ(font.m_textIndex, 10);

    font.OnSizeChanged(4);
    EXPECT_EQ(font.m_size, 20);
    EXPECT_EQ(font.EnglishSampleOrigin().y, 212);
    font.OnOK();
    EXPECT_TRUE(m_view.m_accepted);
    EXPECT_EQ(m_view.m_fontSize, 20);
    EXPECT_EQ(m_view.m_textColor, kOlive);
    EXPECT_EQ(m_view.m_backColor, kWhite);
    EXPECT_TRUE(m_view.AfterDialog(ViewDialog::FontSettings).reload);
    EXPECT_EQ(m_view.m_linesPerPage, 10);
}

TEST_F(FontSettingsTest, CancelChangesNothing) {
    m_view.m_accepted = true;
    CFontSettingsModel font(m_view);
    font.Init();
    font.OnPenUp(77, 82);
    font.OnSizeChanged(0);
    font.OnCancel();
    EXPECT_FALSE(m_view.m_accepted);
    EXPECT_EQ(m_view.m_fontSize, 14);
    EXPECT_EQ(m_view.m_textColor, kBlack);
    const ViewActions after = m_view.AfterDialog(ViewDialog::FontSettings);
    EXPECT_FALSE(after.reload);
    EXPECT_TRUE(after.repaint);
}

TEST_F(FontSettingsTest, OkUntouchedWritesTheSameAndReloads) {
    m_view.m_textColor = {0, 0, 128};
    m_view.m_backColor = {255, 255, 100};
    CFontSettingsModel font(m_view);
    font.Init();
    EXPECT_EQ(font.m_textIndex, 13);
    EXPECT_EQ(font.m_backIndex, 2);
    font.OnOK();
    EXPECT_TRUE(m_view.m_accepted);
    EXPECT_EQ(m_view.m_textColor, (RgbColor{0, 0, 128}));
    EXPECT_EQ(m_view.m_backColor, (RgbColor{255, 255, 100}));
    EXPECT_TRUE(m_view.AfterDialog(ViewDialog::FontSettings).reload);
}

TEST_F(FontSettingsTest, ColoursOutsideThePaletteAreKept) {
    m_view.m_textColor = kOrange;
    m_view.m_backColor = {1, 2, 3};
    m_view.m_fontSize = 13;
    CFontSettingsModel font(m_view);
    font.Init();
    EXPECT_EQ(font.m_textIndex, kNoPaletteIndex);
    EXPECT_EQ(font.m_backIndex, kNoPaletteIndex);
    EXPECT_EQ(font.TextColor(), kOrange) << "drawn in the view's own colour";
    EXPECT_EQ(font.BackColor(), (RgbColor{1, 2, 3}));
    EXPECT_FALSE(font.m_sizeList.HasSelection()) << "13 is none of the sizes";
    font.OnOK();
    EXPECT_EQ(m_view.m_textColor, kOrange);
    EXPECT_EQ(m_view.m_backColor, (RgbColor{1, 2, 3}));
    EXPECT_EQ(m_view.m_fontSize, 13);

    CFontSettingsModel again(m_view);
    again.Init();
    again.OnPenUp(33, 157); // background black
    again.OnOK();
    EXPECT_EQ(m_view.m_textColor, kOrange);
    EXPECT_EQ(m_view.m_backColor, kBlack);
}

} // namespace
