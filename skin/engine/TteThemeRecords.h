#pragma once
// The records a control hands to the theme's drawing operations, and their builders. Every record
// starts with the rectangle the operation works on.
#include <cstdint>
#include <string>

#include "platform/graphics/TRect.h"

class TImageList;
class TteBitmap;

constexpr TRect NullRect{-1, -1, -1, -1};

// Align is a 3 x 3 code, column * 3 + row: 0 top-left, 1 middle-left, 2 bottom-left, 3 top-centre,
// 4 centre, 5 bottom-centre, 6 top-right, 7 middle-right, 8 bottom-right. Options: 2 right to left,
// 4 no prefix, 8 word break, 16 single line.
struct TteTextInfo {
    TRect Rect;
    std::string Text;
    uint8_t Align = 0;
    uint8_t Options = 0;
    uint8_t Reserved = 0;
};

// Also the record of an image-list image, whose bitmap is the builders' shared image bitmap.
struct TteGlyphInfo {
    TRect Rect;
    TteBitmap* Bitmap = nullptr;
    uint32_t State = 0;
};

// Button kinds of the caption and of the Buttons mask (one bit each).
enum TteFormButton : int {
    fbSysMenu, fbClose, fbHelp, fbMinimize, fbRestoreMinimized, fbMaximize, fbRestoreMaximized,
    fbRollUp, fbRollDown, fbTray,
};

// Rect is the frame (0, 0, width, height) for the measuring operations and for DrawFormFrame, and
// the rectangle being drawn for the other drawing operations. Clip is NullRect for no clip.
struct TteFormInfo {
    TRect Rect;
    uint8_t Flags = 0;
    uint16_t Buttons = 0;
    TRect Clip = NullRect;
    std::string Caption;

    bool Active() const { return Flags & 1; }
    bool HasButton(int button) const { return button >= 0 && button < 16 && (Buttons >> button & 1); }
};

// A caption button to draw: Part is its TteFormButton kind, State 0 normal, 1 hot, 2 pressed.
struct TteFormPartInfo {
    TRect Rect;
    uint8_t Part = 0;
    uint8_t State = 0;
    int32_t Value = 0;
};

struct TteFormGripperInfo {
    TRect Rect;
    int32_t Value = 0;
};

struct TteLabelInfo {
    TRect Rect;
    uint8_t State = 0;
};

struct TteStatusBarInfo {
    TRect Rect;
};

struct TteStatusPanelInfo {
    TRect Rect;
};

struct TteMenuFrameInfo {
    TRect Rect;
};

// State: 0 normal, 1 hot, 2 pressed, 3 disabled, 4 focused. Flag1 is the default button's mark.
struct TteButtonInfo {
    TRect Rect;
    uint8_t State = 0;
    uint8_t Flag1 = 0;
    uint8_t Flag2 = 0;
};

// CheckState: 0 unchecked, 1 checked, 2 grayed.
struct TteCheckInfo {
    TRect Rect;
    uint8_t State = 0;
    uint8_t CheckState = 0;
};

struct TteEditInfo {
    TRect Rect;
    uint8_t State = 0;
};

struct TteScrollInfo {
    TRect Rect;
    uint8_t Kind = 0;
};

// State: 0 normal, 1 pressed, 2 hot, 3 disabled. Part: 0 up, 1 down, 4 left, 5 right; other
// values (8 for the thumb) the slider.
struct TteScrollButtonInfo {
    TRect Rect;
    uint8_t State = 0;
    uint8_t Part = 0;
};

struct TteScrollTrackInfo {
    TRect Rect;
    uint8_t State = 0;
    uint8_t Part = 0;
};

// The bar covers Start..End of Minimum..Maximum; Orientation 0 horizontal, 1 vertical.
struct TteProgressInfo {
    TRect Rect;
    uint8_t Orientation = 0;
    int32_t Minimum = 0;
    int32_t Maximum = 0;
    int32_t Start = 0;
    int32_t End = 0;
    uint8_t Flag = 0;
    int32_t Inset = 0;
};

