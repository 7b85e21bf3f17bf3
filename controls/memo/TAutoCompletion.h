#pragma once
// How the memo's completion list opens and looks: delay, size, font, the colour of each kind of
// entry, and whether kind glyphs are shown.
#include <functional>

#include "platform/core/TPersistent.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TFont.h"

class TAutoCompletion : public TPersistent {
public:
    TAutoCompletion();

    bool Active() const { return active_; }
    void SetActive(bool v) { active_ = v; }
    bool AutoDisplay() const { return autoDisplay_; }
    void SetAutoDisplay(bool v) { autoDisplay_ = v; }
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    int Delay() const { return delay_; }
    void SetDelay(int v);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& v) { font_.Assign(v); }
    TColor ColorVar() const { return colorVar_; }
    void SetColorVar(TColor v) { colorVar_ = v; }
    TColor ColorProp() const { return colorProp_; }
    void SetColorProp(TColor v) { colorProp_ = v; }
    TColor ColorMethod() const { return colorMethod_; }
    void SetColorMethod(TColor v) { colorMethod_ = v; }
    TColor ColorFunc() const { return colorFunc_; }
    void SetColorFunc(TColor v) { colorFunc_ = v; }
    TColor ColorProc() const { return colorProc_; }
    void SetColorProc(TColor v) { colorProc_ = v; }
    TColor ColorEvent() const { return colorEvent_; }
    void SetColorEvent(TColor v) { colorEvent_ = v; }
    TColor ColorIdentifier() const { return colorIdentifier_; }
    void SetColorIdentifier(TColor v) { colorIdentifier_ = v; }
    int Height() const { return height_; }
    void SetHeight(int v) { height_ = v; }
    int Width() const { return width_; }
    void SetWidth(int v) { width_ = v; }
    bool ShowImages() const { return showImages_; }
    void SetShowImages(bool v) { showImages_ = v; }
    bool SizeDropDown() const { return sizeDropDown_; }
    void SetSizeDropDown(bool v) { sizeDropDown_ = v; }

    // The colour of an entry's kind word by its kind number (0 and unknown kinds: identifier).
    TColor KindColor(int kind) const;

    void Assign(const TPersistent& source) override;

    // The owner applies colour, delay and font to the list and its timer.
    std::function<void()> OnChange;

private:
    void Changed();

    bool active_ = true;
    bool autoDisplay_ = true;
    TColor color_ = clWindow;
    int delay_ = 500;
    TFont font_;
    TColor colorVar_ = clBlue;
    TColor colorProp_ = clTeal;
    TColor colorMethod_ = clNavy;
    TColor colorFunc_ = clNavy;
    TColor colorProc_ = clNavy;
    TColor colorEvent_ = clRed;
    TColor colorIdentifier_ = clTeal;
    int height_ = 100;
    int width_ = 200;
    bool showImages_ = false;
    bool sizeDropDown_ = true;
};
