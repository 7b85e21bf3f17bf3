#pragma once
// The frame of a menu column: a borderless skinned form that draws the theme's popup-menu frame
// (or the classic three-line one), paints the column inside it, and keeps the caption of the
// form behind drawn as active while the menu is up.
#include <functional>

#include "skin/controls/TTeForm.h"

class TTePopupForm : public TTeForm {
public:
    explicit TTePopupForm(TComponent* AOwner = nullptr);

    // The form whose caption stays active; null for none.
    TWinControl* FrameWindow() const { return frameWindow_; }
    void SetFrameWindow(TWinControl* v) { frameWindow_ = v; }
    // Paints the column onto the client area's canvas.
    std::function<void(TCanvas& canvas)> OnPaintContent;

    bool ThemeDefinesPopup() const;
    // The column's area inside a frame of the given size.
    TRect ContentRectFor(int width, int height) const;
    TRect GetClientRect() override { return ContentRectFor(FrameWidth(), FrameHeight()); }
    TPoint GetMinTrackSize() override { return {10, 10}; }
    TRegion CreateRegion() override;
    void DrawFrame(TCanvas& canvas) override;
    void DrawBackground(TCanvas& canvas) override;

protected:
    void Dispatch(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TWinControl* frameWindow_ = nullptr;
};
