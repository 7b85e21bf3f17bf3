#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/EmbeddedImages.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TIcon.h"

namespace {

std::unique_ptr<TBitmap> Blank(int w, int h, TColor c = clFuchsia) {
    auto b = std::make_unique<TBitmap>(w, h);
    b->Fill(ColorToPixel(c));
    return b;
}

const TColor kFace = RGB(212, 208, 200), kShadow = RGB(128, 128, 128), kLight = RGB(255, 255, 255),
             kDark = RGB(64, 64, 64);

}  // namespace

TEST(DrawEdge, RaisedEdgeOfTheClassicFrame) {
    auto b = Blank(10, 10);
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

TEST(DrawEdge, OnePixelSunkenFrame) {
    auto b = Blank(6, 6);
    TRect r = Rect(0, 0, 6, 6);
    DrawEdge(b->Canvas(), r, BDR_SUNKENOUTER, BF_RECT);
    EXPECT_EQ(b->ColorAt(0, 2), kShadow);
    EXPECT_EQ(b->ColorAt(2, 0), kShadow);
    EXPECT_EQ(b->ColorAt(5, 2), kLight);
    EXPECT_EQ(b->ColorAt(2, 5), kLight);
    EXPECT_EQ(b->ColorAt(2, 2), clFuchsia);
    EXPECT_EQ(r, Rect(0, 0, 6, 6));
}

TEST(DrawEdge, OnlyTheChosenSides) {
    auto b = Blank(6, 6);
    TRect r = Rect(0, 0, 6, 6);
    DrawEdge(b->Canvas(), r, BDR_RAISEDINNER, BF_BOTTOM);
    EXPECT_EQ(b->ColorAt(3, 5), kShadow);
    EXPECT_EQ(b->ColorAt(0, 0), clFuchsia);
    EXPECT_EQ(b->ColorAt(5, 2), clFuchsia);
}

namespace {

// Frame controls: glyph pixels are pure black, every other pixel is not.
struct FrameControlCase {
    uint32_t type;
    uint32_t state;
    int w, h;
    bool glyph;
};

}  // namespace

TEST(DrawFrameControl, GlyphsArePureBlackAndFramesNever) {
    const FrameControlCase cases[] = {
        {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED, 13, 13, true},
        {DFC_BUTTON, DFCS_BUTTONCHECK, 13, 13, false},
        {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_BUTTON3STATE | DFCS_CHECKED, 13, 13, false},
        {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_FLAT, 13, 13, true},
        {DFC_BUTTON, DFCS_BUTTONPUSH, 30, 20, false},
        {DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED, 30, 20, false},
        {DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED, 13, 13, true},
        {DFC_SCROLL, DFCS_SCROLLUP, 16, 16, true},
        {DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_PUSHED, 16, 16, true},
        {DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_FLAT, 16, 16, true},
        {DFC_SCROLL, DFCS_SCROLLRIGHT, 16, 16, true},
        {DFC_SCROLL, DFCS_SCROLLCOMBOBOX, 16, 20, true},
        {DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_INACTIVE, 16, 16, false},
        {DFC_CAPTION, DFCS_CAPTIONCLOSE, 16, 14, true},
        {DFC_CAPTION, DFCS_CAPTIONMIN, 16, 14, true},
        {DFC_CAPTION, DFCS_CAPTIONMAX | DFCS_PUSHED, 16, 14, true},
        {DFC_CAPTION, DFCS_CAPTIONRESTORE, 16, 14, true},
        {DFC_CAPTION, DFCS_CAPTIONHELP, 16, 14, true},
        {DFC_MENU, DFCS_MENUARROW, 13, 13, true},
        {DFC_MENU, DFCS_MENUCHECK, 20, 20, true},
        {DFC_MENU, DFCS_MENUBULLET, 13, 13, true},
    };
    for (const auto& c : cases) {
        auto b = Blank(c.w, c.h, clGreen);
        ASSERT_TRUE(DrawFrameControl(b->Canvas(), Rect(0, 0, c.w, c.h), c.type, c.state));
        int black = 0, untouched = 0;
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x) {
                black += b->ColorAt(x, y) == clBlack;
                untouched += b->ColorAt(x, y) == clGreen;
            }
        EXPECT_EQ(black > 0, c.glyph) << c.type << "/" << c.state;
        if (c.type != DFC_BUTTON || (c.state & DFCS_BUTTONPUSH)) {
            EXPECT_EQ(untouched, 0) << c.type << "/" << c.state;
        }
    }
}

