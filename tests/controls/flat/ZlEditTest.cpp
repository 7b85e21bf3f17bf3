#include <gtest/gtest.h>

#include "controls/flat/TZlEdit.h"
#include "platform/controls/TButton.h"
#include "platform/core/FormatSettings.h"
#include "tests/platform/controls/ControlsTestKit.h"

namespace {

// Two flat edits on a shown form, the first focused, so Tab and Shift+Tab leave and re-enter it.
struct TEditForm : TControlsFixture {
    TZlEdit* edit;
    TZlEdit* next;

    explicit TEditForm(TInputType type, const std::string& format = {})
    {
        ResetFormatSettings();
        edit = Place<TZlEdit>(10, 10, 160, 21);
        next = Place<TZlEdit>(10, 40, 160, 21);
        edit->SetInputType(type);
        edit->SetFormat(format);
        edit->SetFocus();
        session.ProcessUntilIdle();
    }
    ~TEditForm() { ResetFormatSettings(); }

    void Leave() { session.PressKey(VK_TAB); }
    void ComeBack() { session.PressKey(VK_TAB, kmShift); }
};

} // namespace

TEST(ZlEditNumbers, HalfTypedNumbersRaiseNoErrorAndKeepTheLastValue)
{
    TEditForm f(TInputType::itCurrency, "Rp #,##0.00");
    f.session.TypeText("-5");
    EXPECT_TRUE(f.session.Errors().empty());
    EXPECT_EQ(f.edit->NumericValue(), -5);

    f.edit->SelectAll();
    f.session.TypeText("1.2.3");
    EXPECT_TRUE(f.session.Errors().empty());
    EXPECT_EQ(f.edit->Text(), "1.2.3");
    EXPECT_DOUBLE_EQ(f.edit->NumericValue(), 1.2);
    f.Leave();
    EXPECT_EQ(f.edit->Text(), "Rp 1.20");
}

TEST(ZlEditNumbers, AmountIsFormattedOnLeavingAndPlainOnEntering)
{
    TEditForm f(TInputType::itCurrency, "Rp #,##0.00");
    f.session.TypeText("1234.5");
    f.Leave();
    EXPECT_EQ(f.edit->Text(), "Rp 1,234.50");
    f.ComeBack();
    EXPECT_EQ(f.edit->Text(), "1234.5");
    EXPECT_EQ(f.edit->SelLength(), 6);

    f.session.TypeText("-1234.5");
    f.Leave();
    EXPECT_EQ(f.edit->Text(), "-Rp 1,234.50");

    f.edit->SetFormat("Rp #,##0.00;(Rp #,##0.00)");
    f.ComeBack();
    f.Leave();
    EXPECT_EQ(f.edit->Text(), "(Rp 1,234.50)");
    EXPECT_DOUBLE_EQ(f.edit->NumericValue(), -1234.5);
}

TEST(ZlEditNumbers, EmptyFormatTakesTheDefaultAndAnEmptyFieldKeepsItsValue)
{
    TEditForm f(TInputType::itCurrency);
    f.session.TypeText("-7");
    f.Leave();
    EXPECT_EQ(f.edit->Format(), "Rp #,##0.00;(Rp #,##0.00)");
    EXPECT_EQ(f.edit->Text(), "(Rp 7.00)");

    f.ComeBack();
    f.session.PressKey(VK_BACK);
    f.Leave();
    f.ComeBack();
    EXPECT_EQ(f.edit->Text(), "");
    EXPECT_EQ(f.edit->NumericValue(), -7);
}

TEST(ZlEditNumbers, ValuesWithAnExponentKeepTheirAmount)
{
    TEditForm f(TInputType::itNumeric);
    f.session.TypeText("1000000000000000");
    f.Leave();
    EXPECT_EQ(f.edit->Text(), "1,000,000,000,000,000.00");
    f.ComeBack();
    EXPECT_EQ(f.edit->Text(), "1000000000000000");
    EXPECT_EQ(f.edit->NumericValue(), 1e15);

    f.edit->SetInputType(TInputType::itInteger);
    f.session.TypeText("2000000000000000");
    f.Leave();
    EXPECT_EQ(f.edit->Text(), "2000000000000000");
    EXPECT_EQ(f.edit->NumericValue(), 2e15);
}

TEST(ZlEditKeys, EachKindLetsOnlyItsCharactersThrough)
{
    TEditForm f(TInputType::itCurrency);
    f.session.TypeText("Rp 1,2a-3.4'");
    EXPECT_EQ(f.edit->Text(), "12-3.4");

    f.edit->Clear();
    f.edit->SetInputType(TInputType::itInteger);
    f.session.TypeText("-1.5x");
    EXPECT_EQ(f.edit->Text(), "-15");

    f.edit->SetInputType(TInputType::itString);
    f.session.TypeText("O'Neil 5.-,(x)");
    EXPECT_EQ(f.edit->Text(), "-15ONeil 5.-,(x)");
    f.edit->SetText("O'Neil");
    EXPECT_EQ(f.edit->Text(), "O'Neil");
}

