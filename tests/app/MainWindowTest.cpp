#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlLabel.h"
#include "controls/flat/TZlLink.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/BookErrors.h"
#include "ledger/LoginState.h"
#include "ledger/TDtModule.h"
#include "ledger/TFI_Jurnal.h"
#include "ledger/TFUser_Mngr.h"
#include "ledger/TF_Cls.h"
#include "ledger/TF_Login.h"
#include "ledger/TF_Main.h"
#include "ledger/TFrm_Ajp.h"
#include "ledger/TFrm_CashFlow.h"
#include "ledger/TFrm_DafSaldo.h"
#include "ledger/TFrm_Perkiraan.h"
#include "ledger/TLedgerForm.h"
#include "ledger/Tfrm_utils.h"
#include "reports/TFrm_Report.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TFileDialogResponder.h"
#include "platform/controls/TMessageBoxResponder.h"
#include "platform/core/DesktopOpener.h"
#include "platform/core/ProgramInstance.h"
#include "platform/graphics/SystemMetrics.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeForm.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTeMenuBar.h"
#include "tests/app/ProgramSession.h"
#include "tests/ledger/OtherInstance.h"
#include "tests/skin/controls/MenuChoice.h"

namespace {

class MainWindow : public ::testing::Test {
protected:
    TF_Main& main() { return *F_Main; }
    void Click(TTeItem* item) { p.Click(item); }
    void LogIn() { p.LogIn(); }
    // On a connection of its own, so the program's stays as it is; an empty answer after a statement.
    std::string Sql(const std::string& sql)
    {
        TDtModule other;
        other.CONN1->SetConnectionString("Data Source=" + p.file.Path());
        other.CONN1->Open();
        other.Query1->SQL().Add(sql);
        if (sql.rfind("select", 0) != 0)
            return other.Query1->ExecSQL(), "";
        other.Query1->Open();
        return other.Query1->Fields(0)->AsString();
    }
    std::string UserStatus() { return Sql("select user_status from sis_user where user_login='tukan'"); }
    bool TopItemsDisabled()
    {
        bool any = false;
        for (TTeItem* top : {main().CustomItem1, main().CustomItem2, main().CustomItem3, main().CustomItem4,
                             main().CustomItem13})
            any = any || top->Enabled();
        return !any;
    }
    int ChildrenNamed(const std::string& name)
    {
        int count = 0;
        for (int i = 0; i < main().MDIChildCount(); ++i)
            count += main().MDIChildren(i)->Name() == name;
        return count;
    }
    std::vector<bool> Screen1Enabled()
    {
        std::vector<bool> enabled;
        for (TTeItem* item : {main().CustomItem22, main().CustomItem10, main().CustomItem11, main().CustomItem12,
                              main().CustomItem19, main().CustomItem5, main().CustomItem7, main().CustomItem18,
                              main().CustomItem16, main().CustomItem17})
            enabled.push_back(item->Enabled());
        return enabled;
    }

    TCustomForm* ChildNamed(const std::string& name)
    {
        for (int i = 0; i < main().MDIChildCount(); ++i)
            if (main().MDIChildren(i)->Name() == name)
                return main().MDIChildren(i);
        return nullptr;
    }
    // What the screen shows of a window inside the frame's client area, clear of its scroll bars.
    std::vector<uint32_t> Shown(const TWinControl& window)
    {
        TMDIClient& client = *main().MDIClient();
        const TPoint o = client.ClientToScreen({0, 0});
        const TRect area = Bounds(o.X, o.Y, client.ClientWidth() - GetSystemMetrics(SM_CXVSCROLL),
                                  client.ClientHeight() - GetSystemMetrics(SM_CYHSCROLL));
        TRect r;
        IntersectRect(r, window.WindowRect(), area);
        std::vector<uint32_t> pixels;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                pixels.push_back(p.s.Screen().ScreenPixel(x, y));
        return pixels;
    }

    ProgramSession p;
    TMessageBoxResponder boxes{p.s.App()};
};

const std::vector<bool> AllEnabled(10, true);
const std::vector<bool> Type3Rights{true, true, true, false, false, false, false, false, false, false};

} // namespace

