#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/core/ClassRegistry.h"
#include "platform/core/ComponentImage.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"
#include "platform/core/TCollection.h"
#include "platform/core/TComponent.h"
#include "platform/core/TStringList.h"

namespace {

const TIdentMap Colours = {{0x000080, "clNavy"}, {0xFFFFFF, "clWhite"}};

class SkinFont : public TPersistent {
public:
    std::string name = "Tahoma";
    int height = -11;
    int64_t color = 0;
    int style = 0;
};

class SkinObject : public TComponent {
public:
    using TComponent::TComponent;
    int align = 0;
    int left = 0;
    bool visible = true;
    std::string text;
    std::string hidden = "not stored";
    TComponent* link = nullptr;
    std::vector<uint8_t> objects{0x00, 0x00, 0x0F, 0x00};
    SkinFont* Font() const { return font_.get(); }
    TStringList* Lines() const { return lines_.get(); }

    // What the setters and Loaded saw while the image was read.
    std::vector<bool> loadingWhenSet;
    int loadedCalls = 0;
    TComponent* linkWhenLoaded = nullptr;

    void DefineProperties(TFiler& filer) override
    {
        filer.DefineBinaryProperty(
            "Objects", [this](TStream& s) { objects = s.ReadBytes(s.Size()); },
            [this](TStream& s) { s.WriteBuffer(objects.data(), static_cast<int64_t>(objects.size())); }, true);
    }

protected:
    void Loaded() override
    {
        TComponent::Loaded();
        ++loadedCalls;
        linkWhenLoaded = link;
    }

private:
    std::unique_ptr<SkinFont> font_ = std::make_unique<SkinFont>();
    std::unique_ptr<TStringList> lines_ = std::make_unique<TStringList>();
};

class Tiny : public TComponent {
public:
    using TComponent::TComponent;
    int left = 0;
};

void RegisterSkinClasses()
{
    TPropertyTable& f = RegisterClass<SkinFont>("TTestSkinFont").OwnProperties();
    f.AddString<SkinFont>(
        "Name", [](const SkinFont& o) { return o.name; }, [](SkinFont& o, const std::string& v) { o.name = v; });
    f.AddInteger<SkinFont>(
        "Height", [](const SkinFont& o) { return o.height; }, [](SkinFont& o, int v) { o.height = v; });
    f.AddInteger<SkinFont>(
        "Color", [](const SkinFont& o) { return o.color; }, [](SkinFont& o, int64_t v) { o.color = v; }, &Colours);
    f.AddSet<SkinFont>(
        "Style", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}, [](const SkinFont& o) { return o.style; },
        [](SkinFont& o, int v) { o.style = v; });

    TPropertyTable& s = RegisterClass<SkinObject>("TTestSkinObject").OwnProperties();
    s.AddEnum<SkinObject>(
        "Align", {"saNone", "saTop", "saClient"}, [](const SkinObject& o) { return o.align; },
        [](SkinObject& o, int v) {
            o.loadingWhenSet.push_back(o.IsLoading());
            o.align = v;
        });
    s.AddInteger<SkinObject>(
        "Left", [](const SkinObject& o) { return o.left; }, [](SkinObject& o, int v) { o.left = v; });
    s.AddBoolean<SkinObject>(
        "Visible", [](const SkinObject& o) { return o.visible; }, [](SkinObject& o, bool v) { o.visible = v; });
    s.AddString<SkinObject>(
        "Text", [](const SkinObject& o) { return o.text; }, [](SkinObject& o, const std::string& v) { o.text = v; });
    s.AddObject<SkinObject>("Font", &SkinObject::Font);
    s.AddStrings<SkinObject>("Lines", &SkinObject::Lines);
    s.AddComponent<SkinObject>(
        "Link", [](const SkinObject& o) { return o.link; }, [](SkinObject& o, TComponent* v) { o.link = v; });
    s.AddReadOnlyString<SkinObject>("Version", [](const SkinObject&) { return std::string("3.5.0"); });
    s.AddString<SkinObject>(
        "Hidden", [](const SkinObject& o) { return o.hidden; },
        [](SkinObject& o, const std::string& v) { o.hidden = v; })
        .stored = false;

