#include <gtest/gtest.h>

#include "PaintedText.h"
#include "controls/flat/TZlLabel.h"
#include "tests/platform/controls/ControlsTestKit.h"

namespace {

TPoint OffsetFrom(const TTextRun& run, const TTextRun& face)
{
    return {run.Cell.Left - face.Cell.Left, run.Cell.Top - face.Cell.Top};
}

} // namespace

TEST(ZlLabel, EffectPassesSurroundTheFaceWhichAloneTurnsGreyWhenDisabled)
{
    TControlsFixture f;
    auto* label = f.Place<TZlLabel>(20, 20, 10, 10);
    label->SetCaption("Nama");
    label->Font().SetColor(clNavy);
    label->SetColor_Outline(clCream);
    auto runs = PaintedText(*f.form, "Nama");
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[4].Color, clNavy);
    const TPoint outline[] = {{-1, -1}, {1, 1}, {1, -1}, {-1, 1}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(runs[i].Color, clCream);
        EXPECT_EQ(OffsetFrom(runs[i], runs[4]), outline[i]);
    }

    label->SetTextStyle(TZlLabel::TTextStyle::txRaised_Enhance);
    label->SetColor_Low(clMaroon);
    label->SetEnabled(false);
    runs = PaintedText(*f.form, "Nama");
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].Color, clMaroon);
    EXPECT_EQ(OffsetFrom(runs[0], runs[2]), (TPoint{1, 1}));
    EXPECT_EQ(runs[1].Color, label->Color_High());
    EXPECT_EQ(OffsetFrom(runs[1], runs[2]), (TPoint{-1, -1}));
    EXPECT_EQ(runs[2].Color, clGrayText);
}