TEST_F(MainWindow, LogInThenLogOffSwitchesBarsUserStatusAndClosesTheChildren)
{
    EXPECT_EQ(p.s.App().MainForm(), F_Main);
    EXPECT_TRUE(main().TeMenuBar1->Visible());
    EXPECT_FALSE(main().TeMenuBar2->Visible());
    EXPECT_FALSE(DtModule->CONN1->Connected()) << "no login at start";
    EXPECT_TRUE(TopItemsDisabled());

    // An instance of this host killed while logged in is forgotten at the login; one logged in stays.
    TOtherInstance(p.file.Path(), "budi").Kill();
    TOtherInstance siti(p.file.Path(), "siti");
    LogIn();
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_TRUE(main().LoggedIn);
    EXPECT_EQ(Sql("select group_concat(user_login || ' ' || host || ' ' || process, ', ') from "
                  "(select * from book_session where since<>'' order by user_login)"),
              "siti " + HostName() + " " + std::to_string(siti.Process()) + ", tukan " + HostName() + " " +
                  std::to_string(ProcessId()));
    EXPECT_EQ(ProgramConfig().ReadString("bukura", "bukuraserver"), p.file.Path());
    EXPECT_EQ(UserStatus(), "1");
    EXPECT_FALSE(main().TeMenuBar1->Visible());
    EXPECT_TRUE(main().TeMenuBar2->Visible());
    EXPECT_EQ(main().TeForm1->MenuBar(), main().TeMenuBar2);
    EXPECT_EQ(main().nm_user->Caption(), "Tukan");
    EXPECT_EQ(main().Label1->Caption(), "db: " + p.file.Path());
    EXPECT_EQ(Screen1Enabled(), AllEnabled);

    // A second "LogIn" while logged in shows no dialog.
    bool shown = false;
    p.s.WhenModal([&](TCustomForm&) { shown = true; });
    main().mn_loginClick();
    EXPECT_FALSE(shown);

    Click(main().CustomItem12);
    EXPECT_EQ(ChildrenNamed("F_Cls"), 1);
    Click(main().CustomItem10);
    Click(main().CustomItem10);
    EXPECT_EQ(ChildrenNamed("Frm_CashFlow"), 1);

    Click(main().CustomItem14);
    EXPECT_FALSE(main().LoggedIn);
    EXPECT_EQ(UserStatus(), "0");
    EXPECT_EQ(Sql("select group_concat(user_login) from book_session"), "siti");
    EXPECT_FALSE(DtModule->CONN1->Connected());
    EXPECT_EQ(main().MDIChildCount(), 0);
    EXPECT_TRUE(main().TeMenuBar1->Visible());
    EXPECT_FALSE(main().TeMenuBar2->Visible());
    EXPECT_TRUE(TopItemsDisabled());
    EXPECT_TRUE(boxes.Shown().empty());

    // Another instance writing past the wait keeps the log-off out of the book: the user is told,
    // and the program ends, so that its session is forgotten as a closed program's is.
    LogIn();
    DtModule->CONN1->SetCommandTimeout(1);
    TDtModule writer;
    writer.CONN1->SetConnectionString("Data Source=" + p.file.Path());
    writer.CONN1->Open();
    writer.CONN1->Execute("begin immediate");
    boxes.Answer(mrOk);
    Click(main().CustomItem14);
    writer.CONN1->Execute("rollback");
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown().back().Text, LogOffUnwrittenText);
    EXPECT_FALSE(main().LoggedIn);
    EXPECT_TRUE(p.s.App().Terminated());
    EXPECT_EQ(Sql("select group_concat(user_login) from (select user_login from book_session order by 1)"),
              "siti,tukan");
}

