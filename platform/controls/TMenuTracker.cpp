#include "platform/controls/TMenuTracker.h"

#include <algorithm>

#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"

namespace {

std::string Label(const std::string& text)
{
    return text.substr(0, text.find('\t'));
}

std::string Shortcut(const std::string& text)
{
    const size_t tab = text.find('\t');
    return tab == std::string::npos ? std::string() : text.substr(tab + 1);
}

} // namespace

TMenuResponder::TMenuResponder(TComponent* AOwner) : TComponent(AOwner)
{
    SetName(ComponentName);
}

int TMenuResponder::Respond(const std::vector<TMenuEntry>& entries)
{
    shown_.push_back(entries);
    if (choices_.empty())
        throw EHeadlessStall("A menu without a scripted choice");
    const std::string choice = choices_.front();
    choices_.pop_front();
    for (size_t i = 0; i < entries.size(); ++i)
        if (!entries[i].Separator && Label(entries[i].Text) == choice)
            return entries[i].Enabled ? static_cast<int>(i) : -1;
    return -1;
}

TMenuResponder* TMenuResponder::Find()
{
    if (!Application)
        return nullptr;
    return dynamic_cast<TMenuResponder*>(Application->FindComponent(ComponentName));
}

int TrackMenu(const std::vector<TMenuEntry>& entries, int x, int y)
{
    if (!Application)
        throw EInvalidOperation("A menu needs a running application");
    if (TMenuResponder* responder = TMenuResponder::Find())
        return responder->Respond(entries);
    if (entries.empty())
        return -1;
    TComponentPtr<TMenuWindow> window = Create<TMenuWindow>(nullptr, entries);
    TWeakRef<TComponent> previousFocus(Application->FocusedWindow());
    window->Popup(x, y);
    window->SetMouseCapture(true);
    Application->SetFocusedWindow(window.get());
    auto restore = [&] {
        if (window->MouseCapture())
            window->SetMouseCapture(false);
        window->Hide();
        if (auto* focus = dynamic_cast<TWinControl*>(previousFocus.Get()); focus && focus->CanFocus())
            Application->SetFocusedWindow(focus);
        else if (Application->FocusedWindow() == window.get())
            Application->SetFocusedWindow(nullptr);
    };
    try {
        while (!window->Finished() && !Application->Terminated())
            Application->HandleMessage();
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return window->Chosen();
}

TMenuWindow::TMenuWindow(TComponent* AOwner, const std::vector<TMenuEntry>& entries)
    : TPopupWindow(AOwner), entries_(entries)
{
    SetColor(clMenu);
    TCanvas measure;
    measure.SetFont(Font());
    int labelWidth = 0;
    int shortcutWidth = 0;
    int height = 4;
    for (const auto& e : entries_) {
        labelWidth = std::max(labelWidth, measure.TextWidth(Label(e.Text)));
        shortcutWidth = std::max(shortcutWidth, measure.TextWidth(Shortcut(e.Text)));
        height += e.Separator ? SeparatorHeight : ItemHeight;
    }
    SetBounds(0, 0, 20 + labelWidth + (shortcutWidth ? 24 + shortcutWidth : 0) + 24, height);
}

TRect TMenuWindow::EntryRect(int index) const
{
    int top = 2;
    for (int i = 0; i < index && i < static_cast<int>(entries_.size()); ++i)
        top += entries_[static_cast<size_t>(i)].Separator ? SeparatorHeight : ItemHeight;
    const int h = entries_[static_cast<size_t>(index)].Separator ? SeparatorHeight : ItemHeight;
    return Rect(2, top, Width() - 2, top + h);
}

int TMenuWindow::EntryAt(TPoint p) const
{
    for (int i = 0; i < static_cast<int>(entries_.size()); ++i)
        if (EntryRect(i).Contains(p))
            return entries_[static_cast<size_t>(i)].Separator ? -1 : i;
    return -1;
}

void TMenuWindow::Finish(int chosen)
{
    chosen_ = chosen;
    finished_ = true;
}

void TMenuWindow::MoveHot(int direction)
{
    const int n = static_cast<int>(entries_.size());
    int i = hot_;
    for (int step = 0; step < n; ++step) {
        i = (i + direction + n) % n;
        if (!entries_[static_cast<size_t>(i)].Separator && entries_[static_cast<size_t>(i)].Enabled) {
            hot_ = i;
            Invalidate();
            return;
        }
    }
}

void TMenuWindow::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTALLKEYS | DLGC_WANTARROWS;
        return;
    case WM_KEYDOWN:
        switch (message.WParam) {
        case VK_UP: MoveHot(-1); break;
        case VK_DOWN: MoveHot(1); break;
        case VK_RETURN:
            if (hot_ >= 0)
                Finish(hot_);
            break;
        case VK_ESCAPE: Finish(-1); break;
        default: break;
        }
        return;
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
        TPopupWindow::DefaultHandler(message);
        Finish(chosen_);
        return;
    default:
        TPopupWindow::DefaultHandler(message);
    }
}