    RegisterClass<Tiny>("TTiny").OwnProperties().AddInteger<Tiny>(
        "Left", [](const Tiny& o) { return o.left; }, [](Tiny& o, int v) { o.left = v; });
}

const std::string SampleText = "object Caption: TTestSkinObject\r\n"
                               "  Align = saClient\r\n"
                               "  Left = 300\r\n"
                               "  Visible = False\r\n"
                               "  Text = 'It'#39's'#13#10'done'\r\n"
                               "  Font.Name = 'Tahoma'\r\n"
                               "  Font.Height = -70000\r\n"
                               "  Font.Color = clNavy\r\n"
                               "  Font.Style = [fsBold, fsUnderline]\r\n"
                               "  Lines.Strings = (\r\n"
                               "    'satu'\r\n"
                               "    '')\r\n"
                               "  Link = nil\r\n"
                               "  Version = '3.5.0'\r\n"
                               "  Objects = {00000F00}\r\n"
                               "end\r\n";

std::string ToText(const std::string& binary)
{
    TMemoryStream in(binary);
    TMemoryStream out;
    ObjectBinaryToText(in, out);
    return out.DataString();
}

std::string ToBinary(const std::string& text)
{
    TMemoryStream in(text);
    TMemoryStream out;
    ObjectTextToBinary(in, out);
    return out.DataString();
}

std::string Write(const TComponent& component)
{
    TMemoryStream out;
    WriteComponent(out, component);
    return out.DataString();
}

void Read(const std::string& binary, TComponent& into)
{
    TMemoryStream in(binary);
    ReadComponent(in, into);
}

class ComponentImage : public ::testing::Test {
protected:
    void SetUp() override { RegisterSkinClasses(); }
};

SkinObject* MakeSample(TComponent& owner)
{
    auto* object = new SkinObject(&owner);
    object->SetName("Caption");
    object->align = 2;
    object->left = 300;
    object->visible = false;
    object->text = "It's\r\ndone";
    object->Font()->height = -70000;
    object->Font()->color = 0x000080;
    object->Font()->style = 0b101;
    object->Lines()->SetText("satu\r\n\r\n");
    object->objects = {0x00, 0x00, 0x0F, 0x00};
    return object;
}

} // namespace

TEST_F(ComponentImage, BinaryImageHasTheFilerLayout)
{
    Tiny tiny;
    tiny.SetName("T1");
    tiny.left = 300;
    std::string expected("TPF0\x05TTiny\x02T1\x04Left\x03\x2C\x01\x00\x00", 23);
    EXPECT_EQ(Write(tiny), expected);
}

TEST_F(ComponentImage, IntegersTakeTheSmallestEncoding)
{
    Tiny tiny;
    for (auto [value, kind, size] : {std::tuple{-128, 2, 1}, {127, 2, 1}, {128, 3, 2}, {-32769, 4, 4}}) {
        tiny.left = value;
        std::string image = Write(tiny);
        ASSERT_EQ(image.size(), 4u + 1 + 5 + 1 + 1 + 4 + 1 + static_cast<size_t>(size) + 2) << value;
        EXPECT_EQ(image[4 + 1 + 5 + 1 + 1 + 4], static_cast<char>(kind)) << value;
        Tiny back;
        Read(image, back);
        EXPECT_EQ(back.left, value);
    }
}

TEST_F(ComponentImage, TextFormOfTheImage)
{
    TComponent owner;
    EXPECT_EQ(ToText(Write(*MakeSample(owner))), SampleText);
}