TEST_F(MainWindow, UnknownUserTypesGetTheNarrowestRightsWithoutAnError)
{
    main().ApplyUserRights("3", 1);
    EXPECT_EQ(Screen1Enabled(), Type3Rights);
    main().ApplyUserRights("1", 1);
    EXPECT_EQ(Screen1Enabled(), AllEnabled);
    for (const char* type : {"0", "x", "", "12"}) {
        main().ApplyUserRights("2", 1);
        main().ApplyUserRights(type, 1);
        EXPECT_EQ(Screen1Enabled(), Type3Rights) << type;
    }
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(MainWindow, TheUserManagerGetsTheRightsOfTheLoggedInType)
{
    LogIn();
    LoginState().UserType = "2";
    Click(main().CustomItem9);
    ASSERT_EQ(ChildrenNamed("FUser_Mngr"), 1);
    EXPECT_FALSE(FUser_Mngr->TeButton1->Enabled() || FUser_Mngr->TeButton2->Enabled() ||
                 FUser_Mngr->TeButton3->Enabled());
    EXPECT_TRUE(FUser_Mngr->TeButton6->Enabled());
}

TEST_F(MainWindow, BothHelpEntriesOpenTheGuideOrSayItIsMissing)
{
    RecordingOpener opener;
    DesktopOpenerOverride use(opener);
    main().GuidePath = TempDatabasePath("guide") + ".html";
    std::ofstream(main().GuidePath) << "<html></html>";
    Click(main().mn_Gude);
    LogIn();
    Click(main().CustomItem26);
    const RecordingOpener::Request expected{main().GuidePath, SW_SHOWNORMAL};
    EXPECT_EQ(opener.requests, (std::vector<RecordingOpener::Request>{expected, expected}));

    std::filesystem::remove(main().GuidePath);
    boxes.Answer(mrOk);
    Click(main().CustomItem26);
    EXPECT_EQ(opener.requests.size(), 2u);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].Text, "File panduan tidak ditemukan:\r\n" + main().GuidePath);

    p.s.ClickControl(*main().ZlLink1);
    ASSERT_EQ(opener.requests.size(), 3u);
    EXPECT_EQ(opener.requests[2].target, "https://www.orvanta.example");
}

TEST_F(MainWindow, AGuideTheDesktopCannotOpenIsNamedInAMessage)
{
    RecordingOpener opener;
    opener.accept = false;
    DesktopOpenerOverride use(opener);
    main().GuidePath = TempDatabasePath("guide") + ".html";
    std::ofstream(main().GuidePath) << "<html></html>";
    boxes.Answer(mrOk);
    Click(main().mn_Gude);
    ASSERT_EQ(opener.requests.size(), 1u);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].Text, "File panduan tidak dapat dibuka:\r\n" + main().GuidePath);
    std::filesystem::remove(main().GuidePath);
}

TEST_F(MainWindow, AWebLinkTheDesktopCannotOpenIsNamedInAMessage)
{
    RecordingOpener opener;
    opener.accept = false;
    DesktopOpenerOverride use(opener);
    boxes.Answer(mrOk);
    p.s.ClickControl(*main().ZlLink1);
    ASSERT_EQ(opener.requests.size(), 1u);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].Text, "Situs web tidak dapat dibuka:\r\nhttps://www.orvanta.example");
    EXPECT_EQ(boxes.Shown()[0].Type, TMsgDlgType::mtError);
}

TEST_F(MainWindow, UnitRowsOutOfOrderKeepTheSmallBarAndNothingRemembered)
{
    // The dialog's own checks are in the login tests; here the main window stays logged off.
    Sql("update ref_unit set nama_unit='A Kalvera' where id_unit=11");
    p.s.WhenModal([&](TCustomForm& form) {
        auto& login = dynamic_cast<TF_Login&>(form);
        login.ed_server->SetText(p.file.Path());
        boxes.Answer(mrOk);
        p.s.ClickControl(*login.TeButton1);
        p.s.ClickControl(*login.TeButton2);
    });
    Click(main().mn_login);
    EXPECT_EQ(boxes.Shown().size(), 1u);
    EXPECT_FALSE(main().LoggedIn);
    EXPECT_TRUE(main().TeMenuBar1->Visible());
    EXPECT_EQ(UserStatus(), "0");
}

