#pragma once
// Skin objects painted from a nine-part bitmap, with text and children over it: the plain one,
// the active one, the caption button and the push button.
#include "skin/engine/TteBitmapLink.h"
#include "skin/formats/TSeSkinObject.h"

class TSeBitmapObject : public TSeSkinObject {
public:
    explicit TSeBitmapObject(TComponent* owner = nullptr);
    ~TSeBitmapObject() override;
    TteBitmapLink& Bitmap() const { return *bitmap_; }
    TscTileStyle BorderTileStyle() const { return borderTileStyle_; }
    void SetBorderTileStyle(TscTileStyle v) { borderTileStyle_ = v; }
    bool MaskedBorder() const { return maskedBorder_; }
    void SetMaskedBorder(bool v) { maskedBorder_ = v; }
    bool MaskedAngles() const { return maskedAngles_; }
    void SetMaskedAngles(bool v) { maskedAngles_ = v; }
    TscTileStyle TileStyle() const { return tileStyle_; }
    void SetTileStyle(TscTileStyle v) { tileStyle_ = v; }

    void Draw(TCanvas& canvas, const TRect& clip) override;
    TRegion CreateRegion() override;
    void Assign(const TPersistent& source) override;
    static const TMetaClass& Register();

protected:
    // The link the object paints with now.
    virtual const TteBitmapLink& CurrentBitmap() const { return *bitmap_; }
    void EachLink(const std::function<void(TteBitmapLink&, bool byMargins)>& apply) override;
    void DrawBitmap(TCanvas& canvas, const TteBitmapLink& link, const TRect& clip);

private:
    std::unique_ptr<TteBitmapLink> bitmap_;
    TscTileStyle borderTileStyle_ = tsTile;
    bool maskedBorder_ = true;
    bool maskedAngles_ = true;
    TscTileStyle tileStyle_ = tsTile;
};

// Active, hot, pressed or focused: ActiveBitmap; hot or focused also ActiveFont.
class TSeActiveBitmap : public TSeBitmapObject {
public:
    explicit TSeActiveBitmap(TComponent* owner = nullptr);
    TteBitmapLink& ActiveBitmap() const { return *activeBitmap_; }
    TFont& ActiveFont() const { return *activeFont_; }
    TFont& GetFont() override;
    void Assign(const TPersistent& source) override;
    static const TMetaClass& Register();

protected:
    const TteBitmapLink& CurrentBitmap() const override;
    void EachLink(const std::function<void(TteBitmapLink&, bool byMargins)>& apply) override;
    void EachFont(const std::function<void(TFont&)>& apply) override;

private:
    std::unique_ptr<TteBitmapLink> activeBitmap_;
    std::unique_ptr<TFont> activeFont_;
};

// A caption button; its visibility follows the window state and the form's button set.
class TSeSystemButton : public TSeActiveBitmap {
public:
    explicit TSeSystemButton(TComponent* owner = nullptr);
    TSeAction Action() const { return action_; }
    void SetAction(TSeAction v) { action_ = v; }
    TteBitmapLink& BitmapHot() const { return *bitmapHot_; }
    TteBitmapLink& BitmapPressed() const { return *bitmapPressed_; }
    // 0 normal, 1 hot, 2 pressed; set by the theme before drawing.
    int ButtonState() const { return buttonState_; }
    void SetButtonState(int v) { buttonState_ = v; }

    void SetButtons(uint16_t buttons) override;
    void SetState(uint8_t state) override;
    void Draw(TCanvas& canvas, const TRect& clip) override;
    void Assign(const TPersistent& source) override;
    static const TMetaClass& Register();

protected:
    const TteBitmapLink& CurrentBitmap() const override;
    void EachLink(const std::function<void(TteBitmapLink&, bool byMargins)>& apply) override;

private:
    TSeAction action_ = sbaNone;
    std::unique_ptr<TteBitmapLink> bitmapHot_;
    std::unique_ptr<TteBitmapLink> bitmapPressed_;
    int buttonState_ = 0;
};

class TSeButtonObject : public TSeBitmapObject {
public:
    explicit TSeButtonObject(TComponent* owner = nullptr);
    TteBitmapLink& BitmapHot() const { return *links_[0]; }
    TteBitmapLink& BitmapFocused() const { return *links_[1]; }
    TteBitmapLink& BitmapPressed() const { return *links_[2]; }
    TteBitmapLink& BitmapDisabled() const { return *links_[3]; }
    void Assign(const TPersistent& source) override;
    static const TMetaClass& Register();

protected:
    const TteBitmapLink& CurrentBitmap() const override;
    void EachLink(const std::function<void(TteBitmapLink&, bool byMargins)>& apply) override;

private:
    // Hot, focused, pressed, disabled.
    std::unique_ptr<TteBitmapLink> links_[4];
};

// The state's own link when it has one, else the normal one: hot, focused, pressed, disabled.
const TteBitmapLink& StateBitmap(uint8_t state, const TteBitmapLink& normal, const TteBitmapLink& hot,
                                 const TteBitmapLink& focused, const TteBitmapLink& pressed,
                                 const TteBitmapLink& disabled);
// Hides the caption buttons a window state has no use for and shows the others; states 1 and
// above 4 change nothing.
void ApplyWindowState(TSeSkinObject& button, TSeAction action, uint8_t windowState);
// The form's icon, else the program's, else the stock application icon, at the small-icon size
// centred in 'rect': a system-menu button is never blank.
void DrawFormIcon(TCanvas& canvas, const TRect& rect, TControl* control);
// A bitmap link property streams as its Name, Left, Top, Right and Bottom.
template <class T> void AddLinkProperty(TPropertyTable& p, const std::string& name, TteBitmapLink& (T::*get)() const)
{
    p.AddObject<T>(name, [get](const T& o) -> TPersistent* { return &(o.*get)(); });
}
