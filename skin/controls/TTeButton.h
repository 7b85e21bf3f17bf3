#pragma once
// The skinned push button of every dialog: face, caption and glyph through the current theme or
// in the classic look, the stock kinds, Default and Cancel keys, and a click on release inside.
#include <memory>
#include <string>

#include "platform/graphics/TBitmap.h"
#include "skin/controls/TTeControl.h"

class TBasicAction;
class TActionLink;
class TImageList;

enum TBitBtnKind : uint8_t { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
enum TTeButtonLayout : uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TTeButton : public TTeControl {
public:
    explicit TTeButton(TComponent* AOwner = nullptr);
    ~TTeButton() override;

    TBasicAction* Action() const;
    void SetAction(TBasicAction* v);
    bool ActiveDefault() const { return activeDefault_; }
    bool BlackAndWhiteGlyph() const { return blackAndWhiteGlyph_; }
    void SetBlackAndWhiteGlyph(bool v) { Store(blackAndWhiteGlyph_, v); }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    bool Default() const { return default_; }
    void SetDefault(bool v);
    const TBitmap& Glyph() const { return glyph_; }
    void SetGlyph(const TBitmap& v) { glyph_.Assign(v); }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* v) { Store(images_, v); }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v) { Store(imageIndex_, v); }
    TBitBtnKind Kind() const { return kind_; }
    void SetKind(TBitBtnKind v);
    TTeButtonLayout Layout() const { return layout_; }
    void SetLayout(TTeButtonLayout v) { Store(layout_, v); }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int v) { modalResult_ = v; }
    // Images side by side in Glyph (normal, disabled, pressed); kept in 1..4.
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int v);
    int Spacing() const { return spacing_; }
    void SetSpacing(int v) { Store(spacing_, v); }
    const std::string& ThemeObject() const { return themeObject_; }
    void SetThemeObject(const std::string& v) { Store(themeObject_, v); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { Store(transparent_, v); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v) { Store(wordWrap_, v); }
    bool Down() const { return down_; }

    void Click() override;

    // Where glyph and caption go together, centred; moved by (1, 1) while down.
    virtual TRect GetContentBounds();
    virtual TRect GetCaptionRect();
    virtual TRect GetGlyphRect();

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void Dispatch(TMessage& message) override;
    void PaintClient(TCanvas& canvas) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void DoMouseEnter() override;
    void DoMouseLeave() override;
    void DoFocusExit() override;

    virtual void DrawFace(TCanvas& canvas);
    virtual void DrawGlyph(TCanvas& canvas, const TRect& glyphRect);
    virtual void DrawCaption(TCanvas& canvas, const TRect& captionRect);
    void GlyphChanged();

private:
    template <class T> void Store(T& field, const T& v)
    {
        if (field == v)
            return;
        field = v;
        Invalidate();
    }
    bool ThemeDefined() const;
    // 3 disabled, 2 down, 1 hot, 4 focused, 0 normal.
    uint8_t VisualState() const;
    // PaintFont becomes the theme's font for the state when the theme draws buttons.
    void SelectPaintFont();
    void BuildWorkingGlyph();
    TSize GlyphSize() const;
    struct TLayout {
        TRect Bounds, Caption, Glyph;
    };
    // From the working glyph and the caption measured on 'canvas' in PaintFont.
    TLayout ComputeLayout(TCanvas& canvas);
    // The public layout calls measure on a scratch canvas.
    TLayout MeasuredLayout();
    uint32_t TextFlags() const;

    bool activeDefault_ = false;
    bool blackAndWhiteGlyph_ = false;
    bool cancel_ = false;
    bool default_ = false;
    TBitmap glyph_;
    TBitmap working_;
    TImageList* images_ = nullptr;
    int imageIndex_ = -1;
    TBitBtnKind kind_ = bkCustom;
    TTeButtonLayout layout_ = blGlyphLeft;
    int modalResult_ = 0;
    int numGlyphs_ = 1;
    int spacing_ = 4;
    std::string themeObject_ = "default";
    bool transparent_ = false;
    bool wordWrap_ = false;
    bool down_ = false;
    bool tracking_ = false;
    // Only this control's own Space press may click on Space up.
    bool spaceDown_ = false;
    std::unique_ptr<TActionLink> actionLink_;
};

// Frees the stock kinds' glyphs, loaded on first use.
void FreeButtonGlyphs();
