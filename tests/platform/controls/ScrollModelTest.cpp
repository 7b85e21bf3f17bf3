#include <gtest/gtest.h>

#include "platform/controls/TScrollBarModel.h"

namespace {

TScrollBarModel Vertical(int min, int max, int page, int pos)
{
    TScrollBarModel m(true);
    m.SetInfo({min, max, page, pos});
    m.SetBoundsRect(Rect(0, 0, 16, 216));
    return m;
}

} // namespace

TEST(ScrollBarModel, PageAndPositionAreClampedToTheRange)
{
    TScrollBarModel m = Vertical(0, 9, 40, 3);
    EXPECT_EQ(m.Info().Page, 10);
    EXPECT_EQ(m.Position(), 0);
    EXPECT_FALSE(m.Scrollable());
    m = Vertical(0, 99, 10, 500);
    EXPECT_EQ(m.Position(), 90);
    EXPECT_EQ(m.SetPosition(-3), 0);
    m = Vertical(5, 2, 0, 0);
    EXPECT_EQ(m.Info().Max, 5);
}

TEST(ScrollBarModel, ThumbFollowsThePageAndThePosition)
{
    TScrollBarModel m = Vertical(0, 99, 25, 0);
    // A 216-pixel bar has 16-pixel arrows and a 184-pixel track.
    EXPECT_EQ(m.ThumbRect(), Rect(0, 16, 16, 16 + 46));
    EXPECT_EQ(m.PositionForThumbDrag(0, 1000), 75);
    EXPECT_EQ(m.PositionForThumbDrag(75, -1000), 0);
    EXPECT_EQ(m.PositionForThumbDrag(0, 69), 38);
    m.SetPosition(75);
    EXPECT_EQ(m.ThumbRect().Bottom, 200);
    EXPECT_EQ(m.PartAt({8, 5}), TScrollPart::spLineUp);
    EXPECT_EQ(m.PartAt({8, 210}), TScrollPart::spLineDown);
    EXPECT_EQ(m.PartAt({8, 30}), TScrollPart::spPageUp);
    EXPECT_EQ(m.PartAt({8, 190}), TScrollPart::spThumb);
    EXPECT_EQ(m.PartAt({20, 190}), TScrollPart::spNone);
}

TEST(ScrollBarModel, ShortBarSharesItsLengthBetweenTheArrows)
{
    TScrollBarModel m(false);
    m.SetInfo({0, 10, 0, 0});
    m.SetBoundsRect(Rect(0, 0, 20, 16));
    EXPECT_EQ(m.ArrowRect(true), Rect(0, 0, 10, 16));
    EXPECT_EQ(m.ArrowRect(false), Rect(10, 0, 20, 16));
    EXPECT_TRUE(m.ThumbRect().IsEmpty());
}
