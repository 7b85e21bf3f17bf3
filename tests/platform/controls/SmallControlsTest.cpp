#include <gtest/gtest.h>

#include "ControlsTestKit.h"
#include "platform/controls/TBevel.h"
#include "platform/controls/TButton.h"
#include "platform/controls/TCustomCheckBox.h"
#include "platform/controls/TCustomEdit.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TCustomPanel.h"
#include "platform/controls/TImage.h"
#include "platform/controls/TScrollBox.h"
#include "platform/controls/TSpeedButton.h"
#include "platform/graphics/TBitmap.h"
#include "tests/platform/graphics/JpegData.h"

namespace {

bool Near(TColor c, int r, int g, int b)
{
    const int cr = static_cast<int>(c & 0xFF);
    const int cg = static_cast<int>((c >> 8) & 0xFF);
    const int cb = static_cast<int>((c >> 16) & 0xFF);
    return std::abs(cr - r) <= 3 && std::abs(cg - g) <= 3 && std::abs(cb - b) <= 3;
}

} // namespace

TEST(Label, AutoSizeAndTheFocusControl)
{
    TControlsFixture f;
    auto* label = f.Place<TLabel>(10, 10, 10, 10);
    auto* edit = f.Place<TEdit>(10, 40, 100, 21);
    auto* other = f.Place<TEdit>(10, 70, 100, 21);
    label->SetCaption("&Nama");
    const int shortWidth = label->Width();
    label->SetCaption("&Nama Perkiraan");
    EXPECT_GT(label->Width(), shortWidth);
    EXPECT_EQ(label->AccelChar(), U'n');
    label->SetFocusControl(edit);
    other->SetFocus();
    f.session.PressKey('N', kmAlt);
    EXPECT_TRUE(edit->Focused());
    TComponent::Free(edit);
    EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST(Label, MouseEventsAndOpacity)
{
    TControlsFixture f;
    auto* label = f.Place<TLabel>(10, 10, 100, 20);
    label->SetCaption("www.bukura.org");
    label->SetCursor(crHandPoint);
    int moves = 0;
    int leaves = 0;
    int clicks = 0;
    label->OnMouseMove = [&](TComponent*, TShiftState, int, int) { ++moves; };
    label->OnMouseLeave = [&](TComponent*) { ++leaves; };
    label->OnClick = [&](TComponent*) { ++clicks; };
    const TPoint p = label->ClientToScreen({5, 5});
    f.session.MoveTo(p.X, p.Y);
    f.session.MoveTo(p.X + 1, p.Y + 1);
    EXPECT_EQ(moves, 2);
    EXPECT_EQ(leaves, 0);
    f.session.MoveTo(p.X + 200, p.Y + 100);
    EXPECT_EQ(leaves, 1);
    f.session.ClickControl(*label);
    EXPECT_EQ(clicks, 1);

    // An opaque label fills with its parent's colour, a transparent one does not.
    f.form->SetColor(clYellow);
    auto* opaque = f.Place<TLabel>(10, 60, 10, 10);
    opaque->SetAutoSize(false);
    opaque->SetBounds(10, 60, 80, 20);
    opaque->SetCaption(" ");
    EXPECT_EQ(f.PixelOf(*f.form, 80, 75), clYellow);
    EXPECT_EQ(opaque->Color(), clYellow);
    opaque->SetColor(clRed);
    EXPECT_EQ(f.PixelOf(*f.form, 80, 75), clRed);
    opaque->SetTransparent(true);
    EXPECT_EQ(f.PixelOf(*f.form, 80, 75), clYellow);
}

TEST(Panel, RaisedBevelsWithTheChildrenInsideAndATopLineBevelLightAboveDark)
{
    TControlsFixture f;
    auto* panel = f.Place<TPanel>(10, 10, 100, 60);
    panel->SetBevelInner(TBevelCut::bvLowered);
    auto* child = CreateOwned<TPanel>(*f.form);
    child->SetParent(panel);
    child->SetAlign(TAlign::alClient);
    f.session.ProcessUntilIdle();
    EXPECT_EQ(child->BoundsRect(), Rect(2, 2, 98, 58));
    EXPECT_EQ(f.session.ClientColor(*panel, 0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(f.session.ClientColor(*panel, 99, 59), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(f.session.ClientColor(*panel, 1, 1), GetSysColor(COLOR_BTNSHADOW));

    auto* bevel = f.Place<TBevel>(10, 100, 100, 2);
    bevel->SetShape(TBevelShape::bsTopLine);
    bevel->SetStyle(TBevelStyle::bsRaised);
    EXPECT_EQ(f.PixelOf(*f.form, 50, 100), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(f.PixelOf(*f.form, 50, 101), GetSysColor(COLOR_BTNSHADOW));
}

TEST(Panel, FocusClicksAndExitOfItsChildren)
{
    TControlsFixture f;
    auto* panel = f.Place<TPanel>(10, 10, 200, 100);
    auto* edit = CreateOwned<TEdit>(*f.form);
    edit->SetParent(panel);
    edit->SetBounds(120, 10, 60, 21);
    auto* box = CreateOwned<TCheckBox>(*f.form);
    box->SetParent(panel);
    box->SetBounds(10, 10, 100, 17);
    auto* button = CreateOwned<TSpeedButton>(*f.form);
    button->SetParent(panel);
    button->SetBounds(10, 40, 25, 25);
    int clicks = 0;
    button->OnClick = [&](TComponent*) { ++clicks; };
    panel->SetEnabled(false);
    f.session.ProcessUntilIdle();
    EXPECT_FALSE(edit->CanFocus());
    EXPECT_FALSE(edit->EnabledInTree());
    edit->SetFocus();
    EXPECT_FALSE(edit->Focused());
    f.session.ClickControl(*box, {5, 8});
    f.session.ClickControl(*button);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 0);

    // An enabled panel hears the focus leave its children.
    auto* group = f.Place<TPanel>(220, 10, 150, 60);
    auto* inside = CreateOwned<TEdit>(*f.form);
    inside->SetParent(group);
    auto* inside2 = CreateOwned<TEdit>(*f.form);
    inside2->SetParent(group);
    inside2->SetTop(30);
    auto* outside = f.Place<TEdit>(220, 100, 100, 21);
    int exits = 0;
    group->OnExit = [&](TComponent*) { ++exits; };
    inside->SetFocus();
    inside2->SetFocus();
    EXPECT_EQ(exits, 0);
    outside->SetFocus();
    EXPECT_EQ(exits, 1);
}

TEST(CheckBox, ClickSpaceAndGreyedState)
{
    TControlsFixture f;
    auto* box = f.Place<TCheckBox>(10, 10, 100, 17);
    box->SetCaption("Search");
    int clicks = 0;
    box->OnClick = [&](TComponent*) { ++clicks; };
    f.session.ClickControl(*box, {5, 8});
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(box->Focused());
    f.session.TypeText(" ");
    EXPECT_FALSE(box->Checked());
    box->SetChecked(true);
    box->SetChecked(true);
    EXPECT_EQ(clicks, 3);

    box->Toggle();
    EXPECT_EQ(box->State(), TCheckBoxState::cbUnchecked);
    box->SetAllowGrayed(true);
    box->Toggle();
    EXPECT_EQ(box->State(), TCheckBoxState::cbGrayed);
    box->Toggle();
    EXPECT_EQ(box->State(), TCheckBoxState::cbChecked);
}

TEST(Accelerators, TheUnderlinedLetterClicksAButtonOrTogglesABoxOnce)
{
    TControlsFixture f;
    auto* save = f.Place<TButton>(10, 10, 75, 25);
    save->SetCaption("&Simpan");
    auto* close = f.Place<TButton>(100, 10, 75, 25);
    close->SetCaption("&Tutup");
    auto* search = f.Place<TCheckBox>(10, 50, 100, 17);
    search->SetCaption("&Cari");
    auto* edit = f.Place<TEdit>(10, 80, 100, 21);
    int saves = 0;
    save->OnClick = [&](TComponent*) { ++saves; };
    edit->SetFocus();
    f.session.PressKey('S', kmAlt);
    EXPECT_EQ(saves, 1);
    f.session.TypeText("s");
    EXPECT_EQ(saves, 1) << "the edit takes plain letters";
    close->SetFocus();
    f.session.TypeText("s");
    EXPECT_EQ(saves, 2);
    f.session.PressKey('C', kmAlt);
    EXPECT_TRUE(search->Checked());
    EXPECT_TRUE(search->Focused());
}

TEST(SpeedButton, GroupsAndReleaseOutside)
{
    TControlsFixture f;
    auto* a = f.Place<TSpeedButton>(10, 10, 40, 22);
    auto* b = f.Place<TSpeedButton>(60, 10, 40, 22);
    int clicks = 0;
    b->OnClick = [&](TComponent*) { ++clicks; };
    b->SetDown(true);
    EXPECT_FALSE(b->Down()) << "ungrouped";
    const TPoint p = b->ClientToScreen({10, 10});
    f.session.MouseDown(p.X, p.Y);
    f.session.MouseUp(p.X + 100, p.Y);
    EXPECT_EQ(clicks, 0);

    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    a->SetDown(true);
    f.session.ClickControl(*b);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(clicks, 1);
    f.session.ClickControl(*b);
    EXPECT_TRUE(b->Down());
    b->SetAllowAllUp(true);
    f.session.ClickControl(*b);
    EXPECT_FALSE(b->Down());
}

TEST(SpeedButton, GlyphAndFlatEdgeDrawing)
{
    TControlsFixture f;
    auto* button = f.Place<TSpeedButton>(10, 10, 30, 30);
    button->SetSpacing(-1);
    button->SetFlat(true);
    button->Glyph().SetSize(10, 10);
    button->Glyph().Fill(0xFFFF0000);
    button->Glyph().SetPixelAt(0, 9, 0xFF00FF00);
    button->Invalidate();
    auto at = [&](int x, int y) { return f.PixelOf(*f.form, 10 + x, 10 + y); };
    EXPECT_EQ(at(10, 10), clRed);
    EXPECT_EQ(at(19, 18), clRed);
    EXPECT_EQ(at(9, 10), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(at(20, 10), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(at(10, 19), GetSysColor(COLOR_BTNFACE));
    button->SetEnabled(false);
    EXPECT_EQ(at(10, 10), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(at(19, 18), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(at(20, 19), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(at(9, 10), GetSysColor(COLOR_BTNFACE));
    button->SetEnabled(true);
    EXPECT_EQ(at(10, 10), clRed);

    // A flat button shows its edge only under the pointer.
    auto* flat = f.Place<TSpeedButton>(60, 10, 40, 22);
    flat->SetFlat(true);
    EXPECT_EQ(f.PixelOf(*f.form, 60, 10), GetSysColor(COLOR_BTNFACE));
    f.MouseOver(*flat);
    EXPECT_TRUE(flat->MouseInControl());
    EXPECT_EQ(f.PixelOf(*f.form, 60, 10), GetSysColor(COLOR_BTNHIGHLIGHT));
}

TEST(Image, PicturesAndBadData)
{
    TControlsFixture f;
    f.form->SetColor(clWhite);
    auto* image = f.Place<TImage>(10, 10, 40, 40);
    // A 1 x 1 24-bit bitmap holding pure blue.
    std::vector<uint8_t> bmp = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0,
                                1, 0, 24, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                255, 0, 0, 0};
    image->LoadFromData(bmp);
    EXPECT_EQ(f.PixelOf(*f.form, 10, 10), clBlue);

    image->SetCenter(true);
    image->LoadFromData(Jpeg(20, 10, 200, 40, 90));
    EXPECT_EQ(image->Picture().Width(), 20);
    EXPECT_EQ(image->Picture().Height(), 10);
    EXPECT_TRUE(Near(f.PixelOf(*f.form, 10 + 20, 10 + 20), 200, 40, 90));
    EXPECT_TRUE(Near(f.PixelOf(*f.form, 10 + 10, 10 + 15), 200, 40, 90));
    EXPECT_EQ(f.PixelOf(*f.form, 10 + 9, 10 + 14), clWhite);
    EXPECT_EQ(f.PixelOf(*f.form, 10 + 20, 10 + 25), clWhite);

    EXPECT_THROW(image->LoadFromData({'n', 'o', 'p', 'e'}), EReadError);
    EXPECT_EQ(image->Picture().Width(), 20);
    EXPECT_THROW(image->LoadFromFile("/nonexistent/wait.jpg"), EFOpenError);
}

TEST(ScrollBox, ChildrenBeyondTheClientAreaScroll)
{
    TControlsFixture f;
    auto* box = f.Place<TScrollBox>(10, 10, 150, 100);
    auto* far = CreateOwned<TPanel>(*f.form);
    far->SetParent(box);
    far->SetBounds(0, 200, 50, 50);
    int resized = 0;
    box->OnResize = [&](TComponent*) { ++resized; };
    box->UpdateScrollRanges();
    ASSERT_TRUE(box->WindowScrollBars().Visible(SB_VERT));
    box->Perform(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(far->Top() + far->Height(), box->ClientHeight());
    box->Perform(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(far->Top(), 200);
    box->SetHeight(120);
    EXPECT_EQ(resized, 1);
}

// A bar that goes away gives its room back to the other bar's page.
TEST(ScrollBox, ABarThatGoesWidensTheOtherBarsPage)
{
    TControlsFixture f;
    auto* box = f.Place<TScrollBox>(10, 10, 150, 100);
    auto* wide = CreateOwned<TPanel>(*f.form);
    wide->SetParent(box);
    wide->SetBounds(0, 0, 300, 200);
    box->UpdateScrollRanges();
    ASSERT_TRUE(box->WindowScrollBars().Visible(SB_VERT));
    wide->SetHeight(40);
    box->UpdateScrollRanges();
    EXPECT_FALSE(box->WindowScrollBars().Visible(SB_VERT));
    EXPECT_EQ(box->WindowScrollBars().GetScrollInfo(SB_HORZ).Page, box->ClientWidth());
}