TEST_F(ComponentImage, BinaryAndTextRoundTripExactly)
{
    TComponent owner;
    std::string binary = Write(*MakeSample(owner));
    EXPECT_EQ(ToBinary(ToText(binary)), binary);
    EXPECT_EQ(ToText(ToBinary(SampleText)), SampleText);
}

TEST_F(ComponentImage, LongTextsAndBlocksSpreadOverLines)
{
    TComponent owner;
    SkinObject* object = MakeSample(owner);
    object->text = std::string(70, 'x');
    object->objects.assign(40, 0xAB);
    std::string text = ToText(Write(*object));
    EXPECT_NE(text.find("  Text = \r\n    '" + std::string(64, 'x') + "' +\r\n    'xxxxxx'\r\n"), std::string::npos);
    std::string fullLine;
    for (int i = 0; i < 32; ++i)
        fullLine += "AB";
    EXPECT_NE(text.find("  Objects = {\r\n    " + fullLine + "\r\n    ABABABABABABABAB}\r\n"), std::string::npos);
    std::string binary = Write(*object);
    EXPECT_EQ(ToBinary(text), binary);
    EXPECT_EQ(ToText(ToBinary(text)), text);
}

TEST_F(ComponentImage, ReadingRestoresEveryPropertyWithLoadingSetThenLoadedOnce)
{
    TComponent owner;
    std::string binary = Write(*MakeSample(owner));
    TComponent other;
    auto* copy = new SkinObject(&other);
    copy->objects.clear();
    copy->hidden = "kept";
    Read(binary, *copy);
    EXPECT_EQ(copy->Name(), "Caption");
    EXPECT_EQ(copy->align, 2);
    EXPECT_EQ(copy->left, 300);
    EXPECT_FALSE(copy->visible);
    EXPECT_EQ(copy->text, "It's\r\ndone");
    EXPECT_EQ(copy->Font()->height, -70000);
    EXPECT_EQ(copy->Font()->color, 0x000080);
    EXPECT_EQ(copy->Font()->style, 0b101);
    EXPECT_EQ(copy->Lines()->Text(), "satu\r\n\r\n");
    EXPECT_EQ(copy->objects, (std::vector<uint8_t>{0x00, 0x00, 0x0F, 0x00}));
    EXPECT_EQ(copy->hidden, "kept");
    EXPECT_EQ(copy->loadingWhenSet, std::vector<bool>{true});
    EXPECT_EQ(copy->loadedCalls, 1);
    EXPECT_FALSE(copy->IsLoading());
}

