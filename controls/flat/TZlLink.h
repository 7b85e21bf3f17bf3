#pragma once
// A link: text with a one-colour shadow that takes LinkColor while the mouse is over it and,
// when clicked, opens its caption as an address through the desktop.
#include <cstdint>
#include <string>

#include "platform/controls/ControlTypes.h"
#include "platform/ui/TControl.h"

class TZlLink : public TGraphicControl {
public:
    enum class TShadowPosition { spLeftTop, spLeftBottom, spRightBottom, spRightTop };
    enum class TURLType { utFile, utFtp, utGopher, utHttp, utHttps, utMailto, utNews, utTelnet, utWais };

    explicit TZlLink(TComponent* AOwner = nullptr);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v) { SetAndInvalidate(alignment_, v); }
    // Hides TControl's setter so that fitting keeps the right edge of a right-aligned link.
    void SetAutoSize(bool v);
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* v);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout v) { SetAndInvalidate(layout_, v); }
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor v) { SetAndInvalidate(shadowColor_, v); }
    uint8_t ShadowSize() const { return shadowSize_; }
    void SetShadowSize(uint8_t v);
    TShadowPosition ShadowPos() const { return shadowPos_; }
    void SetShadowPos(TShadowPosition v) { SetAndInvalidate(shadowPos_, v); }
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool v) { SetAndInvalidate(showAccelChar_, v); }
    bool ShowFocus() const { return showFocus_; }
    void SetShowFocus(bool v) { SetAndInvalidate(showFocus_, v); }
    // Kept as the absence of csOpaque in the control style.
    bool Transparent() const { return !(controlStyle_ & csOpaque); }
    void SetTransparent(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    TColor LinkColor() const { return linkColor_; }
    void SetLinkColor(TColor v) { linkColor_ = v; }
    bool URLEnabled() const { return urlEnabled_; }
    void SetURLEnabled(bool v) { urlEnabled_ = v; }
    bool URLTypeAdd() const { return urlTypeAdd_; }
    void SetURLTypeAdd(bool v) { urlTypeAdd_ = v; }
    TURLType URLType() const { return urlType_; }
    void SetURLType(TURLType v) { urlType_ = v; }

    // The caption, with the scheme of URLType in front when URLTypeAdd is on and the caption
    // does not begin with it already.
    std::string Address() const;
    // Hands the address to the desktop; answers whether it was accepted.
    bool OpenLink();
    void Click() override;
    // After a click whose address the desktop did not accept (no program to open it).
    TNotifyEvent OnOpenFailed;

protected:
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    template <class T> void SetAndInvalidate(T& field, T v)
    {
        if (field == v)
            return;
        field = v;
        Invalidate();
    }
    // Draws (or with DT_CALCRECT measures) the shadow and the text; 'rect' becomes their union.
    void DrawLinkText(TCanvas& canvas, TRect& rect, uint32_t flags);
    void AdjustBounds();
    void DialogChar(TMessage& message);

    TAlignment alignment_ = TAlignment::taLeftJustify;
    TWinControl* focusControl_ = nullptr;
    TTextLayout layout_ = TTextLayout::tlTop;
    TColor shadowColor_ = clBtnHighlight;
    uint8_t shadowSize_ = 1;
    TShadowPosition shadowPos_ = TShadowPosition::spLeftTop;
    bool showAccelChar_ = true;
    bool showFocus_ = false;
    bool wordWrap_ = false;
    TColor linkColor_ = clBlue;
    bool urlEnabled_ = true;
    bool urlTypeAdd_ = true;
    TURLType urlType_ = TURLType::utMailto;
    bool focused_ = false;
    TColor savedColor_ = clWindowText;
};
