#include <gtest/gtest.h>

#include <sstream>

#include "controls/flat/TZlButton.h"
#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlLabel.h"
#include "controls/flat/TZlLink.h"
#include "controls/flat/TZlSpeedButton.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/TFI_Jurnal.h"
#include "ledger/TFrm_Ajp.h"
#include "ledger/TFrm_DafSaldo.h"
#include "ledger/TF_Cls.h"
#include "ledger/Tfrm_utils.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TCustomGrid.h"
#include "platform/controls/TCustomPanel.h"
#include "platform/controls/TScrollBox.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TScreen.h"
#include "skin/controls/TTeForm.h"
#include "skin/controls/TTeLabel.h"
#include "skin/controls/TTeMDIFrame.h"
#include "skin/controls/TTeMenuBar.h"
#include "tests/app/BookYearSession.h"

namespace {

std::string Text(const TRect& r)
{
    std::ostringstream out;
    out << "(" << r.Left << "," << r.Top << ")-(" << r.Right << "," << r.Bottom << ")";
    return out.str();
}

bool Inside(const TRect& inner, const TRect& outer)
{
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}

TRect ScreenRect(const TControl& c)
{
    if (const auto* w = dynamic_cast<const TWinControl*>(&c); w && !c.Parent())
        return w->WindowRect();
    const TPoint origin = c.Parent()->ClientToScreen({c.Left(), c.Top()});
    return Bounds(origin.X, origin.Y, c.Width(), c.Height());
}

TRect ClientArea(const TWinControl& w)
{
    const TPoint origin = w.ClientToScreen({0, 0});
    return Bounds(origin.X, origin.Y, w.ClientWidth(), w.ClientHeight());
}

// What a control shows: a label's text only, as its bounds may be wider than what it writes.
TRect InkRect(const TControl& c)
{
    const TRect r = ScreenRect(c);
    const bool label = dynamic_cast<const TCustomLabel*>(&c) || dynamic_cast<const TTeLabel*>(&c) ||
                       dynamic_cast<const TZlLink*>(&c);
    if (!label || c.Caption().empty())
        return r;
    TCanvas measure;
    measure.SetFont(c.Font());
    const int width = std::min(r.Width(), measure.TextWidth(c.Caption()));
    const auto* plain = dynamic_cast<const TCustomLabel*>(&c);
    if (plain && plain->Alignment() == TAlignment::taRightJustify)
        return Rect(r.Right - width, r.Top, r.Right, r.Bottom);
    return Rect(r.Left, r.Top, r.Left + width, r.Bottom);
}

// Every visible control lies in its parent's visible area, and no two visible siblings that are
// labels or simple controls cover each other; children of a scroll box may lie beyond its view.
void CheckLayout(const TWinControl& parent, const TRect& area, const std::string& window,
                 std::vector<std::string>& faults)
{
    std::vector<const TControl*> shown;
    for (int i = 0; i < parent.ControlCount(); ++i) {
        const TControl* c = parent.Controls(i);
        if (!c->Visible())
            continue;
        shown.push_back(c);
        const TRect r = ScreenRect(*c);
        if (!Inside(r, area))
            faults.push_back(window + ": " + c->Name() + " " + Text(r) + " outside " + Text(area));
        const auto* w = dynamic_cast<const TWinControl*>(c);
        if (w && !dynamic_cast<const TScrollBox*>(w) && !dynamic_cast<const TCustomGrid*>(w)) {
            TRect inner;
            IntersectRect(inner, ClientArea(*w), area);
            CheckLayout(*w, inner, window, faults);
        }
    }
    for (size_t a = 0; a < shown.size(); ++a)
        for (size_t b = a + 1; b < shown.size(); ++b) {
            if (shown[a]->Align() != TAlign::alNone && shown[b]->Align() != TAlign::alNone)
                continue;
            TRect both;
            if (IntersectRect(both, InkRect(*shown[a]), InkRect(*shown[b])))
                faults.push_back(window + ": " + shown[a]->Name() + " runs into " + shown[b]->Name());
        }
}

class WindowFit : public BookYearSession {
protected:
    // The menu entries of the child windows, with the windows' names.
    std::vector<std::pair<TTeItem*, const char*>> Children()
    {
        return {{main().CustomItem5, "Frm_Perkiraan"}, {main().CustomItem7, "Frm_Anggaran"},
                {main().CustomItem6, "Frm_Salaries"},  {main().CustomItem21, "Frm_Anggota"},
                {main().CustomItem9, "FUser_Mngr"},    {main().CustomItem18, "F_Sisutils"},
                {main().CustomItem22, "Frm_KasBon"},   {main().CustomItem10, "Frm_CashFlow"},
                {main().CustomItem11, "Frm_Ajp"},      {main().CustomItem12, "F_Cls"},
                {main().CustomItem19, "Frm_DafSaldo"}, {main().CustomItem20, "Frm_Report"}};
    }
    std::vector<std::string> ChildFaults(const std::string& name)
    {
        TForm* child = ActivateChildForm(main(), name);
        if (!child)
            return {name + " did not open"};
        std::vector<std::string> faults;
        const TRect mdi = ClientArea(*main().MDIClient());
        if (!Inside(child->WindowRect(), mdi))
            faults.push_back(name + " " + Text(child->WindowRect()) + " outside the MDI area " + Text(mdi));
        CheckLayout(*child, ClientArea(*child), name, faults);
        return faults;
    }
    // Where every control of the window lies, children of children too, in its parent.
    static std::vector<std::string> Places(const TWinControl& parent)
    {
        std::vector<std::string> places;
        for (int i = 0; i < parent.ControlCount(); ++i) {
            const TControl* c = parent.Controls(i);
            places.push_back(c->Name() + " " + Text(c->BoundsRect()));
            if (const auto* w = dynamic_cast<const TWinControl*>(c))
                for (const std::string& inner : Places(*w))
                    places.push_back("  " + inner);
        }
        return places;
    }
    // The main window's pixels in a rectangle of the screen.
    std::vector<TColor> Picture(const TRect& r)
    {
        p.s.ProcessUntilIdle();
        const TPoint origin = main().WindowRect().TopLeft();
        std::vector<TColor> pixels;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                pixels.push_back(p.s.WindowColor(main(), x - origin.X, y - origin.Y));
        return pixels;
    }
    // Shows a modal dialog through 'open' and checks it in its loop; the faults found.
    template <class Dialog> std::vector<std::string> DialogFaults(const std::function<void()>& open)
    {
        std::vector<std::string> faults;
        bool seen = false;
        p.s.WhenModal([&](TCustomForm& form) {
            if (auto* dialog = dynamic_cast<Dialog*>(&form); dialog && !seen) {
                seen = true;
                p.s.ProcessUntilIdle();
                if (!Inside(dialog->WindowRect(), Rect(0, 0, 1024, 768)))
                    faults.push_back(dialog->Name() + " off screen " + Text(dialog->WindowRect()));
                CheckLayout(*dialog, ClientArea(*dialog), dialog->Name(), faults);
                CaptionShown(*dialog, faults);
            }
            form.SetModalResult(mrCancel);
        });
        open();
        p.s.WhenModal(nullptr);
        if (!seen)
            faults.push_back("the dialog did not open");
        return faults;
    }
    // The skinned frame leaves a caption row above the client area, painted in a caption colour.
    void CaptionShown(TCustomForm& dialog, std::vector<std::string>& faults)
    {
        const int captionRows = dialog.ClientOrigin().Y - dialog.WindowRect().Top;
        if (captionRows < 18) {
            faults.push_back(dialog.Name() + " has no caption row");
            return;
        }
        const TColor pixel = p.s.WindowColor(dialog, dialog.Width() / 2, captionRows / 3);
        if (pixel == RGB(212, 208, 200))
            faults.push_back(dialog.Name() + " paints its caption row as the client");
    }
};

} // namespace

