#include <gtest/gtest.h>

#include <algorithm>

#include "platform/core/Exceptions.h"
#include "skin/engine/TeEffectProcs.h"
#include "skin/engine/TteAnimationRec.h"
#include "skin/engine/TteBitmap.h"
#include "skin/engine/TteProcList.h"

namespace {

struct GridSize { int w, h; };
constexpr GridSize grids[] = {{1, 1}, {7, 3}, {40, 25}};

// A mask of exactly w * h cells, so a write past it trips the address sanitizer.
std::vector<uint8_t> Mask(const std::string& name, int w, int h, int p) {
    std::vector<uint8_t> mask(static_cast<size_t>(w) * h);
    std::get<TteMaskProc>(FindEffect(name)->Proc())(mask.data(), w, h, p);
    return mask;
}

std::vector<std::string> MaskEffectNames() {
    std::vector<std::string> names;
    for (int i = 0; i < EffectList()->Count(); ++i)
        if ((*EffectList())[i].Kind() == 0) names.push_back((*EffectList())[i].Name());
    return names;
}

std::vector<uint8_t> Rows(int w, std::initializer_list<uint8_t> perRow) {
    std::vector<uint8_t> m;
    for (uint8_t v : perRow) m.insert(m.end(), w, v);
    return m;
}

std::vector<TteCell> Cells(const char* name, int w, int h, int p) {
    std::vector<TteCell> cells(static_cast<size_t>(w) * h);
    std::get<TteCellProc>(FindEffect(name)->Proc())(cells.data(), w, h, p);
    return cells;
}

std::vector<uint32_t> Row(const TteBitmap& b) { return {b.ScanLine(0), b.ScanLine(0) + b.Width()}; }

}  // namespace

TEST(EffectMasks, EveryMaskEffectStaysInItsGridAndStartsEmpty) {
    const auto names = MaskEffectNames();
    ASSERT_EQ(names.size(), 54u);
    for (const auto& name : names)
        for (const GridSize g : grids) {
            EXPECT_EQ(Mask(name, g.w, g.h, 0), std::vector<uint8_t>(g.w * g.h, 0)) << name;
            for (int p = 1; p <= 100; ++p) Mask(name, g.w, g.h, p);
        }
}

TEST(EffectMasks, FullAtOneHundred) {
    std::vector<std::string> full = {"Fade", "Pixel", "Pixel fade", "Plasma"};
    for (const char* style : {"Slide", "Fade", "Smooth"}) {
        for (const char* rows : {"Down", "In", "Out", "CrossIn", "RectIn"}) full.push_back(std::string(style) + rows);
        full.push_back(std::string("Diamond") + style + "In");
    }
    full.push_back("CircleSmoothIn");
    for (const auto& name : full)
        for (const GridSize g : grids)
            EXPECT_EQ(Mask(name, g.w, g.h, 100), std::vector<uint8_t>(g.w * g.h, 255)) << name << " " << g.w;
}

TEST(EffectMasks, RowFamiliesAtHalfWay) {
    EXPECT_EQ(Mask("SlideDown", 7, 3, 50), Rows(7, {255, 255, 0}));
    EXPECT_EQ(Mask("FadeIn", 7, 3, 50), Rows(7, {128, 128, 128}));
    EXPECT_EQ(Mask("SlideOut", 7, 5, 50), Rows(7, {0, 255, 255, 255, 0}));
    // Smooth: full at the start, falling toward the front.
    const auto smooth = Mask("SmoothDown", 1, 25, 50);
    EXPECT_TRUE(std::is_sorted(smooth.rbegin(), smooth.rend()));
    EXPECT_EQ(smooth[0] - smooth[24], 255);
    EXPECT_GT(smooth[10], 0);
}

TEST(EffectMasks, InversionOfTheOutFamilies) {
    // An In family is its Out family at 100 - p, turned inside out.
    const auto out = Mask("SmoothRectOut", 7, 3, 40), in = Mask("SmoothRectIn", 7, 3, 60);
    for (size_t i = 0; i < out.size(); ++i) EXPECT_EQ(in[i], 255 - out[i]) << i;
}