void TMenuWindow::MouseMove(TShiftState shift, int x, int y)
{
    const int at = EntryAt({x, y});
    const int hot = at >= 0 && entries_[static_cast<size_t>(at)].Enabled ? at : -1;
    if (hot != hot_ && (hot >= 0 || ClientRect().Contains({x, y}))) {
        hot_ = hot;
        Invalidate();
    }
    TPopupWindow::MouseMove(shift, x, y);
}

void TMenuWindow::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (!ClientRect().Contains({x, y}))
        Finish(-1);
    TPopupWindow::MouseDown(button, shift, x, y);
}

void TMenuWindow::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    const int at = EntryAt({x, y});
    if (at >= 0 && entries_[static_cast<size_t>(at)].Enabled)
        Finish(at);
    else if (!finished_)
        SetMouseCapture(true);
    TPopupWindow::MouseUp(button, shift, x, y);
}

void TMenuWindow::Paint()
{
    TCanvas& canvas = Canvas();
    TRect r = ClientRect();
    canvas.Brush().SetColor(clMenu);
    canvas.FillRect(r);
    TRect edge = r;
    DrawEdge(canvas, edge, EDGE_RAISED, BF_RECT);
    canvas.SetFont(Font());
    canvas.SetBkMode(TRANSPARENT);
    for (int i = 0; i < static_cast<int>(entries_.size()); ++i) {
        const TMenuEntry& e = entries_[static_cast<size_t>(i)];
        TRect item = EntryRect(i);
        if (e.Separator) {
            TRect line = Rect(item.Left + 1, item.Top + SeparatorHeight / 2 - 1, item.Right - 1, item.Top + SeparatorHeight / 2 + 1);
            DrawEdge(canvas, line, EDGE_ETCHED, BF_TOP);
            continue;
        }
        const bool hot = i == hot_;
        if (hot) {
            canvas.Brush().SetColor(clHighlight);
            canvas.FillRect(item);
        }
        const TColor text = !e.Enabled ? clGrayText : hot ? clHighlightText : clMenuText;
        if (e.Checked)
            DrawCheckMark(canvas, item.Left + 5, item.Top + (ItemHeight - 7) / 2, text);
        TRect labelRect = Rect(item.Left + 18, item.Top, item.Right - 8, item.Bottom);
        if (!e.Enabled && !hot) {
            TRect shadow = labelRect;
            shadow.Offset(1, 1);
            canvas.SetTextColor(clBtnHighlight);
            canvas.DrawText(Label(e.Text), shadow, DT_SINGLELINE | DT_VCENTER);
        }
        canvas.SetTextColor(text);
        canvas.DrawText(Label(e.Text), labelRect, DT_SINGLELINE | DT_VCENTER);
        canvas.DrawText(Shortcut(e.Text), labelRect, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    }
}