TEST_F(WindowFit, EveryWindowLiesInItsVisibleAreaAt1024x768)
{
    std::vector<std::string> faults = DialogFaults<TF_Login>([&] { Click(main().mn_login); });
    CheckLayout(main(), ClientArea(main()), "F_Main", faults);
    EXPECT_TRUE(Inside(main().WindowRect(), Rect(0, 0, 1024, 768))) << Text(main().WindowRect());
    LogIn();
    main().Label1->SetCaption(
        "db: /home/pemakai/Dokumen/Pembukuan Perusahaan/Tahun Buku Berjalan/Kalvera/Arsip/accounting.db");
    p.s.ProcessUntilIdle();
    CheckLayout(main(), ClientArea(main()), "F_Main", faults);

    for (const auto& [entry, name] : Children()) {
        Click(entry);
        for (const std::string& fault : ChildFaults(name))
            faults.push_back(fault);
        Screenshot(std::string("fit-") + name);
        if (std::string(name) == "Frm_Ajp") {
            auto* adjustments = dynamic_cast<TFrm_Ajp*>(ActivateChildForm(main(), name));
            for (const std::string& fault :
                 DialogFaults<TFI_Jurnal>([&] { p.s.ClickControl(*adjustments->TeButton4); }))
                faults.push_back(fault);
        }
        if (TForm* child = ActivateChildForm(main(), name))
            child->Close();
        p.s.ProcessUntilIdle();
    }
    for (TTeItem* entry : {main().CustomItem16, main().CustomItem17})
        for (const std::string& fault : DialogFaults<Tfrm_utils>([&] { Click(entry); }))
            faults.push_back(fault);
    for (const std::string& fault : DialogFaults<TCustomForm>([&] { Click(main().CustomItem23); }))
        faults.push_back(fault);
    EXPECT_EQ(faults, std::vector<std::string>{});
}

