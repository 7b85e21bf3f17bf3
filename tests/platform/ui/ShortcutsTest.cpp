#include <gtest/gtest.h>

#include "platform/ui/Messages.h"
#include "platform/ui/Shortcuts.h"
#include "platform/ui/TClipboard.h"
#include "platform/ui/THeadlessSession.h"

TEST(Shortcuts, CodesAndTextNameTheModifiersAndTheKey)
{
    EXPECT_EQ(ShortCut(VK_DELETE, ssShift | ssCtrl), VK_DELETE + 8192 + 16384);
    EXPECT_EQ(ShortCutToText(ShortCut(VK_F4, ssAlt)), "Alt+F4");
    EXPECT_EQ(ShortCutToText(ShortCut('S', ssCtrl)), "Ctrl+S");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, ssShift | ssCtrl)), "Shift+Ctrl+Del");
    EXPECT_EQ(ShortCutToText(0), "");
    EXPECT_EQ(TextToShortCut("ctrl+s"), ShortCut('S', ssCtrl));
    EXPECT_EQ(TextToShortCut("Alt+F4"), ShortCut(VK_F4, ssAlt));
    EXPECT_EQ(TextToShortCut("Hyper+Q"), 0);
}

TEST(Accelerators, AmpersandMarksTheCharacterAndDoubleAmpersandIsLiteral)
{
    EXPECT_TRUE(IsAccel(U'o', "&OK"));
    EXPECT_TRUE(IsAccel(U'O', "&ok"));
    EXPECT_FALSE(IsAccel(U'a', "Save && Close"));
    EXPECT_TRUE(IsAccel(U'c', "Save && &Close"));
    EXPECT_FALSE(IsAccel(U'x', "Trailing&"));
    EXPECT_EQ(StripHotkey("Save && &Close"), "Save & Close");
    EXPECT_EQ(GetHotkey("&Master Data"), U'M');
}

TEST(Clipboard, TextRoundTripsWithCrLfInsideAndLfOutside)
{
    THeadlessSession s;
    Clipboard().SetAsText("one\r\ntwo");
    EXPECT_EQ(s.Screen().ClipboardText(), "one\ntwo");
    EXPECT_TRUE(Clipboard().HasText());
    EXPECT_EQ(Clipboard().AsText(), "one\r\ntwo");
    s.Screen().SetClipboardText("");
    EXPECT_FALSE(Clipboard().HasText());
}
