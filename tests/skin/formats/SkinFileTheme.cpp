#include <gtest/gtest.h>

#include <vector>

#include "platform/core/ComponentImage.h"
#include "platform/core/Streams.h"
#include "platform/core/ZStream.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/THeadlessSession.h"
#include "skin/engine/TTeThemeEngine.h"
#include "skin/engine/TTeThemeList.h"
#include "skin/engine/TeUnits.h"
#include "skin/engine/TteThemeManager.h"
#include "skin/formats/TSeSkinFilter.h"
#include "skin/formats/TTeSkinFile.h"
#include "tests/platform/core/TempFolder.h"
#include "tests/skin/formats/TestSkin.h"

namespace {

constexpr uint32_t FileBackdrop = 0x00FF00;
constexpr uint32_t Rgb(uint32_t pixel) { return pixel & 0xFFFFFF; }
const std::string obj = "default";

struct SkinTheme : ::testing::Test {
    THeadlessSession session;
    TempFolder folder;
    TteBitmap bitmap;

    SkinTheme()
    {
        // The bitmap routines and the skin objects are the test binary's, started once.
        StartTeTheme();
        StartThemeSkinFile();
        StartTeEngine();
        bitmap.SetSize(140, 100);
        bitmap.Fill(0xFF000000 | FileBackdrop);
    }
    ~SkinTheme() override
    {
        StopTeEngine();
        StopThemeSkinFile();
        StopTeTheme();
    }
    // The test skin saved as a compressed file, loaded through the manager and made current.
    TTeSkinFile& Current()
    {
        const std::string file = folder.Path("test.cskn");
        testskin::MakeSkin()->SaveToFile(file);
        std::unique_ptr<TteTheme> theme = LoadThemeFromFile(file);
        auto* skin = dynamic_cast<TTeSkinFile*>(theme.get());
        EXPECT_NE(skin, nullptr);
        SetCurrentTheme(std::move(theme));
        return *skin;
    }
    static std::unique_ptr<TTeSkinFile> Made()
    {
        auto theme = std::make_unique<TTeSkinFile>();
        theme->Skin().Assign(*testskin::MakeSkin());
        theme->Reset();
        return theme;
    }
    TCanvas& Canvas() { return bitmap.Canvas(); }
    uint32_t At(int x, int y) const { return Rgb(bitmap.GetPixel(x, y)); }
};

TteFormInfo FormInfo(uint16_t buttons, const TRect& rect = Rect(0, 0, 120, 80))
{
    return MakeFormInfo(rect, 1, NullRect, "Hello", buttons);
}

} // namespace

TEST_F(SkinTheme, ALoadedSkinBindsItsObjectsByName)
{
    TTeSkinFile& theme = Current();
    EXPECT_EQ(theme.Name(), "Test Skin");
    EXPECT_TRUE(IsThemeCheckDefined(0, obj)) << "\"Checkbox\" found whatever its case";
    EXPECT_FALSE(IsThemeCheckDefined(1, obj));
    EXPECT_FALSE(theme.IsButtonDefined(9, obj));
    EXPECT_FALSE(theme.IsFormDefined(4, obj));
    EXPECT_EQ(theme.GetFormClientRect(0, FormInfo(0), obj), Rect(0, 20, 120, 80));
    EXPECT_EQ(theme.GetFormCaptionRect(0, FormInfo(0), obj), Rect(0, 0, 120, 20));
}

TEST_F(SkinTheme, EntriesTheSkinDoesNotGiveStayEmpty)
{
    auto skin = testskin::MakeSkin();
    TComponent::Free(skin->GetObjectByName("Form")->FindObjectByKind(skClient));
    skin->GetObjectByName("Button")->SetName("SpeedButton");
    TTeSkinFile theme;
    theme.Skin().Assign(*skin);
    theme.Reset();
    ASSERT_NE(theme.Entry(seForm), nullptr);
    for (int entry = seFormClient; entry <= seFormOwnClient; ++entry)
        EXPECT_EQ(theme.Entry(entry), nullptr) << entry;
    EXPECT_TRUE(theme.Entry(seForm)->FindSystemButton(sbaClose)->Visible()) << "no copies draw them";
    EXPECT_FALSE(theme.IsButtonDefined(0, obj));
    EXPECT_TRUE(theme.IsButtonDefined(9, obj));
}

