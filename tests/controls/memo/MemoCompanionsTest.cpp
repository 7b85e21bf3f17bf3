#include <gtest/gtest.h>

#include "controls/memo/TZmMarker.h"
#include "controls/memo/TZmMemoChecker.h"
#include "controls/memo/TZmMemoSource.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Messages.h"
#include "tests/controls/memo/MemoFixture.h"

namespace {

using Lines = std::vector<std::string>;

TZmMarker& AddMarker(TZmCustomMemo& memo, int line)
{
    TZmMarker& marker = *memo.Markers().Markers().Add();
    marker.SetLineNumber(line);
    return marker;
}

} // namespace

TEST(MemoMarkers, FollowTheLinesTheEditingKeysInsertAndDelete)
{
    MemoFixture f;
    f.Start({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, 0, 5);
    TZmMarker& nine = AddMarker(*f.memo, 9);
    AddMarker(*f.memo, 5);
    f.session.PressKey('Y', kmCtrl);
    EXPECT_FALSE(f.memo->Markers().HasMarkerAt(5));
    EXPECT_EQ(nine.LineNumber(), 8);

    f.memo->SetCaret(1, 2);
    f.session.PressKey(VK_RETURN);
    EXPECT_EQ(nine.LineNumber(), 9);
    f.session.PressKey(VK_BACK);
    EXPECT_EQ(nine.LineNumber(), 8);
    EXPECT_EQ(f.memo->Markers().ImageIndexAt(8), 0);
    EXPECT_EQ(f.memo->Markers().ImageIndexAt(7), -1);
}

TEST(MemoMarkers, ShowTheirImageInTheGutterAndMoveTheRowRight)
{
    MemoFixture f;
    f.ShowRows(6);
    f.Start({"0", "1", "2", "3"});
    TImageList images(16, 16);
    for (TColor colour : {clPurple, clOlive}) {
        TBitmap image(16, 16);
        image.Canvas().Brush().SetColor(colour);
        image.Canvas().FillRect(Rect(0, 0, 16, 16));
        images.Add(image, nullptr);
    }
    f.memo->Markers().SetMarkerImageList(&images);
    AddMarker(*f.memo, 1).SetImageIndex(1);
    AddMarker(*f.memo, 2).SetImageIndex(7);
    f.memo->Lines().SetBreakpoint(1, true);
    f.memo->Invalidate();
    const int left = f.memo->Gutter().GutterRect().Left;
    auto top = [&](int row) { return f.memo->CellRect(0, row).Top; };
    auto numberLeft = [&](const char* number) {
        for (const TTextRun& run : f.Painted())
            if (run.Text == number)
                return run.Cell.Left;
        return -1;
    };
    EXPECT_EQ(f.PixelOf(*f.memo, left + 8, top(1) + 9), clOlive);
    EXPECT_NE(f.PixelOf(*f.memo, left + 8, top(0) + 9), clOlive);
    // The breakpoint disc and the number move right with the row.
    EXPECT_EQ(f.PixelOf(*f.memo, left + 16 + 7, top(1) + 9), clRed);
    EXPECT_EQ(numberLeft("2"), numberLeft("1") + 16);
    // An image the list does not hold shows nothing, but the row still makes room.
    EXPECT_EQ(numberLeft("3"), numberLeft("1") + 16);
    EXPECT_NE(f.PixelOf(*f.memo, left + 8, top(2) + 9), clOlive);

    f.memo->Markers().SetDefaultMarkerImageIndex(0);
    f.memo->Markers().SetUseDefaultMarkerImageIndex(true);
    f.memo->Invalidate();
    EXPECT_EQ(f.PixelOf(*f.memo, left + 8, top(1) + 9), clPurple);
    EXPECT_EQ(f.PixelOf(*f.memo, left + 8, top(2) + 9), clPurple);
    f.memo->Markers().SetMarkerImageList(nullptr);
}

TEST(MemoSource, TwoMemosShareTheTextAndItsUndoHistory)
{
    MemoFixture f;
    TZmMemo* other = f.Place<TZmMemo>(10, 220, 300, 60);
    auto* source = CreateOwned<TZmMemoSource>(*f.form);
    f.memo->SetMemoSource(source);
    other->SetMemoSource(source);
    f.memo->SetFocus();
    f.session.ProcessUntilIdle();
    ASSERT_EQ(source->Memo(), f.memo);
    f.session.TypeText("shared");
    EXPECT_EQ(other->Lines().Lines(), Lines{"shared"});

    other->SetFocus();
    f.session.ProcessUntilIdle();
    EXPECT_EQ(source->Memo(), other);
    EXPECT_TRUE(other->CanUndo());
    f.session.PressKey(VK_BACK, kmAlt);
    EXPECT_EQ(f.memo->Lines().Lines(), Lines{""});

    // Detached and attached again, a memo gets back its view and its read-only state.
    other->Redo();
    f.memo->SetFocus();
    f.session.ProcessUntilIdle();
    f.memo->SetCaret(2, 0);
    f.memo->SetSelection(2, 0, 4, 0);
    f.memo->SetReadOnly(true);
    f.memo->SetBookmark(3, 0);
    source->Attach(nullptr);
    f.memo->SetBookmark(3, -1);
    EXPECT_TRUE(source->ReadOnly());
    f.memo->SetReadOnly(false);
    source->Attach(f.memo);
    EXPECT_TRUE(f.memo->ReadOnly());
    EXPECT_EQ(f.memo->SelText(), "ar");
    EXPECT_EQ(f.memo->CurX(), 2);
    EXPECT_EQ(f.memo->Bookmark(3), 0);

    // A freed memo lets go of the source; a freed source leaves each memo its own text.
    source->Attach(other);
    TComponent::Free(other);
    EXPECT_EQ(source->Memo(), nullptr);
    TComponent::Free(source);
    EXPECT_EQ(f.memo->MemoSource(), nullptr);
    f.memo->SetReadOnly(false);
    f.memo->SetCaret(0, 0);
    f.session.TypeText("own");
    EXPECT_EQ(f.Text(), Lines{"own"});
}

TEST(MemoChecker, CheckingALineWithoutPropertiesLeavesItAlone)
{
    MemoFixture f;
    auto* checker = CreateOwned<TZmMemoChecker>(*f.form);
    f.memo->SetMemoChecker(checker);
    EXPECT_EQ(checker->Memo(), f.memo);
    f.Start({"plain", "marked"});
    f.memo->Lines().CreateLineProp(1).ErrorStarts.Add(2);
    checker->CheckAllLines();
    EXPECT_EQ(f.memo->Lines().GetLineProp(0), nullptr);
    EXPECT_EQ(f.memo->Lines().GetLineProp(1)->ErrorStarts.Count(), 0);
    TComponent::Free(checker);
    EXPECT_EQ(f.memo->MemoChecker(), nullptr);
    f.session.PressKey(VK_RETURN);
    EXPECT_EQ(f.memo->Version(), "1.6.0.5");
}
