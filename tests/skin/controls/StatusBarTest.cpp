#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/ui/TCustomForm.h"
#include "skin/controls/TTeStatusBar.h"
#include "tests/skin/controls/SkinTestKit.h"

namespace {

// Draws the status kinds for the object "bar" only, with a content area inset by 5.
class StatusTheme : public RecordingTheme {
public:
    std::vector<TRect> panels;
    bool IsStatusDefined(Byte, const std::string& o) override { return o == "bar"; }
    TRect GetStatusClientRect(Byte, const TteStatusBarInfo& info, const std::string&) override
    {
        TRect r = info.Rect;
        r.Inflate(-5, -5);
        return r;
    }
    void DrawStatusBar(Byte, TCanvas&, const TteStatusBarInfo&, const std::string& o) override
    {
        log.push_back("DrawStatusBar " + o);
    }
    void DrawStatusPanel(Byte, TCanvas&, const TteStatusPanelInfo& info, const std::string&) override
    {
        panels.push_back(info.Rect);
    }
    void DrawStatusText(Byte, TCanvas&, const TteStatusPanelInfo&, const TteTextInfo& t, const std::string& o) override
    {
        log.push_back("DrawStatusText " + o + " " + t.Text);
    }
    void DrawStatusGripper(Byte, TCanvas&, const TteStatusBarInfo&, const std::string& o) override
    {
        log.push_back("DrawStatusGripper " + o);
    }
};

struct StatusBarFixture : TControlsFixture {
    TTeStatusBar* bar = nullptr;

    // A bar along the form's bottom whose content is 'contentWidth' wide (border 2 each side).
    explicit StatusBarFixture(int contentWidth = 300)
    {
        form->SetClientSize(contentWidth + 4, 200);
        bar = Docked<TTeStatusBar>(*form, TAlign::alBottom);
        session.ProcessUntilIdle();
    }

    TTeStatusPanel* Add(int width, int viewPriority, int stretchPriority = 0, int maxWidth = 10000)
    {
        TTeStatusPanel* p = bar->Panels().Add();
        p->SetMaxWidth(maxWidth);
        p->SetWidth(width);
        p->SetViewPriority(viewPriority);
        p->SetStretchPriority(stretchPriority);
        return p;
    }

    static std::pair<int, int> Span(const TTeStatusPanel* p) { return {p->LeftEdge() - 2, p->RightEdge() - 2}; }
};

} // namespace

TEST(StatusBarLayout, LowViewPrioritiesGoFirstWhenSpaceIsShortAndSpareWidthGoesByStretchPriority)
{
    StatusBarFixture f;
    auto* a = f.Add(100, 100);
    auto* b = f.Add(100, 50);
    auto* c = f.Add(200, 10);
    EXPECT_FALSE(c->PanelVisible());
    EXPECT_EQ(StatusBarFixture::Span(a), std::make_pair(0, 100));
    EXPECT_EQ(StatusBarFixture::Span(b), std::make_pair(100, 200));
    EXPECT_EQ(StatusBarFixture::Span(c).first, StatusBarFixture::Span(c).second);

    // Priority 100 overflows rather than hides; priority 0 never shows, even with room to spare.
    c->SetViewPriority(100);
    EXPECT_TRUE(c->PanelVisible());
    EXPECT_FALSE(b->PanelVisible());
    EXPECT_EQ(StatusBarFixture::Span(c), std::make_pair(100, 300));
    c->SetViewPriority(0);
    EXPECT_FALSE(c->PanelVisible());
    EXPECT_TRUE(b->PanelVisible());

    // Spare width goes to the highest stretch priority and its overflow to the next.
    f.bar->Panels().Clear();
    a = f.Add(50, 100, 10);
    b = f.Add(50, 100, 90, 80);
    c = f.Add(50, 100);
    // 150 spare: b may grow by 30 only, a takes the remaining 120.
    EXPECT_EQ(b->EffectiveWidth(), 80);
    EXPECT_EQ(a->EffectiveWidth(), 170);
    EXPECT_EQ(StatusBarFixture::Span(c), std::make_pair(250, 300));

    // The last panel with a stretch priority reaches the content's right edge.
    c->SetStretchPriority(5);
    a->SetStretchPriority(0);
    EXPECT_EQ(StatusBarFixture::Span(c).second, 300);
    EXPECT_EQ(c->RightEdge(), f.bar->GetContentRect().Right);
}

