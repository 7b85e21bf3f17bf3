#include <gtest/gtest.h>

#include "ControlsTestKit.h"
#include "platform/controls/TCustomMemo.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TClipboard.h"

namespace {

struct MemoFixture : TControlsFixture {
    TMemo* memo = nullptr;
    int changes = 0;
    MemoFixture()
    {
        memo = Place<TMemo>(10, 10, 200, 100);
        memo->OnChange = [this](TComponent*) { ++changes; };
        memo->SetFocus();
        session.ProcessUntilIdle();
    }
};

} // namespace

TEST(MemoTyping, EnterAndTabAreTypedOnlyWhenTheMemoWantsThem)
{
    MemoFixture f;
    f.session.PressKey(VK_TAB);
    EXPECT_EQ(f.memo->Text(), "");
    f.session.TypeText("baris satu");
    f.session.PressKey(VK_RETURN);
    f.session.TypeText("dua");
    ASSERT_EQ(f.memo->Lines().Count(), 2);
    EXPECT_EQ(f.memo->Lines().Get(0), "baris satu");
    EXPECT_EQ(f.memo->Lines().Get(1), "dua");
    EXPECT_EQ(f.memo->Text(), "baris satu\r\ndua");
    EXPECT_EQ(f.memo->CaretPos(), (TMemoPos{1, 3}));

    f.memo->SetWantReturns(false);
    f.memo->SetWantTabs(true);
    f.session.PressKey(VK_RETURN);
    f.session.PressKey(VK_TAB);
    EXPECT_EQ(f.memo->Text(), "baris satu\r\ndua\t");
}

TEST(MemoTyping, LineBreaksJoinAndCount)
{
    MemoFixture f;
    f.memo->SetText("ab\r\ncd");
    f.memo->SetCaretPos({1, 0});
    f.session.PressKey(VK_BACK);
    ASSERT_EQ(f.memo->Lines().Count(), 1);
    EXPECT_EQ(f.memo->Lines().Get(0), "abcd");
    EXPECT_EQ(f.memo->CaretPos(), (TMemoPos{0, 2}));
    f.session.PressKey(VK_DELETE);
    EXPECT_EQ(f.memo->Lines().Get(0), "abd");

    f.memo->SetText("");
    f.memo->SetMaxLength(5);
    f.session.TypeText("ab");
    f.session.PressKey(VK_RETURN);
    f.session.TypeText("cde");
    EXPECT_EQ(f.memo->Text(), "ab\r\nc");
}

TEST(MemoTyping, ReadOnlyKeepsTheTextAndLinesFromCodeFireOnChange)
{
    MemoFixture f;
    f.memo->SetReadOnly(true);
    f.memo->Lines().Add("Penutupan tahun buku");
    EXPECT_EQ(f.changes, 1);
    f.session.TypeText("x");
    f.session.PressKey(VK_BACK);
    EXPECT_EQ(f.memo->Text(), "Penutupan tahun buku");
}

TEST(MemoSelection, ShiftArrowsCopyAndClicks)
{
    MemoFixture f;
    f.memo->SetText("satu\r\ndua");
    f.memo->SetCaretPos({0, 2});
    f.session.PressKey(VK_DOWN, kmShift);
    EXPECT_EQ(f.memo->SelText(), "tu\r\ndu");
    f.session.PressKey('C', kmCtrl);
    EXPECT_EQ(Clipboard().AsText(), "tu\r\ndu");
    f.session.TypeText("-");
    EXPECT_EQ(f.memo->Text(), "sa-a");

    // A click places the caret on the line under the pointer.
    f.memo->SetText("satu\r\ndua\r\ntiga");
    TCanvas measure;
    measure.SetFont(f.memo->Font());
    f.session.ClickControl(*f.memo, {150, 1 + measure.TextHeight("Wg") + 3});
    EXPECT_EQ(f.memo->CaretPos().Line, 1);
    EXPECT_EQ(f.memo->CaretPos().Col, 3);
}

TEST(MemoScroll, LongLinesWrapAndTheVerticalScrollBarFollowsTheRows)
{
    MemoFixture f;
    f.memo->SetText("kata kata kata kata kata kata kata kata kata kata kata kata");
    EXPECT_GT(f.memo->RowCount(), 1);
    EXPECT_EQ(f.memo->Lines().Count(), 1);
    f.memo->SetWordWrap(false);
    EXPECT_EQ(f.memo->RowCount(), 1);

    f.memo->SetScrollBars(TScrollStyle::ssVertical);
    for (int i = 1; i < 30; ++i)
        f.memo->Lines().Add("baris " + std::to_string(i));
    ASSERT_TRUE(f.memo->WindowScrollBars().Visible(SB_VERT));
    f.memo->Perform(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(f.memo->TopRow(), f.memo->VisibleRows());
    f.session.PressKey(VK_END, kmCtrl);
    EXPECT_EQ(f.memo->TopRow() + f.memo->VisibleRows(), 30);
}

namespace {

// Paints the square between its two scroll bars itself, as the flat memo does.
class TCornerMemo : public TMemo {
public:
    using TMemo::TMemo;

protected:
    void DefaultHandler(TMessage& message) override
    {
        TMemo::DefaultHandler(message);
        if (message.Msg == WM_NCPAINT) {
            auto canvas = GetCanvas(true);
            canvas->Brush().SetColor(clRed);
            const TRect v = WindowScrollBars().BarRect(SB_VERT);
            const TRect h = WindowScrollBars().BarRect(SB_HORZ);
            canvas->FillRect(Rect(v.Left, h.Top, v.Right, h.Bottom));
        }
    }
};

} // namespace

TEST(MemoScroll, DescendantPaintsOverTheOwnedScrollBars)
{
    TControlsFixture f;
    auto* memo = f.Place<TCornerMemo>(10, 10, 200, 100);
    memo->SetWordWrap(false);
    memo->SetScrollBars(TScrollStyle::ssBoth);
    f.session.ProcessUntilIdle();
    const TRect v = memo->WindowScrollBars().BarRect(SB_VERT);
    const TRect h = memo->WindowScrollBars().BarRect(SB_HORZ);
    const TRect w = memo->WindowRect();
    const TPoint origin = f.form->ClientToScreen({0, 0});
    EXPECT_EQ(f.session.ClientColor(*f.form, w.Left - origin.X + v.Left + 4, w.Top - origin.Y + h.Top + 4), clRed);
    // The up arrow's raised edge ends in the dark shadow at its bottom-right.
    EXPECT_EQ(f.session.ClientColor(*f.form, w.Left - origin.X + v.Right - 1, w.Top - origin.Y + v.Top + 15),
              GetSysColor(COLOR_3DDKSHADOW));
}
