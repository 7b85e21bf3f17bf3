#include <algorithm>
#include <filesystem>
#include <fstream>

#include "tests/desktop/ProgramOnDesktop.h"

namespace {
// Every window at 1024x768 judged from the screen: its frame inside the main window's MDI area
// (children) or the work area (dialogs), its caption drawn active, and its bottom right button on
// screen, pressed to close it.
class WindowsOnDesktop : public ProgramOnDesktop {
protected:
    static constexpr uint32_t ActiveCaption = 0x0A246A;
    static constexpr uint32_t ButtonBorder = 0x0A256A, FrameHighlight = 0xFFFFFF, FrameShadow = 0x404040;
    static constexpr uint32_t ButtonFace = 0xD4D0C8;
    // The adjustment window's "New" button, from its frame's corner.
    static constexpr int NewJournalX = 57, NewJournalY = 426;

    static bool Inside(const TDesktopRect& inner, const TDesktopRect& outer)
    {
        return inner.X >= outer.X && inner.Y >= outer.Y && inner.X + inner.Width <= outer.X + outer.Width &&
               inner.Y + inner.Height <= outer.Y + outer.Height;
    }

    // Between the menu bar and the status bar, inside the main window's border.
    TDesktopRect MdiArea()
    {
        const TDesktopRect m = Main();
        return {m.X + 3, m.Y + 78, m.Width - 6, m.Height - 78 - 26};
    }

    // A dropdown's entry 'offset' pixels below its first one (separators are lower than entries).
    void ChooseEntry(int barX, int offset)
    {
        const TDesktopRect m = Main();
        const int rowY = m.Y + BarRow + 22 + offset;
        const TDesktopImage before = desktop->Grab();
        desktop->Click(m.X + barX, m.Y + BarRow);
        ASSERT_TRUE(Changes(before, {m.X + barX + 10, rowY - 7, 60, 14})) << Shot("menu");
        desktop->Click(m.X + barX + 40, rowY);
    }

    // The active child's frame: its caption's dark end is the first of that colour in the area, the
    // frame's white highlight runs along its top and left, its dark shadow closes it right and below.
    static bool ChildFrame(const TDesktopImage& image, const TDesktopRect& area, TDesktopRect& frame)
    {
        int cx = 0, cy = 0;
        if (!image.Find(area, ActiveCaption, cx, cy) || cx - 4 < 0 || cy - 4 < 0)
            return false;
        int right = cx - 3, bottom = cy - 3;
        while (right + 1 < image.Width && image.At(right + 1, cy - 3) == FrameHighlight)
            ++right;
        while (bottom + 1 < image.Height && image.At(cx - 3, bottom + 1) == FrameHighlight)
            ++bottom;
        if (right + 2 >= image.Width || bottom + 2 >= image.Height)
            return false;
        frame = {cx - 4, cy - 4, right + 2 - (cx - 4) + 1, bottom + 2 - (cy - 4) + 1};
        return image.At(right + 2, cy + 10) == FrameShadow && image.At(cx + 10, bottom + 2) == FrameShadow;
    }

    // The skinned caption row: the active gradient's dark blue at its left end, its light end at its right.
    static bool CaptionDrawn(const TDesktopImage& image, const TDesktopRect& frame)
    {
        int light = 0, dark = 0;
        for (int y = frame.Y; y < frame.Y + 24; ++y)
            for (int x = frame.X; x < frame.X + frame.Width; ++x) {
                const uint32_t c = image.At(x, y);
                const int red = c >> 16 & 0xFF, green = c >> 8 & 0xFF, blue = c & 0xFF;
                light += red >= 0x80 && red < blue - 0x30 && green >= 0xA0 && blue >= 0xD8;
                dark += red < 0x20 && green < 0x40 && blue >= 0x60 && blue < 0x80;
            }
        return dark >= 100 && light >= 8;
    }

    // The bottom right corner of the lowest button in the rectangle (the rightmost of its row): a
    // skinned button's border is dark blue, a flat one's black.
    static bool LowestButton(const TDesktopImage& image, const TDesktopRect& r, int& x, int& y)
    {
        const auto border = [&](int px, int py) {
            const uint32_t c = image.At(px, py);
            return c == ButtonBorder || c == 0x000000;
        };
        for (y = r.Y + r.Height - 1; y > r.Y + 30; --y)
            for (x = r.X + r.Width - 1; x >= r.X + 20; --x)
                if (border(x, y) && border(x, y - 18) && border(x - 20, y))
                    return true;
        return false;
    }

