#include <gtest/gtest.h>

#include <filesystem>

#include "TestSkin.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"
#include "platform/core/ZStream.h"
#include "skin/formats/SeSkinRecords.h"
#include "skin/formats/TSeSkinFilter.h"
#include "tests/platform/core/TempFolder.h"

namespace {

std::string Save(TSeSkinSource& skin, const TSeSkinFilterClass& kind)
{
    auto filter = kind.NewFilter();
    filter->SetSource(&skin);
    TMemoryStream out;
    filter->SaveToStream(out);
    return out.DataString();
}

void Load(TSeSkinSource& skin, const TSeSkinFilterClass& kind, const std::string& image)
{
    auto filter = kind.NewFilter();
    filter->SetSource(&skin);
    TMemoryStream in(image);
    filter->LoadFromStream(in);
}

std::string Inflated(const std::string& image)
{
    std::vector<uint8_t> z(image.begin() + 4, image.end());
    std::vector<uint8_t> body = ZDecompress(z);
    return {body.begin(), body.end()};
}

std::string Int(int32_t v)
{
    return std::string(reinterpret_cast<const char*>(&v), 4);
}

std::string Str(const std::string& s)
{
    return Int(static_cast<int32_t>(s.size())) + s;
}

std::string DefaultTexts()
{
    return Str("ThemeEngine Theme") + Str("3.5.0") + Str("Bukura") + Str("skins@bukura.invalid") +
           Str("https://bukura.invalid/");
}

// One 2 x 1 bitmap "ab" and no objects.
std::unique_ptr<TSeSkinSource> TinySkin(uint32_t left, uint32_t right)
{
    auto skin = std::make_unique<TSeSkinSource>();
    testskin::AddBitmap(*skin, "ab", 2, 1, left);
    skin->Bitmaps().Get(0)->SetPixel(1, 0, right);
    return skin;
}

std::string BitmapRecord(uint32_t left, uint32_t right)
{
    return Str("ab") + Int(2) + Int(1) + Int(static_cast<int32_t>(left)) + Int(static_cast<int32_t>(right));
}

// Texts, pixels and object records compare through the plain image; the flags are worked out on load.
void ExpectSameSkin(TSeSkinSource& a, TSeSkinSource& b)
{
    EXPECT_TRUE(Save(a, TSeSkinFilterUncompressed::Class()) == Save(b, TSeSkinFilterUncompressed::Class()))
        << "the skins save differently";
    ASSERT_EQ(a.Bitmaps().Count(), b.Bitmaps().Count());
    for (int i = 0; i < a.Bitmaps().Count(); ++i) {
        EXPECT_EQ(a.Bitmaps().Get(i)->AlphaBlend(), b.Bitmaps().Get(i)->AlphaBlend()) << i;
        EXPECT_EQ(a.Bitmaps().Get(i)->Transparent(), b.Bitmaps().Get(i)->Transparent()) << i;
    }
}

// A test kind whose body writer fails half-way.
class BrokenFilter : public TSeSkinFilter {
public:
    void WriteSource(TStream& stream) override
    {
        stream.WriteString("half a skin");
        throw EWriteError("disk full");
    }
    void SaveToStream(TStream& stream) override { WriteSource(stream); }
};

} // namespace

TEST(SkinFileLayout, BodyOfOneBitmapAndAnObjectWithoutChildrenStoreTheFlaggedWords)
{
    auto skin = TinySkin(0xFF010203u, 0xFF040506u);
    const std::string bitmap = BitmapRecord(0xFF010203u, 0xFF040506u);
    EXPECT_EQ(Save(*skin, TSeSkinFilterUncompressed::Class()), DefaultTexts() + Int(1) + bitmap + Int(0));
    const std::string image = Save(*skin, TSeSkinFilterMaxCompression::Class());
    EXPECT_EQ(image.substr(0, 6), std::string("SKNZ\x78\xDA", 6));
    EXPECT_EQ(Inflated(image), DefaultTexts() + Int(0x000F0001) + bitmap + Int(0));

    TSeSkinObject object;
    object.SetName("Lone");
    TMemoryStream binary, text;
    WriteSkinObjectBinary(binary, object);
    WriteSkinObject(text, object);
    const std::string objects = std::string("\x07Objects\x0A", 9) + Int(4) + std::string("\x00\x00\x0F\x00", 4);
    EXPECT_NE(binary.DataString().find(objects), std::string::npos);
    EXPECT_NE(text.DataString().find("Objects = {00000F00}"), std::string::npos);
}

