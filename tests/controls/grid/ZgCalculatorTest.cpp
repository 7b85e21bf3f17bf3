#include <gtest/gtest.h>

#include <string_view>

#include "../../platform/controls/ControlsTestKit.h"
#include "controls/grid/TZgCalculator.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TInplaceEdit.h"
#include "platform/core/Beep.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"

namespace {

// A calculator whose display is an editor on a shown form, as the grid's editor owns it.
struct CalcFixture : TControlsFixture {
    TInplaceEdit* editor = Place<TInplaceEdit>(10, 10, 120, 20);
    TZgCalculator* calc = CreateOwned<TZgCalculator>(*editor);

    CalcFixture()
    {
        editor->Show();
        ResetBeepCount();
    }
    ~CalcFixture() { ResetFormatSettings(); }

    const std::string& Keys(std::string_view keys)
    {
        for (char k : keys)
            calc->CalcKey(k);
        return editor->Text();
    }
    void Press(int key) { calc->Perform(WM_KEYDOWN, key, 0); }
};

} // namespace

TEST(ZgCalculator, WorksLeftToRightAndRemembersANumber)
{
    CalcFixture f;
    EXPECT_EQ(f.Keys("1+2="), "3");
    EXPECT_EQ(f.Keys("2+3*4=="), "20");
    EXPECT_EQ(f.Keys("C8-+2="), "10");  // a second operator replaces the first
    EXPECT_EQ(f.Keys("200+10%"), "220");
    EXPECT_EQ(f.Keys("50-10%"), "45");
    EXPECT_EQ(f.Keys("50/10%"), "500");
    EXPECT_EQ(f.Keys("10/3="), "3.33");
    for (int i = 0; i < 9; ++i)
        f.calc->DigitsDown();
    EXPECT_EQ(f.calc->Digits(), 0);
    EXPECT_EQ(f.Keys("7/2="), "4");

    EXPECT_EQ(f.Keys("12.5.\b"), "12.");
    EXPECT_EQ(f.Keys("C5_\b"), "0");
    // The editor's text is wholly selected when the calculator opens: the next digit replaces it.
    f.calc->SetDisplay(125);
    f.editor->SelectAll();
    EXPECT_EQ(f.Keys("73"), "73");

    // The memory mark shows while the memory is not zero.
    f.Keys("C12");
    f.calc->MemoryAdd();
    EXPECT_EQ(f.calc->MemoryLabel().Caption(), "M");
    f.Keys("C");
    f.calc->MemoryRead();
    EXPECT_EQ(f.Keys("3"), "123");
    f.Keys("C");
    f.calc->MemoryStore();
    EXPECT_EQ(f.calc->MemoryLabel().Caption(), "");
}

TEST(ZgCalculator, OkCancelAndKeys)
{
    CalcFixture f;
    std::vector<bool> exits;
    f.calc->OnExitClick = [&](TComponent*, bool selected) { exits.push_back(selected); };
    f.calc->SetSavedValue(42.5);
    f.editor->SetText("12abc");
    EXPECT_THROW(f.Press(VK_RETURN), EConvertError);
    EXPECT_TRUE(exits.empty());
    f.Keys("C7");
    f.Press(VK_RETURN);
    f.Press(VK_ESCAPE);
    EXPECT_EQ(f.editor->Text(), "42.5");
    EXPECT_EQ(exits, (std::vector<bool>{true, false}));

    FormatSettings().DecimalSeparator = ',';
    f.Keys("C");
    for (int key : {VK_NUMPAD0 + 1, int(VK_OEM_PERIOD), VK_0 + 5, int(VK_ADD), VK_NUMPAD0 + 1, int(VK_OEM_PLUS)})
        f.Press(key);
    EXPECT_EQ(f.editor->Text(), "2,5");
    f.Press(VK_SHIFT);
    EXPECT_EQ(BeepCount(), 1);
    f.Press(VK_NUMPAD0 + 7);
    EXPECT_EQ(f.editor->Text(), "2,5");
    f.Press(VK_C);
    EXPECT_EQ(f.calc->Status(), TCalcStatus::First);
}

TEST(ZgCalculator, FixedPopupAndErrors)
{
    CalcFixture f;
    f.calc->SetParent(f.editor);
    f.calc->SetBounds(300, 200, 50, 50);
    f.calc->HandleNeeded();
    EXPECT_TRUE(f.calc->IsTopLevelWindow() && !f.calc->Parent());
    EXPECT_EQ(f.calc->BoundsRect(), Rect(300, 200, 473, 316));
    f.calc->Show();
    f.session.ProcessUntilIdle();
    for (TPoint p : {TPoint{44, 79}, TPoint{128, 101}, TPoint{72, 79}, TPoint{156, 101}})
        f.session.ClickControl(*f.calc, p);  // "1", "+", "2", "="
    EXPECT_EQ(f.editor->Text(), "3");

    // An error beeps once and locks all but clear, square root and reciprocal.
    EXPECT_EQ(f.Keys("9/0=5+1="), "0");
    f.calc->MemoryStore();
    EXPECT_EQ(f.calc->Memory(), 0);
    EXPECT_EQ(f.Keys("C1+2="), "3");
    EXPECT_EQ(BeepCount(), 1);
    f.Keys("4_");
    f.calc->SquareRoot();
    EXPECT_EQ(f.calc->Status(), TCalcStatus::Error);
    f.calc->Reciprocal();  // reads the kept "-4"
    EXPECT_EQ(f.editor->Text(), "-0.25");
    EXPECT_EQ(f.calc->Status(), TCalcStatus::First);
    EXPECT_EQ(BeepCount(), 2);
}
