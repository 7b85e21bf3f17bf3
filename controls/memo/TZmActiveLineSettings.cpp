#include "controls/memo/TZmActiveLineSettings.h"

#include "controls/memo/IMemoHost.h"

void TZmActiveLineSettings::Changed()
{
    if (host_)
        host_->InvalidateAll();
}

void TZmActiveLineSettings::SetShowActiveLine(bool v)
{
    showActiveLine_ = v;
    Changed();
}

void TZmActiveLineSettings::SetShowActiveLineIndicator(bool v)
{
    showIndicator_ = v;
    Changed();
}

void TZmActiveLineSettings::SetActiveLineColor(TColor v)
{
    if (v == color_)
        return;
    color_ = v;
    Changed();
}

void TZmActiveLineSettings::SetActiveLineAtCursor(bool v)
{
    atCursor_ = v;
    if (v && host_)
        host_->SetActiveLine(host_->CurY());
    Changed();
}

void TZmActiveLineSettings::SetActiveLineTextColor(TColor v)
{
    if (v == textColor_)
        return;
    textColor_ = v;
    Changed();
}

void TZmActiveLineSettings::Assign(const TPersistent& source)
{
    auto* other = dynamic_cast<const TZmActiveLineSettings*>(&source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    showActiveLine_ = other->showActiveLine_;
    showIndicator_ = other->showIndicator_;
    color_ = other->color_;
    atCursor_ = other->atCursor_;
    textColor_ = other->textColor_;
    Changed();
}