TEST(SkinFileFiles, KindFollowsTheExtensionAndAnUnknownOneSavesCompressedText)
{
    EXPECT_EQ(FindSkinFilter("dir/a.CSKN"), &TSeSkinFilterCompressed::Class());
    EXPECT_EQ(FindSkinFilter("a.mskn"), &TSeSkinFilterMaxCompression::Class());
    EXPECT_EQ(FindSkinFilter("a.skn"), nullptr);
    EXPECT_EQ(FindSkinFilter("cskn"), nullptr);
    TempFolder dir;
    auto skin = testskin::MakeSkin();
    skin->SaveToFile(dir.Path("a.xyz"));
    const std::string image = dir.ReadBytes("a.xyz");
    ASSERT_GT(image.size(), 6u);
    EXPECT_EQ(image.substr(0, 6), std::string("SKNZ\x78\x01", 6));
    const std::string body = Inflated(image);
    EXPECT_EQ(body.substr(0, 4 + 9), Str("Test Skin"));
    EXPECT_NE(body.find("object Form: TSeSkinObject\r\n"), std::string::npos);
}

TEST(SkinFileFiles, MissingFileOrUnknownKindLoadsNothing)
{
    TempFolder dir;
    auto skin = testskin::MakeSkin();
    skin->SaveToFile(dir.Path("s.mskn"));
    std::filesystem::copy_file(dir.Path("s.mskn"), dir.Path("s.skn"));
    TSeSkinSource back;
    back.LoadFromFile(dir.Path("missing.mskn"));
    back.LoadFromFile(dir.Path("s.skn"));
    EXPECT_EQ(back.Count(), 0);
    back.LoadFromFile(dir.Path("s.mskn"));
    ExpectSameSkin(*skin, back);
}

TEST(SkinFileRoundTrip, EveryKindLoadsBackAnEqualSkinAndStopsAtTheImagesEnd)
{
    auto skin = testskin::MakeSkin();
    for (const TSeSkinFilterClass* kind :
         {&TSeSkinFilterUncompressed::Class(), &TSeSkinFilterCompressed::Class(),
          &TSeSkinFilterUltraCompressed::Class(), &TSeSkinFilterMaxCompression::Class()}) {
        SCOPED_TRACE(kind->GetExtension());
        TSeSkinSource back;
        Load(back, *kind, Save(*skin, *kind));
        ExpectSameSkin(*skin, back);
        // The links are bound to the loaded images, with their masks.
        auto* face = dynamic_cast<TSeButtonObject*>(back.GetObjectByName("button")->FindObjectByName("face"));
        ASSERT_TRUE(face);
        EXPECT_EQ(face->Bitmap().Image(), back.Bitmaps().Get(1));
        EXPECT_TRUE(face->Bitmap().MaskedAngles());
        EXPECT_FALSE(face->BitmapHot().MaskedAngles());
    }

    // An image followed by other data leaves the stream after it.
    TMemoryStream stream(Save(*skin, TSeSkinFilterCompressed::Class()) + "\x01\x02\x03");
    TSeSkinSource back;
    back.LoadFromStream(stream);
    EXPECT_EQ(back.Count(), skin->Count());
    EXPECT_EQ(stream.Position(), stream.Size() - 3);
}

