#pragma once
// The skinned status bar: panels whose widths are negotiated by two priorities (which stay
// visible when space is short, which grow when space is left over), with images, owner drawing,
// docked controls and a size grip that sizes the skinned form.
#include <functional>
#include <memory>
#include <string>

#include "platform/core/Alignment.h"
#include "platform/core/TCollection.h"
#include "skin/controls/TTeControl.h"

class TCustomForm;
class TImageList;
class TTeStatusBar;

enum TTeStatusGliphLayout : uint8_t { sglGlyphLeft, sglGlyphRight };
enum TTeStatusPanelStyle : uint8_t { psText, psOwnerDraw };

class TTeStatusPanel : public TCollectionItem {
public:
    explicit TTeStatusPanel(TCollection& collection);
    ~TTeStatusPanel() override;
    // From another panel; its control is looked up by name among the receiving bar owner's components.
    void Assign(const TPersistent& source) override;
    std::string DisplayName() const override;

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    bool Framed() const { return framed_; }
    void SetFramed(bool v);
    TControl* Control() const { return control_; }
    // EInvalidOperation when 'v' is the bar or one of its parents; the panel keeps its control.
    void SetControl(TControl* v);
    TTeStatusGliphLayout Layout() const { return layout_; }
    void SetLayout(TTeStatusGliphLayout v);
    int Margin() const { return margin_; }
    void SetMargin(int v);
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int v);
    int Spacing() const { return spacing_; }
    void SetSpacing(int v);
    int ViewPriority() const { return viewPriority_; }
    void SetViewPriority(int v);
    int StretchPriority() const { return stretchPriority_; }
    void SetStretchPriority(int v);
    TTeStatusPanelStyle Style() const { return style_; }
    void SetStyle(TTeStatusPanelStyle v);
    bool ShowImage() const { return showImage_; }
    void SetShowImage(bool v);
    const std::string& Text() const { return text_; }
    void SetText(const std::string& v);
    int Width() const { return width_; }
    // Clamped to 0 .. MaxWidth.
    void SetWidth(int v);

    // Layout results: the width the layout gave, whether the panel shows, its edges in the bar.
    int ActualWidth() const { return actualWidth_; }
    int EffectiveWidth() const { return actualWidth_ < maxWidth_ ? actualWidth_ : maxWidth_; }
    bool PanelVisible() const { return visible_; }
    int LeftEdge() const { return left_; }
    int RightEdge() const { return right_; }

    TTeStatusBar* Bar() const;

private:
    friend class TTeStatusBar;
    void Change(bool layout);
    void DetachControl();
    void PlaceControl();

    TAlignment alignment_ = TAlignment::taLeftJustify;
    int imageIndex_ = -1;
    bool framed_ = true;
    TControl* control_ = nullptr;
    TTeStatusGliphLayout layout_ = sglGlyphLeft;
    int margin_ = 2;
    int maxWidth_ = 10000;
    int spacing_ = 4;
    int viewPriority_ = 100;
    int stretchPriority_ = 0;
    TTeStatusPanelStyle style_ = psText;
    bool showImage_ = true;
    std::string text_;
    int width_ = 50;
    int actualWidth_ = 50;
    bool visible_ = true;
    int left_ = 0;
    int right_ = 0;
};

class TTeStatusPanels : public TCollection {
public:
    explicit TTeStatusPanels(TTeStatusBar& bar);
    TTeStatusBar& Bar() const { return bar_; }
    TTeStatusPanel* Items(int index) const { return static_cast<TTeStatusPanel*>(TCollection::Items(index)); }
    TTeStatusPanel* Add() { return static_cast<TTeStatusPanel*>(TCollection::Add()); }

protected:
    void Update(TCollectionItem* item) override;

private:
    TTeStatusBar& bar_;
};

using TTePanelFactory = TCollection::ItemFactory;
using TTeCreatePanelClassEvent = std::function<void(TComponent* Sender, TTePanelFactory& panelClass)>;
using TDrawPanelEvent = std::function<void(TTeStatusBar* Sender, TTeStatusPanel* Panel, const TRect& Rect)>;
using TPanelNotifyEvent = std::function<void(TTeStatusBar* Sender, TTeStatusPanel* Panel)>;

class TTeStatusBar : public TTeControl {
public:
    explicit TTeStatusBar(TComponent* AOwner = nullptr);
    ~TTeStatusBar() override;

    TTeStatusPanels& Panels() { return *panels_; }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* v);
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool v);
    const std::string& ThemeObject() const { return themeObject_; }
    void SetThemeObject(const std::string& v);

    TTeCreatePanelClassEvent OnCreatePanelClass;
    TDrawPanelEvent OnDrawPanel;
    TPanelNotifyEvent OnPanelClick;
    TPanelNotifyEvent OnPanelDblClick;

    virtual TTeStatusPanel* CreatePanel();
    TRect GetContentRect() const override;
    // The panel whose laid-out span holds the point (client coordinates), or null.
    TTeStatusPanel* PanelAtPos(TPoint p) const;
    virtual TRect GetPanelRect(int index) const;
    virtual TRect GetPanelContentRect(const TTeStatusPanel& panel) const;
    virtual TSize GetImageSize(const TTeStatusPanel& panel) const;
    virtual TSize GetTextSize(const TTeStatusPanel& panel) const;
    // Image and text rectangles relative to the panel's content rectangle.
    virtual TRect GetImageRect(const TTeStatusPanel& panel) const;
    virtual TRect GetTextRect(const TTeStatusPanel& panel) const;
    virtual TRect GetGripRect() const;
    // The grip shows at the bottom-right of a form's client area that the form lets size.
    bool GripShown() const;
    // Runs the priority layout and places the panels' controls.
    void LayoutPanels();

protected:
    void Loaded() override;
    void Resize() override;
    void AlignControls(TControl* control, TRect& rect) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;
    void ThemeChanged(int code) override;

    void PaintClient(TCanvas& canvas) override;
    virtual void PaintBackground(TCanvas& canvas);
    virtual void PaintPanel(TCanvas& canvas, TTeStatusPanel& panel, const TRect& rect, bool isLast);
    virtual void PaintPanelText(TCanvas& canvas, TTeStatusPanel& panel, const TRect& rect);
    virtual void PaintPanelImage(TCanvas& canvas, TTeStatusPanel& panel, const TRect& rect);
    virtual void PaintSizeGrip(TCanvas& canvas);
    void RepaintPanel(TCanvas& canvas, int index);
    virtual void PanelClick(TTeStatusPanel* panel);
    virtual void PanelDblClick(TTeStatusPanel* panel);
    virtual void DrawPanel(TTeStatusPanel* panel, const TRect& rect);

private:
    friend class TTeStatusPanel;
    friend class TTeStatusPanels;
    void PanelChanged(TTeStatusPanel* panel);
    void InvalidatePanel(const TTeStatusPanel& panel);
    void PressGrip(int x, int y);

    std::unique_ptr<TTeStatusPanels> panels_;
    TImageList* images_ = nullptr;
    bool sizeGrip_ = true;
    std::string themeObject_ = "default";
    TTeStatusPanel* pressed_ = nullptr;
    bool freeingPanel_ = false;
};

// True when the screen point lies on the grip of the form's first visible status bar.
bool StatusBarGripHit(TCustomForm& form, TPoint screen);
