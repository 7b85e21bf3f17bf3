#pragma once
// A container that scrolls its children when they reach beyond its client area, with its own
// scroll bars; OnResize lets a window lay its children out again.
#include <memory>

#include "platform/controls/ControlTypes.h"
#include "platform/controls/TWindowScrollBars.h"
#include "platform/ui/TWinControl.h"

class TScrollBox : public TCustomControl {
public:
    explicit TScrollBox(TComponent* AOwner = nullptr);
    ~TScrollBox() override;

    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    // How far the children are scrolled, in pixels.
    TPoint ScrollPos() const { return scroll_; }
    void ScrollTo(TPoint p);
    // Recomputes the scroll ranges from where the children reach.
    void UpdateScrollRanges();
    TWindowScrollBars& WindowScrollBars() { return *bars_; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

private:
    TSize ContentSize() const;

    std::unique_ptr<TWindowScrollBars> bars_;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    TPoint scroll_;
};
