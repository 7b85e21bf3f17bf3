#include "SkinnedFormKit.h"

#include "platform/controls/TPopupMenu.h"
#include "platform/graphics/TBitmap.h"
#include "skin/controls/TTeItem.h"

using FormFrame = SkinnedFormTest;

TEST_F(FormFrame, ClientSizeAndHitTestsFollowTheBorderStyle)
{
    TTeDefaultForm* skin = Skinned();
    EXPECT_EQ(form->ClientWidth(), 300 - 8);
    EXPECT_EQ(form->ClientHeight(), 200 - 8 - 19);
    EXPECT_EQ(NcHit(*form, 150, 10), HTCAPTION);
    EXPECT_EQ(NcHit(*form, 1, 100), HTLEFT);
    EXPECT_EQ(NcHit(*form, 2, 2), HTTOPLEFT);
    EXPECT_EQ(NcHit(*form, 297, 190), HTBOTTOMRIGHT);
    EXPECT_EQ(NcHit(*form, 150, 100), HTCLIENT);
    const TRect close = skin->GetButtonRect(kbiClose);
    EXPECT_EQ(NcHit(*form, close.Left + 3, close.Top + 3), HTCLOSE);
    const TRect max = skin->GetButtonRect(kbiMaximize);
    EXPECT_EQ(NcHit(*form, max.Left + 3, max.Top + 3), HTMAXBUTTON);

    // A window of a fixed size offers no maximize: no button, and the caption's double click
    // leaves it where and as it is.
    form->SetBorderStyle(TFormBorderStyle::bsDialog);
    skin->RefreshFormFrame();
    EXPECT_TRUE(skin->GetButtonRect(kbiMaximize).IsEmpty());
    EXPECT_NE(NcHit(*form, max.Left + 3, max.Top + 3), HTMAXBUTTON);
    const TRect placed = form->BoundsRect();
    s.DoubleClick(100 + 150, 100 + 10);
    EXPECT_EQ(skin->WindowState(), kwsNormal);
    EXPECT_EQ(form->BoundsRect(), placed);
    form->SetBorderStyle(TFormBorderStyle::bsSizeable);
    EXPECT_FALSE(skin->GetButtonRect(kbiMaximize).IsEmpty());

    skin->Dragging().SetMoveable(false);
    skin->Dragging().SetSizeable(false);
    EXPECT_EQ(NcHit(*form, 150, 10), HTCLIENT);
    EXPECT_EQ(NcHit(*form, 1, 100), HTCLIENT);

    skin->SetBorderStyle(kbsNone);
    EXPECT_EQ(form->ClientWidth(), 292);
    EXPECT_EQ(form->ClientHeight(), 173);
    EXPECT_EQ(NcHit(*form, 150, 10), HTCLIENT);
}

TEST_F(FormFrame, FrameChangesKeepTheClientSize)
{
    TTeDefaultForm* skin = Skinned();
    const TRect client = form->ClientRect();
    skin->SetBorderStyle(kbsToolWindow);
    EXPECT_EQ(form->ClientRect(), client);
    EXPECT_LT(form->Height(), 200);

    skin->SetBorderIcons(BorderIconBit(kbiClose));
    skin->Shadow().SetEnabled(true);
    EXPECT_EQ(form->ClientRect(), client);
    EXPECT_EQ(form->Width(), 300 + 4);
    EXPECT_EQ(skin->FrameWidth(), 300);
    // The window's shape is the frame and its offset copy.
    const TRegion* shape = form->WindowRegion();
    ASSERT_NE(shape, nullptr);
    EXPECT_FALSE(shape->Contains(302, 1));
    EXPECT_TRUE(shape->Contains(302, 5));
    // A new window gets the shape again once the queue has run.
    form->RecreateWnd();
    s.ProcessUntilIdle();
    ASSERT_NE(form->WindowRegion(), nullptr);
    EXPECT_FALSE(form->WindowRegion()->Contains(302, 1));

    skin->Shadow().SetSize(0);
    skin->Shadow().SetEnabled(true);
    skin->RefreshFormFrame();
    EXPECT_EQ(form->Width(), 300);
    EXPECT_EQ(form->ClientRect(), client);
}

