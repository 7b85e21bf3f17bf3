#include <gtest/gtest.h>

#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlEdit.h"
#include "platform/controls/TButton.h"
#include "platform/controls/TDateTimePicker.h"
#include "platform/core/Currency.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/TClipboard.h"
#include "tests/platform/controls/ControlsTestKit.h"

namespace {

constexpr TColor Flat = 0xF0F0F0;

// Two flat edits on a shown form, the first focused, so Tab and Shift+Tab leave and re-enter it.
// The edits take the format settings of their creation; the form puts back the defaults.
struct TEditForm : TControlsFixture {
    TZlEdit* edit = Place<TZlEdit>(10, 10, 120, 21);
    TZlEdit* next = Place<TZlEdit>(10, 40, 120, 21);

    explicit TEditForm(TInputType type = TInputType::itString, const std::string& format = {})
    {
        edit->SetInputType(type);
        edit->SetFormat(format);
        edit->SetColorFocused(clAqua);
        edit->SetFocus();
        session.ProcessUntilIdle();
    }
    ~TEditForm() { ResetFormatSettings(); }

    void Leave() { session.PressKey(VK_TAB); }
    void ComeBack() { session.PressKey(VK_TAB, kmShift); }
    // Pixel (x, y) of the edit's window, its three-pixel frame included.
    TColor Frame(int x, int y) { return PixelOf(*edit, x - 3, y - 3); }
};

} // namespace

