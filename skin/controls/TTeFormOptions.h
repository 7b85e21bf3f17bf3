#pragma once
// The option objects skinned windows publish: transparency, drop shadow, snapping to the work
// area's edges, moving and sizing, the opening animation, and the two groups of them. They hold
// and clamp values and tell their owner about changes; the owners apply them.
#include <functional>
#include <memory>
#include <string>

#include "platform/core/TComponent.h"
#include "skin/engine/TteAnimationRec.h"

using TTeOptionChange = std::function<void(TPersistent& Sender)>;

class TTeBlending : public TPersistent {
public:
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    // The window's alpha, 0..255.
    int Value() const { return value_; }
    void SetValue(int v);
    void Assign(const TPersistent& source) override;

    TTeOptionChange OnChange;

private:
    void Changed();
    bool enabled_ = false;
    int value_ = 150;
};

class TTeShadow : public TPersistent {
public:
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    // Below 1 switches the shadow off and is kept as given; above 20 becomes 20.
    int Size() const { return size_; }
    void SetSize(int v);
    // What every consumer uses: Size while the shadow is on and at least 1, else 0.
    int EffectiveSize() const { return enabled_ && size_ >= 1 ? size_ : 0; }
    void Assign(const TPersistent& source) override;

    TTeOptionChange OnChange;

private:
    void Changed();
    bool enabled_ = false;
    int size_ = 4;
};

class TTeGravitation : public TPersistent {
public:
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; }
    // The snapping distance, 1..50.
    int Size() const { return size_; }
    void SetSize(int v);
    void Assign(const TPersistent& source) override;

private:
    bool enabled_ = true;
    int size_ = 20;
};

enum TTeFormDragMode { kfdmBorder, kfdmFullDrag };

class TTeDragging : public TPersistent {
public:
    bool Sizeable() const { return sizeable_; }
    void SetSizeable(bool v) { sizeable_ = v; }
    bool Moveable() const { return moveable_; }
    void SetMoveable(bool v) { moveable_ = v; }
    TTeFormDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TTeFormDragMode v) { dragMode_ = v; }
    void Assign(const TPersistent& source) override;

private:
    bool sizeable_ = true;
    bool moveable_ = true;
    TTeFormDragMode dragMode_ = kfdmFullDrag;
};

enum TTeDirection { kdNone, kdNoRotate, kdRotate90, kdRotate180, kdRotate270 };

// The published face of one animation record, which it owns.
class TTeAnimation : public TPersistent {
public:
    TTeAnimation();
    ~TTeAnimation() override;

    TteAnimationRec& Record() const { return *record_; }
    TTeDirection Direction() const;
    void SetDirection(TTeDirection v);
    const std::string& EffectKind() const { return record_->Effect(); }
    void SetEffectKind(const std::string& v) { record_->SetEffect(v); }
    bool Enabled() const { return record_->Enabled(); }
    void SetEnabled(bool v) { record_->SetEnabled(v); }
    int Resolution() const { return record_->Resolution(); }
    void SetResolution(int v) { record_->SetResolution(v); }
    int TileCount() const { return record_->TileCount(); }
    void SetTileCount(int v) { record_->SetTileCount(v); }
    int Time() const { return record_->Time(); }
    void SetTime(int v) { record_->SetTime(v); }
    void Assign(const TPersistent& source) override;

private:
    TComponentPtr<TteAnimationRec> record_;
};

// Blending, shadow and animation of one kind of window; both groups have this shape.
class TTeWindowOptions : public TPersistent {
public:
    TTeWindowOptions();
    ~TTeWindowOptions() override;

    TTeBlending& Blending() const { return *blending_; }
    void SetBlending(const TTeBlending& v);
    TTeShadow& Shadow() const { return *shadow_; }
    void SetShadow(const TTeShadow& v);
    TTeAnimation& Animation() const { return *animation_; }
    void SetAnimation(const TTeAnimation& v);
    // Copies from a group of the same class only.
    void Assign(const TPersistent& source) override;

    TTeOptionChange OnChange;

private:
    void Changed();
    std::unique_ptr<TTeBlending> blending_;
    std::unique_ptr<TTeShadow> shadow_;
    std::unique_ptr<TTeAnimation> animation_;
};

class TTeFormOptions : public TTeWindowOptions {};
class TTePopupMenuOptions : public TTeWindowOptions {};

// Makes the option classes known by name, with their published properties.
void RegisterTeFormOptions();
