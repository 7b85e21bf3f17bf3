#include "controls/memo/TZmMarker.h"

#include "platform/graphics/TBitmap.h"

void TZmMarker::Assign(const TPersistent& source)
{
    auto* other = dynamic_cast<const TZmMarker*>(&source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    text_ = other->text_;
    imageIndex_ = other->imageIndex_;
    lineNumber_ = other->lineNumber_;
}

std::string TZmMarker::DisplayName() const
{
    return text_.empty() ? TCollectionItem::DisplayName() : text_;
}

TZmMarkerList::TZmMarkerList()
    : markers_(std::make_unique<TZmMarkers>(*this)), glyph_(std::make_unique<TBitmap>())
{
}

TZmMarkerList::~TZmMarkerList() = default;

TColor TZmMarkerList::ImageTransparentColor() const
{
    return glyph_->Empty() ? clWhite : glyph_->TransparentColor();
}

void TZmMarkerList::SetImageTransparentColor(TColor v)
{
    glyph_->SetTransparentColor(v);
}

TZmMarker* TZmMarkerList::MarkerAt(int line) const
{
    for (int i = 0; i < markers_->Count(); ++i)
        if (markers_->Items(i)->LineNumber() == line)
            return markers_->Items(i);
    return nullptr;
}

int TZmMarkerList::ImageIndexAt(int line) const
{
    const TZmMarker* marker = MarkerAt(line);
    return marker ? marker->ImageIndex() : -1;
}

bool TZmMarkerList::HasMarkerAfter(int line) const
{
    for (int i = 0; i < markers_->Count(); ++i)
        if (markers_->Items(i)->LineNumber() > line)
            return true;
    return false;
}

void TZmMarkerList::RemoveMarkerAt(int line)
{
    if (TZmMarker* marker = MarkerAt(line))
        markers_->Delete(marker->Index());
}

void TZmMarkerList::Shift(int line, int by)
{
    for (int i = 0; i < markers_->Count(); ++i) {
        TZmMarker* marker = markers_->Items(i);
        if (marker->LineNumber() >= line)
            marker->SetLineNumber(marker->LineNumber() + by);
    }
}