    // What a check finds in the window: its frame, caption and bottom right button.
    struct TFound {
        bool Frame = false, Caption = false, Button = false;
        TDesktopRect Window;
        int ButtonX = 0, ButtonY = 0;
        bool operator==(const TFound& o) const
        {
            return Frame == o.Frame && Caption == o.Caption && Button == o.Button && Window.X == o.Window.X &&
                   Window.Y == o.Window.Y && Window.Width == o.Window.Width && Window.Height == o.Window.Height &&
                   ButtonX == o.ButtonX && ButtonY == o.ButtonY;
        }
        bool All() const { return Frame && Caption && Button; }
    };

    // Looks until the window is found whole and the same in three grabs running (it may fade in
    // and draw its controls after its frame), then judges the last one.
    TFound Look(const std::function<TFound(const TDesktopImage&)>& look, TDesktopImage& image)
    {
        TFound last;
        int same = 0;
        TDesktop::WaitUntil([&] {
            image = desktop->Grab();
            const TFound found = look(image);
            same = found == last ? same + 1 : 0;
            last = found;
            return found.All() && same >= 2;
        });
        return last;
    }

    void Judge(const TFound& found, const TDesktopRect& area, const std::string& what)
    {
        EXPECT_TRUE(found.Frame) << what << " shows no frame " << Shot(what);
        EXPECT_TRUE(Inside(found.Window, area)) << what << " " << Text(found.Window) << " in " << Text(area)
                                                << Shot(what);
        EXPECT_TRUE(found.Caption) << what << " draws no active caption " << Shot(what);
        ASSERT_TRUE(found.Button) << what << " shows no button " << Shot(what);
    }

    // Opens a child from the menu and checks its frame, caption and bottom buttons.
    TFound OpenChild(int barX, int offset, const std::string& what)
    {
        ChooseEntry(barX, offset);
        const TDesktopRect area = MdiArea();
        TDesktopImage image;
        const TFound found = Look([&](const TDesktopImage& i) {
            TFound f;
            f.Frame = ChildFrame(i, area, f.Window);
            f.Caption = f.Frame && CaptionDrawn(i, f.Window);
            f.Button = f.Frame && LowestButton(i, f.Window, f.ButtonX, f.ButtonY);
            return f;
        }, image);
        Judge(found, area, what);
        return found;
    }

    // ... and closes it with its bottom right button.
    void CheckChild(int barX, int offset, const std::string& what)
    {
        const TFound found = OpenChild(barX, offset, what);
        if (found.Button)
            Press(desktop->Grab(), found, what);
    }

    // The span of the white title letters on a caption, and where the caption's buttons begin.
    static void TitleInk(const TDesktopImage& image, const TDesktopRect& window, int& first, int& last,
                         int& buttons)
    {
        int cx = 0, cy = 0;
        first = last = buttons = -1;
        if (!image.Find({window.X, window.Y, 20, 20}, ActiveCaption, cx, cy))
            return;
        buttons = cx;
        while (buttons < window.X + window.Width && image.At(buttons, cy + 8) != ButtonFace)
            ++buttons;
        for (int x = cx; x < buttons - 2; ++x)
            for (int y = cy; y < cy + 16; ++y)
                if (image.At(x, y) == 0xFFFFFF) {
                    if (first < 0)
                        first = x;
                    last = x;
                }
    }

    // Presses the bottom right button and waits for the window's corner to change.
    void Press(const TDesktopImage& image, const TFound& found, const std::string& what)
    {
        desktop->Click(found.ButtonX - 12, found.ButtonY - 8);
        EXPECT_TRUE(Changes(image, {found.Window.X, found.Window.Y, 40, 20})) << what << " stays " << Shot(what);
    }

    // A dialog on the screen's work area with its skinned caption, closed with its bottom right button.
    void CheckDialog(const std::string& title)
    {
        TDesktopImage image;
        const TFound found = Look([&](const TDesktopImage& i) {
            TFound f;
            f.Frame = desktop->FindWindow(title, f.Window);
            f.Caption = f.Frame && CaptionDrawn(i, f.Window);
            f.Button = f.Frame && LowestButton(i, f.Window, f.ButtonX, f.ButtonY);
            return f;
        }, image);
        Judge(found, desktop->WorkArea(), title);
        Press(image, found, title);
        TDesktopRect r;
        EXPECT_TRUE(TDesktop::WaitUntil([&] { return !desktop->FindWindow(title, r); })) << Shot(title);
    }
};
} // namespace

