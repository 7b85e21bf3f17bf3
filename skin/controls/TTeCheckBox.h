#pragma once
// The skinned three-state check box: a 13 x 13 box and its caption, through the current theme or
// the classic frame control.
#include <string>

#include "skin/controls/TTeControl.h"

enum TTeCheckBoxState : uint8_t { kcbsUnChecked, kcbsChecked, kcbsMixed };
enum TTeLeftRight : uint8_t { kalLeftJustify, kalRightJustify };

class TTeCheckBox : public TTeControl {
public:
    explicit TTeCheckBox(TComponent* AOwner = nullptr);

    TTeCheckBoxState State() const { return state_; }
    void SetState(TTeCheckBoxState v);
    bool Checked() const { return state_ == kcbsChecked; }
    void SetChecked(bool v) { SetState(v ? kcbsChecked : kcbsUnChecked); }
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool v) { allowGrayed_ = v; }
    TTeLeftRight Alignment() const { return alignment_; }
    void SetAlignment(TTeLeftRight v) { Store(alignment_, v); }
    int Spacing() const { return spacing_; }
    void SetSpacing(int v) { Store(spacing_, v); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v) { Store(wordWrap_, v); }
    const std::string& ThemeObject() const { return themeObject_; }
    void SetThemeObject(const std::string& v) { Store(themeObject_, v); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { Store(transparent_, v); }
    bool Pressed() const { return pressed_; }

    // Unchecked goes to mixed when AllowGrayed, else to checked; checked to unchecked; mixed to checked.
    virtual void Toggle();
    TSize GetCheckSize() const { return {13, 13}; }

protected:
    void PaintClient(TCanvas& canvas) override;
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void DoMouseEnter() override;
    void DoMouseLeave() override;
    void DoFocusExit() override;
    // OnClick, except while loading.
    virtual void Changed();
    virtual void DrawCheckBox(TCanvas& canvas);
    virtual void DrawCaption(TCanvas& canvas);

private:
    template <class T> void Store(T& field, const T& v)
    {
        if (field == v)
            return;
        field = v;
        Invalidate();
    }
    bool ThemeDefined() const;
    TRect BoxRect() const;
    uint8_t BoxVisualState() const;

    TTeCheckBoxState state_ = kcbsUnChecked;
    bool allowGrayed_ = false;
    TTeLeftRight alignment_ = kalLeftJustify;
    int spacing_ = 5;
    bool wordWrap_ = false;
    std::string themeObject_ = "default";
    bool transparent_ = false;
    bool pressed_ = false;
    // Only this control's own Space press may toggle on Space up.
    bool spaceDown_ = false;
};
