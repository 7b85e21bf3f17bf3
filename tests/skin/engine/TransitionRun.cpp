#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "platform/core/Random.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/THeadlessSession.h"
#include "skin/engine/TeTransition.h"
#include "skin/engine/TteAnimationRec.h"
#include "skin/engine/TteBitmap.h"
#include "skin/engine/TteProcList.h"
#include "skin/engine/TteTimer.h"
#include "skin/engine/TteTransitionFrames.h"

namespace {

// Every frame lasts 10 ms: the counter moves on each Stop reading, never between the two
// calibration readings. 'onFrame' runs at each Start, when the previous frame has been drawn.
struct FakeCounter {
    int64_t now = 0;
    int reads = 0, frames = 0;
    std::function<void()> onFrame;
    TteCounter previous = SetTimerCounter({[this] { return Read(); }, 1000});

    ~FakeCounter() { SetTimerCounter(previous); }

    int64_t Read() {
        ++reads;
        if (reads > 2 && reads % 2 == 0) now += 10;
        if (reads > 2 && reads % 2 == 1) {
            ++frames;
            if (onFrame) onFrame();
        }
        return now;
    }
};

std::unique_ptr<TteBitmap> Solid(int w, int h, uint32_t pixel) {
    auto b = std::make_unique<TteBitmap>();
    b->SetSize(w, h);
    b->Fill(pixel);
    return b;
}

constexpr uint32_t Black = 0xFF000000u, White = 0xFFFFFFFFu;

// A run of 'effect' with Time 100, so ten frames of 10 ms.
void RunFor100Ms(TCanvas& canvas, const char* effect, TteBitmap* from, TteBitmap* to) {
    TteAnimationRec a;
    a.SetEffect(effect);
    a.SetTime(100);
    RunTransitionEffect(canvas, 0, 0, from, to, a);
}

bool AllOf(const TBitmap& b, uint32_t rgb) {
    return std::all_of(b.Bits(), b.Bits() + b.Width() * b.Height(), [&](uint32_t p) { return (p & 0xFFFFFFu) == rgb; });
}

}  // namespace

TEST(TteTimer, ElapsedLeavesOutTheReadingCost) {
    int64_t now = 0;
    const TteCounter previous = SetTimerCounter({[&] { return now += 3; }, 1000});
    std::unique_ptr<TteTimer> timer;
    EXPECT_EQ(TimerElapsed(timer), 0.0f);
    TimerStart(timer);
    now += 20;
    EXPECT_FLOAT_EQ(TimerElapsed(timer), 0.020f);

    // The system took the processor between the calibration's two readings: a frame reads nothing,
    // not less, and a transition timed by it still ends, each frame counted a millisecond.
    int reads = 0;
    SetTimerCounter({[&] { return now += ++reads == 2 ? 500 : 0; }, 1000});
    timer.reset();
    TimerStart(timer);
    now += 20;
    EXPECT_EQ(TimerElapsed(timer), 0.0f);
    auto from = Solid(20, 10, Black), to = Solid(20, 10, White);
    TBitmap screen(20, 10);
    reads = 0;
    RunFor100Ms(screen.Canvas(), "[ FADE ] - SlideRectOut", from.get(), to.get());
    EXPECT_EQ(reads, 2 + 2 * 100);
    EXPECT_TRUE(AllOf(screen, 0xFFFFFFu));
    SetTimerCounter(previous);
}

TEST(TteAnimationRec, ClampingAndAssign) {
    TteAnimationRec a;
    a.SetTime(10);
    EXPECT_EQ(a.Time(), 50);
    a.SetTime(20000);
    a.SetTileCount(25);
    a.SetRotation(krRotate270);
    a.SetEffect("fade");
    a.SetEnabled(true);
    a.SetBitmap(TBitmap(3, 2));
    TteAnimationRec b;
    b.Assign(a);
    EXPECT_EQ(b.Time(), 9000);
    EXPECT_EQ(b.TileCount(), 20);
    EXPECT_EQ(b.Rotation(), krRotate270);
    EXPECT_EQ(b.Effect(), "fade");
    EXPECT_TRUE(b.Enabled());
    EXPECT_EQ(b.Bitmap().Width(), 3);
}

