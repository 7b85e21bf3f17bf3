#include <gtest/gtest.h>

#include "PaintedText.h"
#include "controls/flat/TZlLink.h"
#include "platform/controls/TCustomEdit.h"
#include "platform/core/DesktopOpener.h"
#include "tests/platform/controls/ControlsTestKit.h"

using Request = RecordingOpener::Request;

TEST(ZlLink, ClickOpensTheCaptionWithItsSchemeOnce)
{
    TControlsFixture f;
    RecordingOpener opener;
    DesktopOpenerOverride useOpener(opener);
    auto* link = f.Place<TZlLink>(20, 20, 10, 10);
    link->SetURLType(TZlLink::TURLType::utHttp);
    int clicks = 0;
    link->OnClick = [&](TComponent*) { ++clicks; };
    // Apart in time, so that no two clicks make a double click.
    auto click = [&](const std::string& caption) {
        link->SetCaption(caption);
        f.session.ClickControl(*link);
        f.session.AdvanceClock(1000);
    };

    click("HTTP://kalvera.example/buku");
    click("kalvera.example/a b;c");
    click("");
    EXPECT_EQ(opener.requests, (std::vector<Request>{{"HTTP://kalvera.example/buku", SW_SHOWNOACTIVATE},
                                                     {"http://kalvera.example/a b;c", SW_SHOWNOACTIVATE}}));
    EXPECT_EQ(clicks, 3);
}

TEST(ZlLink, ARefusedAddressIsReportedAndAnAbsentOneIsNot)
{
    TControlsFixture f;
    RecordingOpener opener;
    opener.accept = false;
    DesktopOpenerOverride useOpener(opener);
    auto* link = f.Place<TZlLink>(20, 20, 10, 10);
    int refusals = 0;
    link->OnOpenFailed = [&](TComponent*) { ++refusals; };
    link->SetCaption("kalvera.example");
    f.session.ClickControl(*link);
    EXPECT_EQ(refusals, 1);
    f.session.AdvanceClock(1000);
    link->SetURLEnabled(false);
    f.session.ClickControl(*link);
    f.session.AdvanceClock(1000);
    link->SetURLEnabled(true);
    link->SetCaption("");
    f.session.ClickControl(*link);
    EXPECT_EQ(opener.requests.size(), 1u);
    EXPECT_EQ(refusals, 1);
}

TEST(ZlLink, ShadowLiesBehindTheTextAndHoverTakesTheLinkColour)
{
    TControlsFixture f;
    auto* link = f.Place<TZlLink>(20, 20, 10, 10);
    link->SetCaption("Bukura");
    link->Font().SetColor(clGreen);
    link->SetShadowSize(2);

    const auto runs = PaintedText(*f.form, "Bukura");
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].Color, ColorToRGB(clBtnHighlight));
    EXPECT_EQ(runs[1].Color, clGreen);
    EXPECT_EQ(runs[1].Cell.TopLeft(), (TPoint{runs[0].Cell.Left + 2, runs[0].Cell.Top + 2}));
    EXPECT_EQ(link->Width(), runs[0].Cell.Width() + 2 + 2);

    f.MouseOver(*link);
    EXPECT_EQ(PaintedText(*f.form, "Bukura").at(1).Color, clBlue);
    f.session.MoveTo(0, 0);
    EXPECT_EQ(PaintedText(*f.form, "Bukura").at(1).Color, clGreen);
}

TEST(ZlLink, RightAlignedAutoSizeGrowsToTheLeft)
{
    TControlsFixture f;
    auto* link = f.Place<TZlLink>(200, 20, 10, 10);
    link->SetAlignment(TAlignment::taRightJustify);
    link->SetCaption("Bukura");
    const int right = link->Left() + link->Width();
    const int width = link->Width();
    link->SetCaption("Bukura Akuntansi");
    EXPECT_GT(link->Width(), width);
    EXPECT_EQ(link->Left() + link->Width(), right);
}

TEST(ZlLink, AcceleratorFocusesTheFocusControlUntilItIsFreed)
{
    TControlsFixture f;
    auto* link = f.Place<TZlLink>(20, 20, 10, 10);
    auto* edit = f.Place<TEdit>(20, 60, 100, 21);
    auto* other = f.Place<TEdit>(20, 90, 100, 21);
    link->SetCaption("&Buku");
    link->SetFocusControl(edit);
    other->SetFocus();
    f.session.PressKey('B', kmAlt);
    EXPECT_TRUE(edit->Focused());
    TComponent::Free(edit);
    EXPECT_EQ(link->FocusControl(), nullptr);
}