TEST_F(ComponentImage, ReferencesResolveAfterEveryComponentExists)
{
    std::string text = "object Panel: TTestSkinObject\r\n"
                       "  Link = Button\r\n"
                       "  object Button: TTestSkinObject\r\n"
                       "    Link = Panel\r\n"
                       "    Text = 'OK'\r\n"
                       "  end\r\n"
                       "  object Lost: TTestSkinObject\r\n"
                       "    Link = Nowhere\r\n"
                       "  end\r\n"
                       "end\r\n";
    SkinObject panel(nullptr);
    Read(ToBinary(text), panel);
    auto* button = dynamic_cast<SkinObject*>(panel.FindComponent("Button"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text, "OK");
    EXPECT_EQ(panel.link, button);
    EXPECT_EQ(panel.linkWhenLoaded, button);
    EXPECT_EQ(button->link, &panel);
    EXPECT_EQ(button->loadedCalls, 1);
    EXPECT_EQ(dynamic_cast<SkinObject*>(panel.FindComponent("Lost"))->link, nullptr);
}

TEST_F(ComponentImage, BadImagesRaiseReadErrorAndChangeNothing)
{
    TComponent owner;
    std::string good = Write(*MakeSample(owner));
    std::string hugeBlock = ToBinary("object X: TTestSkinObject\r\n  Objects = {00}\r\nend\r\n");
    hugeBlock.replace(hugeBlock.find('\x0A' + std::string("\x01\x00\x00\x00", 4)) + 1, 4, "\xFF\xFF\xFF\x7F");
    std::vector<std::string> bad = {
        "",
        "TPF1" + good.substr(4),
        good.substr(0, good.size() / 2),
        good.substr(0, good.size() - 1),
        hugeBlock,
        ToBinary("object X: TTestSkinObject\r\n  Width = 3\r\nend\r\n"),
        ToBinary("object X: TTestSkinObject\r\n  Left = 'text'\r\nend\r\n"),
        ToBinary("object X: TTestSkinObject\r\n  Left = 2147483648\r\nend\r\n"),
        ToBinary("object X: TTestSkinObject\r\n  Align = saDiagonal\r\nend\r\n"),
        ToBinary("object X: TTestSkinObject\r\n  Font.Style = [fsWavy]\r\nend\r\n"),
        ToBinary("object X: TTestSkinObject\r\n  Objects = 12\r\nend\r\n"),
        ToBinary("object X: TTestSkinObject\r\n  object Y: TNoSuchClass\r\n  end\r\nend\r\n"),
    };
    for (size_t i = 0; i < bad.size(); ++i) {
        SkinObject target(nullptr);
        target.SetName("Untouched");
        EXPECT_THROW(Read(bad[i], target), EReadError) << "image " << i;
        EXPECT_EQ(target.Name(), "Untouched") << "image " << i;
        EXPECT_EQ(target.left, 0) << "image " << i;
        EXPECT_FALSE(target.IsLoading()) << "image " << i;
    }
}

TEST_F(ComponentImage, BadTextRaisesReadErrorWithTheLine)
{
    const std::vector<std::string> bad = {
        "",
        "object X: TTestSkinObject\r\n  Left = 1\r\n",
        "object X: TTestSkinObject\r\n  Left 1\r\nend\r\n",
        "object X: TTestSkinObject\r\n  Text = 'open\r\nend\r\n",
        "object X: TTestSkinObject\r\n  Objects = {ABC}\r\nend\r\n",
        "object X: TTestSkinObject\r\n  Objects = {XY}\r\nend\r\n",
        "object X: TTestSkinObject\r\n  Left = 1.5\r\nend\r\n",
        "object X: TTestSkinObject\r\n  Left = 99999999999999999999\r\nend\r\n",
        "object X: TTestSkinObject\r\n  Text = #300\r\nend\r\n",
        "object X: TTestSkinObject\r\nend\r\nend\r\n",
    };
    for (size_t i = 0; i < bad.size(); ++i)
        EXPECT_THROW(ToBinary(bad[i]), EReadError) << "text " << i;
    for (const std::string& text : {std::string("object X: TTestSkinObject\r\n  Left = 1\r\n  Top ?\r\nend\r\n"),
             "object X: TTestSkinObject\r\n  Left = 1\r\n  " + std::string(256, 'L') + " = 1\r\nend\r\n"}) {
        TMemoryStream in(text);
        TMemoryStream out;
        try {
            ObjectTextToBinary(in, out);
            FAIL();
        } catch (const EReadError& e) {
            EXPECT_NE(std::string(e.what()).find("Line 3"), std::string::npos) << e.what();
        }
        EXPECT_EQ(out.Size(), 0) << "nothing is written before the whole image is read";
    }
}

TEST_F(ComponentImage, DeepNestingIsRefusedNotRecursedInto)
{
    std::string text = "object X: TTestSkinObject\r\n  Lines.Strings = " + std::string(5000, '(') +
                       std::string(5000, ')') + "\r\nend\r\n";
    EXPECT_THROW(ToBinary(text), EReadError);
    std::string binary = "TPF0" + std::string("\x01X\x01X\x01P", 6) + std::string(100000, '\x01');
    EXPECT_THROW(ToText(binary), EReadError);
}

namespace {

class StatusPanel : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    std::string text;
    int width = 50;
    std::vector<uint8_t> data;

    void DefineProperties(TFiler& filer) override
    {
        filer.DefineBinaryProperty(
            "Data", [this](TStream& s) { data = s.ReadBytes(s.Size()); },
            [this](TStream& s) { s.WriteBuffer(data.data(), static_cast<int64_t>(data.size())); }, !data.empty());
    }
};

class StatusBar : public TComponent {
public:
    using TComponent::TComponent;
    TCollection* Panels() const { return panels_.get(); }
    StatusPanel* Panel(int i) const { return static_cast<StatusPanel*>(panels_->Items(i)); }

private:
    std::unique_ptr<TCollection> panels_ = std::make_unique<TCollection>(TCollection::Of<StatusPanel>());
};

void RegisterStatusBarClasses()
{
    TPropertyTable& p = RegisterClass<StatusPanel>("TTestStatusPanel").OwnProperties();
    p.AddString<StatusPanel>(
        "Text", [](const StatusPanel& o) { return o.text; }, [](StatusPanel& o, const std::string& v) { o.text = v; });
    p.AddInteger<StatusPanel>(
        "Width", [](const StatusPanel& o) { return o.width; }, [](StatusPanel& o, int v) { o.width = v; });
    RegisterClass<StatusBar>("TTestStatusBar").OwnProperties().AddCollection<StatusBar>("Panels", &StatusBar::Panels);
}

const std::string StatusBarText = "object Bar: TTestStatusBar\r\n"
                                  "  Panels = <\r\n"
                                  "    item\r\n"
                                  "      Text = 'Siap'\r\n"
                                  "      Width = 120\r\n"
                                  "    end\r\n"
                                  "    item\r\n"
                                  "      Text = ''\r\n"
                                  "      Width = 50\r\n"
                                  "      Data = {0102}\r\n"
                                  "    end>\r\n"
                                  "end\r\n";

} // namespace

