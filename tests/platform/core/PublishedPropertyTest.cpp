#include <gtest/gtest.h>

#include <string>

#include "SkinClasses.h"
#include "platform/core/ClassRegistry.h"
#include "platform/core/Exceptions.h"
#include "platform/core/PropertyTable.h"
#include "platform/core/TComponent.h"

namespace {

class PublishedProperty : public ::testing::Test {
protected:
    void SetUp() override { RegisterSkinClasses(); }
    TComponent form;
    SkinObject* object = new SkinObject(&form);
};

} // namespace

TEST_F(PublishedProperty, TextReachesEveryKindOfPropertyAndNestedPaths)
{
    SetPropertyText(*object, "font.height", "6");
    EXPECT_EQ(object->Font()->height, 6);
    EXPECT_EQ(GetPropertyText(*object, "Font.Height"), "6");
    SetPropertyText(*object, "Visible", "False");
    EXPECT_EQ(GetPropertyText(*object, "Visible"), "False");
    SetPropertyText(*object, "Align", "saClient");
    EXPECT_EQ(object->align, 2);
    EXPECT_EQ(GetPropertyText(*object, "Align"), "saClient");
    SetPropertyText(*object, "Font.Style", "[fsUnderline,fsBold]");
    EXPECT_EQ(object->Font()->style, 0b101);
    EXPECT_EQ(GetPropertyText(*object, "Font.Style"), "[fsBold, fsUnderline]");
    SetPropertyText(*object, "Font.Style", "[]");
    EXPECT_EQ(object->Font()->style, 0);
    SetPropertyText(*object, "Font.Color", "clNavy");
    EXPECT_EQ(object->Font()->color, 0x000080);
    SetPropertyText(*object, "Font.Color", "$00E2E2E2");
    EXPECT_EQ(GetPropertyText(*object, "Font.Color"), "14869218");
    SetPropertyText(*object, "Font.Color", "clBtnFace");
    EXPECT_EQ(GetPropertyText(*object, "Font.Color"), "clBtnFace");
    SetPropertyText(*object, "Lines", "satu\r\ndua");
    EXPECT_EQ(object->Lines()->Count(), 2);
    EXPECT_EQ(GetPropertyText(*object, "Lines"), "satu\r\ndua\r\n");
    SetPropertyText(*object, "Version", "9.9");
    EXPECT_EQ(GetPropertyText(*object, "Version"), "3.5.0") << "a read-only property ignores the value";
}

TEST_F(PublishedProperty, BadTextOrUnknownNamesRaiseAndChangeNothing)
{
    object->align = 1;
    EXPECT_THROW(SetPropertyText(*object, "Align", "saDiagonal"), EConvertError);
    EXPECT_THROW(SetPropertyText(*object, "Left", "12abc"), EConvertError);
    EXPECT_THROW(SetPropertyText(*object, "Left", ""), EConvertError);
    EXPECT_THROW(SetPropertyText(*object, "Left", "4294967300"), EConvertError);
    EXPECT_THROW(SetPropertyText(*object, "Visible", "yes"), EConvertError);
    EXPECT_THROW(SetPropertyText(*object, "Font.Style", "[fsBold, fsWavy]"), EConvertError);
    EXPECT_THROW(SetPropertyText(*object, "Font.Style", "fsBold"), EConvertError);
    EXPECT_THROW(SetPropertyText(*object, "Font.Color", "$"), EConvertError);
    EXPECT_THROW(SetPropertyText(*object, "WordWrap", "True"), EInvalidOperation);
    EXPECT_THROW(SetPropertyText(*object, "Font.Width", "3"), EInvalidOperation);
    EXPECT_THROW(SetPropertyText(*object, "Text.Length", "3"), EInvalidOperation);
    EXPECT_THROW(GetPropertyText(*object, "Font"), EInvalidOperation);
    EXPECT_EQ(object->align, 1);
    EXPECT_EQ(object->left, 0);
    EXPECT_TRUE(object->visible);
    EXPECT_EQ(object->Font()->style, 0);
}

TEST_F(PublishedProperty, ComponentReferencesByNameOfTheRightClass)
{
    auto* target = new SkinObject(&form);
    target->SetName("Target1");
    (new TComponent(&form))->SetName("Plain");
    SetPropertyText(*object, "Link", "target1");
    EXPECT_EQ(object->link, target);
    EXPECT_EQ(GetPropertyText(*object, "Link"), "Target1");
    EXPECT_THROW(SetPropertyText(*object, "Link", "Plain"), EConvertError);
    EXPECT_THROW(SetPropertyText(*object, "Link", "Nobody"), EConvertError);
    EXPECT_EQ(object->link, target);
    SetPropertyText(*object, "Link", "");
    EXPECT_EQ(object->link, nullptr);
}

TEST(ClassRegistry, FindsClassesByNameAndCreatesThem)
{
    RegisterSkinClasses();
    const TMetaClass* meta = FindMetaClass("TTestSkinObject");
    ASSERT_NE(meta, nullptr);
    EXPECT_EQ(FindMetaClass("ttestskinobject"), nullptr);
    TComponent owner;
    TComponent* made = meta->CreateOwned(owner);
    EXPECT_NE(dynamic_cast<SkinObject*>(made), nullptr);
    EXPECT_EQ(made->Owner(), &owner);
    EXPECT_EQ(made->ClassName(), "TTestSkinObject");
    const TMetaClass* font = FindMetaClass("TTestSkinFont");
    EXPECT_NE(dynamic_cast<SkinFont*>(font->Create().get()), nullptr);
    EXPECT_THROW(font->CreateOwned(owner), EInvalidOperation);
    EXPECT_EQ(&RegisterClass<SkinObject>("TTestSkinObject"), meta);
    struct Impostor : TComponent {
        using TComponent::TComponent;
    };
    EXPECT_THROW(RegisterClass<Impostor>("TTestSkinObject"), EInvalidOperation);
    EXPECT_TRUE(meta->IsComponentClass());
    EXPECT_FALSE(font->IsComponentClass());
    struct Unlisted : TPersistent {};
    EXPECT_NE(Unlisted().ClassName().find("Unlisted"), std::string::npos);
}

TEST(ClassRegistry, InheritanceAndOrderedClassLists)
{
    RegisterSkinClasses();
    const TMetaClass* tiny = FindMetaClass("TTiny");
    const TMetaClass* object = FindMetaClass("TTestSkinObject");
    struct Derived : Tiny {
        using Tiny::Tiny;
    };
    const TMetaClass& derived = RegisterClass<Derived>("TTestDerivedTiny", tiny);
    EXPECT_TRUE(derived.InheritsFrom(*tiny));
    EXPECT_FALSE(tiny->InheritsFrom(derived));
    EXPECT_TRUE(tiny->InheritsFrom(*tiny));
    EXPECT_FALSE(tiny->InheritsFrom(*object));

    TClassList filters;
    filters.Register(*tiny);
    filters.Register(*object);
    filters.Register(*tiny);
    EXPECT_EQ(filters.Find("ttestskinobject", true), object);
    EXPECT_EQ(filters.Find("ttestskinobject"), nullptr);
    filters.Unregister(*tiny);
    ASSERT_EQ(filters.Count(), 2);
    EXPECT_EQ(&filters[0], object);
    EXPECT_EQ(&filters[1], tiny);
    EXPECT_THROW(filters[2], EListError);
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
