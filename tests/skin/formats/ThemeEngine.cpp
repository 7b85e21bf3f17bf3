#include <gtest/gtest.h>

#include <vector>

#include "platform/core/ComponentImage.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"
#include "platform/ui/THeadlessSession.h"
#include "skin/engine/TTeThemeEngine.h"
#include "skin/engine/TTeThemeList.h"
#include "skin/engine/TePixels.h"
#include "skin/engine/TeUnits.h"
#include "skin/formats/TTeFlatTheme.h"
#include "skin/formats/TTeOfficeXPTheme.h"
#include "tests/skin/engine/FileTheme.h"
#include "tests/skin/engine/ThemeClient.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The main window's part of the resource: the list, then the engine with its properties in the
// order the resource holds them.
class ThemedForm : public TComponent {
public:
    TTeThemeList* list;
    TTeThemeEngine* engine;

    ThemedForm()
    {
        list = CreateOwned<TTeThemeList>(*this);
        engine = CreateOwned<TTeThemeEngine>(*this);
        BeginLoading();
        engine->SetDeltaHue(0);
        engine->SetDeltaBrightness(0);
        engine->SetThemeList(list);
        engine->SetThemeBuilding("OfficeXP");
        EndLoading();
    }
};

struct EngineUnit : ::testing::Test {
    THeadlessSession session;

    EngineUnit()
    {
        StartTeTheme();
        StartThemeFlat();
        StartThemeOfficeXP();
        StartTeEngine();
        RegisterThemeClass(ThemeClassOf<FileTheme>("TStoredTestTheme", FindMetaClass("TteTheme")));
    }
    ~EngineUnit() override
    {
        StopTeEngine();
        StopThemeOfficeXP();
        StopThemeFlat();
        StopTeTheme();
    }

    static FileTheme* AddStored(TTeThemeList& list, const std::string& name, uint8_t ending = 1)
    {
        auto theme = std::make_unique<FileTheme>();
        theme->SetName(name);
        theme->ending = ending;
        FileTheme* raw = theme.get();
        list.Themes().Add()->SetTheme(std::move(theme));
        return raw;
    }
    static Bytes ThemeBytes(const TTeThemeStream& item)
    {
        TMemoryStream stream;
        item.WriteThemeData(stream);
        return stream.Data();
    }
};

uint32_t ButtonHot() { return ColorToPixel(CurrentTheme()->Colors().GetColor(tcButtonHot), 0); }

} // namespace

TEST_F(EngineUnit, TheMainWindowsResourceMakesOfficeXPCurrent)
{
    RecordingClient client;
    ThemedForm form;
    EXPECT_EQ(client.Codes(), (std::vector<int>{ktcBefore, ktcSet, ktcComplete}));
    ASSERT_NE(dynamic_cast<TTeOfficeXPTheme*>(CurrentTheme()), nullptr);
    EXPECT_EQ(CurrentTheme()->Name(), "Default theme");
    EXPECT_EQ(form.engine->ThemeBuilding(), "OfficeXP");

    EXPECT_EQ(ButtonHot(), 0xB6BDD2u);
    form.engine->SetDeltaBrightness(20);
    EXPECT_EQ(ButtonHot(), 0xCAD1E6u);
    form.engine->SetDeltaBrightness(0);
    EXPECT_EQ(ButtonHot(), 0xB6BDD2u);
}

TEST_F(EngineUnit, BuiltInThemesAreChosenByKindName)
{
    TTeThemeEngine engine;
    engine.SetThemeBuilding("flat");
    EXPECT_EQ(engine.ThemeBuilding(), "Flat");
    EXPECT_EQ(engine.ThemeIndex(), -1);
    EXPECT_EQ(engine.ThemeFile(), "");
    TteTheme* flat = CurrentTheme();
    EXPECT_NE(dynamic_cast<TTeFlatTheme*>(flat), nullptr);

    engine.SetThemeBuilding("Default");
    EXPECT_EQ(engine.ThemeBuilding(), "No theme") << "the base theme is not built in";
    EXPECT_EQ(CurrentTheme(), flat);
    engine.SetThemeFile("/nowhere/missing.sth");
    EXPECT_EQ(CurrentTheme(), nullptr) << "a file that cannot be loaded with no item selected";
    EXPECT_EQ(engine.ThemeBuilding(), "No theme");
}

