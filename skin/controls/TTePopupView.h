#pragma once
// The item view of one menu column: it sizes, moves and repaints its popup window.
#include "skin/controls/TTeItemView.h"

class TTePopupWindow;

class TTePopupView : public TTeItemView {
public:
    explicit TTePopupView(TTePopupWindow& window);

    TTePopupWindow& Window() const { return window_; }

    void SetViewSize(TSize size) override;
    void MoveView(TPoint point) override;
    void InvalidateView() override;
    void RepaintItem(TTeItem* item) override;
    void RepaintScrollArrow(uint8_t direction) override;

protected:
    void ShowSubmenu(TTeItem& item, TPoint popupPoint, const TRect& itemRect) override;

private:
    TTePopupWindow& window_;
};
