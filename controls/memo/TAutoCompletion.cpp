#include "controls/memo/TAutoCompletion.h"

TAutoCompletion::TAutoCompletion()
{
    font_.OnChange = [this](TGraphicsObject*) { Changed(); };
}

void TAutoCompletion::Changed()
{
    if (OnChange)
        OnChange();
}

void TAutoCompletion::SetColor(TColor v)
{
    color_ = v;
    Changed();
}

void TAutoCompletion::SetDelay(int v)
{
    delay_ = v;
    Changed();
}

TColor TAutoCompletion::KindColor(int kind) const
{
    switch (kind) {
    case 1: return colorVar_;
    case 2: return colorProp_;
    case 3: return colorEvent_;
    case 4: return colorMethod_;
    case 5: return colorFunc_;
    case 6: return colorProc_;
    default: return colorIdentifier_;
    }
}

void TAutoCompletion::Assign(const TPersistent& source)
{
    auto* other = dynamic_cast<const TAutoCompletion*>(&source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    active_ = other->active_;
    autoDisplay_ = other->autoDisplay_;
    colorVar_ = other->colorVar_;
    colorProp_ = other->colorProp_;
    colorMethod_ = other->colorMethod_;
    colorFunc_ = other->colorFunc_;
    colorProc_ = other->colorProc_;
    colorEvent_ = other->colorEvent_;
    colorIdentifier_ = other->colorIdentifier_;
    height_ = other->height_;
    width_ = other->width_;
    showImages_ = other->showImages_;
    sizeDropDown_ = other->sizeDropDown_;
    color_ = other->color_;
    delay_ = other->delay_;
    font_.Assign(other->font_);
    Changed();
}
