#pragma once
// The databases dialog: copies the open database file to a file the user names (backup), or puts
// a named copy back in its place (restore), which logs the program off.
#include "ledger/TLedgerForm.h"

class TEdit;
class TLabel;
class TOpenDialog;
class TSaveDialog;
class TZlButton;
class TZlLabel;

class Tfrm_utils : public TLedgerForm {
public:
    enum class TMode { Backup, Restore };
    explicit Tfrm_utils(TComponent* AOwner = nullptr);

    // Heading, file label and hidden second field as the main window sets them before showing.
    void SetMode(TMode Mode);
    // The heading decides: "Back Up Database" is a backup, any other caption a restore.
    bool IsBackup() const;

    TZlLabel* DsDBLabel1 = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* Edit1 = nullptr;
    TZlButton* Button1 = nullptr;
    TZlButton* Button2 = nullptr;
    TZlButton* ZlButton1 = nullptr;
    TLabel* Label2 = nullptr;
    TEdit* Edit2 = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;
    TOpenDialog* OpenDialog1 = nullptr;

    void Button1Click();
    void Button2Click();

private:
    void Backup();
    void Restore();
};

// Creates the dialog in that mode, shows it modally and frees it.
void ShowDatabaseCopyDialog(Tfrm_utils::TMode Mode);
