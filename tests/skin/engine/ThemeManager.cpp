#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <new>

#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TWinControl.h"
#include "platform/ui/THeadlessSession.h"
#include "skin/engine/TeFontBackup.h"
#include "skin/engine/TeParentBackground.h"
#include "skin/engine/TeUtils.h"
#include "skin/engine/TeUnits.h"
#include "skin/engine/TteThemeManager.h"
#include "tests/skin/engine/FileTheme.h"
#include "tests/skin/engine/ThemeClient.h"

namespace {

class UnlistedTheme : public TteTheme {};

struct ThemeUnit : ::testing::Test {
    THeadlessSession session;
    ThemeUnit() { StartTeTheme(); }
    ~ThemeUnit() override { StopTeTheme(); }

    static const TteThemeClass& BaseClass() { return *FindThemeClass("TteTheme"); }
};

using Codes = std::vector<int>;

} // namespace

TEST_F(ThemeUnit, SetReplaceAndResetSendTheirPhases)
{
    RecordingClient client;
    SetCurrentTheme(std::make_unique<TteTheme>());
    EXPECT_EQ(client.Codes(), (Codes{ktcBefore, ktcSet, ktcComplete}));
    client.received.clear();
    SetCurrentThemeClass(BaseClass());
    EXPECT_EQ(client.Codes(), (Codes{ktcBefore, ktcReplaced, ktcComplete}));
    for (int round = 0; round < 2; ++round) {
        client.received.clear();
        ResetCurrentTheme();
        EXPECT_EQ(client.Codes(), (Codes{ktcBefore, ktcRemoved, ktcComplete}));
        EXPECT_FALSE(client.received[1].themeCurrent);
    }
    for (const auto& r : client.received)
        EXPECT_EQ(r.lParam, 0);
}

TEST_F(ThemeUnit, SettingTheCurrentThemeAgainKeepsItAndSendsNothing)
{
    SetCurrentTheme(std::make_unique<TteTheme>());
    TteTheme* current = CurrentTheme();
    current->SetName("Kas");
    RecordingClient client;
    client.received.clear();
    SetCurrentTheme(std::unique_ptr<TteTheme>(current));
    EXPECT_TRUE(client.received.empty());
    EXPECT_EQ(CurrentTheme(), current);
    EXPECT_EQ(CurrentTheme()->Name(), "Kas");
    EXPECT_THROW(SetCurrentTheme(nullptr), EInvalidOperation);
}

TEST_F(ThemeUnit, AClientIsListedOnceAndBroughtUpToDateWhenItRegisters)
{
    RecordingClient before;
    EXPECT_TRUE(before.received.empty());
    RegisterThemeClient(&before);
    SetCurrentTheme(std::make_unique<TteTheme>());
    EXPECT_EQ(before.Codes(), (Codes{ktcBefore, ktcSet, ktcComplete}));
    RecordingClient after;
    EXPECT_EQ(after.Codes(), (Codes{ktcSet}));
}

TEST_F(ThemeUnit, ClientsFreedOrMadeByAHandlerAreNeitherReachedNorSkipped)
{
    auto first = std::make_unique<RecordingClient>();
    auto second = std::make_unique<RecordingClient>();
    RecordingClient third;
    std::unique_ptr<RecordingClient> made;
    first->onThemeChange = [&](int code) {
        if (code == ktcBefore) {
            second.reset();
            made = std::make_unique<RecordingClient>();
        }
    };
    SetCurrentTheme(std::make_unique<TteTheme>());
    EXPECT_EQ(third.Codes(), (Codes{ktcBefore, ktcSet, ktcComplete}));
    // The new client missed the first phase only.
    EXPECT_EQ(made->Codes(), (Codes{ktcSet, ktcComplete}));
}

TEST_F(ThemeUnit, AClientMadeWhereAFreedOneLayIsNotTakenForIt)
{
    RecordingClient first;
    alignas(RecordingClient) unsigned char storage[sizeof(RecordingClient)];
    auto* second = new (storage) RecordingClient;
    RecordingClient* made = nullptr;
    first.onThemeChange = [&](int code) {
        if (code != ktcBefore)
            return;
        second->~RecordingClient();
        made = new (storage) RecordingClient;
    };
    SetCurrentTheme(std::make_unique<TteTheme>());
    ASSERT_EQ(static_cast<void*>(made), static_cast<void*>(storage));
    EXPECT_EQ(made->Codes(), (Codes{ktcSet, ktcComplete}));
    made->~RecordingClient();
}