TEST(StatusBarPanels, DockedControlsFollowTheirPanelAndTheBarCannotHoldItsOwnParent)
{
    StatusBarFixture f;
    auto* text = f.Add(100, 100);
    auto* dock = f.Add(120, 100);
    auto* edit = CreateOwned<TCustomControl>(*f.form);
    dock->SetControl(edit);
    EXPECT_EQ(edit->Parent(), f.bar);
    EXPECT_EQ(edit->BoundsRect(), f.bar->GetPanelContentRect(*dock));

    EXPECT_THROW(text->SetControl(f.bar), EInvalidOperation);
    EXPECT_THROW(text->SetControl(f.form), EInvalidOperation);
    EXPECT_EQ(text->Control(), nullptr);
    EXPECT_EQ(dock->Control(), edit);

    // Moving the control to another panel takes it out of the first.
    text->SetControl(edit);
    EXPECT_EQ(dock->Control(), nullptr);
    EXPECT_EQ(edit->BoundsRect(), f.bar->GetPanelContentRect(*text));

    // A control put on the bar gets a panel of its own; taken off again, the panel goes.
    auto* gauge = CreateOwned<TCustomControl>(*f.form);
    gauge->SetParent(f.bar);
    ASSERT_EQ(f.bar->Panels().Count(), 3);
    EXPECT_EQ(f.bar->Panels().Items(2)->Control(), gauge);
    gauge->SetParent(nullptr);
    EXPECT_EQ(f.bar->Panels().Count(), 2);

    // A freed control leaves its panel empty.
    TComponent::Free(edit);
    EXPECT_EQ(text->Control(), nullptr);
    EXPECT_EQ(f.bar->Panels().Count(), 2);
}

TEST(StatusBarPanels, ClickNeedsPressAndReleaseOnTheSamePanel)
{
    StatusBarFixture f;
    auto* a = f.Add(100, 100);
    auto* b = f.Add(100, 100);
    std::vector<TTeStatusPanel*> clicked;
    f.bar->OnPanelClick = [&](TTeStatusBar*, TTeStatusPanel* p) { clicked.push_back(p); };
    const int y = f.bar->Height() / 2;
    const TPoint inA = f.session.ScreenPointOf(*f.bar, {50, y});
    const TPoint inB = f.session.ScreenPointOf(*f.bar, {150, y});
    f.session.Click(inB.X, inB.Y);
    f.session.MouseDown(inA.X, inA.Y);
    f.session.MouseUp(inB.X, inB.Y);
    EXPECT_EQ(clicked, std::vector<TTeStatusPanel*>{b});
    EXPECT_EQ(f.bar->PanelAtPos({50, y}), a);
    EXPECT_EQ(f.bar->PanelAtPos({50, 0}), nullptr);
}

TEST(StatusBarTheme, TheThemesContentAreaPlacesThePanelsAndEveryDrawingCallNamesDefault)
{
    SkinFixture f;
    f.form->SetClientSize(310, 200);
    auto theme = std::make_unique<StatusTheme>();
    StatusTheme& t = *theme;
    SetCurrentTheme(std::move(theme));
    auto* bar = Docked<TTeStatusBar>(*f.form, TAlign::alBottom);
    bar->SetThemeObject("bar");
    auto* a = bar->Panels().Add();
    a->SetText("Siap");
    a->SetStretchPriority(1);
    f.session.ProcessUntilIdle();
    EXPECT_EQ(a->LeftEdge(), 5);
    EXPECT_EQ(a->RightEdge(), 305);
    t.log.clear();
    bar->Repaint();
    f.session.ProcessUntilIdle();
    EXPECT_TRUE(t.Logged("DrawStatusBar default"));
    EXPECT_TRUE(t.Logged("DrawStatusText default Siap"));
    EXPECT_TRUE(t.Logged("DrawStatusGripper default"));
    EXPECT_EQ(t.panels.back(), Rect(5, 5, 305, 17));

    // Another object name falls back to the classic look: the border's 2-pixel inset.
    bar->SetThemeObject("other");
    EXPECT_EQ(a->LeftEdge(), 2);
}

TEST(StatusBarGrip, ShowsOnlyAtTheBottomRightOfTheFormsClientArea)
{
    StatusBarFixture f;
    EXPECT_TRUE(f.bar->GripShown());
    f.bar->SetAlign(TAlign::alTop);
    EXPECT_FALSE(f.bar->GripShown());
    f.bar->SetAlign(TAlign::alBottom);
    f.bar->SetSizeGrip(false);
    EXPECT_FALSE(f.bar->GripShown());
}
