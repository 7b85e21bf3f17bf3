#pragma once
// The memo's parameter hint: a routine's parameter list in three texts, one of them bold.
#include <functional>
#include <string>

#include "platform/graphics/TRect.h"
#include "platform/ui/TCustomForm.h"

class TZmHintForm : public TForm {
public:
    explicit TZmHintForm(TComponent* AOwner = nullptr);

    // Bold mode: 0 none, 1 the first text, 2 the middle one, 3 the last.
    void SetTexts(const std::string& before, const std::string& current, const std::string& after, int boldMode);
    const std::string& Before() const { return texts_[0]; }
    const std::string& Current() const { return texts_[1]; }
    const std::string& After() const { return texts_[2]; }
    int BoldMode() const { return boldMode_; }
    TColor TextColor() const { return textColor_; }
    void SetTextColor(TColor v) { textColor_ = v; Invalidate(); }
    // The client size the texts need: the bold part measured bold, plus the frame and margins.
    TPoint TextExtent();

    // A press on the window: the memo takes the focus back.
    std::function<void()> OnPress;

protected:
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(TCanvas& canvas) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    std::string texts_[3];
    int boldMode_ = 0;
    TColor textColor_ = clBlack;
};