// Maximized by its caption button, every child window shows each of its controls inside the main
// window's client area; restored by the menu bar's button, its controls are back in their places
// and it looks as it did before.
TEST_F(WindowFit, EveryChildMaximizedShowsAllItsControlsAndRestoredLooksAsBefore)
{
    LogIn();
    std::vector<std::string> faults;
    TTeItem* restore = main().TeMenuBar2->MDIButton(2);
    for (const auto& [entry, name] : Children()) {
        Click(entry);
        TForm* child = ActivateChildForm(main(), name);
        TTeDefaultForm* skin = FindSkinnedForm(child);
        ASSERT_NE(skin, nullptr) << name;
        // The report window opens maximized.
        if (skin->WindowState() == kwsMaximized)
            Click(restore);
        const std::vector<std::string> places = Places(*child);
        const TRect normal = child->WindowRect();
        const std::vector<TColor> picture = Picture(normal);
        const TRect button = skin->GetButtonRect(kbiMaximize);
        p.s.Click(normal.Left + button.Left + 3, normal.Top + button.Top + 3);
        if (skin->WindowState() != kwsMaximized)
            faults.push_back(std::string(name) + " was not maximized");
        TRect area;
        IntersectRect(area, ClientArea(*child), ClientArea(*main().MDIClient()));
        CheckLayout(*child, area, std::string(name) + " maximized", faults);
        Click(restore);
        if (Places(*child) != places)
            faults.push_back(std::string(name) + " restored has its controls elsewhere");
        if (child->WindowRect() != normal || Picture(normal) != picture)
            faults.push_back(std::string(name) + " restored does not look as before");
        child->Close();
        p.s.ProcessUntilIdle();
    }
    EXPECT_EQ(faults, std::vector<std::string>{});
}

TEST_F(WindowFit, TheBalanceListScrollsToItsLastColumn)
{
    LogIn();
    Click(main().CustomItem19);
    auto* list = dynamic_cast<TFrm_DafSaldo*>(ActivateChildForm(main(), "Frm_DafSaldo"));
    ASSERT_NE(list, nullptr);
    TScrollBox& box = *list->ScrollBox1;
    ASSERT_TRUE(box.WindowScrollBars().Visible(SB_HORZ)) << "the columns are wider than the list";
    const TRect bar = box.WindowScrollBars().BarRect(SB_HORZ);
    const TRect window = box.WindowRect();
    for (int i = 0; i < 200; ++i)
        p.s.Click(window.Left + bar.Right - 8, window.Top + bar.Top + bar.Height() / 2);
    Screenshot("balance-list-scrolled");
    const TRect view = ClientArea(box);
    EXPECT_TRUE(Inside(ScreenRect(*list->Totals[9]), view)) << "the closing Kredit total is in view";
    TControl* lastHeading = nullptr;
    for (int i = 0; i < box.ControlCount(); ++i)
        if (box.Controls(i)->Caption() == "Saldo Akhir")
            lastHeading = box.Controls(i);
    ASSERT_NE(lastHeading, nullptr);
    EXPECT_TRUE(Inside(ScreenRect(*lastHeading), view));
}

TEST_F(WindowFit, LogOffAfterTheClosingClearsTheTitleAndTheStatusBar)
{
    LogIn();
    const std::string title = main().TeForm1->Caption();
    Click(main().CustomItem12);
    auto* closing = dynamic_cast<TF_Cls*>(ActivateChildForm(main(), "F_Cls"));
    ASSERT_NE(closing, nullptr);
    closing->TeForm1->Maximize();
    p.s.ProcessUntilIdle();
    EXPECT_NE(main().TeForm1->Caption(), title) << "a maximized child is named in the title";
    const std::string copy = Scratch("closing-copy");
    files->Choose(copy);
    closing->ZlSpeedButton1->Click();
    Sql("update ref_sistem set ref_tahun=2025");
    boxes.Answer(mrYes);
    boxes.Answer(mrOk);
    p.s.ClickControl(*closing->ZlButton1);
    Screenshot("closing-logged-off");
    EXPECT_FALSE(main().LoggedIn);
    EXPECT_EQ(main().TeForm1->Caption(), title);
    EXPECT_EQ(main().nm_user->Caption(), "");
    EXPECT_EQ(main().Label1->Caption(), "db");
}

