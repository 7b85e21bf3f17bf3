#include <gtest/gtest.h>

#include "platform/core/LiveObjects.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/THeadlessSession.h"
#include "skin/controls/TTeClickHandler.h"
#include "skin/controls/TTeMessage.h"
#include "skin/controls/TeCheckGlyph.h"
#include "skin/controls/TeControlsUnit.h"
#include "skin/controls/TeFormUnit.h"
#include "tests/skin/controls/EngineUnits.h"

namespace {

struct MessageOptions : ::testing::Test {
    THeadlessSession s;
    EngineUnits units;
};

} // namespace

TEST_F(MessageOptions, GlobalOnASecondOneFreesTheOneMadeAtStart)
{
    StartTeControls();
    TTeMessage* first = GlobalMessage();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Owner(), Application);
    const uint64_t firstId = first->ObjectId();

    TForm* form = s.CreateForm<TForm>();
    auto* second = CreateOwned<TTeMessage>(*form);
    second->SetGlobal(true);
    EXPECT_EQ(LiveObjects::Find(firstId), nullptr);
    EXPECT_EQ(GlobalMessage(), second);

    TComponent::Free(second);
    EXPECT_EQ(GlobalMessage(), nullptr);
    EXPECT_EQ(form->ComponentCount(), 0);
    StopTeControls();
}

TEST_F(MessageOptions, TheLibraryStartsAndStopsTwiceLeavingNothingBehind)
{
    const int appComponents = Application->ComponentCount();
    for (int run = 0; run < 2; ++run) {
        StartTeControls();
        EXPECT_NE(TrueTypeListBitmap(), nullptr);
        EXPECT_NE(ClickHandler(), nullptr);
        EXPECT_NE(CheckGlyph(), nullptr);
        EXPECT_EQ(Application->ComponentCount(), appComponents + 1);
        StopTeControls();
        EXPECT_EQ(GlobalMessage(), nullptr);
        EXPECT_EQ(TrueTypeListBitmap(), nullptr);
        EXPECT_EQ(ClickHandler(), nullptr);
        EXPECT_EQ(CheckGlyph(), nullptr);
        EXPECT_EQ(Application->ComponentCount(), appComponents);
    }
}
