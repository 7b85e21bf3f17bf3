#include "SkinnedFormKit.h"

using FormDrag = SkinnedFormTest;

TEST_F(FormDrag, EdgesAndCornersSizeTheWindowAndStopAtTheMinimumTrackSize)
{
    Skinned();
    Drag(100 + 298, 200, 100 + 298 + 50, 210);
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 350, 200));

    Drag(101, 100 + 199 - 1, 101 + 300, 100 + 199 - 1 - 300);
    EXPECT_EQ(form->BoundsRect(), Bounds(100 + 350 - 150, 100, 150, 40));
}

TEST_F(FormDrag, TheCaptionMovesTheWindowAndSnapsItToTheWorkAreaEdge)
{
    Skinned();
    Drag(200, 110, 230, 150);
    EXPECT_EQ(form->BoundsRect(), Bounds(130, 140, 300, 200));

    Drag(200, 150, 200 - 120, 150);
    EXPECT_EQ(form->Left(), 0);

    // A release with no motion before it, as a back end that drops a motion leaving the pointer
    // where it was within the window gives it, still puts the window there.
    s.MouseDown(100, 150);
    s.MoveTo(150, 170);
    s.MouseUpWithoutMove(200, 200);
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 190, 300, 200));

    // A click on the caption near the edge moves nothing.
    form->SetBounds(100, 535, 300, 200);
    s.AdvanceClock(1000);
    s.Click(200, 545);
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 535, 300, 200));
}

TEST_F(FormDrag, ACaptionButtonActsOnlyWhenReleasedOverItself)
{
    TTeDefaultForm* skin = Skinned();
    const TRect max = skin->GetButtonRect(kbiMaximize);
    Drag(100 + max.Left + 3, 100 + max.Top + 3, 100 + 150, 100 + 100);
    EXPECT_EQ(skin->WindowState(), kwsNormal);
    s.Click(100 + max.Left + 3, 100 + max.Top + 3);
    EXPECT_EQ(skin->WindowState(), kwsMaximized);
}