TEST(EffectMasks, PixelSetsGrowAndRepeat) {
    auto half = Mask("Pixel", 40, 25, 50), more = Mask("Pixel", 40, 25, 51);
    EXPECT_EQ(std::count(half.begin(), half.end(), 255), 500);
    EXPECT_EQ(std::count(more.begin(), more.end(), 255), 510);
    for (size_t i = 0; i < half.size(); ++i) EXPECT_TRUE(!half[i] || more[i] == 255) << i;
    EXPECT_EQ(Mask("Pixel", 40, 25, 50), half);
    const auto fade = Mask("Pixel fade", 40, 25, 50);
    for (size_t i = 0; i < half.size(); ++i) EXPECT_EQ(fade[i], half[i] ? 128 : 0);
    // Pixel line: the picked cells, fading in from the left.
    const auto line = Mask("Pixel line", 40, 25, 50);
    for (size_t i = 0; i < line.size(); ++i) EXPECT_TRUE(!line[i] || half[i]) << i;
    EXPECT_GE(line[0 * 40 + 0], line[0 * 40 + 39]);
}

TEST(CellEffects, InterlaceAndCorner) {
    for (const GridSize g : grids)
        for (int p = 0; p <= 100; ++p)
            for (const char* name : {"Interlace", "Corner"}) Cells(name, g.w, g.h, p);
    const auto cells = Cells("Interlace", 7, 3, 50);
    EXPECT_EQ(cells[0].Col, 4);
    EXPECT_EQ(cells[7 + 6].Col, 2);
    EXPECT_EQ(cells[7].Col, -4);
    EXPECT_EQ(cells[14 + 2].Row, 2);
    const auto corner = Cells("Corner", 7, 3, 100);
    for (int i = 0; i < 21; ++i) EXPECT_EQ(corner[i].Col + corner[i].Row * 7, i);
    const auto early = Cells("Corner", 7, 3, 50);  // a 4 x 2 corner showing the bottom right of the new image
    EXPECT_EQ(early[0].Col, 3);
    EXPECT_EQ(early[0].Row, 1);
    EXPECT_EQ(early[7 + 3].Alpha, 255);
    EXPECT_EQ(early[4].Alpha, 0);
}

TEST(ManualEffects, SlideAndPushAtHalfWay) {
    TteBitmap work, to;
    work.SetSize(4, 1);
    to.SetSize(4, 1);
    const auto counting = [&] { for (int x = 0; x < 4; ++x) work.SetPixel(x, 0, 0xFF000000u | x); };
    for (int x = 0; x < 4; ++x) to.SetPixel(x, 0, 0xFFFF0000u | x);
    TteAnimationRec animation;
    for (int p = 0; p <= 100; ++p) {
        SlideEffect(work, to, animation, p);
        PushEffect(work, to, animation, p);
    }
    counting();
    PushEffect(work, to, animation, 50);
    EXPECT_EQ(Row(work), (std::vector<uint32_t>{0xFFFF0002u, 0xFFFF0003u, 0xFF000000u, 0xFF000001u}));
    animation.SetRotation(krRotate180);
    counting();
    SlideEffect(work, to, animation, 25);
    EXPECT_EQ(Row(work), (std::vector<uint32_t>{0xFF000000u, 0xFF000001u, 0xFF000002u, 0xFFFF0000u}));
}

TEST(EffectRegistry, NamesFindAndDuplicates) {
    const auto& names = EffectNames();
    ASSERT_EQ(names.size(), 60u);
    EXPECT_EQ(names[0], "[ RANDOM ] - Random selection");
    EXPECT_EQ(names[1], "[ BITMAP ] - Bitmap Animation");
    EXPECT_EQ(names[2], "[ FADE ] - SmoothDiagonal");
    EXPECT_EQ(names[59], "[ MANUAL ] - Push");
    // Found with or without the prefix; duplicates refused.
    ASSERT_NE(FindEffect("fade"), nullptr);
    EXPECT_EQ(FindEffect("fade"), FindEffect("[ FADE ] - Fade"));
    EXPECT_EQ(FindEffect("[ fade ] - SLIDERECTOUT"), FindEffect("SlideRectOut"));
    EXPECT_EQ(FindEffect("[ SLIDE ] - Fade"), nullptr);
    try {
        RegisterEffect("fade", TteMaskProc([](uint8_t*, int, int, int) {}));
        FAIL();
    } catch (const EProcItemError& e) {
        EXPECT_STREQ(e.what(), "Effect procedute fade already exists in list");
    }
    EXPECT_THROW(RegisterEffect("Another fade", TteMaskProc(FadeEffect)), EProcItemError);
    EXPECT_EQ(EffectList()->Count(), 58);
}
