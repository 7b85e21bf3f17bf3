#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"
#include "platform/graphics/TBitmap.h"
#include "skin/engine/TeStreamString.h"
#include "skin/engine/TteBitmap.h"

namespace {

std::vector<uint32_t> Pixels(const TteBitmap& b) {
    return b.Empty() ? std::vector<uint32_t>{} : std::vector<uint32_t>(b.Bits(), b.Bits() + b.Width() * b.Height());
}

// A bitmap record: name, width, height, then raw pixels.
TMemoryStream Record(const std::string& name, int32_t w, int32_t h, const std::vector<uint32_t>& pixels) {
    TMemoryStream s;
    WriteStreamString(s, name);
    s.WriteInt32(w);
    s.WriteInt32(h);
    if (!pixels.empty()) s.WriteBuffer(pixels.data(), static_cast<int64_t>(pixels.size()) * 4);
    s.SetPosition(0);
    return s;
}

// A string record whose count says 'count' but only four bytes follow.
TMemoryStream Counted(int32_t count) {
    TMemoryStream s;
    s.WriteInt32(count);
    s.WriteBuffer("abcd", 4);
    s.SetPosition(0);
    return s;
}

}  // namespace

TEST(TteBitmapSize, AbsoluteSizesZeroSideIgnoredAndCaps) {
    TteBitmap b;
    b.SetSize(-10, 5);
    b.Fill(0x11223344u);
    b.SetSize(0, 5);
    EXPECT_EQ(b.Width(), 10);
    EXPECT_EQ(b.GetPixel(9, 4), 0x11223344u);
    b.SetSize(3, 3);
    EXPECT_EQ(Pixels(b), std::vector<uint32_t>(9, 0u));
    // Past the caps it raises and leaves the bitmap empty.
    EXPECT_THROW(b.SetSize(40000, 1), Exception);
    EXPECT_TRUE(b.Empty());
    try {
        b.SetSize(20000, 20000);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Can't allocate the DIB handle");
    }
}

TEST(TteBitmapPixels, BoundsAlphaAndFills) {
    TteBitmap b;
    b.SetSize(3, 2);
    b.SetPixel(3, 0, 7);
    b.SetPixel(0, 2, 7);
    EXPECT_EQ(Pixels(b), std::vector<uint32_t>(6, 0u));
    b.Fill(0x000000FFu);
    b.SetAlphaRect(0x80, Rect(-5, 1, 2, 9));
    EXPECT_EQ(Pixels(b), (std::vector<uint32_t>{0xFF, 0xFF, 0xFF, 0x800000FFu, 0x800000FFu, 0xFF}));
    b.UpdateAlphaBlend();
    EXPECT_TRUE(b.AlphaBlend());
    // With AlphaBlend a fill of alpha 0 changes nothing; a half one is laid over.
    b.FillRect(Rect(0, 0, 3, 2), 0x00FF0000u);
    EXPECT_EQ(b.GetPixel(0, 0), 0x000000FFu);
    b.FillRect(Rect(2, 0, 9, 1), 0x80FF0000u);
    EXPECT_EQ(b.GetPixel(2, 0), 0xFF7F007Eu);
    b.SetAlphaBlend(false);
    b.FillRect(Rect(0, 0, 1, 1), 0x00FF0000u);
    EXPECT_EQ(b.GetPixel(0, 0), 0x00FF0000u);
}

TEST(TteBitmapPixels, KeyBrightnessHueAndFlip) {
    TteBitmap b;
    b.SetSize(2, 2);
    b.SetPixel(0, 0, 0xFF7A057Fu);  // within 5 of the key
    b.SetPixel(1, 0, 0xFF750000u);
    b.SetPixel(0, 1, 0xFF00FF00u);
    b.SetPixel(1, 1, 0xFF101010u);
    b.ApplyTransparentColor(KeyColor);
    EXPECT_TRUE(b.Transparent());
    b.ChangeBrightness(20);  // key pixels keep their colour through brightness and hue
    b.ChangeHue(85);
    b.FlipVertical();
    EXPECT_EQ(Pixels(b), (std::vector<uint32_t>{0xFF1414FFu, 0xFF242424u, KeyColor, 0xFF148914u}));
}

