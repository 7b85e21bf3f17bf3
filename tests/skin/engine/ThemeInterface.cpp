#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"
#include "skin/engine/TeStreamString.h"
#include "skin/engine/TteBitmap.h"
#include "skin/engine/TteTheme.h"
#include "skin/engine/TteThemeManager.h"
#include "tests/skin/engine/RecordingText.h"

namespace {

constexpr uint16_t AllButtons = 0x03FF;

uint32_t Rgb(int r, int g, int b) { return 0xFF000000u | uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b); }

} // namespace

TEST(ThemeText, RecordsTakeTheirAlignmentFromTheFlags)
{
    const TRect r{0, 0, 10, 10};
    EXPECT_EQ(MakeTextInfo(r, "a", DT_CENTER | DT_VCENTER).Align, 4);
    EXPECT_EQ(MakeTextInfo(r, "a", DT_RIGHT).Align, 6);
    EXPECT_EQ(MakeTextInfo(r, "a", DT_BOTTOM).Align, 0);
    const TteTextInfo info = MakeTextInfo(r, "a", DT_RTLREADING | DT_NOPREFIX | DT_WORDBREAK | DT_SINGLELINE);
    EXPECT_EQ(info.Options, 2 | 4 | 8 | 16);
}

TEST(ThemeText, IsPlacedByMovingTheRectangleNeverByFlags)
{
    RecordingText text;
    TteTheme theme;
    TteBitmap bitmap;
    bitmap.SetSize(100, 50);
    // "Kas" measures 21 x 13 in the recording target: 79 and 37 pixels to spare.
    theme.DrawText(bitmap.Canvas(), MakeTextInfo({0, 0, 100, 50}, "Kas", DT_CENTER | DT_VCENTER | DT_SINGLELINE));
    ASSERT_EQ(text.calls.size(), 2u);
    EXPECT_EQ(text.calls[0].flags, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(text.calls[1].rect, (TRect{39, 18, 60, 31}));
    EXPECT_EQ(text.calls[1].flags, DT_SINGLELINE);

    text.calls.clear();
    TteTextInfo rtl = MakeTextInfo({0, 0, 100, 50}, "Kas", DT_VCENTER | DT_RTLREADING);
    EXPECT_EQ(rtl.Align, 1);
    theme.DrawText(bitmap.Canvas(), rtl);
    EXPECT_EQ(text.calls.back().rect, (TRect{79, 18, 100, 31}));
    EXPECT_EQ(text.calls.back().flags, DT_RTLREADING);

    text.calls.clear();
    theme.DrawText(bitmap.Canvas(), MakeTextInfo({5, 6, 100, 50}, "Kas", DT_NOPREFIX));
    ASSERT_EQ(text.calls.size(), 1u);
    EXPECT_EQ(text.calls[0].rect, (TRect{5, 6, 100, 50}));

    text.calls.clear();
    rtl.Align = 9;
    theme.DrawText(bitmap.Canvas(), rtl);
    EXPECT_TRUE(text.calls.empty());
}

TEST(ThemeForm, HitTestFindsButtonsAndCaptionBeforeTheBorders)
{
    TteTheme theme;
    const TteFormInfo form = MakeFormInfo({0, 0, 200, 100}, 1, NullRect, "Kas", AllButtons);
    EXPECT_EQ(theme.FormHitTest(0, form, {180, 10}, "default"), 11);
    EXPECT_EQ(theme.FormHitTest(0, form, {40, 10}, "default"), 1);
    EXPECT_EQ(theme.FormHitTest(0, form, {10, 10}, "default"), 17);
    EXPECT_EQ(theme.FormHitTest(0, form, {1, 50}, "default"), 2);
    EXPECT_EQ(theme.FormHitTest(0, form, {1, 1}, "default"), 7);
    EXPECT_EQ(theme.FormHitTest(0, form, {199, 99}, "default"), 10);
    EXPECT_EQ(theme.FormHitTest(0, form, {100, 50}, "default"), 0);
    EXPECT_EQ(theme.FormHitTest(3, form, {1, 1}, "default"), 0);
    EXPECT_EQ(theme.FormHitTest(5, form, {180, 10}, "default"), 0);
}

TEST(ThemeForm, CaptionButtonsCloseUpFromTheRight)
{
    TteTheme theme;
    // Close, restore-from-maximized, minimize and help: the pair slot counts once, tray and roll are absent.
    const uint16_t buttons = 1 << fbClose | 1 << fbRestoreMaximized | 1 << fbMinimize | 1 << fbHelp;
    const TteFormInfo form = MakeFormInfo({0, 0, 200, 100}, 0, NullRect, "", buttons);
    EXPECT_EQ(theme.GetFormButtonRect(0, form, fbClose, "default"), (TRect{173, 4, 195, 21}));
    EXPECT_EQ(theme.GetFormButtonRect(0, form, fbRestoreMaximized, "default"), (TRect{151, 4, 173, 21}));
    EXPECT_EQ(theme.GetFormButtonRect(0, form, fbMinimize, "default"), (TRect{129, 4, 151, 21}));
    EXPECT_EQ(theme.GetFormButtonRect(0, form, fbHelp, "default"), (TRect{107, 4, 129, 21}));
    EXPECT_EQ(theme.GetFormButtonRect(0, form, fbMaximize, "default"), NullRect);
    EXPECT_EQ(theme.GetFormButtonRect(0, form, fbSysMenu, "default"), NullRect);
}

TEST(ThemeForm, FrameDrawsBordersAndTheCaptionBarByActiveState)
{
    TteTheme theme;
    TteBitmap bitmap;
    bitmap.SetSize(200, 100);
    bitmap.Fill(Rgb(1, 2, 3));
    theme.DrawFormFrame(0, bitmap.Canvas(), MakeFormInfo({0, 0, 200, 100}, 1, NullRect, "", 0), "default");
    EXPECT_EQ(bitmap.GetPixel(0, 50), Rgb(0, 0, 0));
    EXPECT_EQ(bitmap.GetPixel(3, 50), Rgb(128, 128, 128));
    EXPECT_EQ(bitmap.GetPixel(100, 10), Rgb(0, 0, 255));
    EXPECT_EQ(bitmap.GetPixel(100, 50), Rgb(1, 2, 3));
    // A clip keeps the drawing inside it.
    theme.DrawFormFrame(0, bitmap.Canvas(), MakeFormInfo({0, 0, 200, 100}, 0, {0, 0, 50, 50}, "", 0), "default");
    EXPECT_EQ(bitmap.GetPixel(40, 10), Rgb(192, 192, 192));
    EXPECT_EQ(bitmap.GetPixel(100, 10), Rgb(0, 0, 255));
}

TEST(ThemeProbes, AnswerFalseWithoutACurrentTheme)
{
    ASSERT_EQ(CurrentTheme(), nullptr);
    for (auto probe : {IsThemeFormDefined, IsThemeLabelDefined, IsThemeButtonDefined, IsThemeCheckDefined,
                       IsThemeScrollDefined, IsThemeProgressDefined, IsThemeStatusDefined, IsThemeEditDefined,
                       IsThemeMenuDefined})
        EXPECT_FALSE(probe(0, "default"));
    TteTheme theme;
    TMemoryStream stream(std::string("data"));
    EXPECT_FALSE(theme.LoadFromStream(stream));
    EXPECT_FALSE(theme.LoadFromFile("/tmp/none.tth"));
}

TEST(ThemeColours, IndexesOutsideTheTableAreHarmless)
{
    TteTheme theme;
    EXPECT_EQ(theme.Colors().GetColor(128 + tcWindowBorder), clGray);
    EXPECT_EQ(theme.Colors().GetColor(21), clBlack);
    theme.Colors().SetColor(21, clRed);
    theme.Colors().SetColor(-1, clRed);
    for (int i = 0; i < ThemeColorCount; ++i)
        EXPECT_NE(theme.Colors().GetColor(i), clRed) << i;

    TFont& spare = theme.Fonts().GetFont(62);
    spare.SetName("Wingdings");
    EXPECT_NE(theme.Fonts().GetFont(99).Name(), "Wingdings");
    EXPECT_EQ(theme.Fonts().GetFont(128).Name(), "Tahoma");
}

TEST(ThemeColours, DeltasReinitialiseAndNeverAccumulate)
{
    TteTheme theme;
    EXPECT_EQ(theme.Colors().GetColor(tcCaptionNormal), clBlue);
    theme.SetDeltaBrightness(20);
    EXPECT_EQ(theme.Colors().GetColor(tcWindowBorder), RGB(148, 148, 148));
    EXPECT_EQ(theme.Colors().GetColor(tcBorder), RGB(20, 20, 20));
    EXPECT_EQ(theme.Fonts().GetFont(tfCaptionTextInactive).Color(), RGB(212, 212, 212));
    theme.SetDeltaBrightness(0);
    EXPECT_EQ(theme.Colors().GetColor(tcWindowBorder), clGray);
    EXPECT_EQ(theme.Colors().GetColor(tcBorder), clBlack);
    EXPECT_EQ(theme.Fonts().GetFont(tfCaptionTextInactive).Color(), clSilver);
}

TEST(ThemeColours, StreamsRoundTripAndSkipWhatTheyCannotHold)
{
    TteTheme theme;
    theme.Colors().SetColor(tcHint, clBtnFace);
    TMemoryStream stream;
    theme.Colors().SaveToStream(stream);
    theme.Fonts().SaveToStream(stream);
    const int64_t end = stream.Position();

    TteTheme other;
    stream.SetPosition(0);
    other.Colors().LoadFromStream(stream);
    other.Fonts().GetFont(tfCaptionTextNormal).SetName("Verdana");
    other.Fonts().LoadFromStream(stream);
    EXPECT_EQ(stream.Position(), end);
    for (int i = 0; i < ThemeColorCount; ++i)
        EXPECT_EQ(other.Colors().GetColor(i), theme.Colors().GetColor(i)) << i;
    EXPECT_EQ(other.Fonts().GetFont(tfCaptionTextNormal).Name(), "Verdana");

    // Entries past the table are read and dropped; a bad value changes nothing.
    TMemoryStream extra;
    const uint8_t last = 21;
    extra.WriteBuffer(&last, 1);
    for (int i = 0; i <= last; ++i)
        for (const char* s : {"x", ":", "clRed"})
            WriteStreamString(extra, s);
    const int64_t extraEnd = extra.Position();
    WriteStreamString(extra, "after");
    extra.SetPosition(0);
    other.Colors().LoadFromStream(extra);
    EXPECT_EQ(extra.Position(), extraEnd);
    EXPECT_EQ(other.Colors().GetColor(tcGrid), clRed);

    TMemoryStream bad;
    const uint8_t one = 1;
    bad.WriteBuffer(&one, 1);
    for (const char* s : {"CaptionNormal", ":", "clYellow", "CaptionInactive", ":", "biru muda"})
        WriteStreamString(bad, s);
    bad.SetPosition(0);
    EXPECT_THROW(theme.Colors().LoadFromStream(bad), EConvertError);
    EXPECT_EQ(theme.Colors().GetColor(tcCaptionNormal), clBlue);
}

TEST(ThemeRecords, ImagesAreRenderedIntoTheSharedBitmapWithTheKeyWhereMasked)
{
    TBitmap strip(8, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            strip.ScanLine(y)[x] = x == 5 ? 0xFFFF00FF : 0xFF00FF00;
    TImageList images(4, 4);
    images.AddMasked(strip, clFuchsia);
    const TteItemGlyphInfo item = MakeItemImageInfo({0, 0, 20, 20}, images, 1, 2);
    ASSERT_TRUE(item.Bitmap);
    EXPECT_EQ(item.Kind, 3);
    EXPECT_EQ(item.Bitmap->Width(), 4);
    EXPECT_EQ(item.Bitmap->GetPixel(0, 0) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(item.Bitmap->GetPixel(1, 0), KeyColor);
    // Drawn, the masked pixels show the row beneath, not the key colour.
    TBitmap row(4, 4);
    row.Canvas().Brush().SetColor(clWhite);
    row.Canvas().FillRect({0, 0, 4, 4});
    item.Bitmap->DrawToCanvas(row.Canvas(), 0, 0);
    EXPECT_EQ(row.ColorAt(0, 0), clLime);
    EXPECT_EQ(row.ColorAt(1, 0), clWhite);
    EXPECT_EQ(MakeImageInfo({0, 0, 20, 20}, images, 0, 1).Bitmap, item.Bitmap);
    const TteItemGlyphInfo mark = MakeItemMarkInfo({0, 0, 20, 20}, 2);
    EXPECT_EQ(mark.Bitmap, nullptr);
    EXPECT_EQ(mark.State, 4);
}
