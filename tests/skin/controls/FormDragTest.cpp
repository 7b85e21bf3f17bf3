#include "SkinnedFormKit.h"

using FormDrag = SkinnedFormTest;

TEST_F(FormDrag, EdgesAndCornersSizeTheWindowAndStopAtTheMinimumTrackSize)
{
    Skinned();
    s.MouseDown(100 + 298, 200);
    s.MoveTo(100 + 298 + 50, 210);
    s.MouseUp(100 + 298 + 50, 210);
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 350, 200));

    s.MouseDown(101, 100 + 199 - 1);
    s.MoveTo(101 + 300, 100 + 199 - 1 - 300);
    s.MouseUp(101 + 300, 100 + 199 - 1 - 300);
    EXPECT_EQ(form->BoundsRect(), Bounds(100 + 350 - 150, 100, 150, 40));
}

TEST_F(FormDrag, TheCaptionMovesTheWindowAndSnapsItToTheWorkAreaEdge)
{
    Skinned();
    s.MouseDown(200, 110);
    s.MoveTo(230, 150);
    s.MouseUp(230, 150);
    EXPECT_EQ(form->BoundsRect(), Bounds(130, 140, 300, 200));

    s.MouseDown(200, 150);
    s.MoveTo(200 - 120, 150);
    s.MouseUp(200 - 120, 150);
    EXPECT_EQ(form->Left(), 0);
}

TEST_F(FormDrag, ACaptionButtonActsOnlyWhenReleasedOverItself)
{
    TTeDefaultForm* skin = Skinned();
    const TRect max = skin->GetButtonRect(kbiMaximize);
    s.MouseDown(100 + max.Left + 3, 100 + max.Top + 3);
    s.MoveTo(100 + 150, 100 + 100);
    s.MouseUp(100 + 150, 100 + 100);
    EXPECT_EQ(skin->WindowState(), kwsNormal);
    s.Click(100 + max.Left + 3, 100 + max.Top + 3);
    EXPECT_EQ(skin->WindowState(), kwsMaximized);
}
