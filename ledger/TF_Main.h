#pragma once
// The main window: the parent of every list and entry window, with the small menu bar before
// login and the full one after it, whose entries are enabled by the user's type.
#include <string>

#include "ledger/TLedgerForm.h"

class TLabel;
class TPanel;
class TTeItem;
class TTeMenuBar;
class TTeThemeEngine;
class TTeThemeList;
class TZlLabel;
class TZlLink;

class TF_Main : public TLedgerForm {
public:
    explicit TF_Main(TComponent* AOwner = nullptr);
    // Remembers the window's place, size and state in the settings for the next start.
    ~TF_Main() override;
    void AfterConstruction() override;

    TPanel* Panel1 = nullptr;
    TZlLabel* ZlLabel1 = nullptr;
    TPanel* Panel3 = nullptr;
    TTeMenuBar* TeMenuBar1 = nullptr;
    TTeMenuBar* TeMenuBar2 = nullptr;
    TPanel* Panel2 = nullptr;
    TZlLabel* nm_user = nullptr;
    TLabel* Label1 = nullptr;
    TZlLink* ZlLink1 = nullptr;
    TTeThemeList* TeThemeList1 = nullptr;
    TTeThemeEngine* TeThemeEngine1 = nullptr;

    TTeItem* mn_user = nullptr;
    TTeItem* mn_login = nullptr;
    TTeItem* mn_exit = nullptr;
    TTeItem* mn_help = nullptr;
    TTeItem* mn_Gude = nullptr;
    TTeItem* AboutUs = nullptr;

    TTeItem* CustomItem1 = nullptr;
    TTeItem* CustomItem5 = nullptr;
    TTeItem* CustomItem7 = nullptr;
    TTeItem* CustomItem6 = nullptr;
    TTeItem* CustomItem8 = nullptr;
    TTeItem* CustomItem21 = nullptr;
    TTeItem* CustomItem9 = nullptr;
    TTeItem* CustomItem18 = nullptr;
    TTeItem* CustomItem25 = nullptr;
    TTeItem* CustomItem26 = nullptr;
    TTeItem* CustomItem23 = nullptr;
    TTeItem* CustomItem2 = nullptr;
    TTeItem* CustomItem22 = nullptr;
    TTeItem* CustomItem24 = nullptr;
    TTeItem* CustomItem10 = nullptr;
    TTeItem* CustomItem11 = nullptr;
    TTeItem* CustomItem12 = nullptr;
    TTeItem* CustomItem3 = nullptr;
    TTeItem* CustomItem19 = nullptr;
    TTeItem* CustomItem20 = nullptr;
    TTeItem* CustomItem4 = nullptr;
    TTeItem* CustomItem16 = nullptr;
    TTeItem* CustomItem17 = nullptr;
    TTeItem* CustomItem13 = nullptr;
    TTeItem* CustomItem14 = nullptr;
    TTeItem* CustomItem15 = nullptr;

    bool LoggedIn = false;
    // The user guide the help entries open; beside the program unless a test points elsewhere.
    std::string GuidePath;

    void ShowFullMenu();
    // Any type but "1" and "2" gets the rights of type 3; a screen whose window is not open is skipped.
    void ApplyUserRights(const std::string& UserType, int Screen);
    // Shows the child of that component name, or creates its class when it is registered; the
    // child, or null when the class is not built.
    TForm* OpenChild(const std::string& className, const std::string& name);

    void mn_loginClick();
    // The budget entry: brings an open budget window forward, or creates it and rebuilds its table.
    void CustomItem7Click();
    void CustomItem14Click();
    // Every child window asked to close first; when one refuses, nothing more happens and the
    // answer is false. Then UpdateUserStatus marks the user logged out in sis_user and disconnects
    // (without it, for a restore, which replaces the file, the caller disconnects), and the small
    // bar comes back with the full bar's top items disabled. When another instance's write keeps
    // the mark out past the wait, the user is told and the program ends, so that its session goes.
    bool LogOff(bool UpdateUserStatus);
    // Asks every child window but 'Except' and those already closed whether it may close, in index
    // order; none closes. The first that refuses is brought in front, and the answer is false.
    bool ChildrenAgreeToClose(TCustomForm* Except = nullptr);
    // The children asked as above, and closed once all agree; the answer is false when one refused.
    bool CloseChildren(TCustomForm* Except = nullptr);
    // Only asks the children; they close, and the user is logged off, as the window closes.
    bool CloseQuery() override;
    void ShowAbout();
    void ShowGuide();

protected:
    void FormActivate() override;
    // The program ends only once the children have closed and the user is logged off.
    void DoClose(TCloseAction& action) override;

private:
    void FormCreate();
    void BuildSmallBar();
    void BuildFullBar();
    void EnableTopItems(bool enabled);
    void RestorePlacement();
    void SavePlacement();
    TTeItem* Item(TTeItem& parent, const char* name, const char* caption, bool visible = true);

    bool startMaximized_ = false;
};

// The main window's child of that component name, brought forward; null when none is open.
TForm* ActivateChildForm(TForm& Main, const std::string& Name);

extern TF_Main* F_Main;

// A log-off that another instance's write kept from the book; the program ends after it.
extern const char* const LogOffUnwrittenText;
