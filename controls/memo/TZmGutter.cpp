#include "controls/memo/TZmGutter.h"

#include "controls/memo/IMemoHost.h"

TZmGutter::TZmGutter(IMemoHost* host) : host_(host)
{
    font_.SetName("Courier New");
    font_.SetSize(10);
    font_.OnChange = [this](TGraphicsObject*) {
        if (OnFontChange)
            OnFontChange();
    };
}

void TZmGutter::Invalidate()
{
    if (host_)
        host_->InvalidateArea(rect_);
}

void TZmGutter::SetDigitCount(int v)
{
    digitCount_ = v;
    Invalidate();
}

void TZmGutter::SetGutterWidth(int v)
{
    gutterWidth_ = v;
    rect_.Right = rect_.Left + v;
    if (host_ && !host_->HostLoading())
        host_->Reformat();
}

void TZmGutter::SetGutterColor(TColor v)
{
    if (v == gutterColor_)
        return;
    gutterColor_ = v;
    Invalidate();
}

void TZmGutter::SetGutterColorTo(TColor v)
{
    gutterColorTo_ = v;
    Invalidate();
}

void TZmGutter::SetLineNumberStart(int v)
{
    if (v < 0 || v == lineNumberStart_)
        return;
    lineNumberStart_ = v;
    Invalidate();
}

void TZmGutter::SetLineNumberTextColor(TColor v)
{
    if (v == lineNumberTextColor_)
        return;
    lineNumberTextColor_ = v;
    Invalidate();
}

void TZmGutter::SetNumberSuffix(const std::string& v)
{
    numberSuffix_ = v;
    Invalidate();
}

void TZmGutter::SetShowLineNumbers(bool v)
{
    showLineNumbers_ = v;
    Invalidate();
}

void TZmGutter::SetVisible(bool v)
{
    visible_ = v;
    Invalidate();
    if (host_)
        host_->InvalidateAll();
}

void TZmGutter::SetShowLeadingZeros(bool v)
{
    showLeadingZeros_ = v;
    Invalidate();
}

std::string TZmGutter::NumberText(int lineNumber) const
{
    std::string digits = std::to_string(lineNumber);
    if (showLeadingZeros_ && static_cast<int>(digits.size()) < digitCount_)
        digits.insert(0, static_cast<size_t>(digitCount_) - digits.size(), '0');
    return digits;
}

void TZmGutter::Assign(const TPersistent& source)
{
    auto* other = dynamic_cast<const TZmGutter*>(&source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    digitCount_ = other->digitCount_;
    font_.Assign(other->font_);
    gutterWidth_ = other->gutterWidth_;
    rect_.Right = rect_.Left + gutterWidth_;
    gutterMargin_ = other->gutterMargin_;
    gutterColor_ = other->gutterColor_;
    gutterColorTo_ = other->gutterColorTo_;
    lineNumberStart_ = other->lineNumberStart_;
    lineNumberTextColor_ = other->lineNumberTextColor_;
    numberSuffix_ = other->numberSuffix_;
    showLineNumbers_ = other->showLineNumbers_;
    visible_ = other->visible_;
    showLeadingZeros_ = other->showLeadingZeros_;
    if (host_)
        host_->InvalidateAll();
}