TEST_F(SkinTheme, ButtonStatesShowTheirOwnTiles)
{
    TTeSkinFile& theme = Current();
    const std::pair<uint8_t, uint32_t> states[] = {
        {0, testskin::Normal}, {1, testskin::Hot}, {2, testskin::Pressed}, {3, testskin::Disabled}, {5, testskin::Normal}};
    for (auto [state, tile] : states) {
        theme.DrawButton(0, Canvas(), MakeButtonInfo(Rect(0, 0, 60, 24), state), obj);
        EXPECT_EQ(At(30, 12), Rgb(tile)) << int(state);
    }
    theme.DrawButton(0, Canvas(), MakeButtonInfo(Rect(0, 0, 60, 24), 0, 1), obj);
    EXPECT_EQ(At(30, 12), Rgb(testskin::Pressed)) << "a button held down";
}

TEST_F(SkinTheme, TheFrameLeavesButtonsAndClientToTheirOwnOperations)
{
    TTeSkinFile& theme = Current();
    const TteFormInfo info = FormInfo(1 << fbClose | 1 << fbMaximize);
    const TRect close = theme.GetFormButtonRect(0, info, fbClose, obj);
    const TRect maximize = theme.GetFormButtonRect(0, info, fbMaximize, obj);
    EXPECT_EQ(close.Width(), testskin::Tile);
    EXPECT_LT(maximize.Right, close.Right);
    EXPECT_TRUE(theme.GetFormButtonRect(0, info, fbHelp, obj).IsEmpty());
    EXPECT_TRUE(theme.GetFormButtonRect(0, info, fbMinimize, obj).IsEmpty()) << "its bit is clear";
    EXPECT_EQ(theme.FormHitTest(0, info, {40, 10}, obj), fhCaption);

    theme.DrawFormFrame(0, Canvas(), info, obj);
    const TPoint mid{(close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2};
    EXPECT_EQ(At(mid.X, mid.Y), Rgb(testskin::Frame));
    EXPECT_EQ(At(60, 50), FileBackdrop) << "the frame's client is empty";
    theme.DrawFormButton(0, Canvas(), info, MakeFormPartInfo(close, fbClose, 1, 0), obj);
    EXPECT_EQ(At(mid.X, mid.Y), Rgb(testskin::Hot));
    theme.DrawFormBackground(0, Canvas(), MakeFormInfo(Rect(0, 20, 120, 80), 1, NullRect, "", 0), obj);
    EXPECT_EQ(At(60, 50), 0xFFFFFFu);
    std::vector<TTextRun> log;
    Canvas().SetTextLog(&log);
    theme.DrawFormCaption(0, Canvas(), MakeFormInfo(Rect(0, 0, 60, 20), 1, NullRect, "Hello", 0), obj);
    Canvas().SetTextLog(nullptr);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].Text, "Hello");
    EXPECT_EQ(log[0].Style, fsBold) << "the title's own font";

    TteFormInfo clipped = info;
    clipped.Clip = Rect(5, 5, 5, 30);
    bitmap.Fill(0xFF000000 | FileBackdrop);
    theme.DrawFormButton(0, Canvas(), clipped, MakeFormPartInfo(close, fbClose, 1, 0), obj);
    EXPECT_EQ(At(mid.X, mid.Y), FileBackdrop) << "a clip without area";
}

TEST_F(SkinTheme, ChecksProgressAndMenuSeparators)
{
    TTeSkinFile& theme = Current();
    theme.DrawCheck(0, Canvas(), MakeCheckInfo(Rect(0, 0, 21, 21), 0, 1), obj);
    EXPECT_EQ(At(10, 10), Rgb(testskin::Hot)) << "the checked part";
    EXPECT_EQ(At(2, 2), FileBackdrop) << "kept at its size, centred";
    theme.DrawCheck(1, Canvas(), MakeCheckInfo(Rect(30, 0, 51, 21), 0, 2), obj);
    EXPECT_EQ(At(40, 10), FileBackdrop) << "a radio button has no mixed state";

    // Frame margins 2 leave 76 pixels; 75 of 200 is 28.5, which rounds to the even 28.
    theme.DrawProgress(0, Canvas(), MakeProgressInfo(Rect(0, 40, 80, 56), 0, 0, 200, 0, 75, 0, 0), obj);
    const uint32_t frameOnly = At(60, 48);
    EXPECT_EQ(frameOnly, Rgb(testskin::Frame));
    EXPECT_NE(At(29, 48), frameOnly);
    EXPECT_EQ(At(30, 48), frameOnly);
    theme.DrawProgress(0, Canvas(), MakeProgressInfo(Rect(0, 60, 80, 76), 0, 5, 5, 5, 5, 0, 0), obj);
    EXPECT_EQ(At(10, 68), frameOnly) << "an empty range draws the frame only";
    theme.DrawProgress(0, Canvas(), MakeProgressInfo(Rect(100, 0, 116, 80), 1, 0, 100, 0, 50, 0, 0), obj);
    EXPECT_EQ(At(108, 39), frameOnly) << "a vertical bar grows from the bottom";
    EXPECT_NE(At(108, 40), frameOnly);

    bitmap.Fill(0xFF000000 | FileBackdrop);
    theme.DrawMenuItem(2, Canvas(), MakeMenuItemInfo(Rect(0, 0, 100, 9), 1, 0, 0), obj);
    EXPECT_EQ(At(50, 3), Rgb(0x808080)) << "the separator's one-pixel line";
    theme.DrawMenuItem(2, Canvas(), MakeMenuItemInfo(Rect(0, 20, 100, 40), 2, 0, 0), obj);
    EXPECT_EQ(At(49, 28), Rgb(0)) << "the tip of the up arrow, in the menu font's colour";
    EXPECT_EQ(At(48, 28), 0xFFFFFFu);
}