TEST(SkinFileRoundTrip, LegacyBitmapsAreBmpImagesAndNearMagentaAndNearKeyPixelsBecomeTheKey)
{
    // 2 x 1, 24 bits, bottom-up: one near-key pixel and one white.
    const std::string bmp = std::string("BM", 2) + Int(14 + 40 + 8) + Int(0) + Int(54) + Int(40) + Int(2) + Int(1) +
                            std::string("\x01\x00\x18\x00", 4) + Int(0) + Int(8) + Int(0) + Int(0) + Int(0) +
                            Int(0) + std::string("\x7D\x02\x7E\xFF\xFF\xFF\x00\x00", 8);
    std::string body = DefaultTexts() + Int(3);
    for (const char* name : {"a", "b", "c"})
        body += Str(name) + Str(bmp);
    body += Int(0);
    TSeSkinSource back;
    auto filter = TSeSkinFilterMaxCompression::Class().NewFilter();
    filter->SetSource(&back);
    TMemoryStream in(body);
    filter->ReadSource(in);
    ASSERT_EQ(back.Bitmaps().Count(), 3);
    EXPECT_EQ(back.Bitmaps().Get(2)->Name(), "c");
    EXPECT_EQ(back.Bitmaps().Get(2)->GetPixel(0, 0), KeyColor);
    EXPECT_EQ(back.Bitmaps().Get(2)->GetPixel(1, 0), 0xFFFFFFFFu);

    const std::string nearKeys = BitmapRecord(0xFFFA05FAu, 0xFFF900FFu);
    Load(back, TSeSkinFilterUncompressed::Class(), DefaultTexts() + Int(1) + nearKeys + Int(0));
    const TteBitmap& b = *back.Bitmaps().Get(0);
    EXPECT_EQ(b.GetPixel(0, 0), 0x007F007Fu);
    EXPECT_EQ(b.GetPixel(1, 0), 0xFFF900FFu);
    EXPECT_TRUE(b.Transparent());
}

TEST(SkinFileRoundTrip, RecordOfAnUnknownClassIsSkipped)
{
    auto skin = testskin::MakeSkin();
    for (bool binary : {false, true}) {
        TMemoryStream records;
        const auto write = [&](const TSeSkinObject& o) {
            binary ? WriteSkinObjectBinary(records, o) : WriteSkinObject(records, o);
        };
        write(*skin->Objects(0));
        records.WriteString("TNoSuchObject");
        records.WriteString("object X: TNoSuchObject\r\nend\r\n");
        write(*skin->Objects(1));
        const std::string body = DefaultTexts() + Int(binary ? 0x000F0000 : 0) + Int(3) + records.DataString();
        TSeSkinSource back;
        auto filter = (binary ? TSeSkinFilterMaxCompression::Class() : TSeSkinFilterUncompressed::Class()).NewFilter();
        filter->SetSource(&back);
        TMemoryStream in(body);
        filter->ReadSource(in);
        ASSERT_EQ(back.Count(), 2) << binary;
        EXPECT_EQ(back.Objects(1)->Name(), "Button");
    }
}

TEST(SkinFileErrors, CutAndCorruptInputsRaise)
{
    auto skin = testskin::MakeSkin();
    const std::string plain = Save(*skin, TSeSkinFilterUncompressed::Class());
    const std::string packed = Save(*skin, TSeSkinFilterCompressed::Class());
    std::string damaged = packed;
    for (size_t i = packed.size() / 2; i < packed.size() / 2 + 16; ++i)
        damaged[i] = static_cast<char>(damaged[i] ^ 0x5A);
    TSeSkinSource back;
    EXPECT_THROW(Load(back, TSeSkinFilterUncompressed::Class(), plain.substr(0, plain.size() / 2)), EReadError);
    EXPECT_THROW(Load(back, TSeSkinFilterCompressed::Class(), packed.substr(0, packed.size() - 2)), EDecompressionError);
    EXPECT_THROW(Load(back, TSeSkinFilterCompressed::Class(), damaged), EDecompressionError);
    EXPECT_THROW(Load(back, TSeSkinFilterCompressed::Class(), std::string("SK")), EReadError);
}

TEST(SkinFileErrors, CountsAndLengthsBeyondTheDataRaiseBeforeAllocatingAndEndlessNestingIsRefused)
{
    TSeSkinSource back;
    EXPECT_THROW(Load(back, TSeSkinFilterUncompressed::Class(), Int(0x7FFFFFFF) + std::string(26, 'x')), EReadError);
    const std::string bitmaps = std::string(20, '\0') + Int(0x7FFFFFFF) + std::string(6, '\0');
    ASSERT_EQ(bitmaps.size(), 30u);
    EXPECT_THROW(Load(back, TSeSkinFilterUncompressed::Class(), bitmaps), EReadError);
    EXPECT_THROW(Load(back, TSeSkinFilterUncompressed::Class(), std::string(20, '\0') + Int(0) + Int(1000000)),
                 EReadError);
    // A bitmap larger than its record.
    EXPECT_THROW(Load(back, TSeSkinFilterUncompressed::Class(),
                      std::string(20, '\0') + Int(1) + Str("big") + Int(16384) + Int(16384) + Int(0)),
                 EReadError);

    auto skin = std::make_unique<TSeSkinSource>();
    TComponentPtr<TSeSkinObject> top = Create<TSeSkinObject>();
    TSeSkinObject* level = top.get();
    for (int i = 0; i < 100; ++i)
        level = CreateOwned<TSeSkinObject>(*level);
    skin->AddObject(top.release());
    EXPECT_THROW(Load(back, TSeSkinFilterMaxCompression::Class(), Save(*skin, TSeSkinFilterMaxCompression::Class())),
                 EReadError);
}