TEST_F(EngineUnit, ListItemsAreClonedRemovingTheListRemovesTheThemeAndAnIndexReadBeforeItsListWaitsForTheForm)
{
    TComponent form;
    auto* list = CreateOwned<TTeThemeList>(form);
    TTeThemeEngine engine;
    AddStored(*list, "First");
    AddStored(*list, "Second");
    engine.SetThemeList(list);
    engine.SetThemeIndex(5);
    EXPECT_EQ(engine.ThemeIndex(), 1);
    ASSERT_NE(dynamic_cast<FileTheme*>(CurrentTheme()), nullptr);
    EXPECT_EQ(CurrentTheme()->Name(), "Second");
    EXPECT_NE(CurrentTheme(), list->Themes().Items(1)->Theme()) << "a copy is made current";

    engine.SetThemeBuilding("Flat");
    engine.SetThemeIndex(-1);
    EXPECT_EQ(CurrentTheme(), nullptr) << "even a theme chosen by name";
    engine.SetThemeIndex(0);
    TComponent::Free(list);
    EXPECT_EQ(CurrentTheme(), nullptr);
    EXPECT_EQ(engine.ThemeList(), nullptr);
    EXPECT_EQ(engine.ThemeIndex(), -1);

    TComponent late;
    auto* lateList = CreateOwned<TTeThemeList>(late);
    auto* lateEngine = CreateOwned<TTeThemeEngine>(late);
    AddStored(*lateList, "Late");
    late.BeginLoading();
    lateEngine->SetThemeIndex(0);
    lateEngine->SetThemeList(lateList);
    EXPECT_EQ(CurrentTheme(), nullptr);
    late.EndLoading();
    ASSERT_NE(CurrentTheme(), nullptr);
    EXPECT_EQ(CurrentTheme()->Name(), "Late");
}

TEST_F(EngineUnit, ThemeStreamHoldsAFlagAndTheThemesOwnBytesAndAStoredThemeThatCannotBeReadLeavesItsItemEmpty)
{
    TTeThemeList list;
    list.Themes().Add();
    AddStored(list, "Kept");
    list.Themes().Add()->SetTheme(std::make_unique<TTeFlatTheme>());
    EXPECT_EQ(ThemeBytes(*list.Themes().Items(0)), (Bytes{0}));
    EXPECT_EQ(ThemeBytes(*list.Themes().Items(1)), (Bytes{1, 'T', 'T', 'H', '1', 1}));
    EXPECT_EQ(ThemeBytes(*list.Themes().Items(2)), (Bytes{0})) << "a built-in theme is not stored";

    TMemoryStream image;
    WriteComponent(image, list);
    image.SetPosition(0);
    TTeThemeList copy;
    ReadComponent(image, copy);
    ASSERT_EQ(copy.Themes().Count(), 3);
    EXPECT_EQ(copy.Themes().Items(0)->ThemeStore(), "(empty)");
    EXPECT_NE(dynamic_cast<FileTheme*>(copy.Themes().Items(1)->Theme()), nullptr);
    EXPECT_EQ(copy.Themes().Items(2)->Theme(), nullptr);

    TTeThemeList broken;
    AddStored(broken, "Broken", 2);
    AddStored(broken, "Whole");
    TMemoryStream brokenImage;
    WriteComponent(brokenImage, broken);
    brokenImage.SetPosition(0);
    TTeThemeList brokenCopy;
    ASSERT_NO_THROW(ReadComponent(brokenImage, brokenCopy));
    EXPECT_EQ(brokenCopy.Themes().Items(0)->Theme(), nullptr);
    EXPECT_NE(brokenCopy.Themes().Items(1)->Theme(), nullptr);

    TMemoryStream unknown(std::string("\x01XYZ", 4));
    brokenCopy.Themes().Items(1)->ReadThemeData(unknown);
    EXPECT_EQ(brokenCopy.Themes().Items(1)->Theme(), nullptr) << "data no class accepts";
}
