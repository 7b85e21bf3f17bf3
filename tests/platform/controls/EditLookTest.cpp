#include <gtest/gtest.h>

#include "ControlsTestKit.h"
#include "platform/controls/TCustomComboBox.h"
#include "platform/controls/TCustomEdit.h"
#include "platform/controls/TCustomMemo.h"
#include "platform/graphics/TCanvas.h"

namespace {

// A flat-style edit: a three-pixel frame of its own around the client area, painted black.
class TInsetEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;

protected:
    void CreateParams(TCreateParams& params) override
    {
        TCustomEdit::CreateParams(params);
        params.Style |= ES_RIGHT;
    }
    void Dispatch(TMessage& message) override
    {
        TCustomEdit::Dispatch(message);
        if (message.Msg == WM_NCCALCSIZE && message.LParam) {
            auto& p = *reinterpret_cast<TNCCalcSizeParams*>(message.LParam);
            p.left += 3;
            p.top += 3;
            p.right -= 3;
            p.bottom -= 3;
        } else if (message.Msg == WM_NCPAINT) {
            auto canvas = GetCanvas(true);
            canvas->Brush().SetColor(clBlack);
            TRect r = Rect(0, 0, Width(), Height());
            for (int i = 0; i < 3; ++i) {
                canvas->FrameRect(r);
                r.Inflate(-1, -1);
            }
        }
    }
};

} // namespace

TEST(EditLook, DescendantFrameAndRightAlignment)
{
    TControlsFixture f;
    auto* edit = f.Place<TInsetEdit>(10, 10, 120, 21);
    edit->SetText("1,250.00");
    EXPECT_EQ(edit->EditAlignment(), TAlignment::taRightJustify);
    EXPECT_EQ(edit->PositionX(8), edit->FormatRect().Right - 1);
    edit->SetBorderStyle(TBorderStyle::bsNone);
    edit->SetBounds(10, 10, 120, 21);
    edit->SetText("");
    f.session.ProcessUntilIdle();
    EXPECT_EQ(edit->ClientWidth(), 114);
    EXPECT_EQ(f.session.WindowColor(*f.form, edit->WindowRect().Left - f.form->Left(),
                                    edit->WindowRect().Top - f.form->Top()),
              clBlack);
    EXPECT_EQ(f.session.ClientColor(*edit, 3, 10), clWhite);
}

namespace {

// Descendants that keep their own colour while disabled, as the flat controls do.
template <class Base> class TKeepsColour : public Base {
public:
    using Base::Base;

protected:
    TColor BackgroundColor() const override { return this->Color(); }
};

} // namespace

