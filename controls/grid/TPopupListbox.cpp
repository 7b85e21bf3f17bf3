#include "controls/grid/TPopupListbox.h"

#include "controls/grid/DropDownWindow.h"
#include "controls/grid/TZgDBGridInplaceEdit.h"
#include "platform/core/Clock.h"
#include "platform/core/Unicode.h"

namespace {
constexpr uint64_t SearchResetMs = 5000;
constexpr size_t SearchLimit = 32;
} // namespace

TPopupListbox::TPopupListbox(TComponent* AOwner) : TCustomListBox(AOwner)
{
    SetVisible(false);
    SetTabStop(false);
    SetShowFocus(true);
}

void TPopupListbox::CreateParams(TCreateParams& params)
{
    TCustomListBox::CreateParams(params);
    SetDropDownWindowParams(params);
}

void TPopupListbox::DefaultHandler(TMessage& message)
{
    if (!RefuseDropDownActivation(message))
        TCustomListBox::DefaultHandler(message);
}

void TPopupListbox::KeyPress(char32_t& key)
{
    if (key == 8 || key == 27) {
        searchText_.clear();
    } else if (key >= 32) {
        const uint64_t now = GetTickCount();
        if (now - searchTickCount_ > SearchResetMs)
            searchText_.clear();
        searchTickCount_ = now;
        if (searchText_.size() < SearchLimit)
            searchText_ += key;
        SelectString(-1, Utf32ToUtf8(searchText_));
        key = 0;
    }
    TCustomListBox::KeyPress(key);
}

void TPopupListbox::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomListBox::MouseUp(button, shift, x, y);
    if (auto* editor = dynamic_cast<TZgDBGridInplaceEdit*>(Owner()))
        editor->CloseUp(x >= 0 && x < Width() && y >= 0 && y < Height());
}
