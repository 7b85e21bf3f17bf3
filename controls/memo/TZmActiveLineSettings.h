#pragma once
// How the active line shows: its colours in the text and its arrow in the gutter.
#include "platform/core/TPersistent.h"
#include "platform/graphics/TColor.h"

class IMemoHost;

class TZmActiveLineSettings : public TPersistent {
public:
    explicit TZmActiveLineSettings(IMemoHost* host = nullptr) : host_(host) {}

    bool ShowActiveLine() const { return showActiveLine_; }
    void SetShowActiveLine(bool v);
    bool ShowActiveLineIndicator() const { return showIndicator_; }
    void SetShowActiveLineIndicator(bool v);
    TColor ActiveLineColor() const { return color_; }
    void SetActiveLineColor(TColor v);
    // True also makes the caret's line the active line.
    bool ActiveLineAtCursor() const { return atCursor_; }
    void SetActiveLineAtCursor(bool v);
    TColor ActiveLineTextColor() const { return textColor_; }
    void SetActiveLineTextColor(TColor v);

    void Assign(const TPersistent& source) override;

private:
    void Changed();

    IMemoHost* host_;
    bool showActiveLine_ = false;
    bool showIndicator_ = false;
    TColor color_ = clNavy;
    bool atCursor_ = false;
    TColor textColor_ = clYellow;
};