TEST_F(ComponentImage, CollectionsStreamTheirItemsAndRefillWhenRead)
{
    RegisterStatusBarClasses();
    StatusBar bar;
    bar.SetName("Bar");
    auto* first = static_cast<StatusPanel*>(bar.Panels()->Add());
    first->text = "Siap";
    first->width = 120;
    static_cast<StatusPanel*>(bar.Panels()->Add())->data = {1, 2};
    std::string binary = Write(bar);
    EXPECT_EQ(ToText(binary), StatusBarText);
    EXPECT_EQ(ToBinary(StatusBarText), binary);

    StatusBar copy;
    for (int i = 0; i < 3; ++i)
        copy.Panels()->Add();
    Read(binary, copy);
    ASSERT_EQ(copy.Panels()->Count(), 2);
    EXPECT_EQ(copy.Panel(0)->text, "Siap");
    EXPECT_EQ(copy.Panel(0)->width, 120);
    EXPECT_TRUE(copy.Panel(0)->data.empty());
    EXPECT_EQ(copy.Panel(1)->data, (std::vector<uint8_t>{1, 2}));
    EXPECT_EQ(ToText(Write(copy)), StatusBarText);
}

TEST_F(ComponentImage, BadCollectionItemChangesNothing)
{
    RegisterStatusBarClasses();
    StatusBar bar;
    static_cast<StatusPanel*>(bar.Panels()->Add())->text = "kept";
    std::string bad = ToBinary("object Bar: TTestStatusBar\r\n  Panels = <\r\n    item\r\n      Text = 'new'\r\n"
                               "    end\r\n    item\r\n      Colour = 3\r\n    end>\r\nend\r\n");
    EXPECT_THROW(Read(bad, bar), EReadError);
    ASSERT_EQ(bar.Panels()->Count(), 1);
    EXPECT_EQ(bar.Panel(0)->text, "kept");
    EXPECT_THROW(ToBinary("object Bar: TTestStatusBar\r\n  Panels = <\r\n    thing\r\n    end>\r\nend\r\n"),
                 EReadError);
}