TEST(TteBitmapAssign, EmptiesAndCopies) {
    TteBitmap empty, target, source;
    empty.SetName("none");
    empty.SetTransparent(true);
    target.SetSize(4, 4);
    target.SetAlphaBlend(true);
    target.Assign(empty);
    EXPECT_TRUE(target.Empty());
    EXPECT_EQ(target.Width(), 0);
    EXPECT_EQ(target.Name(), "none");
    EXPECT_TRUE(target.Transparent());
    EXPECT_FALSE(target.AlphaBlend());
    source.SetSize(2, 1);
    source.Fill(0x80123456u);
    source.SetName("glyph");
    source.SetAlphaBlend(true);
    target.Assign(source);
    EXPECT_EQ(Pixels(target), Pixels(source));
    EXPECT_EQ(target.Name(), "glyph");
    EXPECT_TRUE(target.AlphaBlend());
}

TEST(TteBitmapAssign, FromAndToTBitmap) {
    TBitmap plain(2, 2);
    plain.Fill(0x00ABCDEFu);
    TteBitmap b;
    b.Assign(plain);
    EXPECT_EQ(Pixels(b), std::vector<uint32_t>(4, 0xFFABCDEFu));
    b.SetPixel(1, 1, KeyColor);
    b.SetTransparent(true);
    TBitmap back;
    back.Assign(b);
    EXPECT_EQ(back.Width(), 2);
    EXPECT_EQ(back.PixelAt(0, 0), 0xFFABCDEFu);
    EXPECT_EQ(back.PixelAt(1, 1), 0xFF000000u);  // key pixel left out over the new black
}

TEST(TteBitmapStream, RecordLayoutAndRowOrder) {
    TteBitmap b;
    b.SetSize(1, 2);
    b.SetPixel(0, 0, 0xFF010203u);
    b.SetPixel(0, 1, 0xFF040506u);
    b.SetName("ab");
    TMemoryStream out;
    b.SaveToStream(out);
    EXPECT_EQ(out.Data(), (std::vector<uint8_t>{2, 0, 0, 0, 'a', 'b', 1, 0, 0, 0, 2, 0, 0, 0,
                                                3, 2, 1, 0xFF, 6, 5, 4, 0xFF}));
    // A negative height stores the bottom row first; saving again writes it top first.
    auto in = Record("ab", 1, -2, {0xFF040506u, 0xFF010203u});
    TteBitmap loaded;
    loaded.LoadFromStream(in);
    EXPECT_EQ(Pixels(loaded), Pixels(b));
    EXPECT_EQ(loaded.Name(), "ab");
}

TEST(TteBitmapStream, LoadTellsAlphaFromKey) {
    auto keyed = Record("k", 2, 1, {0xFF7A057Fu, 0xFF102030u}), blended = Record("a", 2, 1, {0xFF7A057Fu, 0x80102030u});
    TteBitmap b, c;
    b.LoadFromStream(keyed);
    c.LoadFromStream(blended);
    EXPECT_TRUE(b.Transparent());
    EXPECT_FALSE(b.AlphaBlend());
    EXPECT_EQ(b.GetPixel(0, 0), KeyColor);
    EXPECT_TRUE(c.AlphaBlend());
    EXPECT_FALSE(c.Transparent());
    EXPECT_EQ(c.GetPixel(0, 0), 0xFF7A057Fu);
}

TEST(TteBitmapStream, BadRecordsRaiseAndChangeNothing) {
    TteBitmap b;
    b.SetSize(1, 1);
    b.SetPixel(0, 0, 42);
    b.SetName("old");
    auto shortData = Record("x", 4, 4, {1, 2, 3});
    EXPECT_THROW(b.LoadFromStream(shortData), EReadError);
    auto huge = Record("x", 0x7FFFFFFF, 0x7FFFFFFF, {});
    EXPECT_THROW(b.LoadFromStream(huge), EReadError);
    auto wide = Record("x", 40000, 1, {});
    EXPECT_THROW(b.LoadFromStream(wide), EReadError);
    EXPECT_EQ(b.Width(), 1);
    EXPECT_EQ(b.GetPixel(0, 0), 42u);
    EXPECT_EQ(b.Name(), "old");
}

TEST(StreamString, RefusesBadCountsAndReadsWhatIsThere) {
    for (int32_t count : {-1, 0x7FFFFFFF}) {
        auto s = Counted(count);
        EXPECT_THROW(ReadStreamString(s), EReadError) << count;
    }
    auto s = Counted(10);
    EXPECT_EQ(ReadStreamString(s), "abcd");
}