TEST_F(FormFrame, ClassicFramePixels)
{
    TTeDefaultForm* skin = Skinned();
    skin->SetCaption("Jurnal umum");
    s.App().ActivateForm(form);
    s.ProcessUntilIdle();
    ASSERT_TRUE(skin->IsActiveFrame());
    EXPECT_EQ(s.WindowColor(*form, 0, 100), ColorToRGB(cl3DLight));
    EXPECT_EQ(s.WindowColor(*form, 299, 100), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(s.WindowColor(*form, 2, 100), ColorToRGB(clBtnFace));
    EXPECT_EQ(s.WindowColor(*form, 4, 5), ColorToRGB(clActiveCaption));
    // Without an icon of the form or the program the system-menu button shows the stock one:
    // a navy title bar over a white window.
    const TRect icon = skin->GetButtonRect(kbiSystemMenu);
    const int iconX = (icon.Left + icon.Right) / 2, iconY = (icon.Top + icon.Bottom) / 2;
    EXPECT_EQ(s.WindowColor(*form, iconX, iconY - 4), clNavy);
    EXPECT_EQ(s.WindowColor(*form, iconX, iconY + 2), clWhite);

    s.App().DeactivateForm(form);
    s.ProcessUntilIdle();
    EXPECT_EQ(s.WindowColor(*form, 4, 5), ColorToRGB(clInactiveCaption));

    // The shadow band is the desktop beneath, darkened; its corners leave the desktop alone.
    skin->Shadow().SetEnabled(true);
    s.ProcessUntilIdle();
    EXPECT_EQ(s.ScreenColor(100 + 302, 100 + 100), TColor(0x52371D));
    EXPECT_EQ(s.ScreenColor(100 + 150, 100 + 202), TColor(0x52371D));
    EXPECT_EQ(s.ScreenColor(100 + 302, 100 + 1), PixelToColor(THeadlessBackend::DesktopColor));
}

namespace {
// A frame whose shape leaves out its 6 x 6 top-left corner.
class TCutCornerForm : public TTeDefaultForm {
public:
    using TTeDefaultForm::TTeDefaultForm;
    TRegion CreateRegion() override
    {
        TRegion r = TTeDefaultForm::CreateRegion();
        r.Subtract(Rect(0, 0, 6, 6));
        return r;
    }
};
} // namespace

TEST_F(FormFrame, TheFrameShapeHoldsWhetherOrNotTheBackEndShapesWindows)
{
    for (bool shapes : {true, false}) {
        SCOPED_TRACE(shapes);
        s.Screen().SetShapesSupported(shapes);
        TForm* form = nullptr;
        MakeSkinned<TCutCornerForm>(form, Bounds(100, 100, 300, 200));
        ASSERT_NE(form->WindowRegion(), nullptr);
        EXPECT_FALSE(form->WindowRegion()->Contains(2, 2));
        EXPECT_EQ(form->WindowRegionByBackend(), shapes);
        EXPECT_EQ(s.ScreenColor(102, 102), PixelToColor(THeadlessBackend::DesktopColor));
        EXPECT_NE(s.ScreenColor(108, 108), PixelToColor(THeadlessBackend::DesktopColor));
        // A corner drag there would size the window if the press reached it.
        Drag(102, 102, 90, 90);
        EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 300, 200));
        Drag(102, 110, 90, 110);
        EXPECT_EQ(form->BoundsRect(), Bounds(88, 100, 312, 200));
        TComponent::Free(form);
        s.ProcessUntilIdle();
    }
}

TEST_F(FormFrame, MenuReferencesAreForgottenWhenTheirComponentGoes)
{
    TTeDefaultForm* skin = Skinned();
    auto* menus = s.CreateForm<TForm>();
    auto* bar = CreateOwned<TComponent>(*menus);
    auto* window = CreateOwned<TTeItem>(*menus);
    auto* tray = CreateOwned<TPopupMenu>(*menus);
    skin->SetMenuBar(bar);
    skin->SetWindowMenu(window);
    skin->SetTrayMenuLink(tray);
    skin->SetSystemMenuLink(tray);
    TComponent::Free(bar);
    TComponent::Free(window);
    EXPECT_EQ(skin->MenuBar(), nullptr);
    EXPECT_EQ(skin->WindowMenu(), nullptr);
    EXPECT_EQ(skin->TrayMenuLink(), tray);
    TComponent::Free(menus);
    EXPECT_EQ(skin->TrayMenuLink(), nullptr);
    EXPECT_EQ(skin->SystemMenuLink(), nullptr);
}

TEST_F(FormFrame, BlendingAndStayOnTopReachTheWindow)
{
    TTeDefaultForm* skin = Skinned();
    skin->Blending().SetValue(200);
    skin->Blending().SetEnabled(true);
    EXPECT_EQ(s.Screen().WindowOpacity(form->NativeWindow()), 200);
    skin->Blending().SetEnabled(false);
    EXPECT_EQ(s.Screen().WindowOpacity(form->NativeWindow()), 255);
    skin->SetStayOnTop(true);
    EXPECT_TRUE(s.Screen().IsWindowTopMost(form->NativeWindow()));
    skin->SetStayOnTop(false);
    EXPECT_FALSE(s.Screen().IsWindowTopMost(form->NativeWindow()));
}

TEST_F(FormFrame, SwitchedOffAndOnAgainTheComponentTakesTheFrameBack)
{
    TTeDefaultForm* skin = Skinned();
    skin->SetBorderStyle(kbsToolWindow);
    const TRect client = form->ClientRect();
    skin->SetActive(false);
    skin->Animation().SetEffectKind("[ FADE ] - SlideRectOut");
    skin->Animation().SetTime(100);
    skin->Animation().SetEnabled(true);
    skin->SetActive(true);
    skin->RefreshFormFrame();
    s.ProcessUntilIdle();
    EXPECT_EQ(HookList().Count(), 1);
    EXPECT_EQ(form->ClientRect(), client);
    EXPECT_EQ(NcHit(*form, 150, 10), HTCAPTION);
}
