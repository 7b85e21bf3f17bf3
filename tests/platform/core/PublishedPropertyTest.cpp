#include <gtest/gtest.h>

#include <string>

#include "platform/core/ClassRegistry.h"
#include "platform/core/Exceptions.h"
#include "platform/core/PropertyTable.h"
#include "platform/core/TComponent.h"
#include "platform/core/TStringList.h"

namespace {

const TIdentMap ColourNames = {{0x000000, "clBlack"}, {0x800000, "clNavy"}, {int64_t{0xFF00000F}, "clBtnFace"}};

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class Gutter : public TPersistent {
public:
    bool showLineNumbers = false;
    int digitCount = 4;
    int64_t color = 0;
    int styles = 0;
};

class Memo : public TComponent {
public:
    using TComponent::TComponent;
    Gutter* GetGutter() const { return gutter_.get(); }
    TStringList* GetLines() const { return lines_.get(); }
    std::string Version() const { return "1.6.0.5"; }
    TScrollStyle scrollBars = TScrollStyle::ssNone;
    TComponent* source = nullptr;
    std::string text;

private:
    std::unique_ptr<Gutter> gutter_ = std::make_unique<Gutter>();
    std::unique_ptr<TStringList> lines_ = std::make_unique<TStringList>();
};

class MemoSource : public TComponent {
public:
    using TComponent::TComponent;
};

void RegisterMemoClasses()
{
    TMetaClass& gutter = RegisterClass<Gutter>("TTestGutter");
    TPropertyTable& g = gutter.OwnProperties();
    g.AddBoolean<Gutter>(
        "ShowLineNumbers", [](const Gutter& o) { return o.showLineNumbers; },
        [](Gutter& o, bool v) { o.showLineNumbers = v; });
    g.AddInteger<Gutter>(
        "DigitCount", [](const Gutter& o) { return o.digitCount; }, [](Gutter& o, int v) { o.digitCount = v; });
    g.AddInteger<Gutter>(
        "Color", [](const Gutter& o) { return o.color; }, [](Gutter& o, int64_t v) { o.color = v; }, &ColourNames);
    g.AddSet<Gutter>(
        "Style", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}, [](const Gutter& o) { return o.styles; },
        [](Gutter& o, int v) { o.styles = v; });

    RegisterClass<MemoSource>("TTestMemoSource");
    TMetaClass& memo = RegisterClass<Memo>("TTestMemo");
    TPropertyTable& m = memo.OwnProperties();
    m.AddObject<Memo>("Gutter", &Memo::GetGutter);
    m.AddStrings<Memo>("Lines", &Memo::GetLines);
    m.AddEnum<Memo>(
        "ScrollBars", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}, [](const Memo& o) { return o.scrollBars; },
        [](Memo& o, TScrollStyle v) { o.scrollBars = v; });
    m.AddComponent<Memo>(
        "MemoSource", [](const Memo& o) { return dynamic_cast<MemoSource*>(o.source); },
        [](Memo& o, MemoSource* v) { o.source = v; });
    m.AddString<Memo>(
        "Text", [](const Memo& o) { return o.text; }, [](Memo& o, const std::string& v) { o.text = v; });
    m.AddReadOnlyString<Memo>("Version", &Memo::Version);
}

class PublishedProperty : public ::testing::Test {
protected:
    void SetUp() override { RegisterMemoClasses(); }
    TComponent form;
    Memo* memo = new Memo(&form);
};

} // namespace

TEST_F(PublishedProperty, NestedPathsReachSubObjects)
{
    SetPropertyText(*memo, "Gutter.ShowLineNumbers", "True");
    SetPropertyText(*memo, "gutter.digitcount", "6");
    EXPECT_TRUE(memo->GetGutter()->showLineNumbers);
    EXPECT_EQ(memo->GetGutter()->digitCount, 6);
    EXPECT_EQ(GetPropertyText(*memo, "Gutter.ShowLineNumbers"), "True");
    EXPECT_EQ(GetPropertyText(*memo, "Gutter.DigitCount"), "6");
}

TEST_F(PublishedProperty, EnumsByMemberNameAndSetsInBrackets)
{
    SetPropertyText(*memo, "ScrollBars", "ssBoth");
    EXPECT_EQ(memo->scrollBars, TScrollStyle::ssBoth);
    EXPECT_EQ(GetPropertyText(*memo, "ScrollBars"), "ssBoth");
    SetPropertyText(*memo, "Gutter.Style", "[fsUnderline,fsBold]");
    EXPECT_EQ(memo->GetGutter()->styles, 0b101);
    EXPECT_EQ(GetPropertyText(*memo, "Gutter.Style"), "[fsBold, fsUnderline]");
    SetPropertyText(*memo, "Gutter.Style", "[]");
    EXPECT_EQ(memo->GetGutter()->styles, 0);
}

