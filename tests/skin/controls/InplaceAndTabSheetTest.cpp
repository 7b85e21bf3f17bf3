#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/controls/TCustomListBox.h"
#include "platform/controls/TWindowScrollBars.h"
#include "platform/core/WeakRef.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "skin/controls/TTeInplaceScrollBar.h"
#include "skin/controls/TTePageContainer.h"
#include "skin/controls/TTeTabSheet.h"
#include "skin/engine/TeParentBackground.h"
#include "tests/skin/controls/SkinTestKit.h"

namespace {

// A list that logs the scroll messages it receives as (code, position).
class ScrollLoggingList : public TListBox {
public:
    using TListBox::TListBox;
    std::vector<std::pair<int, int>> scrolls;
    void Dispatch(TMessage& message) override
    {
        if (message.Msg == WM_VSCROLL)
            scrolls.emplace_back(LoWord(message.WParam), HiWordSigned(message.WParam));
        TListBox::Dispatch(message);
    }
};

struct InplaceFixture : SkinFixture {
    ScrollLoggingList* list = nullptr;
    TTeInplaceScrollBar* inplace = nullptr;

    InplaceFixture()
    {
        list = Place<ScrollLoggingList>(20, 30, 150, 120);
        for (int i = 0; i < 100; ++i)
            list->Items().Add("Akun " + std::to_string(i));
        inplace = Place<TTeInplaceScrollBar>(0, 0, 10, 10);
        inplace->SetControl(list);
        session.ProcessUntilIdle();
    }
};

// Tabs 60 wide unless set; the background is red left of x 40 and blue from there on.
class TestPages : public TTePageContainer {
public:
    using TTePageContainer::TTePageContainer;
    std::vector<int> widths;
    void PaintBackground(TCanvas& canvas) override
    {
        canvas.Brush().SetColor(clRed);
        canvas.FillRect(Rect(0, 0, 40, Height()));
        canvas.Brush().SetColor(clBlue);
        canvas.FillRect(Rect(40, 0, Width(), Height()));
    }

protected:
    int TabWidth(int tab) const override { return tab < static_cast<int>(widths.size()) ? widths[tab] : 60; }
};

struct PagesFixture : SkinFixture {
    TestPages* pages = nullptr;
    std::vector<TTeTabSheet*> sheets;

    PagesFixture()
    {
        pages = Place<TestPages>(10, 10, 200, 150);
    }
    TTeTabSheet* AddSheet(TTePageContainer* container, const std::string& caption = {})
    {
        auto* sheet = CreateOwned<TTeTabSheet>(*form);
        sheet->SetCaption(caption);
        sheet->SetPageControl(container);
        sheets.push_back(sheet);
        return sheet;
    }
};

} // namespace

TEST(InplaceScrollBar, TakesTheListBarsPlaceRangePageAndPosition)
{
    InplaceFixture f;
    f.list->SetTopIndex(30);
    f.inplace->UpdateFromControl();
    const TWindowScrollBars* bars = FindWindowScrollBars(f.list);
    TRect expected = bars->BarRect(SB_VERT);
    expected.Offset(f.list->Left(), f.list->Top());
    EXPECT_TRUE(f.inplace->Visible());
    EXPECT_EQ(f.inplace->BoundsRect(), expected);
    const TScrollInfo info = bars->GetScrollInfo(SB_VERT);
    const TTeScrollBar& bar = f.inplace->ScrollBar();
    EXPECT_EQ(bar.Min(), info.Min);
    EXPECT_EQ(bar.Max(), info.Max);
    EXPECT_EQ(bar.PageSize(), info.Page);
    EXPECT_EQ(bar.Position(), 30);
    EXPECT_EQ(bar.Orientation(), teoVertical);
    EXPECT_EQ(bar.BoundsRect(), Rect(0, 0, expected.Width(), expected.Height()));
}