TEST(RunTransitionEffect, SlideRectOutEndsOnTheNewImageAndBadInputsDrawNothing) {
    FakeCounter counter;
    auto from = Solid(200, 100, Black), to = Solid(200, 100, White);
    TteBitmap empty;
    TBitmap screen(200, 100);
    screen.Fill(0xFF00FF00u);
    RunFor100Ms(screen.Canvas(), "Wipe", from.get(), to.get());
    RunFor100Ms(screen.Canvas(), "Fade", &empty, to.get());
    RunFor100Ms(screen.Canvas(), "Fade", from.get(), nullptr);
    EXPECT_TRUE(AllOf(screen, 0x00FF00u));
    EXPECT_EQ(counter.reads, 0);
    RunFor100Ms(screen.Canvas(), "[ FADE ] - SlideRectOut", from.get(), to.get());
    EXPECT_EQ(counter.frames, 10);
    EXPECT_TRUE(AllOf(screen, 0xFFFFFFu));
}

TEST(RunTransitionEffect, EveryEffectRotationAndTilingFinishes) {
    SetRandSeed(7);
    TBitmap grey(8, 8);
    for (int i = 0; i < 64; ++i) grey.SetPixelAt(i % 8, i / 8, 0xFF000000u | (i % 8 * 32));
    for (const TteRotation rotation : {krNone, krRotate90, krRotate180, krRotate270})
        for (const char* effect : {"SlideDown", "Interlace", "Corner", "Slide", "Push", "[ BITMAP ] - Bitmap Animation",
                                   "[ RANDOM ] - Random selection"}) {
            FakeCounter counter;
            auto from = Solid(37, 23, Black), to = Solid(37, 23, White), screen = Solid(40, 25, 0);
            to->SetPixel(3, 3, KeyColor);
            TteAnimationRec a;
            a.SetTime(100);
            a.SetEffect(effect);
            a.SetRotation(rotation);
            a.SetTileCount(3);
            a.SetResolution(2);
            a.SetBitmap(grey);
            RunTransitionEffect(screen->Canvas(), 1, 1, from.get(), to.get(), a);
            EXPECT_EQ(screen->GetPixel(2, 2), White) << effect << " " << rotation;
            EXPECT_EQ(screen->GetPixel(37, 23), White) << effect << " " << rotation;
            EXPECT_EQ(screen->GetPixel(0, 0), 0u) << effect << " " << rotation;
            EXPECT_EQ(screen->GetPixel(4, 4), Black) << effect << " key pixel keeps the old image";
        }
}

TEST(RunTransitionEffect, EachFadeFrameIsShownOnTheWindowAtOnceAsThePercentRises) {
    THeadlessSession s;
    auto* form = s.CreateForm<TForm>();
    form->SetBounds(0, 0, 220, 140);
    form->Show();
    s.ProcessUntilIdle();
    auto canvas = form->GetCanvas(false);
    const TRect client = form->ClientRect();
    FakeCounter counter;
    std::vector<int> shown;
    const TPoint at = form->ClientOrigin();
    counter.onFrame = [&] { shown.push_back(GetRValue(s.ScreenColor(at.X + 10, at.Y + 10))); };
    auto from = Solid(client.Width(), client.Height(), Black), to = Solid(client.Width(), client.Height(), White);
    RunFor100Ms(*canvas, "Fade", from.get(), to.get());
    // At each frame's start the window shows the frame before: percents 0, 10 ... 80, never falling.
    ASSERT_EQ(shown.size(), 10u);
    EXPECT_EQ(std::vector<int>(shown.begin() + 1, shown.end()), (std::vector<int>{0, 25, 50, 75, 101, 127, 152, 177, 203}));
    EXPECT_EQ(s.ScreenColor(at.X + 10, at.Y + 10), clWhite);
}

TEST(TransitionFrames, MaskCellsPerTileAndRotation) {
    auto from = Solid(100, 50, Black), to = Solid(100, 50, White);
    TteAnimationRec a;
    const auto at = [&](int x, int y) {  // a pixel of SlideDown's frame at 1 %
        TteTransitionFrames frames(*from, *to, a, FindEffect("SlideDown"));
        frames.Compose(1);
        return frames.Work().GetPixel(x, y);
    };
    // One tile: a 101 x 51 mask, so at 1 % mask rows 0 and 1 (MulDiv(1, 50, 100)) are pixel rows 0 and 1.
    EXPECT_EQ(at(10, 1), White);
    EXPECT_EQ(at(10, 2), Black);
    // Two tiles a side: a 51 x 26 mask with only row 0 covered, repeated from pixel row 26.
    a.SetTileCount(2);
    EXPECT_EQ(at(80, 26), White);
    EXPECT_EQ(at(80, 25), Black);
    // A quarter turn brings the rows in from the left edge.
    a.SetTileCount(1);
    a.SetRotation(krRotate90);
    EXPECT_EQ(at(1, 40), White);
    EXPECT_EQ(at(2, 40), Black);
    EXPECT_EQ(at(50, 0), Black);
}
