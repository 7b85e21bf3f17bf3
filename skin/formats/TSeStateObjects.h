#pragma once
// Skin objects that change colour or font with the state the theme sets, and the plain ones
// that only add stored values.
#include "skin/formats/TSeSkinObject.h"

// Active, hot, pressed or focused: ActiveColor and ActiveFont.
class TSeActiveObject : public TSeSkinObject {
public:
    explicit TSeActiveObject(TComponent* owner = nullptr);
    TColor ActiveColor() const { return activeColor_; }
    void SetActiveColor(TColor v) { activeColor_ = v; }
    TFont& ActiveFont() const { return *activeFont_; }
    TFont& GetFont() override;
    void Assign(const TPersistent& source) override;
    static const TMetaClass& Register();

protected:
    virtual bool UsesActiveLook() const;
    TColor CurrentColor() const override;
    void EachColor(const std::function<void(TColor&)>& apply) override;
    void EachFont(const std::function<void(TFont&)>& apply) override;

private:
    TColor activeColor_ = clWhite;
    std::unique_ptr<TFont> activeFont_;
};

// Only hot and focused take the active look.
class TSeActiveSkinObject : public TSeActiveObject {
public:
    using TSeActiveObject::TSeActiveObject;
    static const TMetaClass& Register();

protected:
    bool UsesActiveLook() const override;
};

class TSeColorButtonObject : public TSeSkinObject {
public:
    explicit TSeColorButtonObject(TComponent* owner = nullptr);
    TColor HotColor() const { return colors_[0]; }
    TColor PressedColor() const { return colors_[1]; }
    TColor FocusedColor() const { return colors_[2]; }
    TColor DisabledColor() const { return colors_[3]; }
    void SetHotColor(TColor v) { colors_[0] = v; }
    void SetPressedColor(TColor v) { colors_[1] = v; }
    void SetFocusedColor(TColor v) { colors_[2] = v; }
    void SetDisabledColor(TColor v) { colors_[3] = v; }
    TFont& HotFont() const { return *fonts_[0]; }
    TFont& PressedFont() const { return *fonts_[1]; }
    TFont& FocusedFont() const { return *fonts_[2]; }
    TFont& DisabledFont() const { return *fonts_[3]; }
    TFont& GetFont() override;
    void Assign(const TPersistent& source) override;
    static const TMetaClass& Register();

protected:
    TColor CurrentColor() const override;
    void EachColor(const std::function<void(TColor&)>& apply) override;
    void EachFont(const std::function<void(TFont&)>& apply) override;

private:
    // Hot, pressed, focused, disabled.
    TColor colors_[4] = {clWhite, clWhite, clWhite, clWhite};
    std::unique_ptr<TFont> fonts_[4];
};

class TSeTextObject : public TSeSkinObject {
public:
    explicit TSeTextObject(TComponent* owner = nullptr);
    TFont& FontHot() const { return *fonts_[0]; }
    TFont& FontFocused() const { return *fonts_[1]; }
    TFont& FontPressed() const { return *fonts_[2]; }
    TFont& FontDisabled() const { return *fonts_[3]; }
    TFont& GetFont() override;
    void Assign(const TPersistent& source) override;
    static const TMetaClass& Register();

protected:
    void EachFont(const std::function<void(TFont&)>& apply) override;

private:
    // Hot, focused, pressed, disabled.
    std::unique_ptr<TFont> fonts_[4];
};

// Shows in the design preview only: the name of the control it stands for.
class TSeLinkSkinObject : public TSeSkinObject {
public:
    using TSeSkinObject::TSeSkinObject;
    const std::string& LinkControl() const { return linkControl_; }
    void SetLinkControl(const std::string& v) { linkControl_ = v; }
    void Draw(TCanvas& canvas, const TRect& clip) override;
    void Assign(const TPersistent& source) override;
    static const TMetaClass& Register();

private:
    std::string linkControl_;
};

class TSeRollPanelObject : public TSeSkinObject {
public:
    using TSeSkinObject::TSeSkinObject;
    TSeRollKind RollKind() const { return rollKind_; }
    void SetRollKind(TSeRollKind v) { rollKind_ = v; }
    int RollValue() const { return rollValue_; }
    void SetRollValue(int v) { rollValue_ = v; }
    void Assign(const TPersistent& source) override;
    static const TMetaClass& Register();

private:
    TSeRollKind rollKind_ = rkLeft;
    int rollValue_ = 0;
};