TEST(InplaceScrollBar, ScrollingReachesTheListAndLineCodesCarryNoPosition)
{
    InplaceFixture f;
    f.inplace->UpdateFromControl();
    f.session.ProcessUntilIdle();
    const TTeScrollBar& bar = f.inplace->ScrollBar();
    const TRect inc = bar.GetIncButtonRect();
    f.session.ClickControl(bar, {inc.Left + 4, inc.Top + 4});
    EXPECT_EQ(f.list->TopIndex(), 1);
    EXPECT_EQ(bar.Position(), 1);
    ASSERT_EQ(f.list->scrolls.size(), 2u);
    EXPECT_EQ(f.list->scrolls[0], std::make_pair(int(SB_LINEDOWN), 0));
    EXPECT_EQ(f.list->scrolls[1], std::make_pair(int(SB_ENDSCROLL), 1));

    f.list->scrolls.clear();
    const TRect thumb = bar.GetThumbRect();
    const TPoint from = f.session.ScreenPointOf(bar, {thumb.Left + 2, thumb.Top + 2});
    f.session.MouseDown(from.X, from.Y);
    f.session.MoveTo(from.X, from.Y + 30);
    f.session.MouseUp(from.X, from.Y + 30);
    EXPECT_EQ(f.list->scrolls.back().first, SB_ENDSCROLL);
    EXPECT_EQ(f.list->TopIndex(), bar.Position());
    EXPECT_GT(f.list->TopIndex(), 1);
}

TEST(InplaceScrollBar, HidesWithTheListBarAndForgetsAFreedList)
{
    InplaceFixture f;
    f.inplace->UpdateFromControl();
    f.list->Items().Clear();
    f.inplace->UpdateFromControl();
    EXPECT_FALSE(f.inplace->Visible());
    TComponent::Free(f.list);
    EXPECT_EQ(f.inplace->Control(), nullptr);
    f.inplace->UpdateFromControl();
    EXPECT_FALSE(f.inplace->Visible());
}

TEST(TabSheetPages, InsertNamesOrdersAndCountsVisibleTabs)
{
    PagesFixture f;
    f.AddSheet(f.pages, "Kas");
    f.AddSheet(f.pages, "Bank");
    TTeTabSheet* third = f.AddSheet(f.pages);
    EXPECT_EQ(third->Caption(), "New Page 2");
    EXPECT_EQ(third->Parent(), f.pages);

    f.sheets[0]->SetPageIndex(2);
    EXPECT_EQ(f.pages->Pages(0), third);
    EXPECT_EQ(f.pages->Pages(1), f.sheets[1]);
    EXPECT_EQ(f.pages->Pages(2), f.sheets[0]);
    EXPECT_EQ(f.pages->Tabs(), (std::vector<std::string>{"New Page 2", "Bank", "Kas"}));

    f.sheets[1]->SetPageVisible(false);
    EXPECT_EQ(f.pages->Tabs(), (std::vector<std::string>{"New Page 2", "Kas"}));
    EXPECT_EQ(f.pages->VisibleIndex(2), 1);
    EXPECT_EQ(f.pages->VisibleIndex(3), -1);
    // A page without a tab renames no tab.
    f.sheets[1]->SetCaption("Giro");
    f.sheets[0]->SetCaption("Kas Kecil");
    EXPECT_EQ(f.pages->Tabs(), (std::vector<std::string>{"New Page 2", "Kas Kecil"}));
}

TEST(TabSheetPages, SelectingAndRemovingMoveTheActivePage)
{
    PagesFixture f;
    int changes = 0;
    f.pages->OnChange = [&](TComponent*) { ++changes; };
    TTeTabSheet* a = f.AddSheet(f.pages, "A");
    TTeTabSheet* b = f.AddSheet(f.pages, "B");
    f.pages->SelectPage(1);
    EXPECT_EQ(f.pages->ActivePage(), b);
    EXPECT_EQ(f.pages->TabIndex(), 1);
    EXPECT_TRUE(b->Visible());
    EXPECT_FALSE(a->Visible());
    f.pages->SelectPage(1);
    EXPECT_EQ(changes, 1);

    TWeakRef<TTeTabSheet> removed(b);
    f.pages->RemovePage(b);
    EXPECT_FALSE(removed) << "a removal the container starts frees the sheet";
    EXPECT_EQ(f.pages->ActivePage(), a);
    EXPECT_EQ(f.pages->TabIndex(), 0);
    f.pages->RemovePage(a);
    EXPECT_EQ(f.pages->ActivePage(), nullptr);
    EXPECT_EQ(f.pages->TabIndex(), -1);
    EXPECT_TRUE(f.pages->Tabs().empty());
}