TEST(DrawFrameControl, CheckBoxIsThirteenSquareWithAWhiteWell) {
    auto b = Blank(13, 13, clGreen);
    DrawFrameControl(b->Canvas(), Rect(0, 0, 13, 13), DFC_BUTTON, DFCS_BUTTONCHECK);
    EXPECT_EQ(b->ColorAt(0, 0), kShadow);
    EXPECT_EQ(b->ColorAt(1, 1), kDark);
    EXPECT_EQ(b->ColorAt(12, 12), kLight);
    EXPECT_EQ(b->ColorAt(6, 6), clWhite);
    auto checked = Blank(13, 13, clGreen);
    DrawFrameControl(checked->Canvas(), Rect(0, 0, 13, 13), DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    // The 7 by 7 mark fills (3,3)-(10,10): one pixel of the well shows all round.
    EXPECT_EQ(checked->ColorAt(9, 3), clBlack);
    EXPECT_EQ(checked->ColorAt(3, 5), clBlack);
    EXPECT_EQ(checked->ColorAt(5, 9), clBlack);
    for (int i = 2; i <= 10; ++i) {
        EXPECT_EQ(checked->ColorAt(i, 2), clWhite) << i;
        EXPECT_EQ(checked->ColorAt(i, 10), clWhite) << i;
        EXPECT_EQ(checked->ColorAt(2, i), clWhite) << i;
        EXPECT_EQ(checked->ColorAt(10, i), clWhite) << i;
    }
    auto inactive = Blank(13, 13, clGreen);
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
        auto b = Blank(30, 20, clGreen);
        DrawFrameControl(b->Canvas(), Rect(0, 0, 30, 20), c.type, c.state);
        EXPECT_EQ(b->ColorAt(0, 10), c.outerTopLeft) << c.state;
        EXPECT_EQ(b->ColorAt(15, 1), c.innerTopLeft) << c.state;
        EXPECT_EQ(b->ColorAt(29, 10), c.outerBottomRight) << c.state;
        EXPECT_EQ(b->ColorAt(15, 18), c.innerBottomRight) << c.state;
    }
}

TEST(DrawFrameControl, UnknownTypeDrawsNothing) {
    auto b = Blank(4, 4);
    EXPECT_FALSE(DrawFrameControl(b->Canvas(), Rect(0, 0, 4, 4), 99, 0));
    EXPECT_EQ(b->ColorAt(1, 1), clFuchsia);
}

TEST(Arrows, SixteenSquareArrowIsSevenByFour) {
    auto b = Blank(16, 16, clWhite);
    DrawArrow(b->Canvas(), Rect(0, 0, 16, 16), TArrowDirection::Down, clBlack);
    int count = 0;
    TRect ink{99, 99, -1, -1};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (b->ColorAt(x, y) == clBlack) {
                ++count;
                ink = {std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1), std::max(ink.Bottom, y + 1)};
            }
    EXPECT_EQ(count, 7 + 5 + 3 + 1);
    EXPECT_EQ(ink.Width(), 7);
    EXPECT_EQ(ink.Height(), 4);
}

TEST(EmbeddedImages, HaveTheirDocumentedSizes) {
    const struct {
        const char* name;
        int w, h;
    } sizes[] = {{"VDBGARROW", 9, 11}, {"VDBEDIT", 9, 11}, {"VDBINSERT", 9, 11}, {"VDBMULTIDOT", 9, 11},
                 {"VDBMULTIARROW", 9, 11}, {"VDBSMDOWN", 9, 11}, {"VDBSMUP", 9, 11}, {"CALCOKBTN", 13, 13},
                 {"CALCCANCELBTN", 13, 13}, {"CALCUPBTN", 9, 6}, {"CALCDOWNBTN", 9, 6}, {"TE_LIST_TRUETYPE", 12, 12},
                 {"TE_FORM_CLOSE", 16, 16}, {"TE_FORM_TRAY", 16, 16}, {"TE_BTN_OK", 32, 16}, {"TE_BTN_ALL", 32, 16},
                 {"DUZ_FLAG", 16, 16}, {"DUZ_FUNC", 16, 16}};
    for (const auto& s : sizes) {
        auto b = LoadEmbeddedBitmap(s.name);
        EXPECT_EQ(b->Width(), s.w) << s.name;
        EXPECT_EQ(b->Height(), s.h) << s.name;
    }
    EXPECT_EQ(EmbeddedBitmapNames().size(), 7u + 4u + 6u + 1u + 10u + 7u);
}

