#include <gtest/gtest.h>

#include "platform/graphics/TBitmap.h"
#include "platform/ui/THeadlessSession.h"
#include "UiTestControls.h"

TEST(FormPaint, ShownFormShowsItsColourOnTheScreen)
{
    THeadlessSession s;
    TForm* form = s.CreateForm<TForm>();
    form->SetBounds(100, 100, 200, 150);
    form->SetColor(clRed);
    form->Show();
    s.ProcessUntilIdle();
    const TPoint p = form->ClientToScreen({10, 10});
    EXPECT_EQ(s.ScreenColor(p.X, p.Y), clRed);
    EXPECT_EQ(s.ScreenColor(5, 5), PixelToColor(THeadlessBackend::DesktopColor));
}
