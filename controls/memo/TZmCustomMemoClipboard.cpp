#include "controls/memo/TZmCustomMemo.h"

#include "platform/controls/AdHocMenu.h"
#include "platform/core/Unicode.h"
#include "platform/ui/TClipboard.h"
#include "platform/ui/TInputRouter.h"

void TZmCustomMemo::CopyToClipboard()
{
    Clipboard().SetAsText(SelText());
}

void TZmCustomMemo::CutToClipboard()
{
    if (!EditAllowed())
        return;
    CopyToClipboard();
    DeleteSelection();
}

void TZmCustomMemo::PasteFromClipboard()
{
    if (!EditAllowed())
        return;
    const std::string text = Clipboard().AsText();
    if (text.empty())
        return;
    InsertText(text);
}

void TZmCustomMemo::GetSel(int& start, int& end) const
{
    start = SelStart();
    end = start + SelLength();
}

void TZmCustomMemo::ShowBuiltInMenu(const TMessage& message)
{
    const bool selected = SelLength() >= 1;
    const auto flag = [](bool enabled) { return enabled ? MF_STRING : MF_GRAYED; };
    HMENU menu = CreatePopupMenu();
    int at = 0;
    InsertMenu(menu, at++, flag(CanUndo() && !readOnly_), 5, "Undo");
    InsertMenu(menu, at++, flag(CanRedo() && !readOnly_), 6, "Redo");
    InsertMenu(menu, at++, MF_SEPARATOR, 0, "");
    InsertMenu(menu, at++, flag(selected), 1, "Copy\tCtrl-C");
    InsertMenu(menu, at++, flag(selected), 2, "Cut\tCtrl-X");
    InsertMenu(menu, at++, flag(Clipboard().HasText() && !readOnly_), 3, "Paste\tCtrl-V");
    InsertMenu(menu, at++, flag(selected && EditAllowed()), 7, "Delete");
    InsertMenu(menu, at++, MF_SEPARATOR, 0, "");
    InsertMenu(menu, at++, MF_STRING, 4, "Select All\tCtrl-A");
    const TCursor cursor = Cursor();
    SetCursor(crDefault);
    TrackPopupMenu(menu, 0, LoWordSigned(message.LParam), HiWordSigned(message.LParam), this);
    DestroyMenu(menu);
    SetCursor(cursor);
}

void TZmCustomMemo::RunCommand(int command)
{
    switch (command) {
    case 1: CopyToClipboard(); break;
    case 2: CutToClipboard(); break;
    case 3: PasteFromClipboard(); break;
    case 4: SelectAll(); break;
    case 5: Undo(); break;
    case 6: Redo(); break;
    case 7: DeleteSelection(); break;
    default: break;
    }
}

bool TZmCustomMemo::HandleMouseAndClipboard(TMessage& message)
{
    switch (message.Msg) {
    case WM_LBUTTONDBLCLK: {
        TCustomControl::Dispatch(message);
        const int x = LoWordSigned(message.LParam);
        const int y = HiWordSigned(message.LParam);
        if (x >= gutter_->GutterWidth() && TextRect().Contains({x, y}) && x <= Width() && lines_->Count() > 0)
            SelectWordAtCaret();
        return true;
    }
    case WM_CONTEXTMENU: {
        if (!Focused() && CanFocus())
            SetFocus();
        const TPoint at = ScreenToClient({LoWordSigned(message.LParam), HiWordSigned(message.LParam)});
        if (PopupMenu() || at.X <= gutter_->GutterWidth())
            TCustomControl::Dispatch(message);
        else
            ShowBuiltInMenu(message);
        message.Result = 1;
        return true;
    }
    case WM_COMMAND:
        RunCommand(LoWord(message.WParam));
        return true;
    case WM_SETCURSOR: {
        const TPoint at = ScreenToClient(GetCursorPos());
        SetCursorShape(TextRect().Contains(at) ? Cursor() : crArrow);
        message.Result = 1;
        return true;
    }
    case WM_DROPFILES:
        if (message.LParam)
            DropFiles(*reinterpret_cast<const std::vector<std::string>*>(message.LParam));
        return true;
    case WM_CUT:
        CutToClipboard();
        return true;
    case WM_COPY:
        CopyToClipboard();
        return true;
    case WM_PASTE:
        PasteFromClipboard();
        return true;
    case EM_GETSEL: {
        int start = 0, end = 0;
        GetSel(start, end);
        if (message.WParam)
            *reinterpret_cast<int*>(message.WParam) = start;
        if (message.LParam)
            *reinterpret_cast<int*>(message.LParam) = end;
        return true;
    }
    default:
        return false;
    }
}