TEST(EmbeddedImages, EveryRowOfEveryImageIsComplete) {
    for (const std::string& name : EmbeddedBitmapNames()) EXPECT_NO_THROW(LoadEmbeddedBitmap(name)) << name;
    EXPECT_THROW(LoadEmbeddedBitmap("NO_SUCH_BITMAP"), EInvalidOperation);
}

TEST(EmbeddedImages, BackgroundsAreTheirMaskColours) {
    EXPECT_EQ(LoadEmbeddedBitmap("VDBGARROW")->ColorAt(0, 0), clWhite);
    EXPECT_EQ(LoadEmbeddedBitmap("VDBSMUP")->ColorAt(0, 0), clSilver);
    EXPECT_EQ(LoadEmbeddedBitmap("TE_FORM_CLOSE")->ColorAt(0, 0), RGB(255, 0, 255));
    auto ok = LoadEmbeddedBitmap("TE_BTN_OK");
    // The right half is the disabled copy: no picture colour survives there.
    bool green = false;
    for (int y = 0; y < 16; ++y)
        for (int x = 16; x < 32; ++x) green |= ok->ColorAt(x, y) == clGreen;
    EXPECT_FALSE(green);
}

TEST(Icons, DrawCentredAndSmallCopy) {
    const TIcon app = TIcon::StockApplication();
    EXPECT_EQ(app.Width(), 32);
    const TIcon small = app.SizedCopy(16);
    EXPECT_EQ(small.Width(), 16);
    auto b = Blank(20, 20, clGreen);
    DrawIconCentred(b->Canvas(), Rect(0, 0, 20, 20), small);
    EXPECT_EQ(b->ColorAt(0, 0), clGreen);
    EXPECT_EQ(b->ColorAt(2, 2), clGreen);  // the icon's own corner is transparent
    EXPECT_EQ(b->ColorAt(10, 12), clWhite);
}

TEST(Icons, DrawIconExStretchesEachAxisOnItsOwn) {
    const TIcon icon(*Blank(16, 16, clNavy), clFuchsia);
    auto b = Blank(40, 40, clGreen);
    DrawIconEx(b->Canvas(), 2, 3, icon, 32, 16);
    EXPECT_EQ(b->ColorAt(2, 3), clNavy);
    EXPECT_EQ(b->ColorAt(33, 18), clNavy);
    EXPECT_EQ(b->ColorAt(34, 18), clGreen);
    EXPECT_EQ(b->ColorAt(33, 19), clGreen);
}

TEST(DrawFrameControl, SizeGripIsDiagonalLinesInTheCorner) {
    auto b = Blank(16, 16, clGreen);
    ASSERT_TRUE(DrawFrameControl(b->Canvas(), Rect(0, 0, 16, 16), DFC_SCROLL, DFCS_SCROLLSIZEGRIP));
    EXPECT_EQ(b->ColorAt(15, 15), kFace);
    EXPECT_EQ(b->ColorAt(14, 15), kLight);
    EXPECT_EQ(b->ColorAt(15, 14), kLight);
    EXPECT_EQ(b->ColorAt(13, 15), kShadow);
    EXPECT_EQ(b->ColorAt(14, 14), kShadow);
    EXPECT_EQ(b->ColorAt(12, 15), kShadow);
    EXPECT_EQ(b->ColorAt(11, 15), kFace);
    EXPECT_EQ(b->ColorAt(10, 15), kLight);
    EXPECT_EQ(b->ColorAt(0, 0), kFace);
}

TEST(DrawFrameControl, ScrollArrowIsSevenByFourAndMovesWhenPressed) {
    const auto inkOf = [](uint32_t state) {
        auto b = Blank(16, 16, clGreen);
        DrawFrameControl(b->Canvas(), Rect(0, 0, 16, 16), DFC_SCROLL, state);
        TRect ink{99, 99, -1, -1};
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (b->ColorAt(x, y) == clBlack)
                    ink = {std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1), std::max(ink.Bottom, y + 1)};
        return ink;
    };
    const TRect up = inkOf(DFCS_SCROLLUP);
    EXPECT_EQ(up.Width(), 7);
    EXPECT_EQ(up.Height(), 4);
    TRect pressed = inkOf(DFCS_SCROLLUP | DFCS_PUSHED);
    pressed.Offset(-1, -1);
    EXPECT_EQ(pressed, up);
}
