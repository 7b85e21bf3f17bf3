#pragma once
// The gutter's settings: line numbers, colours and width. Every change repaints the gutter strip.
#include <algorithm>
#include <functional>
#include <string>

#include "platform/core/TPersistent.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TRect.h"

class IMemoHost;

class TZmGutter : public TPersistent {
public:
    explicit TZmGutter(IMemoHost* host = nullptr);

    int DigitCount() const { return digitCount_; }
    void SetDigitCount(int v);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& v) { font_.Assign(v); }
    int GutterWidth() const { return gutterWidth_; }
    void SetGutterWidth(int v);
    // Never below 45.
    int GutterMargin() const { return gutterMargin_; }
    void SetGutterMargin(int v) { gutterMargin_ = std::max(v, 45); }
    TColor GutterColor() const { return gutterColor_; }
    void SetGutterColor(TColor v);
    // clNone: a plain fill.
    TColor GutterColorTo() const { return gutterColorTo_; }
    void SetGutterColorTo(TColor v);
    // A negative start is ignored.
    int LineNumberStart() const { return lineNumberStart_; }
    void SetLineNumberStart(int v);
    TColor LineNumberTextColor() const { return lineNumberTextColor_; }
    void SetLineNumberTextColor(TColor v);
    const std::string& NumberSuffix() const { return numberSuffix_; }
    void SetNumberSuffix(const std::string& v);
    bool ShowLineNumbers() const { return showLineNumbers_; }
    void SetShowLineNumbers(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool ShowLeadingZeros() const { return showLeadingZeros_; }
    void SetShowLeadingZeros(bool v);

    // Where the gutter lies in the control; the control sets the position and height.
    const TRect& GutterRect() const { return rect_; }
    void SetGutterRect(const TRect& r) { rect_ = r; }
    // The number text of a row: leading zeros when asked, then the suffix.
    std::string NumberText(int lineNumber) const;

    void Assign(const TPersistent& source) override;
    void Invalidate();

    std::function<void()> OnFontChange;

private:
    IMemoHost* host_;
    int digitCount_ = 4;
    TFont font_;
    int gutterWidth_ = 45;
    int gutterMargin_ = 45;
    TColor gutterColor_ = clBtnFace;
    TColor gutterColorTo_ = clWhite;
    int lineNumberStart_ = 1;
    TColor lineNumberTextColor_ = clBlack;
    std::string numberSuffix_;
    bool showLineNumbers_ = true;
    bool visible_ = true;
    bool showLeadingZeros_ = false;
    TRect rect_{1, 1, 46, 1};
};
