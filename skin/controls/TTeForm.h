#pragma once
// The skinned form every application form carries: the frame component whose geometry and
// painting ask the current theme's form object, falling back to the classic frame when the
// theme draws no form of the needed kind.
#include <cstdint>
#include <memory>
#include <string>

#include "skin/controls/TTeDefaultForm.h"

struct TteFormInfo;

class TTeForm : public TTeDefaultForm {
public:
    explicit TTeForm(TComponent* AOwner = nullptr);
    ~TTeForm() override;
    void AfterConstruction() override;

    const std::string& ThemeObject() const { return themeObject_; }
    // Repaints the form and dispatches every pending paint at once.
    void SetThemeObject(const std::string& v);

    // The theme's form kind of the border style: standard 0, dialog 1, border 2, none 3, tool window 4.
    uint8_t FormKind() const;
    // The theme's button kind of a TTeBorderIcon in the current state; -1 for none.
    int ThemeButton(int icon) const;
    // One bit per theme button kind the frame shows.
    uint16_t ButtonMask() const;
    // Bit 0: the window is active.
    uint8_t StateFlags() const { return IsActiveFrame() ? 1 : 0; }
    bool ThemeDefinesForm() const;

    TRegion CreateRegion() override;
    TRect GetButtonRect(int button) override;
    TRect GetClientRect() override;
    TRect GetMaximizedRect() override;
    TPoint GetMinTrackSize() override;
    void DrawGrip(TCanvas& canvas) override;
    void DrawFrame(TCanvas& canvas) override;
    void DrawBackground(TCanvas& canvas) override;
    int HitTest(int x, int y) override;

    // Paints the form's look beneath a child control: the control's rectangle is passed to the
    // theme while the background is painted.
    void PaintChildBackground(TCanvas& canvas, const TRect& childBounds);

private:
    class TThemeListener;
    TteFormInfo FormInfo(const TRect& clip) const;
    void ThemeChanged(int code);
    void RepaintNow();

    TComponentPtr<TThemeListener> listener_;

    std::string themeObject_ = "default";
    bool childRequest_ = false;
    TRect childRect_;
};

// Registers the painter that paints a form (skinned or not) beneath its transparent children.
void RegisterFormBackgroundPainter();
