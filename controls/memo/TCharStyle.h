#pragma once
// The look of a kind of text: comments, numbers, links.
#include "platform/core/TPersistent.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TFont.h"

class TCharStyle : public TPersistent {
public:
    TCharStyle() = default;
    TCharStyle(TColor text, TColor bk, TFontStyles style) : textColor_(text), bkColor_(bk), style_(style) {}

    TColor TextColor() const { return textColor_; }
    void SetTextColor(TColor v) { textColor_ = v; }
    // clNone: the memo's background.
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor v) { bkColor_ = v; }
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles v) { style_ = v; }

    void Assign(const TPersistent& source) override;

private:
    TColor textColor_ = clBlack;
    TColor bkColor_ = clNone;
    TFontStyles style_ = 0;
};