TEST(ZlEditKeys, CommaDecimalLocaleSwapsTheSeparators)
{
    TControlsFixture f;
    FormatSettings().DecimalSeparator = ',';
    FormatSettings().ThousandSeparator = '.';
    auto* edit = f.Place<TZlEdit>(10, 10, 160, 21);
    f.Place<TZlEdit>(10, 40, 160, 21);
    edit->SetInputType(TInputType::itCurrency);
    edit->SetFormat("Rp #,##0.00");
    edit->SetFocus();
    f.session.TypeText("1.234,5");
    EXPECT_EQ(edit->Text(), "1234,5");
    f.session.PressKey(VK_TAB);
    EXPECT_EQ(edit->Text(), "Rp 1.234,50");
    EXPECT_DOUBLE_EQ(edit->NumericValue(), 1234.5);
    ResetFormatSettings();
}

namespace {

constexpr TColor Flat = 0xF0F0F0;

// Window pixel (x, y) of a control with a three-pixel frame.
TColor FramePixel(TControlsFixture& f, const TControl& c, int x, int y)
{
    return f.session.ClientColor(c, x - 3, y - 3);
}

} // namespace

TEST(ZlEditFrame, IdleAndFocusedFrames)
{
    TControlsFixture f;
    auto* edit = f.Place<TZlEdit>(10, 10, 120, 21);
    auto* other = f.Place<TZlEdit>(10, 40, 120, 21);
    edit->SetColorFocused(clAqua);
    other->SetFocus();
    f.session.ProcessUntilIdle();
    EXPECT_EQ(edit->ClientWidth(), 114);
    EXPECT_EQ(FramePixel(f, *edit, 0, 0), clBlack);
    EXPECT_EQ(FramePixel(f, *edit, 1, 1), Flat);
    EXPECT_EQ(FramePixel(f, *edit, 2, 2), Flat);
    EXPECT_EQ(f.session.ClientColor(*edit, 113, 1), Flat);

    edit->SetFocus();
    f.session.ProcessUntilIdle();
    EXPECT_EQ(FramePixel(f, *edit, 0, 0), clBlack);
    EXPECT_EQ(FramePixel(f, *edit, 1, 1), clAqua);
    EXPECT_EQ(FramePixel(f, *edit, 2, 2), clAqua);
    EXPECT_EQ(f.session.ClientColor(*edit, 113, 1), clAqua);

    edit->SetEnabled(false);
    f.session.ProcessUntilIdle();
    EXPECT_EQ(FramePixel(f, *edit, 1, 1), Flat);
    EXPECT_EQ(f.session.ClientColor(*edit, 113, 1), Flat);
}

TEST(ZlEditFrame, HoverHighlightsOnlyWhileNoFlatEditHasTheFocus)
{
    TControlsFixture f;
    auto* edit = f.Place<TZlEdit>(10, 10, 120, 21);
    auto* other = f.Place<TZlEdit>(10, 40, 120, 21);
    auto* button = f.Place<TButton>(10, 70, 75, 25);
    edit->SetColorFocused(clAqua);
    other->SetFocus();
    const TPoint over = f.session.ScreenPointOf(*edit);
    f.session.MoveTo(over.X, over.Y);
    EXPECT_TRUE(edit->MouseInControl());
    EXPECT_EQ(FramePixel(f, *edit, 1, 1), Flat);

    f.session.MoveTo(5, 5);
    button->SetFocus();
    f.session.MoveTo(over.X, over.Y);
    EXPECT_EQ(FramePixel(f, *edit, 1, 1), clAqua);
    f.session.MoveTo(5, 5);
    EXPECT_EQ(FramePixel(f, *edit, 1, 1), Flat);
}

TEST(ZlEditFrame, FlatColourFollowsTheParentUntilSetItself)
{
    TControlsFixture f;
    auto* edit = f.Place<TZlEdit>(10, 10, 120, 21);
    f.form->SetColor(0x00C0C0C0);
    EXPECT_EQ(edit->ColorFlat(), Flat);

    edit->SetParentColor(true);
    EXPECT_EQ(edit->ColorFlat(), 0x00C0C0C0);
    f.form->SetColor(0x00A0B0C0);
    f.session.ProcessUntilIdle();
    EXPECT_EQ(FramePixel(f, *edit, 1, 1), 0x00A0B0C0);

    edit->SetColorFlat(clWhite);
    EXPECT_FALSE(edit->ParentColor());
    f.form->SetColor(0x00C0C0C0);
    EXPECT_EQ(edit->ColorFlat(), clWhite);
    edit->SetUseAdvColors(true);
    EXPECT_EQ(edit->ColorFlat(), 0x00C0C0C0);
}

TEST(ZlEditLayout, HeightFollowsTheFont)
{
    TControlsFixture f;
    auto* edit = f.Place<TZlEdit>(10, 10, 120, 21);
    // One line of the font fills the client area exactly, inside the frame.
    edit->Font().SetSize(16);
    TTextMetric tm;
    GetFontMetrics(edit->Font(), tm);
    EXPECT_EQ(edit->ClientHeight(), tm.tmHeight);
}
