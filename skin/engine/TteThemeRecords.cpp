#include "skin/engine/TteThemeRecords.h"

#include <memory>

#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"
#include "skin/engine/TteBitmap.h"

namespace {

std::unique_ptr<TteBitmap>& SharedImageBitmap()
{
    static std::unique_ptr<TteBitmap> bitmap;
    return bitmap;
}

TteBitmap* MakeImageBitmap(const TImageList& images, int index)
{
    auto& bitmap = SharedImageBitmap();
    if (!bitmap)
        bitmap = std::make_unique<TteBitmap>();
    bitmap->SetSize(images.Width(), images.Height());
    bitmap->Fill(KeyColor);
    if (index >= 0 && index < images.Count())
        images.Draw(bitmap->Canvas(), 0, 0, index);
    // What the mask left out keeps the key colour, drawn as whatever lies beneath.
    bitmap->SetTransparent(true);
    return bitmap.get();
}

} // namespace

TteTextInfo MakeTextInfo(const TRect& rect, const std::string& text, uint32_t flags)
{
    const int column = (flags & DT_CENTER) ? 1 : (flags & DT_RIGHT) ? 2 : 0;
    const int row = (flags & DT_VCENTER) ? 1 : 0;
    uint8_t options = 0;
    if (flags & DT_RTLREADING) options |= 2;
    if (flags & DT_NOPREFIX) options |= 4;
    if (flags & DT_WORDBREAK) options |= 8;
    if (flags & DT_SINGLELINE) options |= 16;
    return {rect, text, static_cast<uint8_t>(column * 3 + row), options, 0};
}

TteGlyphInfo MakeGlyphInfo(const TRect& rect, TteBitmap* bitmap, uint32_t state)
{
    return {rect, bitmap, state};
}

TteGlyphInfo MakeImageInfo(const TRect& rect, const TImageList& images, int index, uint32_t state)
{
    return {rect, MakeImageBitmap(images, index), state};
}

TteFormInfo MakeFormInfo(const TRect& rect, uint8_t flags, const TRect& clip, const std::string& caption,
                         uint16_t buttons)
{
    return {rect, flags, buttons, clip, caption};
}

TteFormPartInfo MakeFormPartInfo(const TRect& rect, uint8_t part, uint8_t state, int32_t value)
{
    return {rect, part, state, value};
}

TteFormGripperInfo MakeFormGripperInfo(const TRect& rect, int32_t value) { return {rect, value}; }
TteLabelInfo MakeLabelInfo(const TRect& rect, uint8_t state) { return {rect, state}; }
TteStatusBarInfo MakeStatusBarInfo(const TRect& rect) { return {rect}; }
TteStatusPanelInfo MakeStatusPanelInfo(const TRect& rect) { return {rect}; }
TteMenuFrameInfo MakeMenuFrameInfo(const TRect& rect) { return {rect}; }

TteButtonInfo MakeButtonInfo(const TRect& rect, uint8_t state, uint8_t flag1, uint8_t flag2)
{
    return {rect, state, flag1, flag2};
}

TteCheckInfo MakeCheckInfo(const TRect& rect, uint8_t state, uint8_t checkState) { return {rect, state, checkState}; }
TteEditInfo MakeEditInfo(const TRect& rect, uint8_t state) { return {rect, state}; }
TteScrollInfo MakeScrollInfo(const TRect& rect, uint8_t kind) { return {rect, kind}; }

TteScrollButtonInfo MakeScrollButtonInfo(const TRect& rect, uint8_t state, uint8_t part)
{
    return {rect, state, part};
}

TteScrollTrackInfo MakeScrollTrackInfo(const TRect& rect, uint8_t state, uint8_t part) { return {rect, state, part}; }

TteProgressInfo MakeProgressInfo(const TRect& rect, uint8_t orientation, int32_t minimum, int32_t maximum,
                                 int32_t start, int32_t end, uint8_t flag, int32_t inset)
{
    return {rect, orientation, minimum, maximum, start, end, flag, inset};
}

TteMenuItemInfo MakeMenuItemInfo(const TRect& rect, uint8_t kind, uint8_t flags, uint8_t state)
{
    return {rect, kind, flags, state};
}

TteItemGlyphInfo MakeItemGlyphInfo(const TRect& rect, TteBitmap* bitmap, uint8_t state, uint8_t kind)
{
    return {rect, bitmap, state, kind};
}

TteItemGlyphInfo MakeItemMarkInfo(const TRect& rect, uint8_t kind) { return {rect, nullptr, 4, kind}; }

TteItemGlyphInfo MakeItemImageInfo(const TRect& rect, const TImageList& images, int index, uint8_t state)
{
    return {rect, MakeImageBitmap(images, index), state, 3};
}

TteItemInfo MakeItemInfo(const TRect& rect, uint8_t state, uint8_t kind) { return {rect, state, kind}; }

void FreeSharedImageBitmap()
{
    SharedImageBitmap().reset();
}