TEST_F(ThemeUnit, ColourChangesReachClientsWithOrWithoutATheme)
{
    RecordingClient client;
    SetThemeDeltaHue(30);
    SetThemeDeltaBrightness(30);
    EXPECT_TRUE(client.received.empty());
    session.App().BroadcastSystemMessage(WM_SYSCOLORCHANGE);
    session.App().BroadcastSystemMessage(WM_DISPLAYCHANGE);
    EXPECT_EQ(client.Codes(), (Codes{ktcColorsChanged, ktcColorsChanged}));

    SetCurrentTheme(std::make_unique<TteTheme>());
    client.received.clear();
    SetThemeDeltaBrightness(20);
    EXPECT_EQ(client.Codes(), (Codes{ktcColorsChanged}));
    EXPECT_EQ(CurrentTheme()->DeltaBrightness(), 20);
}

TEST_F(ThemeUnit, ClassesAreFoundByExactNameAndFilesByExtension)
{
    EXPECT_EQ(ThemeManager()->GetThemeClass(0), &BaseClass());
    EXPECT_EQ(ThemeManager()->GetThemeClass(1), nullptr);
    EXPECT_EQ(FindThemeClass("ttetheme"), nullptr);
    const TteThemeClass& fileClass = ThemeClassOf<FileTheme>("FileTheme", &BaseClass());
    RegisterThemeClass(fileClass);
    EXPECT_EQ(ThemeManager()->FindThemeClassByExt("/data/Biru.TTH"), &fileClass);
    EXPECT_EQ(ThemeManager()->FindThemeClassByExt("/data/Biru"), nullptr);
    EXPECT_EQ(ThemeManager()->FindThemeClassByExt("/data/Biru.skn"), nullptr);

    auto theme = std::make_unique<FileTheme>();
    theme->SetName("Biru");
    auto clone = CloneTheme(*theme);
    ASSERT_TRUE(dynamic_cast<FileTheme*>(clone.get()));
    EXPECT_EQ(clone->Name(), "Biru");
    EXPECT_EQ(CloneTheme(UnlistedTheme()), nullptr);
}

TEST_F(ThemeUnit, LoadersCreateOnlyWhatAClassAccepts)
{
    RegisterThemeClass(ThemeClassOf<FileTheme>("FileTheme", &BaseClass()));
    TMemoryStream good(std::string("xyTTH1\x01", 7));
    good.SetPosition(2);
    auto loaded = LoadThemeFromStream(good);
    EXPECT_TRUE(dynamic_cast<FileTheme*>(loaded.get()));
    EXPECT_EQ(CurrentTheme(), nullptr);

    TMemoryStream refused(std::string("TTH1\x00", 5));
    EXPECT_EQ(LoadThemeFromStream(refused), nullptr);
    TMemoryStream unknown(std::string("Tema biru"));
    EXPECT_EQ(LoadThemeFromStream(unknown), nullptr);
    EXPECT_EQ(unknown.Position(), 0);
    TMemoryStream broken(std::string("TTH1\x02", 5));
    EXPECT_THROW(LoadThemeFromStream(broken), EReadError);

    TMemoryStream saved;
    SaveThemeToStream(loaded.get(), saved);
    EXPECT_EQ(saved.DataString(), std::string("TTH1\x01", 5));
    TMemoryStream nothing;
    TteTheme base;
    SaveThemeToStream(&base, nothing);
    SaveThemeToStream(nullptr, nothing);
    EXPECT_EQ(nothing.Size(), 0);
}

TEST_F(ThemeUnit, FilesAreLoadedByExtensionOrByProbing)
{
    RegisterThemeClass(ThemeClassOf<FileTheme>("FileTheme", &BaseClass()));
    const auto folder = std::filesystem::temp_directory_path() / ("bukura-theme-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto write = [&](const std::string& name, const std::string& bytes) {
        std::ofstream(folder / name, std::ios::binary) << bytes;
        return (folder / name).string();
    };
    EXPECT_TRUE(LoadThemeFromFile(write("Biru.TTH", std::string("TTH1\x01", 5))));
    EXPECT_TRUE(LoadThemeFromFile(write("biru", std::string("TTH1\x01", 5))));
    EXPECT_EQ(LoadThemeFromFile(write("tolak.tth", std::string("TTH1\x00", 5))), nullptr);
    EXPECT_EQ(LoadThemeFromFile(""), nullptr);
    EXPECT_EQ(LoadThemeFromFile((folder / "hilang.tth").string()), nullptr);
    // A missing relative name, however short, is tried in the program's folder and then given up.
    EXPECT_EQ(LoadThemeFromFile("q"), nullptr);
    std::filesystem::remove_all(folder);
}

