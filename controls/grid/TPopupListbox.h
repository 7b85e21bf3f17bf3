#pragma once
// The pick list of a grid cell: a pop-up list with incremental search. Characters typed within
// five seconds of each other build a search text of up to 32 characters, and the first entry
// beginning with it is selected.
#include <cstdint>
#include <string>

#include "platform/controls/TCustomListBox.h"

class TPopupListbox : public TCustomListBox {
public:
    explicit TPopupListbox(TComponent* AOwner);

    const std::u32string& SearchText() const { return searchText_; }

protected:
    void CreateParams(TCreateParams& params) override;
    void DefaultHandler(TMessage& message) override;
    void KeyPress(char32_t& key) override;
    // Any button released closes the list, accepted when released over it.
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    std::u32string searchText_;
    uint64_t searchTickCount_ = 0;
};
