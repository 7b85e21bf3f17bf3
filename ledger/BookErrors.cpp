#include "ledger/BookErrors.h"

#include "ledger/SharedBooks.h"
#include "ledger/TDtModule.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/data/DbEngine.h"
#include "platform/ui/TApplication.h"

const char* const BooksBusyText =
    "Pengguna lain sedang menyimpan data ke buku ini.\r\n"
    "Tidak ada data yang diubah, silakan ulangi sebentar lagi.";
const char* const BooksReplacedText =
    "File database telah diganti oleh pengguna lain (restore database).\r\n"
    "Tidak ada data yang diubah. Silakan Log Off, lalu login kembali.";
const char* const NotSavedText = "Data gagal disimpan.\r\nTidak ada data yang diubah.";

namespace {

// Set when the book file was found replaced; the user was told, and the connection closed.
bool bookReplaced = false;

} // namespace

void ShowBookError(TComponent*, const std::exception& E)
{
    const bool connected = DtModule && DtModule->CONN1->Connected();
    if (connected)
        bookReplaced = false;
    // What a window still tries on the closed connection (a cancel, a close) fails silently: the
    // user was told once and is on the way out.
    if (bookReplaced && dynamic_cast<const EDatabaseError*>(&E))
        return;
    if (dynamic_cast<const EDatabaseBusy*>(&E)) {
        MessageDlg(BooksBusyText, TMsgDlgType::mtError, mbOK);
    } else if (dynamic_cast<const EChangedByOther*>(&E)) {
        MessageDlg(E.what(), TMsgDlgType::mtError, mbOK);
    } else if (dynamic_cast<const EDatabaseReplaced*>(&E)) {
        // Closed before the box, so that nothing the box lets run tries the old file again.
        bookReplaced = true;
        try {
            if (DtModule)
                DtModule->CONN1->Close();
        } catch (const std::exception&) {
            // The connection is closed even when rolling back on the old file fails.
        }
        MessageDlg(BooksReplacedText, TMsgDlgType::mtError, mbOK);
    } else if (dynamic_cast<const EDatabaseError*>(&E)) {
        MessageDlg(NotSavedText, TMsgDlgType::mtError, mbOK);
    } else if (Application) {
        Application->ShowException(E);
    }
}

void UseBookErrorBoxes(TApplication& App)
{
    App.OnException = ShowBookError;
}
