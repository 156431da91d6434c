#include "HitRow.h"
#include "SearchModel.h"
#include "SearchScope.h"

#include "BookCatalogue.h"

#include <gtest/gtest.h>

namespace {

TEST(ScopeBoxes, ScopeListsItsBooks) {
    auto books = BookItemsOfScope(kScopeWholeBible);
    ASSERT_EQ(books.size(), 66u);
    EXPECT_EQ(books[0].text, "창세기");
    EXPECT_EQ(books[65].data, 66);
    books = BookItemsOfScope(kScopeOldTestament);
    ASSERT_EQ(books.size(), 39u);
    EXPECT_EQ(books.back().data, 39);
    for (int scope : {kScopeNewTestament, kScopeGospels}) {
        books = BookItemsOfScope(scope);
        ASSERT_EQ(books.size(), 27u) << "the gospels scope still lists 40..66";
        EXPECT_EQ(books.front().data, 40);
        EXPECT_EQ(books.front().text, "마태복음");
        EXPECT_EQ(books.back().data, 66);
    }
}

TEST(ScopeBoxes, ChapterItemsNameEachChapter) {
    auto chapters = ChapterItemsOfBook(19);
    ASSERT_EQ(chapters.size(), 150u);
    EXPECT_EQ(chapters[0].text, "  1 편");
    EXPECT_EQ(chapters[149].text, "150 편");
    EXPECT_EQ(chapters[149].data, 150);
    chapters = ChapterItemsOfBook(1);
    ASSERT_EQ(chapters.size(), 50u);
    EXPECT_EQ(chapters[9].text, " 10 장");
    EXPECT_EQ(chapters[9].data, 10);
    EXPECT_EQ(ChapterItemsOfBook(20)[0].text, "  1 장") << "only the Psalms count in 편";
    EXPECT_TRUE(ChapterItemsOfBook(67).empty());
    EXPECT_TRUE(ChapterItemsOfBook(-1).empty());
}

TEST(SearchKinds, ChapterBeforeBookBeforeScope) {
    EXPECT_EQ(ChooseSearchKind(kScopeGospels, -1, -1), kSearchGospels);
    EXPECT_EQ(ChooseSearchKind(kScopeGospels, 12, -1), kSearchOneBook);
    EXPECT_EQ(ChooseSearchKind(kScopeOldTestament, 12, 3), kSearchOneChapter);
    EXPECT_EQ(ChooseSearchKind(kScopeOldTestament, -1, 3), kSearchOldTestament)
        << "a chapter without its book is no choice";
}

TEST(SearchScreenState, ListsTextsAndTheParallelCommand) {
    const HitRowTexts row = MakeHitRow(12, {19, 119, 105, "주의 말씀은 내 발에 등이요"});
    EXPECT_EQ(row, (HitRowTexts{"12", "시편", "119", "105", "주의 말씀은 내 발에 등이요"}));
    const VerseViewFields view = MakeVerseViewFields("말씀", row);
    EXPECT_EQ(view.numberText, "12 번");
    EXPECT_EQ(view.chapterText, "119 장");
    EXPECT_EQ(view.verseText, "105 절");
    EXPECT_EQ(view.bodyText, "주의 말씀은 내 발에 등이요");

    const std::string none = "/nonexistent/kbible.dat";
    const ChapterOffsetTable offsets{};
    CSearchModel model({&none, &offsets}, {&none, &offsets});
    EXPECT_FALSE(model.CanShowParallelText()) << "nothing to show before a lookup";
    EXPECT_EQ(model.SelectedBook(), -1);
    EXPECT_EQ(model.SelectedChapter(), -1);
    EXPECT_EQ(model.LimitCode(), 0);
    EXPECT_EQ(model.SelectScope(kScopeOldTestament).size(), 39u);
    EXPECT_EQ(model.SelectBook(19).size(), 150u);
    EXPECT_EQ(model.SelectedBook(), 19);
}

} // namespace
