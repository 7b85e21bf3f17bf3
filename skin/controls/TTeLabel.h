#pragma once
// The skinned static text: a windowless caption with alignment, vertical layout, word wrap, an
// accelerator that focuses another control, and automatic sizing; embossed when disabled.
#include <string>

#include "platform/controls/ControlTypes.h"
#include "platform/core/Alignment.h"
#include "skin/controls/TTeControl.h"

class TTeLabel : public TTeGraphicControl {
public:
    explicit TTeLabel(TComponent* AOwner = nullptr);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v) { Store(alignment_, v); }
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout v) { Store(layout_, v); }
    bool AutoSize() const { return autoSize_; }
    virtual void SetAutoSize(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool v) { Store(showAccelChar_, v); }
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* v);
    // Paints the parent's look beneath the text; False paints Color.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    const std::string& ThemeObject() const { return themeObject_; }
    void SetThemeObject(const std::string& v) { themeObject_ = v; }

    virtual std::string GetLabelText() const { return Caption(); }
    virtual void AdjustBounds();

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void Dispatch(TMessage& message) override;
    void PaintClient(TCanvas& canvas) override;
    virtual void DoDrawText(TCanvas& canvas, TRect& rect, uint32_t flags);

private:
    template <class T> void Store(T& field, const T& v)
    {
        if (field == v)
            return;
        field = v;
        Invalidate();
    }
    uint32_t TextFlags() const;

    TAlignment alignment_ = TAlignment::taLeftJustify;
    TTextLayout layout_ = TTextLayout::tlTop;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
    TWinControl* focusControl_ = nullptr;
    bool transparent_ = true;
    std::string themeObject_ = "default";
};