TEST_F(PublishedProperty, ColoursByNameOrDollarHex)
{
    SetPropertyText(*memo, "Gutter.Color", "clNavy");
    EXPECT_EQ(memo->GetGutter()->color, 0x800000);
    SetPropertyText(*memo, "Gutter.Color", "$00E2E2E2");
    EXPECT_EQ(memo->GetGutter()->color, 0xE2E2E2);
    EXPECT_EQ(GetPropertyText(*memo, "Gutter.Color"), "14869218");
    SetPropertyText(*memo, "Gutter.Color", "clBtnFace");
    EXPECT_EQ(GetPropertyText(*memo, "Gutter.Color"), "clBtnFace");
}

TEST_F(PublishedProperty, BadTextRaisesConversionErrorAndChangesNothing)
{
    memo->scrollBars = TScrollStyle::ssVertical;
    EXPECT_THROW(SetPropertyText(*memo, "ScrollBars", "ssDiagonal"), EConvertError);
    EXPECT_THROW(SetPropertyText(*memo, "Gutter.DigitCount", "12abc"), EConvertError);
    EXPECT_THROW(SetPropertyText(*memo, "Gutter.DigitCount", ""), EConvertError);
    EXPECT_THROW(SetPropertyText(*memo, "Gutter.ShowLineNumbers", "yes"), EConvertError);
    EXPECT_THROW(SetPropertyText(*memo, "Gutter.Style", "[fsBold, fsWavy]"), EConvertError);
    EXPECT_THROW(SetPropertyText(*memo, "Gutter.Style", "fsBold"), EConvertError);
    EXPECT_THROW(SetPropertyText(*memo, "Gutter.Color", "$"), EConvertError);
    EXPECT_THROW(SetPropertyText(*memo, "Gutter.DigitCount", "4294967300"), EConvertError);
    EXPECT_EQ(memo->scrollBars, TScrollStyle::ssVertical);
    EXPECT_EQ(memo->GetGutter()->digitCount, 4);
    EXPECT_EQ(memo->GetGutter()->styles, 0);
}

TEST_F(PublishedProperty, UnknownNamesRaiseInvalidOperation)
{
    EXPECT_THROW(SetPropertyText(*memo, "WordWrap", "True"), EInvalidOperation);
    EXPECT_THROW(SetPropertyText(*memo, "Gutter.Width", "3"), EInvalidOperation);
    EXPECT_THROW(SetPropertyText(*memo, "Text.Length", "3"), EInvalidOperation);
    EXPECT_THROW(GetPropertyText(*memo, "Gutter"), EInvalidOperation);
}

TEST_F(PublishedProperty, ReadOnlyPropertyIgnoresTheValue)
{
    SetPropertyText(*memo, "Version", "9.9");
    EXPECT_EQ(GetPropertyText(*memo, "Version"), "1.6.0.5");
}

TEST_F(PublishedProperty, StringListsTakeTheirText)
{
    SetPropertyText(*memo, "Lines", "satu\r\ndua");
    EXPECT_EQ(memo->GetLines()->Count(), 2);
    EXPECT_EQ(GetPropertyText(*memo, "Lines"), "satu\r\ndua\r\n");
}

TEST_F(PublishedProperty, ComponentReferencesByNameOfTheRightClass)
{
    auto* source = new MemoSource(&form);
    source->SetName("MemoSource1");
    auto* plain = new TComponent(&form);
    plain->SetName("Plain");
    SetPropertyText(*memo, "MemoSource", "memosource1");
    EXPECT_EQ(memo->source, source);
    EXPECT_EQ(GetPropertyText(*memo, "MemoSource"), "MemoSource1");
    EXPECT_THROW(SetPropertyText(*memo, "MemoSource", "Plain"), EConvertError);
    EXPECT_THROW(SetPropertyText(*memo, "MemoSource", "Nobody"), EConvertError);
    EXPECT_EQ(memo->source, source);
    SetPropertyText(*memo, "MemoSource", "");
    EXPECT_EQ(memo->source, nullptr);
}

