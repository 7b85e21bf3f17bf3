#pragma once
// The window of a grid cell's drop-down: a top-most pop-up with a thin border that is never
// activated, so that the cell's editor keeps the focus while the drop-down is used.
#include "platform/ui/TWinControl.h"

inline void SetDropDownWindowParams(TCreateParams& params)
{
    params.Style = (params.Style & ~WS_CHILD) | WS_POPUP | WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
}

// True when the message was the activation request, now refused.
inline bool RefuseDropDownActivation(TMessage& message)
{
    if (message.Msg != WM_MOUSEACTIVATE)
        return false;
    message.Result = MA_NOACTIVATE;
    return true;
}
