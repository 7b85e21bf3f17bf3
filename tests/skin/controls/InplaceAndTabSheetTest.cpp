#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls/TCustomListBox.h"
#include "platform/controls/TWindowScrollBars.h"
#include "platform/core/WeakRef.h"
#include "platform/graphics/TBitmap.h"
#include "skin/controls/TTeInplaceScrollBar.h"
#include "skin/controls/TTePageContainer.h"
#include "skin/controls/TTeTabSheet.h"
#include "skin/engine/TeParentBackground.h"
#include "tests/skin/controls/SkinTestKit.h"

namespace {

// A 100-item list that logs each WM_VSCROLL's WParam, with an in-place bar on the same form.
struct InplaceFixture : SkinFixture {
    struct List : TListBox {
        using TListBox::TListBox;
        std::vector<intptr_t> scrolls;
        void Dispatch(TMessage& message) override
        {
            if (message.Msg == WM_VSCROLL)
                scrolls.push_back(message.WParam);
            TListBox::Dispatch(message);
        }
    };
    List* list = Place<List>(20, 30, 150, 120);
    TTeInplaceScrollBar* inplace = Place<TTeInplaceScrollBar>(0, 0, 10, 10);

    InplaceFixture()
    {
        for (int i = 0; i < 100; ++i)
            list->Items().Add("Akun " + std::to_string(i));
        inplace->SetControl(list);
        session.ProcessUntilIdle();
    }
};

// Tabs 60 wide unless set; the background is red left of x 40 and blue from there on.
struct TestPages : TTePageContainer {
    using TTePageContainer::TTePageContainer;
    std::vector<int> widths;
    void PaintBackground(TCanvas& canvas) override
    {
        canvas.Brush().SetColor(clRed);
        canvas.FillRect(Rect(0, 0, 40, Height()));
        canvas.Brush().SetColor(clBlue);
        canvas.FillRect(Rect(40, 0, Width(), Height()));
    }
    int TabWidth(int tab) const override { return tab < static_cast<int>(widths.size()) ? widths[tab] : 60; }
};

struct PagesFixture : SkinFixture {
    TestPages* pages = Place<TestPages>(10, 10, 200, 150);
    TTeTabSheet* AddSheet(TTePageContainer* container, const std::string& caption = {})
    {
        auto* sheet = CreateOwned<TTeTabSheet>(*form);
        sheet->SetCaption(caption);
        sheet->SetPageControl(container);
        return sheet;
    }
};

using Tabs = std::vector<std::string>;

} // namespace

TEST(InplaceScrollBar, TakesTheListBarsPlaceRangePageAndPositionAndScrollingReachesTheList)
{
    InplaceFixture f;
    f.list->SetTopIndex(30);
    f.inplace->UpdateFromControl();
    const TWindowScrollBars* bars = FindWindowScrollBars(f.list);
    TRect expected = bars->BarRect(SB_VERT);
    expected.Offset(f.list->Left(), f.list->Top());
    EXPECT_EQ(f.inplace->BoundsRect(), expected);
    const TScrollInfo info = bars->GetScrollInfo(SB_VERT);
    const TTeScrollBar& bar = f.inplace->ScrollBar();
    EXPECT_EQ(std::vector<int>({bar.Min(), bar.Max(), bar.PageSize(), bar.Position()}),
              std::vector<int>({info.Min, info.Max, info.Page, 30}));
    EXPECT_EQ(bar.BoundsRect(), Rect(0, 0, expected.Width(), expected.Height()));

    // A line step reaches the list, its code carrying no position.
    f.session.ProcessUntilIdle();
    const TRect inc = bar.GetIncButtonRect();
    f.session.ClickControl(bar, {inc.Left + 4, inc.Top + 4});
    EXPECT_EQ(f.list->TopIndex(), 31);
    EXPECT_EQ(bar.Position(), 31);
    EXPECT_EQ(f.list->scrolls, (std::vector<intptr_t>{SB_LINEDOWN, MakeLong(SB_ENDSCROLL, 31)}));

    // Children asking for the in-place bar's background get nothing drawn.
    TBitmap target;
    target.SetSize(4, 4);
    target.Canvas().Brush().SetColor(clLime);
    target.Canvas().FillRect(Rect(0, 0, 4, 4));
    DrawParentBackground(&f.inplace->ScrollBar(), target.Canvas());
    EXPECT_EQ(PixelToColor(target.ScanLine(1)[1]), clLime);

    f.list->Items().Clear();
    f.inplace->UpdateFromControl();
    EXPECT_FALSE(f.inplace->Visible());
    TComponent::Free(f.list);
    EXPECT_EQ(f.inplace->Control(), nullptr);
}

