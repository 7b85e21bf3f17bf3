#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/EmbeddedImages.h"
#include "platform/graphics/TIcon.h"
#include "PixelTestKit.h"

namespace {
const TColor kFace = RGB(212, 208, 200), kShadow = RGB(128, 128, 128), kLight = RGB(255, 255, 255),
             kDark = RGB(64, 64, 64);
}  // namespace

TEST(DrawEdge, RaisedEdgeOfTheClassicFrame) {
    auto b = Solid(10, 10, clFuchsia);
    TRect r = Rect(0, 0, 10, 10);
    DrawEdge(b->Canvas(), r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
    EXPECT_EQ(r, Rect(2, 2, 8, 8));
    EXPECT_EQ(b->ColorAt(0, 0), kFace);     // outer top-left: 3-D light
    EXPECT_EQ(b->ColorAt(9, 5), kDark);     // outer right
    EXPECT_EQ(b->ColorAt(5, 9), kDark);     // outer bottom
    EXPECT_EQ(b->ColorAt(1, 1), kLight);    // inner top-left: highlight
    EXPECT_EQ(b->ColorAt(8, 5), kShadow);   // inner right
    EXPECT_EQ(b->ColorAt(5, 5), kFace);     // middle
    // Bottom-right lines go first and keep the corners they share with top-left.
    EXPECT_EQ(b->ColorAt(9, 0), kDark);
    EXPECT_EQ(b->ColorAt(0, 9), kDark);
}

TEST(DrawEdge, OnePixelSunkenFrameAndOnlyTheChosenSides) {
    auto b = Solid(6, 6, clFuchsia);
    TRect r = Rect(0, 0, 6, 6);
    DrawEdge(b->Canvas(), r, BDR_SUNKENOUTER, BF_RECT);
    EXPECT_EQ(b->ColorAt(0, 2), kShadow);
    EXPECT_EQ(b->ColorAt(2, 0), kShadow);
    EXPECT_EQ(b->ColorAt(5, 2), kLight);
    EXPECT_EQ(b->ColorAt(2, 5), kLight);
    EXPECT_EQ(b->ColorAt(2, 2), clFuchsia);
    EXPECT_EQ(r, Rect(0, 0, 6, 6));
    auto bottom = Solid(6, 6, clFuchsia);
    DrawEdge(bottom->Canvas(), r, BDR_RAISEDINNER, BF_BOTTOM);
    EXPECT_EQ(bottom->ColorAt(3, 5), kShadow);
    EXPECT_EQ(Ink(*bottom, clFuchsia), Rect(0, 0, 6, 5));
}

TEST(DrawFrameControl, GlyphsArePureBlackAndFramesNever) {
    const struct {
        uint32_t type, state;
        int w, h;
        bool glyph;
    } cases[] = {
        {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED, 13, 13, true},
        {DFC_BUTTON, DFCS_BUTTONCHECK, 13, 13, false},
        {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_BUTTON3STATE | DFCS_CHECKED, 13, 13, false},
        {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_FLAT, 13, 13, true},
        {DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED, 30, 20, false},
        {DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED, 13, 13, true},
        {DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_PUSHED, 16, 16, true},
        {DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_FLAT, 16, 16, true},
        {DFC_SCROLL, DFCS_SCROLLCOMBOBOX, 16, 20, true},
        {DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_INACTIVE, 16, 16, false},
        {DFC_CAPTION, DFCS_CAPTIONCLOSE, 16, 14, true},
        {DFC_CAPTION, DFCS_CAPTIONMIN, 16, 14, true},
        {DFC_CAPTION, DFCS_CAPTIONMAX | DFCS_PUSHED, 16, 14, true},
        {DFC_CAPTION, DFCS_CAPTIONRESTORE, 16, 14, true},
        {DFC_MENU, DFCS_MENUARROW, 13, 13, true},
        {DFC_MENU, DFCS_MENUCHECK, 20, 20, true},
        {DFC_MENU, DFCS_MENUBULLET, 13, 13, true},
    };
    for (const auto& c : cases) {
        auto b = Solid(c.w, c.h, clGreen);
        ASSERT_TRUE(DrawFrameControl(b->Canvas(), Rect(0, 0, c.w, c.h), c.type, c.state));
        EXPECT_EQ(!Ink(*b, clBlack).IsEmpty(), c.glyph) << c.type << "/" << c.state;
        if (c.type != DFC_BUTTON || (c.state & DFCS_BUTTONPUSH)) {
            EXPECT_TRUE(Ink(*b, clGreen).IsEmpty()) << c.type << "/" << c.state;
        }
    }
    auto b = Solid(4, 4, clFuchsia);
    EXPECT_FALSE(DrawFrameControl(b->Canvas(), Rect(0, 0, 4, 4), 99, 0));
    EXPECT_EQ(b->ColorAt(1, 1), clFuchsia);
}

TEST(DrawFrameControl, CheckBoxIsThirteenSquareWithAWhiteWell) {
    auto b = Solid(13, 13, clGreen);
    DrawFrameControl(b->Canvas(), Rect(0, 0, 13, 13), DFC_BUTTON, DFCS_BUTTONCHECK);
    EXPECT_EQ(b->ColorAt(0, 0), kShadow);
    EXPECT_EQ(b->ColorAt(1, 1), kDark);
    EXPECT_EQ(b->ColorAt(12, 12), kLight);
    EXPECT_EQ(b->ColorAt(6, 6), clWhite);
    auto checked = Solid(13, 13, clGreen);
    DrawFrameControl(checked->Canvas(), Rect(0, 0, 13, 13), DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    // The 7 by 7 mark fills (3,3)-(10,10): one pixel of the well shows all round.
    EXPECT_EQ(Ink(*checked, clBlack), Rect(3, 3, 10, 10));
    for (int i = 2; i <= 10; ++i)
        for (TPoint p : {Point(i, 2), Point(i, 10), Point(2, i), Point(10, i)}) EXPECT_EQ(checked->ColorAt(p.X, p.Y), clWhite) << i;
    auto inactive = Solid(13, 13, clGreen);
    DrawFrameControl(inactive->Canvas(), Rect(0, 0, 13, 13), DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_INACTIVE);
    EXPECT_EQ(inactive->ColorAt(6, 6), kFace);
}

TEST(DrawFrameControl, ButtonEdgesInTheButtonOrder) {
    struct Case {
        uint32_t type, state;
        TColor outerTopLeft, innerTopLeft, outerBottomRight, innerBottomRight;
    };
    const Case cases[] = {
        {DFC_BUTTON, DFCS_BUTTONPUSH, kLight, kFace, kDark, kShadow},
        {DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED, kDark, kShadow, kLight, kFace},
        {DFC_CAPTION, DFCS_CAPTIONCLOSE | DFCS_PUSHED, kDark, kShadow, kLight, kFace},
        {DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED | DFCS_FLAT, kShadow, kFace, kShadow, kFace}, // flat: shadow only
    };
    for (const Case& c : cases) {
        auto b = Solid(30, 20, clGreen);
        DrawFrameControl(b->Canvas(), Rect(0, 0, 30, 20), c.type, c.state);
        EXPECT_EQ(b->ColorAt(0, 10), c.outerTopLeft) << c.state;
        EXPECT_EQ(b->ColorAt(15, 1), c.innerTopLeft) << c.state;
        EXPECT_EQ(b->ColorAt(29, 10), c.outerBottomRight) << c.state;
        EXPECT_EQ(b->ColorAt(15, 18), c.innerBottomRight) << c.state;
    }
}

TEST(DrawFrameControl, SizeGripIsDiagonalLinesInTheCorner) {
    auto b = Solid(16, 16, clGreen);
    ASSERT_TRUE(DrawFrameControl(b->Canvas(), Rect(0, 0, 16, 16), DFC_SCROLL, DFCS_SCROLLSIZEGRIP));
    const TColor bottomRow[] = {kLight, kFace, kShadow, kShadow, kLight, kFace};  // x = 10 to 15
    for (int x = 10; x < 16; ++x) EXPECT_EQ(b->ColorAt(x, 15), bottomRow[x - 10]) << x;
    EXPECT_EQ(b->ColorAt(15, 14), kLight);
    EXPECT_EQ(b->ColorAt(14, 14), kShadow);
    EXPECT_EQ(b->ColorAt(0, 0), kFace);
}

TEST(Arrows, ArrowsAreSevenByFourAndAPressedScrollArrowMoves) {
    auto b = Solid(16, 16, clWhite);
    DrawArrow(b->Canvas(), Rect(0, 0, 16, 16), TArrowDirection::Down, clBlack);
    EXPECT_EQ(Ink(*b, clBlack).Width(), 7);
    EXPECT_EQ(Ink(*b, clBlack).Height(), 4);
    EXPECT_EQ(Count(*b, clBlack), 7 + 5 + 3 + 1);
    const auto inkOf = [](uint32_t state) {
        auto b = Solid(16, 16, clGreen);
        DrawFrameControl(b->Canvas(), Rect(0, 0, 16, 16), DFC_SCROLL, state);
        return Ink(*b, clBlack);
    };
    const TRect up = inkOf(DFCS_SCROLLUP);
    EXPECT_EQ(up.Width(), 7);
    EXPECT_EQ(up.Height(), 4);
    TRect pressed = inkOf(DFCS_SCROLLUP | DFCS_PUSHED);
    pressed.Offset(-1, -1);
    EXPECT_EQ(pressed, up);
}

TEST(EmbeddedImages, EveryImageLoadsWithItsMaskColourInTheCorner) {
    for (const std::string& name : EmbeddedBitmapNames()) EXPECT_NO_THROW(LoadEmbeddedBitmap(name)) << name;
    EXPECT_THROW(LoadEmbeddedBitmap("NO_SUCH_BITMAP"), EInvalidOperation);
    auto arrow = LoadEmbeddedBitmap("VDBGARROW");
    EXPECT_EQ(arrow->Width(), 9);
    EXPECT_EQ(arrow->Height(), 11);
    EXPECT_EQ(arrow->ColorAt(0, 0), clWhite);
    EXPECT_EQ(LoadEmbeddedBitmap("VDBSMUP")->ColorAt(0, 0), clSilver);
    EXPECT_EQ(LoadEmbeddedBitmap("TE_FORM_CLOSE")->ColorAt(0, 0), RGB(255, 0, 255));
    auto ok = LoadEmbeddedBitmap("TE_BTN_OK");
    ASSERT_EQ(ok->Width(), 32);
    // The right half is the disabled copy: no picture colour survives there.
    EXPECT_LT(Ink(*ok, clGreen).Right, 17);
}

TEST(Icons, DrawCentredAndSmallCopy) {
    const TIcon app = TIcon::StockApplication();
    EXPECT_EQ(app.Width(), 32);
    const TIcon small = app.SizedCopy(16);
    EXPECT_EQ(small.Width(), 16);
    auto b = Solid(20, 20, clGreen);
    DrawIconCentred(b->Canvas(), Rect(0, 0, 20, 20), small);
    EXPECT_EQ(b->ColorAt(0, 0), clGreen);
    EXPECT_EQ(b->ColorAt(2, 2), clGreen);  // the icon's own corner is transparent
    EXPECT_EQ(b->ColorAt(10, 12), clWhite);
}

TEST(Icons, DrawIconExStretchesEachAxisOnItsOwn) {
    const TIcon icon(*Solid(16, 16, clNavy), clFuchsia);
    auto b = Solid(40, 40, clGreen);
    DrawIconEx(b->Canvas(), 2, 3, icon, 32, 16);
    EXPECT_EQ(Ink(*b, clNavy), Rect(2, 3, 34, 19));
}