// Kind: 0 command, 1 separator, 2 scroll-up item, 3 scroll-down item. Flags: 2 checked.
// State: 0 normal, 1 open in the menu loop, 2 hot while the menu is idle, 3 disabled.
struct TteMenuItemInfo {
    TRect Rect;
    uint8_t Kind = 0;
    uint8_t Flags = 0;
    uint8_t State = 0;
};

// Kind: 0 check mark, 1 radio dot, 2 submenu arrow, 3 image-list image, 4 bitmap, 13 minimize,
// 14 restore, 15 close of a maximized MDI child.
struct TteItemGlyphInfo {
    TRect Rect;
    TteBitmap* Bitmap = nullptr;
    uint8_t State = 0;
    uint8_t Kind = 0;
};

// The record of the kinds no control of the program draws (container, splitter, track bar,
// header, group box, memo, control bar, panel, tabs, check list, list box, grid).
struct TteItemInfo {
    TRect Rect;
    uint8_t State = 0;
    uint8_t Kind = 0;
};

// Align from DT_CENTER, DT_RIGHT and DT_VCENTER (DT_BOTTOM never gives the bottom row), Options
// from DT_RTLREADING, DT_NOPREFIX, DT_WORDBREAK and DT_SINGLELINE.
TteTextInfo MakeTextInfo(const TRect& rect, const std::string& text, uint32_t flags);
TteGlyphInfo MakeGlyphInfo(const TRect& rect, TteBitmap* bitmap, uint32_t state);
// The image drawn into the one shared image bitmap, sized as the list's images, key colour where
// the image is masked. The record stays valid until the next image record is made.
TteGlyphInfo MakeImageInfo(const TRect& rect, const TImageList& images, int index, uint32_t state);
TteFormInfo MakeFormInfo(const TRect& rect, uint8_t flags, const TRect& clip, const std::string& caption,
                         uint16_t buttons);
TteFormPartInfo MakeFormPartInfo(const TRect& rect, uint8_t part, uint8_t state, int32_t value);
TteFormGripperInfo MakeFormGripperInfo(const TRect& rect, int32_t value);
TteLabelInfo MakeLabelInfo(const TRect& rect, uint8_t state = 0);
TteStatusBarInfo MakeStatusBarInfo(const TRect& rect);
TteStatusPanelInfo MakeStatusPanelInfo(const TRect& rect);
TteMenuFrameInfo MakeMenuFrameInfo(const TRect& rect);
TteButtonInfo MakeButtonInfo(const TRect& rect, uint8_t state, uint8_t flag1 = 0, uint8_t flag2 = 0);
TteCheckInfo MakeCheckInfo(const TRect& rect, uint8_t state, uint8_t checkState);
TteEditInfo MakeEditInfo(const TRect& rect, uint8_t state);
TteScrollInfo MakeScrollInfo(const TRect& rect, uint8_t kind);
TteScrollButtonInfo MakeScrollButtonInfo(const TRect& rect, uint8_t state, uint8_t part);
TteScrollTrackInfo MakeScrollTrackInfo(const TRect& rect, uint8_t state, uint8_t part);
TteProgressInfo MakeProgressInfo(const TRect& rect, uint8_t orientation, int32_t minimum, int32_t maximum,
                                 int32_t start, int32_t end, uint8_t flag, int32_t inset);
TteMenuItemInfo MakeMenuItemInfo(const TRect& rect, uint8_t kind, uint8_t flags, uint8_t state);
TteItemGlyphInfo MakeItemGlyphInfo(const TRect& rect, TteBitmap* bitmap, uint8_t state, uint8_t kind);
// No bitmap, state 4.
TteItemGlyphInfo MakeItemMarkInfo(const TRect& rect, uint8_t kind);
// Kind 3, the image in the shared image bitmap as MakeImageInfo makes it.
TteItemGlyphInfo MakeItemImageInfo(const TRect& rect, const TImageList& images, int index, uint8_t state);
TteItemInfo MakeItemInfo(const TRect& rect, uint8_t state = 0, uint8_t kind = 0);

// Frees the shared image bitmap; the theme unit's stop step calls it.
void FreeSharedImageBitmap();
