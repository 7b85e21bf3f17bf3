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
#include "SkinClasses.h"

namespace {

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

std::string Converted(const std::string& input, void (*convert)(TStream&, TStream&))
{
    TMemoryStream in(input);
    TMemoryStream out;
    convert(in, out);
    return out.DataString();
}
std::string ToText(const std::string& binary) { return Converted(binary, ObjectBinaryToText); }
std::string ToBinary(const std::string& text) { return Converted(text, ObjectTextToBinary); }

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

TEST_F(ComponentImage, BinaryLayoutUsesTheSmallestIntegerEncoding)
{
    Tiny tiny;
    tiny.SetName("T1");
    tiny.left = 300;
    EXPECT_EQ(Write(tiny), std::string("TPF0\x05TTiny\x02T1\x04Left\x03\x2C\x01\x00\x00", 23));
    for (auto [value, kind, size] : {std::tuple{-128, 2, 1}, {127, 2, 1}, {128, 3, 2}, {-32769, 4, 4}}) {
        tiny.left = value;
        std::string image = Write(tiny);
        ASSERT_EQ(image.size(), 4u + 1 + 5 + 1 + 2 + 1 + 4 + 1 + static_cast<size_t>(size) + 2) << value;
        EXPECT_EQ(image[4 + 1 + 5 + 1 + 2 + 1 + 4], static_cast<char>(kind)) << value;
        Tiny back;
        Read(image, back);
        EXPECT_EQ(back.left, value);
    }
}

TEST_F(ComponentImage, ImageConvertsAndReadsBackExactlyWithLoadingSetThenLoadedOnce)
{
    TComponent owner;
    SkinObject* object = MakeSample(owner);
    std::string binary = Write(*object);
    EXPECT_EQ(ToText(binary), SampleText);
    EXPECT_EQ(ToBinary(SampleText), binary);
    auto* copy = new SkinObject(&owner);
    copy->objects.clear();
    copy->hidden = "kept";
    object->SetName("Original");
    Read(binary, *copy);
    EXPECT_EQ(ToText(Write(*copy)), SampleText);
    EXPECT_EQ(copy->hidden, "kept");
    EXPECT_EQ(copy->loadingWhenSet, std::vector<bool>{true});
    EXPECT_EQ(copy->loadedCalls, 1);
    EXPECT_FALSE(copy->IsLoading());

    object->text = std::string(70, 'x');
    object->objects.assign(40, 0xAB);
    std::string text = ToText(Write(*object));
    EXPECT_NE(text.find("  Text = \r\n    '" + std::string(64, 'x') + "' +\r\n    'xxxxxx'\r\n"), std::string::npos);
    std::string fullLine;
    for (int i = 0; i < 32; ++i)
        fullLine += "AB";
    EXPECT_NE(text.find("  Objects = {\r\n    " + fullLine + "\r\n    ABABABABABABABAB}\r\n"), std::string::npos);
    EXPECT_EQ(ToBinary(text), Write(*object));
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

TEST_F(ComponentImage, BadTextRaisesReadErrorWithTheLineAndWritesNothing)
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
        "object X: TTestSkinObject\r\n  Lines.Strings = " + std::string(5000, '(') + std::string(5000, ')') +
            "\r\nend\r\n",
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
    EXPECT_THROW(ToText("TPF0" + std::string("\x01X\x01X\x01P", 6) + std::string(100000, '\x01')), EReadError);
}

namespace {

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
    EXPECT_TRUE(copy.Panel(0)->data.empty());
    EXPECT_EQ(ToText(Write(copy)), StatusBarText);

    // A bad item changes nothing.
    std::string bad = ToBinary("object Bar: TTestStatusBar\r\n  Panels = <\r\n    item\r\n      Text = 'new'\r\n"
                               "    end\r\n    item\r\n      Colour = 3\r\n    end>\r\nend\r\n");
    EXPECT_THROW(Read(bad, copy), EReadError);
    EXPECT_EQ(ToText(Write(copy)), StatusBarText);
    EXPECT_THROW(ToBinary("object Bar: TTestStatusBar\r\n  Panels = <\r\n    thing\r\n    end>\r\nend\r\n"),
                 EReadError);
}