TEST(SkinFileErrors, BodyInflatingPastTheCapRaises)
{
    TMemoryStream image;
    image.WriteBuffer("SKNZ", 4);
    {
        TCompressionStream deflater(image, 1);
        const std::vector<uint8_t> zeros(1 << 20);
        for (int i = 0; i < 100; ++i)
            deflater.WriteBuffer(zeros.data(), static_cast<int64_t>(zeros.size()));
        deflater.Finish();
    }
    TSeSkinSource back;
    EXPECT_THROW(Load(back, TSeSkinFilterCompressed::Class(), image.DataString()), EDecompressionError);
}

TEST(SkinFileErrors, FailedSaveLeavesTheOldFile)
{
    static const TSeSkinFilterClass& broken = static_cast<const TSeSkinFilterClass&>(RegisterMetaClass(
        std::make_unique<TSeSkinFilterClass>(std::in_place_type<BrokenFilter>, "TTestBrokenFilter", nullptr, "fskn",
                                             "Broken")));
    RegisterSkinFilter(broken);
    TempFolder dir;
    dir.WriteBytes("old.fskn", "old skin");
    auto skin = testskin::MakeSkin();
    EXPECT_THROW(skin->SaveToFile(dir.Path("old.fskn")), EWriteError);
    UnregisterSkinFilter(broken);
    EXPECT_EQ(dir.ReadBytes("old.fskn"), "old skin");
}

TEST(SkinSourceCopies, AssignIsDeepAndLoadsForgetTheAppliedShift)
{
    auto skin = testskin::MakeSkin();
    TSeSkinSource copy;
    copy.Assign(*skin);
    ExpectSameSkin(*skin, copy);
    auto* face = dynamic_cast<TSeButtonObject*>(copy.GetObjectByName("Button")->Children(0));
    EXPECT_EQ(face->Bitmap().Image(), copy.Bitmaps().Get(1));

    const std::string image = Save(*skin, TSeSkinFilterCompressed::Class());
    uint32_t shifted[2];
    TColor hot[2];
    for (int i = 0; i < 2; ++i) {
        Load(copy, TSeSkinFilterCompressed::Class(), image);
        EXPECT_EQ(copy.DeltaHue(), 0);
        copy.SetDeltaHue(30);
        shifted[i] = copy.Bitmaps().Get(1)->GetPixel(5, 5);
        hot[i] = dynamic_cast<TSeColorButtonObject*>(copy.GetObjectByName("PopupMenu")->FindObjectByName("Item"))->HotColor();
    }
    EXPECT_NE(shifted[0], testskin::Normal);
    EXPECT_EQ(shifted[0], shifted[1]);
    EXPECT_NE(hot[0], clNavy);
    EXPECT_EQ(hot[0], hot[1]);
    copy.SetDeltaBrightness(20);
    EXPECT_EQ(copy.DeltaHue(), 30);
}

TEST(SkinFileErrors, FailedLoadLeavesTheSkinAsItWas)
{
    auto skin = testskin::MakeSkin();
    const std::string image = Save(*skin, TSeSkinFilterCompressed::Class());
    TSeSkinSource back;
    TMemoryStream good(image);
    back.LoadFromStream(good);
    // Cut inside the object records: the texts and bitmaps before them read.
    const std::string body = Inflated(image);
    TMemoryStream cut;
    cut.WriteBuffer("SKNZ", 4);
    {
        TCompressionStream deflater(cut, 1);
        deflater.WriteBuffer(body.data(), static_cast<int64_t>(body.size() - 100));
        deflater.Finish();
    }
    cut.SetPosition(0);
    EXPECT_THROW(back.LoadFromStream(cut), EReadError);
    ExpectSameSkin(*skin, back);
}