// What the field shows is the figure it holds: "1.2.3" once stayed on screen while 1.20 was saved.
TEST(ZlEditNumbers, HalfTypedNumbersRaiseNoErrorAndTextThatIsNoFigureIsRefusedAtOnce)
{
    TEditForm f(TInputType::itCurrency, "Rp #,##0.00");
    f.session.TypeText("-5");
    EXPECT_TRUE(f.session.Errors().empty());
    EXPECT_EQ(f.edit->NumericValue(), -5);
    // An amount the program shows in the focused field keeps its symbol and grouping around what is typed.
    f.edit->SetText("Rp 1,000.00");
    f.session.PressKey(VK_END);
    f.session.TypeText("5");
    EXPECT_TRUE(f.session.Errors().empty());
    EXPECT_EQ(f.edit->NumericValue(), 1000.01);
    EXPECT_EQ(f.edit->Text(), "1000.01") << "shown as it is held";

    f.edit->SelectAll();
    f.session.TypeText("1.2.");
    EXPECT_EQ(f.session.Errors(),
              (std::vector<std::string>{"'1.2.' is not a valid number: the decimal separator is '.'"}));
    EXPECT_EQ(f.edit->SelText(), "1.2") << "what was typed before the key stays, to be typed over";
    EXPECT_DOUBLE_EQ(f.edit->NumericValue(), 1.2);
    f.Leave();
    EXPECT_EQ(f.edit->Text(), "Rp 1.20");

    f.edit->SetInputType(TInputType::itInteger);
    f.ComeBack();
    f.session.TypeText("12-");
    EXPECT_EQ(f.session.Errors().back(), "'12-' is not a valid whole number.");
    EXPECT_EQ(f.edit->Text(), "12");
    EXPECT_EQ(f.edit->NumericValue(), 12);
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

    // An empty format takes the kind's default; an emptied field keeps its last value.
    f.edit->SetFormat({});
    f.ComeBack();
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

// One limit for every amount field: the largest amount is kept to the cent; a figure beyond it, typed,
// pasted or left by a deleted point, is refused as it reads, and what was typed before it stays.
TEST(ZlEditNumbers, AnAmountBeyondTheLimitIsRefusedQuotedAsTyped)
{
    TEditForm f(TInputType::itCurrency, "Rp #,##0.00");
    // What the field shows is what it holds: an amount is taken to the cent.
    f.session.TypeText("1.234");
    EXPECT_EQ(f.edit->NumericValue(), 1.23);
    EXPECT_EQ(f.edit->Text(), "1.23");
    f.edit->SelectAll();
    f.session.TypeText("999999999999.99");
    EXPECT_EQ(Currency::FromDouble(f.edit->NumericValue()), MaxAmount);
    f.Leave();
    EXPECT_EQ(f.edit->Text(), "Rp 999,999,999,999.99");
    f.ComeBack();
    f.session.PressKey(VK_END);
    f.session.PressKey(VK_LEFT);
    f.session.PressKey(VK_LEFT);
    f.session.PressKey(VK_BACK, 0, "\b");
    f.session.TypeText("1000000000000");
    Clipboard().SetAsText("-922337203685477.57");
    f.session.PressKey(VK_INSERT, kmShift);
    const std::string limit = " is too large: the largest amount taken is 999,999,999,999.99.";
    EXPECT_EQ(f.session.Errors(), (std::vector<std::string>{"The amount 99999999999999" + limit,
                                      "The amount 1000000000000" + limit, "The amount -922337203685477.57" + limit}));
    EXPECT_EQ(f.edit->Text(), "100000000000") << "the thirteenth digit alone is refused";
    EXPECT_EQ(f.edit->SelLength(), 12);
    EXPECT_EQ(f.edit->NumericValue(), 1e11);

    f.edit->SetText("1000000000000");
    EXPECT_EQ(f.edit->NumericValue(), 1e12) << "a sum the program shows is no typed amount";
    EXPECT_EQ(f.session.Errors().size(), 3u);
}

// A character a number cannot take is an error, and the field goes back to what it held when
// entered: a typed "1,5" once became 15 without a word.
TEST(ZlEditKeys, EachKindLetsOnlyItsCharactersThrough)
{
    TEditForm f(TInputType::itCurrency);
    f.session.TypeText("-3.4");
    EXPECT_EQ(f.edit->Text(), "-3.4");
    EXPECT_TRUE(f.session.Errors().empty());
    f.session.TypeText("1,");
    EXPECT_EQ(f.session.Errors(),
              (std::vector<std::string>{"',' is not a valid character in a number: the decimal separator is '.'"}));
    EXPECT_EQ(f.edit->Text(), "-3.41");
    EXPECT_EQ(f.edit->NumericValue(), -3.41);

    f.session.TypeText("250");
    f.Leave();
    f.ComeBack();
    f.session.TypeText("7a");
    EXPECT_EQ(f.session.Errors().size(), 2u);
    EXPECT_EQ(f.edit->Text(), "7");
    EXPECT_EQ(f.edit->SelLength(), 1) << "typing again replaces it";
    EXPECT_EQ(f.edit->NumericValue(), 7);
    f.session.PressKey('V', kmCtrl, "\x16");
    f.edit->SetReadOnly(true);
    f.session.TypeText("b");
    f.edit->SetReadOnly(false);
    EXPECT_EQ(f.session.Errors().size(), 2u) << "a control key is no character, nor is a read-only field typed into";

    f.edit->SetInputType(TInputType::itInteger);
    f.session.TypeText("-1.");
    ASSERT_EQ(f.session.Errors().size(), 3u);
    EXPECT_EQ(f.session.Errors().back(), "'.' is not a valid character in a whole number.");
    EXPECT_EQ(f.edit->Text(), "-1");

    f.edit->SetInputType(TInputType::itString);
    f.edit->Clear();
    f.session.TypeText("O'Neil 5.-,(x)");
    EXPECT_EQ(f.edit->Text(), "ONeil 5.-,(x)");
    EXPECT_EQ(f.session.Errors().size(), 3u) << "text takes them";
    f.edit->SetText("O'Neil");
    EXPECT_EQ(f.edit->Text(), "O'Neil");
}

// Ctrl+A takes the whole text wherever the caret is, so that what is typed next replaces it.
TEST(ZlEditKeys, CtrlASelectsTheWholeTextOfEveryKindAndOfAFlatCombo)
{
    TEditForm f(TInputType::itCurrency);
    f.session.TypeText("250");
    f.session.PressKey(VK_HOME);
    f.session.PressKey('A', kmCtrl);
    EXPECT_EQ(f.edit->SelLength(), 3);
    f.session.TypeText("75");
    EXPECT_EQ(f.edit->Text(), "75");
    EXPECT_EQ(f.edit->NumericValue(), 75);
    EXPECT_TRUE(f.session.Errors().empty()) << "Ctrl+A is no character a number refuses";

    f.edit->SetInputType(TInputType::itString);
    f.edit->SetText("Kas kecil");
    f.session.PressKey(VK_END);
    f.session.PressKey('A', kmCtrl);
    f.session.TypeText("Bank");
    EXPECT_EQ(f.edit->Text(), "Bank");

    auto* combo = f.Place<TZlComboBox>(10, 70, 150, 21);
    combo->SetStyle(TComboBoxStyle::csDropDown);
    combo->SetText("Kalvera");
    combo->SetFocus();
    f.session.ProcessUntilIdle();
    f.session.PressKey(VK_END);
    f.session.PressKey('A', kmCtrl);
    f.session.TypeText("Duvize");
    EXPECT_EQ(combo->Text(), "Duvize");
}

// A pasted amount is held to what could have been typed: "1,5" is refused as typed, "2.5" goes in, and
// so does a figure grouped as the program shows it. Dots do not group here: "1.234.567" is no figure.
TEST(ZlEditKeys, APastedAmountIsTakenOnlyWhenItCouldHaveBeenTyped)
{
    TEditForm f(TInputType::itCurrency);
    f.session.TypeText("250");
    f.Leave();
    f.ComeBack();
    Clipboard().SetAsText("1,5");
    f.session.PressKey(VK_INSERT, kmShift);
    EXPECT_EQ(f.session.Errors(),
              (std::vector<std::string>{"',' is not a valid character in a number: the decimal separator is '.'"}));
    EXPECT_EQ(f.edit->Text(), "250");
    EXPECT_EQ(f.edit->NumericValue(), 250);
    // Ctrl+V pastes as Shift+Insert does, through the same check.
    Clipboard().SetAsText("1.234.567");
    f.session.PressKey('V', kmCtrl);
    f.session.PressKey(VK_INSERT, kmShift);
    EXPECT_EQ(f.session.Errors().size(), 3u);
    EXPECT_EQ(f.session.Errors().back(), "'1.234.567' is not a valid number: the decimal separator is '.'");
    EXPECT_EQ(f.edit->SelText(), "250");
    EXPECT_EQ(f.edit->NumericValue(), 250);

    Clipboard().SetAsText("2.5\nnext line");
    f.session.PressKey(VK_INSERT, kmShift);
    EXPECT_EQ(f.session.Errors().size(), 3u);
    EXPECT_EQ(f.edit->Text(), "2.5");

    // The amount is kept to the cent.
    Clipboard().SetAsText("7x");
    f.session.PressKey('V', kmCtrl);
    EXPECT_EQ(f.session.Errors().size(), 4u);
    EXPECT_EQ(f.edit->Text(), "2.5");
    Clipboard().SetAsText("1234.567");
    f.session.PressKey('V', kmCtrl);
    EXPECT_EQ(f.edit->Text(), "1234.57");
    EXPECT_EQ(f.edit->NumericValue(), 1234.57);

    f.edit->SelectAll();
    Clipboard().SetAsText("999,999,999,999.99");
    f.session.PressKey('V', kmCtrl);
    EXPECT_EQ(f.edit->Text(), "999999999999.99");
    EXPECT_EQ(Currency::FromDouble(f.edit->NumericValue()), MaxAmount);
    f.edit->SelectAll();
    Clipboard().SetAsText("-1,234,567.50");
    f.session.PressKey(VK_INSERT, kmShift);
    EXPECT_EQ(f.edit->NumericValue(), -1234567.5);
    for (const char* misgrouped : {"1,23", "12,,3", "1234,567"}) {
        f.edit->SelectAll();
        Clipboard().SetAsText(misgrouped);
        f.session.PressKey('V', kmCtrl);
    }
    EXPECT_EQ(f.session.Errors().size(), 7u);
    EXPECT_EQ(f.edit->Text(), "-1234567.50");
}

TEST(ZlEditKeys, CommaDecimalLocaleSwapsTheSeparators)
{
    FormatSettings().DecimalSeparator = ',';
    FormatSettings().ThousandSeparator = '.';
    TEditForm f(TInputType::itCurrency, "Rp #,##0.00");
    f.session.TypeText("1234,5");
    f.Leave();
    EXPECT_EQ(f.edit->Text(), "Rp 1.234,50");
    EXPECT_DOUBLE_EQ(f.edit->NumericValue(), 1234.5);
    f.ComeBack();
    f.session.TypeText("1.");
    EXPECT_EQ(f.session.Errors(),
              (std::vector<std::string>{"'.' is not a valid character in a number: the decimal separator is ','"}));
    EXPECT_EQ(f.edit->Text(), "1");
    Clipboard().SetAsText("1.234.567,5");
    f.session.PressKey('V', kmCtrl);
    EXPECT_DOUBLE_EQ(f.edit->NumericValue(), 1234567.5);
}

TEST(ZlEditFrame, IdleAndFocusedFrames)
{
    TEditForm f;
    EXPECT_EQ(f.edit->ClientWidth(), 114);
    EXPECT_EQ(f.Frame(0, 0), clBlack);
    EXPECT_EQ(f.Frame(1, 1), clAqua);
    EXPECT_EQ(f.Frame(2, 2), clAqua);
    EXPECT_EQ(f.Frame(116, 4), clAqua);

    f.next->SetFocus();
    EXPECT_EQ(f.Frame(1, 1), Flat);
    EXPECT_EQ(f.Frame(116, 4), Flat);

    // A disabled field keeps its flat colour, not the framework's disabled one.
    f.edit->SetFocus();
    f.edit->SetEnabled(false);
    EXPECT_EQ(f.Frame(1, 1), Flat);
    EXPECT_EQ(f.Frame(116, 4), Flat);
}

TEST(ZlEditFrame, HoverHighlightsOnlyWhileNoFlatEditHasTheFocus)
{
    TEditForm f;
    auto* button = f.Place<TButton>(10, 70, 75, 25);
    f.next->SetFocus();
    f.MouseOver(*f.edit);
    EXPECT_TRUE(f.edit->MouseInControl());
    EXPECT_EQ(f.Frame(1, 1), Flat);

    f.session.MoveTo(5, 5);
    button->SetFocus();
    f.MouseOver(*f.edit);
    EXPECT_EQ(f.Frame(1, 1), clAqua);
    f.session.MoveTo(5, 5);
    EXPECT_EQ(f.Frame(1, 1), Flat);

    // Shift+Tab from the edit under the pointer into a date field: only the date field looks focused.
    auto* date = f.Place<TDateTimePicker>(10, 100, 120, 21);
    f.edit->SetFocus();
    f.MouseOver(*f.edit);
    f.session.PressKey(VK_TAB, kmShift);
    ASSERT_TRUE(date->Focused());
    EXPECT_EQ(f.Frame(1, 1), Flat);
}

TEST(ZlEditFrame, FlatColourFollowsTheParentUntilSetItself)
{
    TEditForm f;
    f.next->SetFocus();
    f.edit->SetParentColor(true);
    f.form->SetColor(0x00A0B0C0);
    EXPECT_EQ(f.Frame(1, 1), 0x00A0B0C0);

    f.edit->SetColorFlat(clWhite);
    EXPECT_FALSE(f.edit->ParentColor());
    f.form->SetColor(0x00C0C0C0);
    EXPECT_EQ(f.edit->ColorFlat(), clWhite);
    f.edit->SetUseAdvColors(true);
    EXPECT_EQ(f.edit->ColorFlat(), 0x00C0C0C0);
}

TEST(ZlEditLayout, HeightFollowsTheFont)
{
    TEditForm f;
    // One line of the font fills the client area exactly, inside the frame.
    f.edit->Font().SetSize(16);
    TTextMetric tm;
    GetFontMetrics(f.edit->Font(), tm);
    EXPECT_EQ(f.edit->ClientHeight(), tm.tmHeight);
}