TEST_F(MainWindow, LogOffLeavesNoAdjustingVoucherWithoutLinesBehind)
{
    LogIn();
    // Transaction > Adjustment, and a new voucher through its dialog.
    auto newVoucher = [&] {
        Click(main().CustomItem11);
        auto* window = dynamic_cast<TFrm_Ajp*>(ChildNamed("Frm_Ajp"));
        if (!window)
            return window;
        p.s.WhenModal([&](TCustomForm& form) {
            if (auto* dialog = dynamic_cast<TFI_Jurnal*>(&form))
                p.s.ClickControl(*dialog->TeButton1);
        });
        p.s.ClickControl(*window->TeButton4);
        p.s.WhenModal(nullptr);
        return window;
    };
    TFrm_Ajp* adjusting = newVoucher();
    ASSERT_NE(adjusting, nullptr);
    ASSERT_EQ(Sql("select count(*) from T_VOUC where ajp=true"), "1");
    Click(main().CustomItem14);
    EXPECT_EQ(main().MDIChildCount(), 0);
    EXPECT_EQ(Sql("select count(*) from T_VOUC"), "0");
    EXPECT_FALSE(DtModule->CONN1->Connected());

    // A window that refuses to close on an unbalanced voucher stops Log Off, Exit, the main window's
    // close and the year-end closing: the user stays logged in with the books and his windows as
    // they were, and that window comes in front of the others.
    Sql("insert into coa (account_id, account_code, account_name, account_sub) values (7, '7110', 'Listrik', 10)");
    LogIn();
    adjusting = newVoucher();
    ASSERT_NE(adjusting, nullptr);
    adjusting->DBGrid1->SetFocus();
    const auto line = [&](std::initializer_list<const char*> cells) {
        for (const char* cell : cells) {
            p.s.TypeText(cell);
            p.s.PressKey(VK_RETURN, 0, "\r");
        }
    };
    line({"7110", "", "100", ""});
    line({"7110", "", "", "50"});
    const std::string year = Sql("select ref_tahun from ref_sistem");
    TempDatabase chosen;
    auto* files = CreateOwned<TFileDialogResponder>(p.s.App());
    const TRect close = main().TeForm1->GetButtonRect(kbiClose);
    struct TWay {
        const char* Name;
        std::vector<TModalResult> Answers;
        std::function<void(TF_Cls&)> Choose;
    };
    const std::vector<TWay> ways{
        {"Log Off", {mrOk}, [&](TF_Cls&) { Click(main().CustomItem14); }},
        {"Exit", {mrOk}, [&](TF_Cls&) { Click(main().CustomItem15); }},
        {"the frame's close button", {mrOk}, [&](TF_Cls&) {
             p.s.Click(main().WindowRect().Left + close.Left + 3, main().WindowRect().Top + close.Top + 3);
             p.s.ProcessUntilIdle();
         }},
        {"the closing", {mrYes, mrOk}, [&](TF_Cls& closing) {
             closing.Edit1->SetText(p.file.Path() + ".closing");
             p.s.ClickControl(*closing.ZlButton1);
         }},
        {"a restore", {mrOk}, [&](TF_Cls&) {
             files->Choose(chosen.Path());
             p.s.WhenModal([&](TCustomForm& form) {
                 if (auto* dialog = dynamic_cast<Tfrm_utils*>(&form)) {
                     p.s.ClickControl(*dialog->Button1);
                     p.s.ClickControl(*dialog->Button2);
                 }
             });
             Click(main().CustomItem17);
             p.s.WhenModal(nullptr);
         }}};
    for (const TWay& way : ways) {
        SCOPED_TRACE(way.Name);
        Click(main().CustomItem12);
        auto* closing = dynamic_cast<TF_Cls*>(main().ActiveMDIChild());
        ASSERT_NE(closing, nullptr);
        const size_t shown = boxes.Shown().size();
        for (TModalResult answer : way.Answers)
            boxes.Answer(answer);
        way.Choose(*closing);
        ASSERT_EQ(boxes.Shown().size(), shown + way.Answers.size());
        EXPECT_EQ(boxes.Shown().back().Text, "Transaksi anda belum balance silakan perbaiki dulu!");
        EXPECT_FALSE(p.s.App().Terminated());
        EXPECT_TRUE(main().LoggedIn);
        EXPECT_TRUE(main().TeMenuBar2->Visible());
        EXPECT_EQ(UserStatus(), "1");
        EXPECT_TRUE(DtModule->CONN1->Connected());
        EXPECT_EQ(main().ActiveMDIChild(), adjusting);
        EXPECT_EQ(main().MDIChildCount(), 2);
    }
    EXPECT_EQ(Sql("select ref_tahun from ref_sistem"), year);
    EXPECT_FALSE(std::filesystem::exists(p.file.Path() + ".closing"));
    const std::filesystem::path books = p.file.Path();
    for (const auto& entry : std::filesystem::directory_iterator(books.parent_path()))
        EXPECT_FALSE(entry.path().filename().string().starts_with(books.filename().string() + ".tmp")) << entry.path();
    EXPECT_EQ(Sql("select sum(debet) - sum(kredit) from TR_VOUC"), "50");
    EXPECT_TRUE(files->Shown().empty()) << "the restore asks the windows before a file is picked";

    // Balanced, the voucher agrees; a later window that refuses stops the log-off and leaves the
    // adjusting window as it was, still checking its lines as they are left.
    p.s.ClickControl(*adjusting->ZlSpeedButton1);
    line({"7110", "", "", "50"});
    auto* later = CreateOwned<TLedgerForm>(main(), "Later");
    later->SetFormStyle(TFormStyle::fsMDIChild);
    later->OnCloseQuery = [](TComponent*, bool& canClose) { canClose = false; };
    later->Show();
    Click(main().CustomItem14);
    EXPECT_TRUE(main().LoggedIn);
    EXPECT_EQ(main().ActiveMDIChild(), later);
    ActivateChildForm(main(), "Frm_Ajp");
    p.s.ClickControl(*adjusting->ZlSpeedButton1);
    line({"7110", "", "10", ""});
    const size_t unbalanced = boxes.Shown().size();
    boxes.Answer(mrOk);
    adjusting->ZlEdit1->SetFocus();
    p.s.ProcessUntilIdle();
    ASSERT_EQ(boxes.Shown().size(), unbalanced + 1);
    EXPECT_EQ(boxes.Shown().back().Text, "Transaksi anda belum balance silakan perbaiki dulu!");
    p.s.ClickControl(*adjusting->ZlSpeedButton1);
    line({"7110", "", "", "10"});
    int asked = 0;
    later->OnCloseQuery = [&](TComponent*, bool&) { ++asked; };

    // Balanced, the voucher lets the log-off through; each window is asked once.
    const size_t shown = boxes.Shown().size();
    Click(main().CustomItem14);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(boxes.Shown().size(), shown);
    EXPECT_EQ(main().MDIChildCount(), 0);
    EXPECT_FALSE(main().LoggedIn);
    EXPECT_EQ(UserStatus(), "0");
    EXPECT_FALSE(DtModule->CONN1->Connected());
    EXPECT_EQ(Sql("select sum(debet) - sum(kredit) from TR_VOUC"), "0");

    // The frame's close button asks a window once too, before the program ends.
    LogIn();
    auto* last = CreateOwned<TLedgerForm>(main(), "Last");
    last->SetFormStyle(TFormStyle::fsMDIChild);
    asked = 0;
    last->OnCloseQuery = [&](TComponent*, bool&) { ++asked; };
    last->Show();
    p.s.Click(main().WindowRect().Left + close.Left + 3, main().WindowRect().Top + close.Top + 3);
    p.s.ProcessUntilIdle();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(p.s.App().Terminated());
}