TEST(ClassRegistry, FindsClassesByNameAndCreatesThem)
{
    RegisterMemoClasses();
    const TMetaClass* meta = FindMetaClass("TTestMemo");
    ASSERT_NE(meta, nullptr);
    EXPECT_EQ(FindMetaClass("ttestmemo"), nullptr);
    TComponent owner;
    TComponent* made = meta->CreateOwned(owner);
    EXPECT_NE(dynamic_cast<Memo*>(made), nullptr);
    EXPECT_EQ(made->Owner(), &owner);
    EXPECT_EQ(made->ClassName(), "TTestMemo");
    std::unique_ptr<TPersistent> gutter = FindMetaClass("TTestGutter")->Create();
    EXPECT_NE(dynamic_cast<Gutter*>(gutter.get()), nullptr);
    EXPECT_THROW(FindMetaClass("TTestGutter")->CreateOwned(owner), EInvalidOperation);
    EXPECT_EQ(&RegisterClass<Memo>("TTestMemo"), meta);
    struct Impostor : TComponent {
        using TComponent::TComponent;
    };
    EXPECT_THROW(RegisterClass<Impostor>("TTestMemo"), EInvalidOperation);
    EXPECT_TRUE(meta->IsComponentClass());
    EXPECT_FALSE(FindMetaClass("TTestGutter")->IsComponentClass());
}

TEST(ClassRegistry, InheritanceAndOrderedClassLists)
{
    RegisterMemoClasses();
    const TMetaClass* source = FindMetaClass("TTestMemoSource");
    ASSERT_NE(source, nullptr);
    struct Derived : MemoSource {
        using MemoSource::MemoSource;
    };
    const TMetaClass& derived = RegisterClass<Derived>("TTestDerivedSource", source);
    EXPECT_TRUE(derived.InheritsFrom(*source));
    EXPECT_FALSE(source->InheritsFrom(derived));
    EXPECT_TRUE(source->InheritsFrom(*source));
    EXPECT_FALSE(source->InheritsFrom(*FindMetaClass("TTestMemo")));

    TClassList filters;
    filters.Register(*source);
    filters.Register(*FindMetaClass("TTestMemo"));
    filters.Register(*source);
    EXPECT_EQ(filters.Find("ttestmemo", true), FindMetaClass("TTestMemo"));
    EXPECT_EQ(filters.Find("ttestmemo"), nullptr);
    filters.Unregister(*source);
    ASSERT_EQ(filters.Count(), 2);
    EXPECT_EQ(&filters[0], FindMetaClass("TTestMemo"));
    EXPECT_EQ(&filters[1], source);
    EXPECT_THROW(filters[2], EListError);
}

TEST(ClassRegistry, UnregisteredClassesStillHaveAName)
{
    struct Unlisted : TPersistent {};
    EXPECT_NE(Unlisted().ClassName().find("Unlisted"), std::string::npos);
}

namespace {

// A descriptor with class-level functions, the way the skin filters are registered.
class FilterClass : public TMetaClass {
public:
    template <class T>
    FilterClass(std::in_place_type_t<T> type, const std::string& name, std::string extension)
        : TMetaClass(type, name, nullptr), extension_(std::move(extension))
    {
    }
    const std::string& GetExtension() const { return extension_; }

private:
    std::string extension_;
};

struct UncompressedFilter : TPersistent {};
struct CompressedFilter : TPersistent {};

} // namespace

TEST(ClassRegistry, DerivedDescriptorsCarryClassLevelFunctions)
{
    TClassList filters;
    filters.Register(RegisterMetaClass(
        std::make_unique<FilterClass>(std::in_place_type<UncompressedFilter>, "TTestFilterUncompressed", "uskn")));
    filters.Register(RegisterMetaClass(
        std::make_unique<FilterClass>(std::in_place_type<CompressedFilter>, "TTestFilterCompressed", "cskn")));
    std::vector<std::string> extensions;
    for (const TMetaClass* meta : filters)
        extensions.push_back(static_cast<const FilterClass*>(meta)->GetExtension());
    EXPECT_EQ(extensions, (std::vector<std::string>{"uskn", "cskn"}));
    auto* found = dynamic_cast<const FilterClass*>(filters.Find("TTESTFILTERCOMPRESSED", true));
    ASSERT_NE(found, nullptr);
    std::unique_ptr<TPersistent> filter = found->Create();
    EXPECT_NE(dynamic_cast<CompressedFilter*>(filter.get()), nullptr);
    EXPECT_EQ(filter->ClassName(), "TTestFilterCompressed");
}
