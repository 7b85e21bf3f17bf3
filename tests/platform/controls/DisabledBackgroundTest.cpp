#include <gtest/gtest.h>

#include "ControlsTestKit.h"
#include "platform/controls/TCustomEdit.h"
#include "platform/controls/TCustomMemo.h"

namespace {

// Descendants that keep their own colour while disabled, as the flat controls do.
template <class Base> class TKeepsColour : public Base {
public:
    using Base::Base;

protected:
    TColor BackgroundColor() const override { return this->Color(); }
};

} // namespace

TEST(DisabledBackground, DescendantsChooseTheColourOfADisabledEditOrMemo)
{
    TControlsFixture f;
    auto* edit = f.Place<TKeepsColour<TEdit>>(10, 10, 120, 21);
    auto* memo = f.Place<TKeepsColour<TMemo>>(10, 40, 120, 60);
    auto* plain = f.Place<TMemo>(150, 40, 120, 60);
    for (TControl* c : {static_cast<TControl*>(edit), static_cast<TControl*>(memo), static_cast<TControl*>(plain)}) {
        c->SetColor(clYellow);
        c->SetEnabled(false);
    }
    f.session.ProcessUntilIdle();
    EXPECT_EQ(f.session.ClientColor(*edit, edit->ClientWidth() - 3, 3), clYellow);
    EXPECT_EQ(f.session.ClientColor(*memo, memo->ClientWidth() - 3, memo->ClientHeight() - 3), clYellow);
    EXPECT_EQ(f.session.ClientColor(*plain, plain->ClientWidth() - 3, plain->ClientHeight() - 3),
              GetSysColor(COLOR_BTNFACE));
}