TEST_F(WindowFit, LogOffByARestoreClearsTheStatusBar)
{
    LogIn();
    TempDatabase copy;
    p.s.WhenModal([&](TCustomForm& form) {
        if (auto* dialog = dynamic_cast<Tfrm_utils*>(&form)) {
            files->Choose(copy.Path());
            p.s.ClickControl(*dialog->Button1);
            boxes.Answer(mrYes);
            boxes.Answer(mrOk);
            p.s.ClickControl(*dialog->Button2);
        }
    });
    Click(main().CustomItem17);
    p.s.WhenModal(nullptr);
    EXPECT_FALSE(main().LoggedIn);
    EXPECT_EQ(main().nm_user->Caption(), "");
    EXPECT_EQ(main().Label1->Caption(), "db");
}

TEST(MainWindowPlacement, FitsTheScreenTheFirstTimeAndComesBackWhereTheUserLeftIt)
{
    const std::string config = TempDatabasePath("placement") + ".conf";
    const std::string previous = ProgramConfig().Path();
    ProgramConfig().SetPath(config);
    TRect moved;
    {
        THeadlessSession small(800, 600);
        small.App().SetAnimationsEnabled(false);
        StartProgram(small.App());
        small.ProcessUntilIdle();
        EXPECT_EQ(F_Main->TeForm1->WindowState(), kwsMaximized) << "the largest child fits only so";
        F_Main->TeForm1->Restore();
        small.ProcessUntilIdle();
        EXPECT_TRUE(Inside(F_Main->WindowRect(), Screen->WorkAreaRect())) << "restored, it lies within the screen "
                                                                          << Text(F_Main->WindowRect());
        StopProgram();
    }
    std::filesystem::remove(config);
    {
        THeadlessSession s;
        s.App().SetAnimationsEnabled(false);
        StartProgram(s.App());
        s.ProcessUntilIdle();
        TF_Main& main = *F_Main;
        EXPECT_TRUE(Inside(main.WindowRect(), Rect(0, 0, 1024, 768))) << Text(main.WindowRect());
        EXPECT_EQ(main.TeForm1->WindowState(), kwsNormal);
        // Dragged by its caption 50 pixels left and 10 down, then maximized with its caption button.
        const TRect start = main.WindowRect();
        s.MouseDown(start.Left + 300, start.Top + 8);
        s.MoveTo(start.Left + 270, start.Top + 12);
        s.MoveTo(start.Left + 250, start.Top + 18);
        s.MouseUp(start.Left + 250, start.Top + 18);
        moved = main.WindowRect();
        EXPECT_EQ(moved.Left, start.Left - 50);
        EXPECT_GT(moved.Top, start.Top);
        const TRect maximize = main.TeForm1->GetButtonRect(kbiMaximize);
        s.Click(moved.Left + maximize.Left + 4, moved.Top + maximize.Top + 4);
        EXPECT_EQ(main.TeForm1->WindowState(), kwsMaximized);
        StopProgram();
    }
    {
        THeadlessSession s;
        s.App().SetAnimationsEnabled(false);
        StartProgram(s.App());
        s.ProcessUntilIdle();
        EXPECT_EQ(F_Main->TeForm1->WindowState(), kwsMaximized);
        EXPECT_GE(F_Main->WindowRect().Width(), 1024);
        F_Main->TeForm1->Restore();
        s.ProcessUntilIdle();
        EXPECT_EQ(F_Main->WindowRect(), moved);
        StopProgram();
    }
    ProgramConfig().SetPath(previous);
    std::filesystem::remove(config);
}

TEST_F(WindowFit, AMessageBoxIsWideEnoughForItsTitle)
{
    TMessageBoxRequest request{"Selesai", p.s.App().Title(), MB_OK};
    TComponentPtr<TMessageForm> box = Create<TMessageForm>(nullptr, request);
    box->Show();
    p.s.ProcessUntilIdle();
    const TRect close = box->CaptionButtonRect(HTCLOSE);
    ASSERT_FALSE(close.IsEmpty());
    // The title's white letters on the caption colour: the last column that has any.
    const int border = box->ClientOrigin().X - box->WindowRect().Left;
    int lastInk = -1;
    for (int x = border; x < close.Left; ++x)
        for (int y = close.Top; y < close.Bottom; ++y)
            if (p.s.WindowColor(*box, x, y) == clWhite)
                lastInk = x;
    TCanvas measure;
    measure.SetFont(box->Font());
    measure.Font().SetStyle(fsBold);
    EXPECT_GE(lastInk, border + 4 + measure.TextWidth(request.Caption) - 3) << "the whole title is drawn";
    EXPECT_LT(lastInk, close.Left - 2) << "and ends before the close button";
    box->Hide();
}