TEST_F(MainWindow, LogOffCompletesAfterItsStatementFailsAndAfterTheBookFileWasReplaced)
{
    // Its error is the first box of the session: the program's own box shows it, not a silent OK.
    EXPECT_TRUE(p.s.App().MessageBoxPresenter);
    LogIn();
    Click(main().CustomItem10);
    Sql("alter table sis_user rename to sis_user_gone");
    boxes.Answer(mrOk);
    Click(main().CustomItem14);
    EXPECT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown().back().Text, NotSavedText) << "never the engine's words";
    EXPECT_FALSE(DtModule->CONN1->Connected());
    EXPECT_EQ(main().MDIChildCount(), 0);
    EXPECT_TRUE(main().TeMenuBar1->Visible());

    // Another instance restores a backup while a cash voucher is being added: its cancel says the
    // book file was replaced, and Exit then goes through without a box.
    Sql("alter table sis_user_gone rename to sis_user");
    Sql("insert into coa (account_id, account_code, account_name, account_sub, account_header)"
        " values (900, '1110', 'Kas', 10, 0)");
    Sql("update ref_sistem set id_kas=900");
    LogIn();
    Click(main().CustomItem10);
    auto* cash = dynamic_cast<TFrm_CashFlow*>(ChildNamed("Frm_CashFlow"));
    ASSERT_NE(cash, nullptr);
    p.s.ClickControl(*cash->ZlSpeedButton2);
    const std::string copy = p.file.Path() + ".restored";
    std::filesystem::copy_file(p.file.Path(), copy);
    std::filesystem::rename(copy, p.file.Path());
    boxes.Answer(mrOk);
    p.s.ClickControl(*cash->ZlSpeedButton5);
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown().back().Text, BooksReplacedText);
    EXPECT_TRUE(cash->ZlSpeedButton2->Enabled()) << "the entry is left";
    EXPECT_EQ(cash->ZlEdit1->Text(), "") << "and nothing is shown that could be saved";
    EXPECT_FALSE(cash->ZlSpeedButton3->Enabled());

    // Log Off goes through; replaced again with an entry open, the program is closed at once, as a
    // SIGTERM closes it: the window's clean-up says so once and the program still ends.
    Click(main().CustomItem14);
    EXPECT_EQ(main().MDIChildCount(), 0);
    LogIn();
    Click(main().CustomItem10);
    cash = dynamic_cast<TFrm_CashFlow*>(ChildNamed("Frm_CashFlow"));
    ASSERT_NE(cash, nullptr);
    p.s.ClickControl(*cash->ZlSpeedButton2);
    std::filesystem::copy_file(p.file.Path(), copy);
    std::filesystem::rename(copy, p.file.Path());
    boxes.Answer(mrOk);
    main().Close();
    p.s.ProcessUntilIdle();
    EXPECT_EQ(main().MDIChildCount(), 0);
    EXPECT_TRUE(p.s.App().Terminated()) << "the program ends";
    ASSERT_EQ(boxes.Shown().size(), 3u);
    EXPECT_EQ(boxes.Shown().back().Text, BooksReplacedText);
}

