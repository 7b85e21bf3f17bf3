#include <gtest/gtest.h>

#include "platform/controls/TCustomEdit.h"
#include "skin/controls/TTeLabel.h"
#include "tests/skin/controls/SkinTestKit.h"
#include "tests/skin/engine/RecordingText.h"

namespace {

struct LabelForm : SkinFixture {
    TTeControl* panel = Place<TTeControl>(10, 10, 200, 100);
    TTeLabel* label = nullptr;
    LabelForm()
    {
        panel->SetColor(clRed);
        label = CreateOwned<TTeLabel>(*form);
        label->SetParent(panel);
        label->SetAutoSize(false);
        label->SetBounds(10, 10, 120, 30);
        label->SetCaption("Kas");
        session.ProcessUntilIdle();
    }
};

} // namespace

TEST(TeLabelBackground, ATransparentLabelShowsItsParentBeneathAndAnOpaqueOneItsColour)
{
    LabelForm f;
    for (TTePerformance mode : {tepNoBuffer, tepSharedBuffer, tepDoubleBuffer}) {
        f.label->SetPerformance(mode);
        EXPECT_EQ(f.PixelOf(*f.label, 100, 25), clRed) << mode;
    }
    f.label->SetTransparent(false);
    EXPECT_EQ(f.PixelOf(*f.label, 100, 25), ColorToRGB(clBtnFace));

    f.form->SetColor(clLime);
    f.label->SetParent(f.form);
    f.label->SetTop(150);
    f.label->SetTransparent(true);
    f.label->SetPerformance(tepNoBuffer);
    EXPECT_EQ(f.PixelOf(*f.label, 100, 25), clLime);
}

TEST(TeLabelText, AutoSizeKeepsALineAndTheRightEdgeAndLayoutMovesTheText)
{
    LabelForm f;
    RecordingText text;
    f.label->SetAutoSize(true);
    f.label->SetCaption("");
    EXPECT_EQ(f.label->Width(), 7);
    EXPECT_EQ(f.label->Height(), 13);
    f.label->SetAlignment(TAlignment::taRightJustify);
    f.label->SetCaption("Kas");
    const int right = f.label->Left() + f.label->Width();
    f.label->SetCaption("Kas besar");
    EXPECT_EQ(f.label->Width(), 63);
    EXPECT_EQ(f.label->Left() + f.label->Width(), right);

    f.label->SetAutoSize(false);
    f.label->SetBounds(10, 10, 120, 30);
    f.label->SetLayout(TTextLayout::tlBottom);
    f.session.ProcessUntilIdle();
    text.calls.clear();
    f.label->Invalidate();
    f.session.ProcessUntilIdle();
    ASSERT_FALSE(text.calls.empty());
    EXPECT_EQ(text.calls.back().rect.Top, 30 - 13);
}

TEST(TeLabelAccelerator, FocusesItsControlOnlyWhenThatCanTakeTheFocus)
{
    LabelForm f;
    auto* edit = f.Place<TEdit>(20, 150, 100, 21);
    f.label->SetCaption("&Nama");
    f.label->SetFocusControl(edit);
    EXPECT_EQ(f.form->Perform(CM_DIALOGCHAR, 'n'), 1);
    EXPECT_TRUE(edit->Focused());
    edit->SetEnabled(false);
    EXPECT_EQ(f.form->Perform(CM_DIALOGCHAR, 'n'), 0);
}
