#include "platform/ui/TPopupWindow.h"

#include <algorithm>

#include "platform/ui/TScreen.h"

TPopupWindow::TPopupWindow(TComponent* AOwner) : TCustomControl(AOwner)
{
    InitVisible(false);
    SetBounds(0, 0, 100, 100);
}

void TPopupWindow::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.Style = WS_POPUP | WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
}

void TPopupWindow::DefaultHandler(TMessage& message)
{
    if (message.Msg == WM_MOUSEACTIVATE) {
        message.Result = MA_NOACTIVATE;
        return;
    }
    TCustomControl::DefaultHandler(message);
}

void TPopupWindow::Popup(int x, int y)
{
    if (Screen) {
        const TRect area = Screen->MonitorFromPoint({x, y}).WorkareaRect;
        x = std::max(area.Left, std::min(x, area.Right - Width()));
        y = std::max(area.Top, std::min(y, area.Bottom - Height()));
    }
    SetBounds(x, y, Width(), Height());
    HandleNeeded();
    Show();
}