TEST_F(MainWindow, TheAboutBoxOpensAndCloses)
{
    bool shown = false;
    p.s.WhenModal([&](TCustomForm& form) {
        shown = form.Caption() == "About";
        form.Close();
    });
    Click(main().AboutUs);
    EXPECT_TRUE(shown);
    EXPECT_EQ(p.s.App().FindComponent("FAbout"), nullptr);
}

TEST_F(MainWindow, TheReportEntriesOpenTheReportWindowAndTheBalanceListWithTheirRights)
{
    LogIn();
    LoginState().UserType = "x";
    Click(main().CustomItem20);
    Click(main().CustomItem19);
    ASSERT_EQ(ChildrenNamed("Frm_Report"), 1);
    ASSERT_EQ(ChildrenNamed("Frm_DafSaldo"), 1);
    TFrm_Report& report = *Frm_Report;
    // An unknown type gets the narrowest rights.
    EXPECT_FALSE(report.Label3->Enabled() || report.Label81->Enabled() || report.Label100->Enabled() ||
                 report.TeButton1->Enabled() || Frm_DafSaldo->TeButton3->Enabled());
    EXPECT_TRUE(report.Label50->Enabled() && report.Label106->Enabled());
    main().ApplyUserRights("2", 3);
    EXPECT_TRUE(report.Label3->Enabled() && report.Label4->Enabled());
    EXPECT_FALSE(report.Label100->Enabled());
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(MainWindow, AnOpenWindowChosenAgainComesForwardWholeAndAClosingOneUncoversTheWindowBehind)
{
    LogIn();
    ChooseFromMenu(p.s, main(), *main().CustomItem5);
    TCustomForm* chart = ChildNamed("Frm_Perkiraan");
    ASSERT_NE(chart, nullptr);
    const std::vector<uint32_t> chartInFront = Shown(*chart);
    ChooseFromMenu(p.s, main(), *main().CustomItem10);
    TCustomForm* cash = ChildNamed("Frm_CashFlow");
    ASSERT_NE(cash, nullptr);
    EXPECT_NE(Shown(*chart), chartInFront) << "the cash window lies over the chart";
    const std::vector<uint32_t> cashInFront = Shown(*cash);

    ChooseFromMenu(p.s, main(), *main().CustomItem5);
    EXPECT_EQ(main().ActiveMDIChild(), chart);
    EXPECT_EQ(main().MDIChildCount(), 2);
    EXPECT_TRUE(Shown(*chart) == chartInFront) << "the chart shows as it did in front";

    ChooseFromMenu(p.s, main(), *main().CustomItem10);
    EXPECT_TRUE(Shown(*cash) == cashInFront);
    ChooseFromMenu(p.s, main(), *main().CustomItem11);
    TLedgerForm* ajp = dynamic_cast<TLedgerForm*>(ChildNamed("Frm_Ajp"));
    ASSERT_NE(ajp, nullptr);
    EXPECT_NE(Shown(*cash), cashInFront);
    // Rolled up, it shows no "Close" to take Alt+C: the menu bar waits for a letter, and Escape
    // leaves it.
    ajp->TeForm1->Rollup();
    p.s.Screen().KeyDown('C', kmAlt);
    p.s.Screen().KeyUp('C', kmAlt);
    p.s.PressKey(VK_ESCAPE);
    ASSERT_EQ(ChildNamed("Frm_Ajp"), ajp);
    ajp->TeForm1->Restore();
    p.s.PressKey('C', kmAlt);
    EXPECT_EQ(ChildNamed("Frm_Ajp"), nullptr);
    EXPECT_EQ(main().ActiveMDIChild(), cash);
    EXPECT_TRUE(Shown(*cash) == cashInFront) << "the closed window leaves nothing on the cash window";
}

// The report window opens maximized and the chart opened beside it too; when the report closes,
// the chart is back where and as large as it shows alone, framed again, and the title is whole again
// with no child named; brought forward again it stays so. A minimize of the main window changes
// nothing of that.
TEST_F(MainWindow, AChildBesideTheMaximizedReportComesBackAsItWasAloneWhenTheReportCloses)
{
    LogIn();
    ChooseFromMenu(p.s, main(), *main().CustomItem5);
    TCustomForm* chart = ChildNamed("Frm_Perkiraan");
    ASSERT_NE(chart, nullptr);
    const TRect alone = chart->BoundsRect();
    const TRect client = chart->ClientRect();
    p.s.ClickControl(*dynamic_cast<TFrm_Perkiraan&>(*chart).TeButton1);
    ASSERT_EQ(ChildNamed("Frm_Perkiraan"), nullptr);

    ChooseFromMenu(p.s, main(), *main().CustomItem20);
    EXPECT_TRUE(main().Caption().ends_with(" - [Report]")) << main().Caption();
    ChooseFromMenu(p.s, main(), *main().CustomItem5);
    chart = ChildNamed("Frm_Perkiraan");
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(main().Caption().ends_with(" - [Record List Of Kategori Perkiraan]")) << main().Caption();
    ChooseFromMenu(p.s, main(), *main().CustomItem20);
    // The main window minimized and brought back meanwhile leaves the chart where it lies.
    p.s.App().Minimize();
    p.s.ProcessUntilIdle();
    p.s.App().Restore();
    p.s.ProcessUntilIdle();
    p.s.ClickControl(*Frm_Report->TeButton2);
    ASSERT_EQ(ChildNamed("Frm_Report"), nullptr);
    EXPECT_EQ(main().Caption(), "Bukura - Free Accounting System - Orvanta, https://www.orvanta.example");
    EXPECT_EQ(main().TeMenuBar2->MDIChildSkin(), nullptr);
    EXPECT_EQ(chart->BoundsRect(), alone);
    EXPECT_EQ(chart->ClientRect(), client);

    ChooseFromMenu(p.s, main(), *main().CustomItem10);
    ChooseFromMenu(p.s, main(), *main().CustomItem5);
    EXPECT_EQ(main().ActiveMDIChild(), chart);
    EXPECT_EQ(chart->BoundsRect(), alone);
    EXPECT_EQ(main().Caption().find('['), std::string::npos) << main().Caption();
}

// The close button of a child's frame (of the bar, while the child is maximized) frees the child
// as its own Close button does, whichever window it is.
TEST_F(MainWindow, EveryChildClosedByItsFramesCloseButtonIsFreed)
{
    LogIn();
    for (TTeItem* entry : {main().CustomItem5, main().CustomItem7, main().CustomItem6, main().CustomItem21,
                           main().CustomItem9, main().CustomItem18, main().CustomItem22, main().CustomItem10,
                           main().CustomItem11, main().CustomItem12, main().CustomItem19, main().CustomItem20}) {
        SCOPED_TRACE(entry->Caption());
        Click(entry);
        auto* child = dynamic_cast<TLedgerForm*>(main().ActiveMDIChild());
        ASSERT_NE(child, nullptr);
        TPoint at;
        if (child->TeForm1->WindowState() == kwsMaximized) {
            TTeMenuBar& bar = *main().TeMenuBar2;
            const TRect r = bar.View().GetItemRect(bar.MDIButton(1));
            at = bar.ClientToScreen({r.Left + 3, r.Top + 3});
        } else {
            const TRect r = child->TeForm1->GetButtonRect(kbiClose);
            at = {child->WindowRect().Left + r.Left + 3, child->WindowRect().Top + r.Top + 3};
        }
        p.s.Click(at.X, at.Y);
        p.s.ProcessUntilIdle();
        EXPECT_EQ(main().MDIChildCount(), 0);
        EXPECT_EQ(main().Caption().find('['), std::string::npos) << main().Caption();
    }
}
