#pragma once
// The skinned progress bar of the wait window: Position between Min and Max, smooth or in chunks.
// Setting Position of a showing bar repaints at once and lets the message queue run, so the bar
// moves while a long job keeps the program busy.
#include <string>

#include "skin/controls/TTeControl.h"

enum TteProgressOrientation : uint8_t { kpoHorizontal, kpoVertical };

class TTeProgressBar : public TTeControl {
public:
    explicit TTeProgressBar(TComponent* AOwner = nullptr);

    int Min() const { return min_; }
    // Min and Max repaint even when unchanged, and leave Position as it is.
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    int Position() const { return position_; }
    void SetPosition(int v);
    TteProgressOrientation Orientation() const { return orientation_; }
    void SetOrientation(TteProgressOrientation v) { Store(orientation_, v); }
    // The inset of the bar; it hides the base's border, which stays 0 for the bar.
    int BorderWidth() const { return barBorderWidth_; }
    void SetBorderWidth(int v) { Store(barBorderWidth_, v); }
    bool ShowBorder() const { return showBorder_; }
    void SetShowBorder(bool v) { Store(showBorder_, v); }
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool v) { Store(smooth_, v); }
    const std::string& ThemeObject() const { return themeObject_; }
    void SetThemeObject(const std::string& v) { themeObject_ = v; }

    // (value - Min) / (Max - Min); 0 for a negative Min, a value outside Min..Max or Max = Min.
    float GetFraction(int value) const;
    virtual TRect GetBarRect() const;

protected:
    void PaintClient(TCanvas& canvas) override;
    virtual void DrawBar(TCanvas& canvas);
    virtual void DrawFrame(TCanvas& canvas);

private:
    template <class T> void Store(T& field, const T& v)
    {
        if (field == v)
            return;
        field = v;
        Invalidate();
    }

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    TteProgressOrientation orientation_ = kpoHorizontal;
    int barBorderWidth_ = 0;
    bool showBorder_ = true;
    bool smooth_ = false;
    std::string themeObject_ = "default";
};