TEST(TabSheetPages, ASheetMovedToAnotherContainerStaysAlive)
{
    PagesFixture f;
    auto* other = f.Place<TestPages>(220, 10, 150, 150);
    TTeTabSheet* sheet = f.AddSheet(f.pages, "Kas");
    f.pages->SelectPage(0);
    TWeakRef<TTeTabSheet> alive(sheet);
    sheet->SetPageControl(other);
    ASSERT_TRUE(alive);
    EXPECT_EQ(sheet->PageControl(), other);
    EXPECT_EQ(sheet->Parent(), other);
    EXPECT_EQ(other->PageCount(), 1);
    EXPECT_EQ(f.pages->PageCount(), 0);
    EXPECT_EQ(f.pages->ActivePage(), nullptr);

    // Freed by its owner, it leaves its container; a freed container lets go of its sheets.
    TComponent::Free(sheet);
    EXPECT_EQ(other->PageCount(), 0);
    f.AddSheet(other, "Bank");
    TComponent::Free(other);
}

TEST(TabSheetRows, EveryRowHoldsATabAndSpareWidthIsShared)
{
    PagesFixture f;
    for (int i = 0; i < 4; ++i)
        f.AddSheet(f.pages);
    f.pages->SetMultiLine(true);
    f.pages->CalcTabRows();
    // 200 wide: three 60s fit (a fourth would reach 240), leaving 20 for three tabs.
    ASSERT_EQ(f.pages->RowCount(), 2);
    EXPECT_EQ(f.pages->Rows()[0].LastTab, 2);
    EXPECT_EQ(f.pages->TabDrawWidth(0), 66);
    EXPECT_EQ(f.pages->TabDrawWidth(2), 68);
    EXPECT_EQ(f.pages->TabDrawWidth(3), 200);

    f.pages->widths = {300, 50, 50, 50};
    f.pages->CalcTabRows();
    ASSERT_EQ(f.pages->RowCount(), 2);
    EXPECT_EQ(f.pages->Rows()[0].LastTab, 0);
    EXPECT_EQ(f.pages->TabDrawWidth(0), 300);
    EXPECT_EQ(f.pages->Rows()[1].LastTab, 3);
    EXPECT_EQ(f.pages->TabDrawWidth(1), 66);
}

TEST(TabSheetPaint, TheActiveSheetAndItsChildrenShowTheContainerBehindThem)
{
    PagesFixture f;
    TTeTabSheet* sheet = f.AddSheet(f.pages, "Kas");
    sheet->SetAlign(TAlign::alNone);
    sheet->SetBounds(30, 20, 100, 80);
    f.pages->SelectPage(0);
    EXPECT_EQ(f.PixelOf(*sheet, 5, 5), ColorToRGB(clRed));
    EXPECT_EQ(f.PixelOf(*sheet, 15, 5), ColorToRGB(clBlue));

    auto* child = CreateOwned<TTeTabSheet>(*f.form);
    child->SetParent(sheet);
    child->SetBounds(2, 2, 20, 20);
    TBitmap target;
    target.SetSize(20, 20);
    DrawParentBackground(child, target.Canvas());
    EXPECT_EQ(PixelToColor(target.ScanLine(0)[7]), clRed);
    EXPECT_EQ(PixelToColor(target.ScanLine(0)[8]), clBlue);
}

TEST(TabSheetPaint, AShowHandlerThatRaisesGoesToTheApplication)
{
    PagesFixture f;
    std::vector<std::string> errors;
    f.session.App().OnException = [&](TComponent*, const std::exception& e) { errors.push_back(e.what()); };
    TTeTabSheet* sheet = f.AddSheet(f.pages, "Kas");
    sheet->OnShow = [](TComponent*) { throw std::runtime_error("Saldo tidak cocok"); };
    EXPECT_NO_THROW(f.pages->SelectPage(0));
    EXPECT_EQ(errors, (std::vector<std::string>{"Saldo tidak cocok"}));
}

TEST(InplaceScrollBar, ChildrenAskingForItsBackgroundGetNothing)
{
    InplaceFixture f;
    TBitmap target;
    target.SetSize(4, 4);
    target.Canvas().Brush().SetColor(clLime);
    target.Canvas().FillRect(Rect(0, 0, 4, 4));
    DrawParentBackground(&f.inplace->ScrollBar(), target.Canvas());
    EXPECT_EQ(PixelToColor(target.ScanLine(1)[1]), clLime);
}