TEST_F(SkinTheme, ColoursAndFontsAreShiftedOnceOnEveryReset)
{
    std::unique_ptr<TTeSkinFile> theme = Made();
    EXPECT_EQ(theme->Colors().GetColor(tcList), testskin::ListColor);

    TteThemeColors once;
    once.SetColor(tcList, testskin::ListColor);
    once.ApplyHue(30);
    once.ApplyBrightness(20);
    TteThemeColors black;
    black.ApplyBrightness(20);
    TteBitmap tile;
    tile.Assign(*theme->Skin().Bitmaps().Get(1));
    tile.ChangeHue(30);
    tile.ChangeBrightness(20);

    theme->SetDeltaHue(30);
    theme->SetDeltaBrightness(20);
    for (int pass = 0; pass < 2; ++pass) {
        theme->Reset();
        EXPECT_EQ(theme->Colors().GetColor(tcList), once.GetColor(tcList)) << pass;
        EXPECT_EQ(theme->Fonts().GetFont(tfWindowTextNormal).Color(), black.GetColor(0)) << pass;
        EXPECT_EQ(theme->WorkSkin().Bitmaps().Get(1)->GetPixel(30, 6), tile.GetPixel(30, 6)) << pass;
    }
}

TEST_F(SkinTheme, StreamsFilesAndTheThemeListHoldTheSkin)
{
    std::unique_ptr<TTeSkinFile> theme = Made();
    TMemoryStream probe(std::string("SKN1"));
    EXPECT_FALSE(TTeSkinFile::CanLoadStream(probe));
    EXPECT_FALSE(theme->SaveToFile(""));
    TMemoryStream damaged(std::string("SKNZ\x78\x01garbage", 13));
    EXPECT_THROW(LoadThemeFromStream(damaged), EDecompressionError);

    TMemoryStream stream;
    SaveThemeToStream(theme.get(), stream);
    stream.SetPosition(0);
    std::unique_ptr<TteTheme> loaded = LoadThemeFromStream(stream);
    ASSERT_NE(dynamic_cast<TTeSkinFile*>(loaded.get()), nullptr);
    EXPECT_EQ(loaded->Name(), "Test Skin");
    EXPECT_TRUE(loaded->IsProgressDefined(0, obj));

    TTeThemeList list;
    list.Themes().Add()->SetTheme(std::move(theme));
    TMemoryStream data;
    list.Themes().Items(0)->WriteThemeData(data);
    const std::vector<uint8_t> head(data.Data().begin(), data.Data().begin() + 7);
    EXPECT_EQ(head, (std::vector<uint8_t>{1, 'S', 'K', 'N', 'Z', 0x78, 0x01}));
    TMemoryStream image;
    WriteComponent(image, list);
    image.SetPosition(0);
    TTeThemeList copy;
    ReadComponent(image, copy);
    EXPECT_EQ(copy.Themes().Items(0)->ThemeStore(), "Test Skin");
    TTeThemeEngine engine;
    engine.SetThemeList(&copy);
    engine.SetThemeIndex(0);
    EXPECT_NE(dynamic_cast<TTeSkinFile*>(CurrentTheme()), nullptr);
    engine.SetThemeList(nullptr);
}
