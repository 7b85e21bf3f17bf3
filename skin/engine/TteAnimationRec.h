#pragma once
// The settings of one transition: which effect, how long, how coarse, how often tiled and turned
// how far, and the grey map of the bitmap animation.
#include <memory>
#include <string>

#include "platform/core/TComponent.h"

class TBitmap;

enum TteRotation { krNone, krRotate90, krRotate180, krRotate270 };

extern const char* const RandomEffectName;
extern const char* const BitmapEffectName;

class TteAnimationRec : public TComponent {
public:
    explicit TteAnimationRec(TComponent* owner = nullptr);
    ~TteAnimationRec() override;

    TBitmap& Bitmap() const { return *bitmap_; }
    // Copies the picture into the owned bitmap.
    void SetBitmap(const TBitmap& value);
    const std::string& Effect() const { return effect_; }
    void SetEffect(const std::string& v) { effect_ = v; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; }
    // Cell size in pixels, 1..10.
    int Resolution() const { return resolution_; }
    void SetResolution(int v);
    TteRotation Rotation() const { return rotation_; }
    void SetRotation(TteRotation v) { rotation_ = v; }
    // Tiles per side, 1..20.
    int TileCount() const { return tileCount_; }
    void SetTileCount(int v);
    // Milliseconds, 50..9000.
    int Time() const { return time_; }
    void SetTime(int v);

    void Assign(const TPersistent& source) override;

    static void Register();

private:
    bool enabled_ = false;
    int time_ = 400;
    int resolution_ = 1;
    int tileCount_ = 1;
    std::string effect_;
    TteRotation rotation_ = krNone;
    std::unique_ptr<TBitmap> bitmap_;
};
