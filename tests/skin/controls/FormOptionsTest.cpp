#include <gtest/gtest.h>

#include "skin/controls/TTeFormOptions.h"

TEST(FormOptions, SettersNotifyOnlyOnARealChangeAndBothGroupsCopyTheirPartsWhole)
{
    TTeBlending blending;
    int notified = 0;
    blending.OnChange = [&](TPersistent&) { ++notified; };
    blending.SetValue(300);
    EXPECT_EQ(blending.Value(), 255);
    EXPECT_EQ(notified, 1);
    blending.SetValue(255);
    blending.SetValue(400);
    EXPECT_EQ(notified, 1);

    TTeFormOptions source;
    source.Blending().SetEnabled(true);
    source.Shadow().SetSize(7);
    source.Animation().SetEffectKind("[ FADE ] - SlideRectOut");
    TTeFormOptions copy;
    notified = 0;
    copy.OnChange = [&](TPersistent& sender) {
        EXPECT_EQ(&sender, &copy);
        ++notified;
    };
    copy.Assign(source);
    EXPECT_TRUE(copy.Blending().Enabled());
    EXPECT_EQ(copy.Shadow().Size(), 7);
    EXPECT_EQ(copy.Animation().EffectKind(), "[ FADE ] - SlideRectOut");
    EXPECT_EQ(notified, 1);

    TTePopupMenuOptions popup;
    EXPECT_ANY_THROW(popup.Assign(source));
}
