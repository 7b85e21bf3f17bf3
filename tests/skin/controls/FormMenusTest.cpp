#include "SkinnedFormKit.h"

#include <string>
#include <vector>

#include "platform/ui/Shortcuts.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TeFormUnit.h"

using FormMenus = SkinnedFormTest;

namespace {

std::vector<std::string> Rows(TTeItem& root)
{
    std::vector<std::string> rows;
    for (int i = 0; i < root.Count(); ++i) {
        const TTeItem& item = *root.Items(i);
        std::string row = item.Caption() + " " + std::to_string(item.ImageIndex());
        if (item.ShortCut())
            row += " " + ShortCutToText(item.ShortCut());
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST_F(FormMenus, TheSystemMenuFollowsTheStateAndTheBorderIcons)
{
    TForm* form = nullptr;
    TTeDefaultForm* skin = MakeSkinned(form, Bounds(100, 100, 300, 200), std::function<void(TTeDefaultForm&)>(
        [](TTeDefaultForm& f) {
            f.SetBorderIcons(BorderIconBit(kbiClose) | BorderIconBit(kbiSystemMenu) | BorderIconBit(kbiMinimize) |
                             BorderIconBit(kbiMaximize) | BorderIconBit(kbiRollup) | BorderIconBit(kbiTray));
        }));
    skin->RebuildSystemMenu();
    EXPECT_EQ(Rows(*skin->SystemMenu()),
              (std::vector<std::string>{"Mi&nimize 1", "Ma&ximize 2", "Ro&llup 4", "Minimize to &Tray 5", "- -1",
                                        "&Close 0 Alt+F4"}));
    EXPECT_EQ(skin->SystemMenu()->GetImages(), &FormGlyphs());

    skin->Maximize();
    skin->RebuildSystemMenu();
    EXPECT_EQ(Rows(*skin->SystemMenu()),
              (std::vector<std::string>{"&Restore 3", "Mi&nimize 1", "Ro&llup 4", "Minimize to &Tray 5", "- -1",
                                        "&Close 0 Alt+F4"}));

    skin->SetBorderIcons(BorderIconBit(kbiClose));
    skin->Restore();
    skin->RebuildSystemMenu();
    EXPECT_EQ(Rows(*skin->SystemMenu()), (std::vector<std::string>{"&Close 0 Alt+F4"}));
}

TEST_F(FormMenus, AChosenSystemMenuItemRunsItsActionAfterTheMenuHasGone)
{
    TForm* form = nullptr;
    TTeDefaultForm* skin = MakeSkinned(form, Bounds(100, 100, 300, 200));
    skin->RebuildSystemMenu();
    TTeItem* maximize = skin->SystemMenu()->Items(1);
    ASSERT_EQ(maximize->Caption(), "Ma&ximize");
    maximize->Click();
    EXPECT_EQ(skin->WindowState(), kwsNormal);
    s.ProcessUntilIdle();
    EXPECT_EQ(skin->WindowState(), kwsMaximized);

    skin->RebuildSystemMenu();
    TTeItem* close = skin->SystemMenu()->Items(skin->SystemMenu()->Count() - 1);
    close->Click();
    // Rebuilt before the click arrives: the chosen item is gone and nothing runs.
    skin->RebuildSystemMenu();
    s.ProcessUntilIdle();
    EXPECT_TRUE(form->Visible());
}
