#pragma once
// Skin objects painted from one bitmap with text over it and no children drawn: the plain one,
// the form part with an inactive look, the caption button, and the boxes cut by margins.
#include "skin/formats/TSeBitmapObject.h"

class TSeBitmapSkinObject : public TSeSkinObject {
public:
    explicit TSeBitmapSkinObject(TComponent* owner = nullptr);
    ~TSeBitmapSkinObject() override;
    TteBitmapLink& Bitmap() const { return *bitmap_; }
    TscTileStyle TileStyle() const { return tileStyle_; }
    void SetTileStyle(TscTileStyle v) { tileStyle_ = v; }

    void Draw(TCanvas& canvas, const TRect& clip) override;
    TRegion CreateRegion() override;
    void Assign(const TPersistent& source) override;
    static const TMetaClass& Register();

protected:
    virtual const TteBitmapLink& CurrentBitmap() const { return *bitmap_; }
    virtual void DrawBitmap(TCanvas& canvas, const TteBitmapLink& link, const TRect& clip);
    void EachLink(const std::function<void(TteBitmapLink&, bool byMargins)>& apply) override;

private:
    std::unique_ptr<TteBitmapLink> bitmap_;
    TscTileStyle tileStyle_ = tsTile;
};

class TSeFormBitmapSkinObject : public TSeBitmapSkinObject {
public:
    explicit TSeFormBitmapSkinObject(TComponent* owner = nullptr);
    TteBitmapLink& InactiveBitmap() const { return *inactiveBitmap_; }
    void Assign(const TPersistent& source) override;
    static const TMetaClass& Register();

protected:
    const TteBitmapLink& CurrentBitmap() const override;
    void EachLink(const std::function<void(TteBitmapLink&, bool byMargins)>& apply) override;

private:
    std::unique_ptr<TteBitmapLink> inactiveBitmap_;
};

// A caption button without an active look.
class TSeSysButtonSkinObject : public TSeBitmapSkinObject {
public:
    explicit TSeSysButtonSkinObject(TComponent* owner = nullptr);
    TSeAction Action() const { return action_; }
    void SetAction(TSeAction v) { action_ = v; }
    TteBitmapLink& BitmapHover() const { return *bitmapHover_; }
    TteBitmapLink& BitmapDown() const { return *bitmapDown_; }
    const std::string& RollPanel() const { return rollPanel_; }
    void SetRollPanel(const std::string& v) { rollPanel_ = v; }
    // 0 normal, 1 hot, 2 pressed; set by the theme before drawing.
    int ButtonState() const { return buttonState_; }
    void SetButtonState(int v) { buttonState_ = v; }

    void SetState(uint8_t state) override;
    void Draw(TCanvas& canvas, const TRect& clip) override;
    void Assign(const TPersistent& source) override;
    static const TMetaClass& Register();

protected:
    const TteBitmapLink& CurrentBitmap() const override;
    void EachLink(const std::function<void(TteBitmapLink&, bool byMargins)>& apply) override;

private:
    TSeAction action_ = sbaNone;
    std::unique_ptr<TteBitmapLink> bitmapHover_;
    std::unique_ptr<TteBitmapLink> bitmapDown_;
    std::string rollPanel_;
    int buttonState_ = 0;
};

class TSeBitmapBoxObject : public TSeBitmapSkinObject {
public:
    using TSeBitmapSkinObject::TSeBitmapSkinObject;
    TscTileStyle BorderTileStyle() const { return borderTileStyle_; }
    void SetBorderTileStyle(TscTileStyle v) { borderTileStyle_ = v; }
    void Assign(const TPersistent& source) override;
    static const TMetaClass& Register();

protected:
    void DrawBitmap(TCanvas& canvas, const TteBitmapLink& link, const TRect& clip) override;
    void EachLink(const std::function<void(TteBitmapLink&, bool byMargins)>& apply) override;

private:
    TscTileStyle borderTileStyle_ = tsTile;
};

// Hot or focused: FocusedBitmap.
class TSeActiveBitmapBoxObject : public TSeBitmapBoxObject {
public:
    explicit TSeActiveBitmapBoxObject(TComponent* owner = nullptr);
    TteBitmapLink& FocusedBitmap() const { return *focusedBitmap_; }
    void Assign(const TPersistent& source) override;
    static const TMetaClass& Register();

protected:
    const TteBitmapLink& CurrentBitmap() const override;
    void EachLink(const std::function<void(TteBitmapLink&, bool byMargins)>& apply) override;

private:
    std::unique_ptr<TteBitmapLink> focusedBitmap_;
};

class TSeButtonBitmapBoxObject : public TSeBitmapBoxObject {
public:
    explicit TSeButtonBitmapBoxObject(TComponent* owner = nullptr);
    TteBitmapLink& HotBitmap() const { return *links_[0]; }
    TteBitmapLink& FocusedBitmap() const { return *links_[1]; }
    TteBitmapLink& PressedBitmap() const { return *links_[2]; }
    TteBitmapLink& DisabledBitmap() const { return *links_[3]; }
    void Assign(const TPersistent& source) override;
    static const TMetaClass& Register();

protected:
    const TteBitmapLink& CurrentBitmap() const override;
    void EachLink(const std::function<void(TteBitmapLink&, bool byMargins)>& apply) override;

private:
    // Hot, focused, pressed, disabled.
    std::unique_ptr<TteBitmapLink> links_[4];
};