TEST_F(ThemeUnit, FontBackupsPutTheSavedFontBack)
{
    TFont font;
    font.SetName("Tahoma");
    SaveFontBackup(font);
    font.SetName("Verdana");
    font.SetColor(clRed);
    RestoreFontBackup(font);
    EXPECT_EQ(font.Name(), "Tahoma");
    EXPECT_NE(font.Color(), clRed);
    font.SetName("Arial");
    SaveFontBackup(font);
    font.SetName("Verdana");
    RestoreFontBackup(font);
    EXPECT_EQ(font.Name(), "Arial");
    FreeFontBackup(font);
    font.SetName("Verdana");
    RestoreFontBackup(font);
    EXPECT_EQ(font.Name(), "Verdana");
}

namespace {

class KasForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
};

class Glyph : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
};

struct ParentBackground : ThemeUnit {
    KasForm* form = session.CreateForm<KasForm>();
    Glyph* glyph = CreateOwned<Glyph>(*form);
    TBitmap target{40, 40};
    std::vector<TBackgroundPaintInfo> painted;

    ParentBackground()
    {
        form->SetBounds(0, 0, 200, 150);
        glyph->SetParent(form);
        glyph->SetBounds(10, 20, 30, 15);
        target.Canvas().SetViewportOrg({5, 5});
    }

    void PaintRedAt(int x, int y)
    {
        RegisterBackgroundPainter<TCustomForm>([this, x, y](TCanvas& canvas, const TBackgroundPaintInfo& info) {
            painted.push_back(info);
            canvas.SetPixel(x, y, clRed);
        });
    }
};

} // namespace

TEST_F(ParentBackground, AFormDescendantUsesThePainterAtTheControlsPlace)
{
    PaintRedAt(10, 20);
    DrawParentBackground(glyph, target.Canvas());
    ASSERT_EQ(painted.size(), 1u);
    EXPECT_EQ(painted[0].Rect, glyph->BoundsRect());
    EXPECT_EQ(painted[0].Control, glyph);
    EXPECT_EQ(painted[0].Parent, form);
    EXPECT_EQ(target.Canvas().Pixel(0, 0), clRed);
    EXPECT_EQ(target.Canvas().ViewportOrg(), (TPoint{5, 5}));

    glyph->SetWidth(0);
    DrawParentBackground(glyph, target.Canvas());
    EXPECT_EQ(painted.size(), 1u);
}

TEST_F(ParentBackground, WithoutAPainterTheParentPaintsIntoTheCanvas)
{
    struct Panel : TCustomControl {
        using TCustomControl::TCustomControl;
        TControlState stateSeen = 0;
        Glyph* child = nullptr;
        void Paint() override
        {
            stateSeen = child->ControlState();
            FillRectColorXY(Canvas(), 10, 20, 11, 21, clBlue);
        }
    };
    auto* panel = CreateOwned<Panel>(*form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 100, 100);
    panel->child = glyph;
    glyph->SetParent(panel);
    DrawParentBackground(glyph, target.Canvas());
    EXPECT_EQ(target.Canvas().Pixel(0, 0), clBlue);
    EXPECT_TRUE(panel->stateSeen & csPaintCopy);
    EXPECT_FALSE(glyph->ControlState() & csPaintCopy);
}

TEST_F(ParentBackground, APainterThatRaisesLeavesCanvasAndControlAsTheyWere)
{
    RegisterBackgroundPainter<TCustomForm>([this](TCanvas&, const TBackgroundPaintInfo&) {
        EXPECT_TRUE(glyph->ControlState() & csPaintCopy);
        throw EInvalidOperation("Cat gagal");
    });
    const TControlState state = glyph->ControlState();
    EXPECT_THROW(DrawParentBackground(glyph, target.Canvas()), EInvalidOperation);
    EXPECT_EQ(glyph->ControlState(), state);
    EXPECT_EQ(target.Canvas().ViewportOrg(), (TPoint{5, 5}));
}