TEST(EditLook, DisabledBackground)
{
    TControlsFixture f;
    auto* plain = f.Place<TEdit>(10, 10, 120, 21);
    auto* edit = f.Place<TKeepsColour<TEdit>>(150, 10, 120, 21);
    auto* memo = f.Place<TKeepsColour<TMemo>>(10, 40, 120, 60);
    auto* plainMemo = f.Place<TMemo>(150, 40, 120, 60);
    plain->SetText("kas");
    for (TControl* c : std::initializer_list<TControl*>{plain, edit, memo, plainMemo}) {
        c->SetColor(clYellow);
        c->SetEnabled(false);
    }
    f.session.ProcessUntilIdle();
    EXPECT_EQ(f.session.ClientColor(*plain, plain->ClientWidth() - 3, 3), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(f.session.ClientColor(*edit, edit->ClientWidth() - 3, 3), clYellow);
    EXPECT_EQ(f.session.ClientColor(*memo, memo->ClientWidth() - 3, memo->ClientHeight() - 3), clYellow);
    EXPECT_EQ(f.session.ClientColor(*plainMemo, plainMemo->ClientWidth() - 3, plainMemo->ClientHeight() - 3),
              GetSysColor(COLOR_BTNFACE));
    plain->SetFocus();
    EXPECT_FALSE(plain->Focused());
}

TEST(EditLook, SelectionIsHiddenWithoutTheFocusUnlessAskedToShow)
{
    TControlsFixture f;
    auto* edit = f.Place<TEdit>(10, 10, 120, 21);
    auto* other = f.Place<TEdit>(10, 40, 120, 21);
    edit->SetText("WWWW");
    edit->SelectAll();
    other->SetFocus();
    f.session.ProcessUntilIdle();
    // The top row of the text line lies above the glyphs.
    const TPoint p{edit->PositionX(0) + 1, edit->FormatRect().Top};
    EXPECT_EQ(f.session.ClientColor(*edit, p.X, p.Y), clWhite);
    edit->SetHideSelection(false);
    f.session.ProcessUntilIdle();
    EXPECT_EQ(f.session.ClientColor(*edit, p.X, p.Y), GetSysColor(COLOR_HIGHLIGHT));

    // A password character takes the place of each character.
    other->SetText("****");
    edit->SetPasswordChar(U'*');
    edit->SetText("iiii");
    EXPECT_EQ(edit->PositionX(4), other->PositionX(4));
    EXPECT_EQ(edit->Text(), "iiii");
}

TEST(ComboBoxStyles, OwnerDrawnAndMeasuredItems)
{
    TControlsFixture f;
    auto* combo = f.Place<TComboBox>(10, 10, 150, 21);
    combo->SetStyle(TComboBoxStyle::csOwnerDrawFixed);
    combo->Items().Add("Merah");
    combo->Items().Add("Biru");
    std::vector<int> drawn;
    combo->OnDrawItem = [&](TComponent* sender, int index, const TRect& rect, TOwnerDrawState) {
        drawn.push_back(index);
        auto* c = static_cast<TComboBox*>(sender);
        c->Canvas().Brush().SetColor(index == 0 ? clRed : clBlue);
        c->Canvas().FillRect(rect);
    };
    combo->SetItemIndex(1);
    f.session.ProcessUntilIdle();
    EXPECT_EQ(f.session.ClientColor(*combo, 10, 8), clBlue);
    combo->SetDroppedDown(true);
    f.session.ProcessUntilIdle();
    EXPECT_EQ(f.session.ClientColor(combo->List(), 10, 3), clRed);
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), 0), drawn.end());
    combo->SetDroppedDown(false);

    // Variable items take the height the measuring handler gives.
    combo->SetStyle(TComboBoxStyle::csOwnerDrawVariable);
    combo->OnMeasureItem = [](TComponent*, int, int& height) { height = 30; };
    combo->SetDroppedDown(true);
    EXPECT_EQ(combo->List().ItemHeight(), 30);
    EXPECT_EQ(combo->List().Height(), 62);
}

TEST(ComboBoxStyles, SimpleStyleShowsItsListUnderTheEditPart)
{
    TControlsFixture f;
    auto* combo = f.Place<TComboBox>(10, 10, 150, 120);
    combo->SetStyle(TComboBoxStyle::csSimple);
    combo->Items().Add("Satu");
    combo->Items().Add("Dua");
    f.session.ProcessUntilIdle();
    ASSERT_NE(combo->EditPart(), nullptr);
    EXPECT_EQ(combo->List().Parent(), combo);
    EXPECT_TRUE(combo->List().Visible());
    EXPECT_GT(combo->List().Top(), combo->EditPart()->Top());
    f.session.ClickControl(combo->List(), {10, combo->List().ItemHeight() + 3});
    EXPECT_EQ(combo->Text(), "Dua");
}

namespace {

// Sizes its edit part itself after the base layout, as the flat combo box does.
class TNarrowEditCombo : public TComboBox {
public:
    using TComboBox::TComboBox;

protected:
    void DefaultHandler(TMessage& message) override
    {
        TComboBox::DefaultHandler(message);
        if (message.Msg == WM_WINDOWPOSCHANGING && EditPart()) {
            const auto& wp = *reinterpret_cast<const TWindowPos*>(message.LParam);
            EditPart()->SetBounds(EditPart()->Left(), EditPart()->Top(), wp.cx - 40, wp.cy - 6);
        }
    }
};

} // namespace

TEST(ComboBoxStyles, DescendantSizesTheEditPartWhenTheComboMoves)
{
    TControlsFixture f;
    auto* combo = f.Place<TNarrowEditCombo>(10, 10, 150, 21);
    combo->SetBounds(10, 10, 200, 24);
    ASSERT_NE(combo->EditPart(), nullptr);
    EXPECT_EQ(combo->EditPart()->Width(), 160);
    EXPECT_EQ(combo->EditPart()->Height(), 18);
}

TEST(EditLook, AutoSizeFitsTheHeightToTheFont)
{
    TControlsFixture f;
    auto* edit = f.Place<TEdit>(10, 10, 120, 21);
    const int before = edit->Height();
    edit->Font().SetHeight(-24);
    EXPECT_GT(edit->Height(), before + 8);
    edit->SetAutoSize(false);
    edit->Font().SetHeight(-11);
    EXPECT_GT(edit->Height(), before + 8);
}