TEST_F(WindowsOnDesktop, EveryWindowLiesOnScreenWithItsFrameAndButtons)
{
    ChooseMenu(SmallUser, 0);
    CheckDialog("Choose filename");
    LogInByKeys();

    CheckChild(MasterData, 0, "accounts");
    CheckChild(MasterData, 20, "budget");
    CheckChild(MasterData, 55, "settings");
    CheckChild(Transaction, 0, "cash");
    const TFound adjustments = OpenChild(Transaction, 20, "adjustments");
    desktop->Click(adjustments.Window.X + NewJournalX, adjustments.Window.Y + NewJournalY);
    CheckDialog("FI_Jurnal");
    Press(desktop->Grab(), adjustments, "adjustments");
    CheckChild(Report, 0, "balances");

    // The report window fills the main window; its bottom row lies in the main window's client area.
    ChooseEntry(Report, 20);
    TDesktopImage image;
    const TDesktopRect area = MdiArea();
    const TFound report = Look([&](const TDesktopImage& i) {
        TFound f;
        f.Window = area;
        f.Frame = desktop->FindWindow("[Report]", f.Window);
        f.Window = area;
        f.Caption = i.Count(CaptionEnd(Main().X, Main().Y), ActiveCaption) >= 30;
        f.Button = LowestButton(i, area, f.ButtonX, f.ButtonY);
        return f;
    }, image);
    Judge(report, area, "report");
    desktop->Click(report.ButtonX - 12, report.ButtonY - 8);
    TDesktopRect gone;
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return !desktop->FindWindow("[Report]", gone); })) << Shot("report");

    for (int row : {0, 1}) {
        ChooseMenu(Utilities, row);
        CheckDialog("Databases");
    }
}

// The box that refuses the budget's realisation on books with no transactions is narrow for its
// text; it still carries the program's whole title, drawn before its close button.
TEST_F(WindowsOnDesktop, AMessageBoxTitleIsNotClipped)
{
    LogInByKeys();
    const TFound budget = OpenChild(MasterData, 20, "budget");
    ASSERT_TRUE(budget.Button);
    // "Realisasi Bulan Ini" lies left of "Close" on the same row.
    const TDesktopImage image = desktop->Grab();
    int realise = budget.ButtonX;
    while (realise > budget.Window.X && image.At(realise, budget.ButtonY) == ButtonBorder)
        --realise;
    while (realise > budget.Window.X && image.At(realise, budget.ButtonY) != ButtonBorder)
        --realise;
    desktop->Click(realise - 12, budget.ButtonY - 8);
    std::vector<TDesktopRect> windows;
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return (windows = desktop->Windows("Bukura")).size() == 2; }))
        << Shot("box");
    const TDesktopRect m = Main();
    const TDesktopRect box = windows[0].X == m.X && windows[0].Y == m.Y ? windows[1] : windows[0];
    int first = -1, last = -1, buttons = -1;
    ASSERT_TRUE(TDesktop::WaitUntil([&] {
        TitleInk(desktop->Grab(), box, first, last, buttons);
        return first > 0 && buttons > last;
    })) << Shot("box");
    // "Bukura - Free Accounting System" is some 175 pixels long; cut short it ends at the button.
    EXPECT_GE(last - first, 160) << Shot("box");
    EXPECT_LT(last, buttons - 3) << Shot("box");
    desktop->Key("Return");
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return desktop->Windows("Bukura").size() == 1; })) << Shot("box");
}

namespace {
// The program on screens smaller than its windows, by a user who last left the main window on a
// wider one: its remembered place lies partly off these.
class SmallScreenOnDesktop : public WindowsOnDesktop {
protected:
    // The preview's tool buttons, from its corner.
    static constexpr int ZoomInX = 182, CloseX = 398, ButtonRowY = 37;
    static constexpr uint32_t WorkSpace = 0x808080;

    void SetUp() override
    {
        screen = "800x600";
        WindowsOnDesktop::SetUp();
    }

    void PrepareBooks() override
    {
        std::filesystem::create_directories(program->Folder() + "/config/bukura");
        std::ofstream(program->Folder() + "/config/bukura/bukura.conf")
            << "[MainWindow]\nLeft=279\nTop=34\nWidth=808\nHeight=699\nState=maximized\n";
    }
};
} // namespace

