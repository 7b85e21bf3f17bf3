#pragma once
// The look of the skinned message boxes: fonts, position, caption buttons, transparency, shadow,
// dragging and animation, and the factories of the controls a box is built from. One instance,
// GlobalMessage, is made when the library starts; another takes its place through Global.
#include <memory>

#include "platform/core/TComponent.h"
#include "platform/ui/TCustomForm.h"
#include "skin/controls/TTeDefaultForm.h"

class TFont;
class TTeButton;
class TTeCheckBox;
class TTeEdit;
class TTeForm;
class TTeLabel;

class TTeMessage : public TComponent {
public:
    explicit TTeMessage(TComponent* AOwner = nullptr);
    ~TTeMessage() override;

    TTeAnimation& Animation() const { return *animation_; }
    void SetAnimation(const TTeAnimation& v) { animation_->Assign(v); }
    TTeBlending& Blending() const { return *blending_; }
    void SetBlending(const TTeBlending& v) { blending_->Assign(v); }
    TTeDragging& Dragging() const { return *dragging_; }
    void SetDragging(const TTeDragging& v) { dragging_->Assign(v); }
    TTeShadow& Shadow() const { return *shadow_; }
    void SetShadow(const TTeShadow& v) { shadow_->Assign(v); }
    TFont& ButtonFont() const { return *buttonFont_; }
    void SetButtonFont(const TFont& v);
    TFont& MessageFont() const { return *messageFont_; }
    void SetMessageFont(const TFont& v);

    TTeBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TTeBorderIcons v) { borderIcons_ = v; }
    TPosition Position() const { return position_; }
    void SetPosition(TPosition v) { position_ = v; }
    bool ShowButtonGlyph() const { return showButtonGlyph_; }
    void SetShowButtonGlyph(bool v) { showButtonGlyph_ = v; }
    bool ShowIconImage() const { return showIconImage_; }
    void SetShowIconImage(bool v) { showIconImage_ = v; }
    bool ShowHints() const { return showHints_; }
    void SetShowHints(bool v) { showHints_ = v; }

    bool Global() const { return global_; }
    // A change either way makes this component GlobalMessage and frees the one before it.
    void SetGlobal(bool v);

    // The controls a box is made of, owned by 'owner'; a descendant builds from other classes.
    virtual TTeButton* CreateButton(TComponent* owner);
    virtual TTeEdit* CreateEdit(TComponent* owner);
    virtual TTeForm* CreateForm(TComponent* owner);
    virtual TTeLabel* CreateLabel(TComponent* owner);
    virtual TTeCheckBox* CreateCheckBox(TComponent* owner);

private:
    std::unique_ptr<TTeAnimation> animation_;
    std::unique_ptr<TTeBlending> blending_;
    std::unique_ptr<TTeDragging> dragging_;
    std::unique_ptr<TTeShadow> shadow_;
    std::unique_ptr<TFont> buttonFont_;
    std::unique_ptr<TFont> messageFont_;
    TTeBorderIcons borderIcons_ = BorderIconBit(kbiClose) | BorderIconBit(kbiSystemMenu);
    TPosition position_ = TPosition::poScreenCenter;
    bool global_ = false;
    bool showButtonGlyph_ = true;
    bool showIconImage_ = true;
    bool showHints_ = false;
};

// The message options in use; null once the global one is freed.
TTeMessage* GlobalMessage();
// The library's start step makes the first one, owned by Application; its stop step frees it.
void CreateGlobalMessage();
void FreeGlobalMessage();