TEST(TabSheet, PagesAreNamedOrderedAndCountedByTheirTabs)
{
    PagesFixture f;
    TTeTabSheet* kas = f.AddSheet(f.pages, "Kas");
    TTeTabSheet* bank = f.AddSheet(f.pages, "Bank");
    f.AddSheet(f.pages);
    kas->SetPageIndex(2);
    EXPECT_EQ(f.pages->Tabs(), (Tabs{"New Page 2", "Bank", "Kas"}));

    bank->SetPageVisible(false);
    EXPECT_EQ(f.pages->VisibleIndex(2), 1);
    EXPECT_EQ(f.pages->VisibleIndex(3), -1);
    // A page without a tab renames no tab.
    bank->SetCaption("Giro");
    kas->SetCaption("Kas Kecil");
    EXPECT_EQ(f.pages->Tabs(), (Tabs{"New Page 2", "Kas Kecil"}));
}

TEST(TabSheet, RemovingTheActivePageSelectsTheFirstOrNoneAndAMovedSheetStaysAlive)
{
    PagesFixture f;
    TTeTabSheet* a = f.AddSheet(f.pages, "A");
    TTeTabSheet* b = f.AddSheet(f.pages, "B");
    f.pages->SelectPage(1);
    EXPECT_EQ(f.pages->TabIndex(), 1);
    EXPECT_FALSE(a->Visible());
    TWeakRef<TTeTabSheet> removed(b);
    f.pages->RemovePage(b);
    EXPECT_FALSE(removed) << "a removal the container starts frees the sheet";
    EXPECT_EQ(f.pages->ActivePage(), a);
    EXPECT_EQ(f.pages->TabIndex(), 0);
    f.pages->RemovePage(a);
    EXPECT_EQ(f.pages->ActivePage(), nullptr);
    EXPECT_EQ(f.pages->TabIndex(), -1);

    auto* other = f.Place<TestPages>(220, 10, 150, 150);
    TTeTabSheet* sheet = f.AddSheet(f.pages, "Kas");
    f.pages->SelectPage(0);
    TWeakRef<TTeTabSheet> alive(sheet);
    sheet->SetPageControl(other);
    ASSERT_TRUE(alive);
    EXPECT_EQ(sheet->Parent(), other);
    EXPECT_EQ(other->PageCount(), 1);
    EXPECT_EQ(f.pages->PageCount(), 0);
    // Freed by its owner, it leaves its container; a freed container lets go of its sheets.
    TComponent::Free(sheet);
    EXPECT_EQ(other->PageCount(), 0);
    f.AddSheet(other, "Bank");
    TComponent::Free(other);
}

TEST(TabSheet, EveryTabRowHoldsATabAndSharesItsSpareWidth)
{
    PagesFixture f;
    for (int i = 0; i < 4; ++i)
        f.AddSheet(f.pages);
    f.pages->SetMultiLine(true);
    f.pages->CalcTabRows();
    // Three 60s fit in 200 (a fourth would reach 240), leaving 20 for three tabs.
    ASSERT_EQ(f.pages->RowCount(), 2);
    EXPECT_EQ(std::vector<int>({f.pages->TabDrawWidth(0), f.pages->TabDrawWidth(2), f.pages->TabDrawWidth(3)}),
              std::vector<int>({66, 68, 200}));

    f.pages->widths = {300, 50, 50, 50};
    f.pages->CalcTabRows();
    ASSERT_EQ(f.pages->RowCount(), 2);
    EXPECT_EQ(f.pages->Rows()[0].LastTab, 0);
    EXPECT_EQ(f.pages->TabDrawWidth(0), 300);
    EXPECT_EQ(f.pages->TabDrawWidth(1), 66);
}

TEST(TabSheet, TheActiveSheetAndItsChildrenShowTheContainerBehindThem)
{
    PagesFixture f;
    TTeTabSheet* sheet = f.AddSheet(f.pages, "Kas");
    sheet->SetAlign(TAlign::alNone);
    sheet->SetBounds(30, 20, 100, 80);
    f.pages->SelectPage(0);
    EXPECT_EQ(f.PixelOf(*sheet, 9, 5), ColorToRGB(clRed));
    EXPECT_EQ(f.PixelOf(*sheet, 10, 5), ColorToRGB(clBlue));

    auto* child = CreateOwned<TTeTabSheet>(*f.form);
    child->SetParent(sheet);
    child->SetBounds(2, 2, 20, 20);
    TBitmap target;
    target.SetSize(20, 20);
    DrawParentBackground(child, target.Canvas());
    EXPECT_EQ(PixelToColor(target.ScanLine(0)[7]), clRed);
    EXPECT_EQ(PixelToColor(target.ScanLine(0)[8]), clBlue);
}