// A report's preview opens within the work area, its page drawn, and its tool buttons answer the
// first click; the main window given back its normal state lies within the work area too.
TEST_F(SmallScreenOnDesktop, ThePreviewAndTheMainWindowOpenWithinTheScreen)
{
    for (const std::string size : {"800x600", "1024x600"}) {
        if (size != screen) {
            program->Stop();
            EXPECT_EQ(program->SanitizerReport(), "");
            screen = size;
            StartDesktop();
            ASSERT_FALSE(HasFatalFailure());
        }
        const TDesktopRect work = desktop->WorkArea();
        LogInByKeys();
        OpenReportWindow();
        const TDesktopRect m = Main();
        desktop->Click(m.X + ReportLinkX, m.Y + BalanceSheetY);
        TDesktopRect preview;
        ASSERT_TRUE(TDesktop::WaitUntil([&] {
            return desktop->FindWindow("Preview", preview) && Inside(preview, work) &&
                   desktop->Grab().Count({preview.X + 6, preview.Y + 56, 20, 4}, WorkSpace) == 80;
        })) << Text(preview) << " in " << Text(work) << Shot("preview");

        const TDesktopRect status{preview.X + 430, preview.Y + ButtonRowY - 7, 120, 14};
        const TDesktopImage shown = Settled(status);
        desktop->Click(preview.X + ZoomInX, preview.Y + ButtonRowY);
        EXPECT_TRUE(Changes(shown, status)) << "the zoom stays " << Shot("zoom");
        if (size == "800x600") {
            // Larger than this screen, it opens maximized: its maximize button gives it a smaller
            // place and takes it back, and the manager's maximize shows on the button too.
            const auto maximized = [&] {
                const auto atoms = desktop->Atoms("Preview", "_NET_WM_STATE");
                return std::find(atoms.begin(), atoms.end(), "_NET_WM_STATE_MAXIMIZED_HORZ") != atoms.end();
            };
            const bool manager = desktop->HasWindowManager();
            EXPECT_TRUE(!manager || TDesktop::WaitUntil(maximized)) << Shot("preview-maximized");
            const TDesktopRect button{preview.X + preview.Width - 40, preview.Y + 6, 16, 14};
            const TDesktopImage restoreGlyph = Settled(button);
            desktop->Click(button.CentreX(), button.CentreY());
            TDesktopRect normal;
            ASSERT_TRUE(TDesktop::WaitUntil([&] {
                return desktop->FindWindow("Preview", normal) && normal.Width < preview.Width && !maximized();
            })) << Text(normal) << Shot("preview-restored");
            if (manager) {
                // The program reads the manager's state as it reaches each event, so the request must
                // come once it has read the manager letting go: keys sent after that which zoom the
                // page out to its least, the workspace showing left of it, show that it has.
                for (int i = 0; i < 4; ++i)
                    desktop->Key("minus");
                ASSERT_TRUE(TDesktop::WaitUntil([&] {
                    return desktop->Grab().Count({normal.X + 120, normal.Y + 150, 20, 4}, WorkSpace) == 80;
                })) << Shot("preview-restored-zoomed-out");
                desktop->RequestMaximized("Preview", true);
                desktop->MoveMouse(2, 2);
                TDesktopRect r;
                EXPECT_TRUE(TDesktop::WaitUntil([&] {
                    return desktop->FindWindow("Preview", r) && r == preview &&
                           desktop->Grab().Differences(restoreGlyph, button) == 0;
                })) << Text(r) << " for " << Text(preview) << " "
                    << desktop->Grab().Differences(restoreGlyph, button) << Shot("preview-maximized-by-manager");
            } else {
                desktop->Click(normal.X + normal.Width - 32, normal.Y + 13);
                EXPECT_TRUE(TDesktop::WaitUntil([&] {
                    TDesktopRect r;
                    return desktop->FindWindow("Preview", r) && r == preview;
                })) << Shot("preview-maximized-again");
            }
        }
        desktop->Click(preview.X + CloseX, preview.Y + ButtonRowY);
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return !desktop->FindWindow("Preview", preview); }))
            << Shot("close");

        // The caption's restore button, left of its close button.
        const TDesktopRect maximized = Main();
        const TDesktopRect restore{maximized.X + maximized.Width - 41, maximized.Y + 6, 16, 14};
        const TDesktopImage before = Settled(restore);
        desktop->Click(restore.CentreX(), restore.CentreY());
        // Off the button, which may show the pointer over it; the restore icon differs from the other.
        desktop->MoveMouse(2, 2);
        EXPECT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Differences(before, restore) > 0; })) << Shot("restore");
        EXPECT_TRUE(TDesktop::WaitUntil([&] { return Inside(Main(), work); }))
            << Text(Main()) << " in " << Text(work) << Shot("restore");
    }
}
