#include <cstdint>

#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "skin/engine/TeUtils.h"
#include "skin/engine/TteBitmap.h"
#include "skin/formats/TSeSkinObject.h"
#include "skin/formats/TTeSkinFile.h"

// Every kind but the form: the kind's object from the table, the part by name, the control's
// state as an object state, then PaintSkinPart.
namespace {

int ButtonEntry(uint8_t kind)
{
    switch (kind) {
    case 0: return seButton;
    case 4: case 5: return seSpinButton;
    case 9: case 10: case 11: return seSpeedButton;
    default: return -1;
    }
}

int MenuEntry(uint8_t kind) { return kind <= 1 ? seMenuBar : kind == 2 ? sePopupMenu : -1; }

// Button, edit-button and tab-arrow states: 1 hot, 2 pressed, 3 disabled.
uint8_t HotPressedDisabled(int state)
{
    return state == 1 ? ssHot : state == 2 ? ssPressed : state == 3 ? ssDisabled : 0;
}

// Scroll states: 1 pressed, 2 hot, 3 disabled.
uint8_t ScrollState(int state)
{
    return state == 1 ? ssPressed : state == 2 ? ssHot : state == 3 ? ssDisabled : 0;
}

bool IsVertical(const TRect& rect) { return rect.Height() > rect.Width(); }

TSeSkinObject* Find(TSeSkinObject* object, const char* name)
{
    return object ? object->FindObjectByName(name) : nullptr;
}

// The first of the names found in the object.
TSeSkinObject* FindFirst(TSeSkinObject* object, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        if (TSeSkinObject* part = Find(object, name))
            return part;
    return nullptr;
}

// A part that keeps its own size, centred in the rectangle.
void PaintCentred(TSeSkinObject* part, TCanvas& canvas, const TRect& rect, uint8_t state)
{
    if (part)
        PaintSkinPart(part, canvas, RectCenter(Rect(0, 0, part->Width(), part->Height()), rect), state);
}

bool MaskedPart(TSeSkinObject* part) { return part && part->Masked(); }

// num / den to the nearest integer, halves to even; num >= 0, den > 0.
int64_t RoundHalfEven(int64_t num, int64_t den)
{
    const int64_t q = num / den, r = num % den;
    return 2 * r > den || (2 * r == den && q % 2 != 0) ? q + 1 : q;
}

// A filled arrow 7 pixels wide and 4 high, centred.
void DrawArrow(TCanvas& canvas, const TRect& rect, bool up, TColor color)
{
    const int left = rect.Left + (rect.Width() - 7) / 2;
    const int top = rect.Top + (rect.Height() - 4) / 2;
    for (int row = 0; row < 4; ++row) {
        const int inset = up ? 3 - row : row;
        FillRectColorXY(canvas, left + inset, top + row, left + 7 - inset, top + row + 1, color);
    }
}

} // namespace

bool TTeSkinFile::IsLabelDefined(Byte, const std::string&) { return true; }
bool TTeSkinFile::IsLabelTransparent(Byte, const std::string&) { return true; }

bool TTeSkinFile::IsContainerDefined(Byte, const std::string&) { return Entry(seContainer); }
TRect TTeSkinFile::GetContainerClientRect(Byte, const TteItemInfo& info, const std::string&)
{
    return LessFrame(seContainer, info.Rect);
}
void TTeSkinFile::DrawContainer(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    PaintSkinPart(PartOf(seContainer, "Panel"), canvas, info.Rect, 0);
}

bool TTeSkinFile::IsButtonDefined(Byte kind, const std::string&) { return Entry(ButtonEntry(kind)); }
bool TTeSkinFile::IsButtonTransparent(Byte kind, const std::string&) { return MaskedPart(PartOf(ButtonEntry(kind), "Face")); }

void TTeSkinFile::DrawButton(Byte kind, TCanvas& canvas, const TteButtonInfo& info, const std::string&)
{
    TSeSkinObject* object = Entry(ButtonEntry(kind));
    if (!object)
        return;
    const bool flat = info.State >= 5 && info.State <= 9;
    const char* part = kind == 11 ? "Chevron" : "Face";
    TSeSkinObject* face = flat ? Find(object, kind == 11 ? "FlatChevron" : "FlatFace") : nullptr;
    if (!face)
        face = Find(object, part);
    if (!face)
        face = object;
    static constexpr uint8_t states[] = {0, ssHot, ssPressed, ssDisabled, ssFocused};
    uint8_t state = info.State <= 9 ? states[info.State % 5] : 0;
    // The first flag is the down state of a button that stays pressed.
    if (state == 0 && info.Flag1)
        state = ssPressed;
    PaintSkinPart(face, canvas, info.Rect, state);
}

bool TTeSkinFile::IsCheckDefined(Byte kind, const std::string&) { return kind <= 1 && Entry(seCheckBox + kind); }
bool TTeSkinFile::IsCheckTransparent(Byte, const std::string&) { return true; }

void TTeSkinFile::DrawCheck(Byte kind, TCanvas& canvas, const TteCheckInfo& info, const std::string&)
{
    if (kind > 1 || info.CheckState > (kind == 0 ? 2 : 1))
        return;
    static constexpr const char* parts[] = {"Unchecked", "Checked", "Mixed"};
    static constexpr uint8_t states[] = {0, ssHot, ssPressed, ssDisabled};
    PaintCentred(PartOf(seCheckBox + kind, parts[info.CheckState]), canvas, info.Rect,
                 info.State <= 3 ? states[info.State] : 0);
}

bool TTeSkinFile::IsSplitterDefined(Byte, const std::string&) { return Entry(seSplitter); }
void TTeSkinFile::DrawSplitter(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    PaintSkinPart(Entry(seSplitter), canvas, info.Rect, 0);
}

bool TTeSkinFile::IsScrollDefined(Byte, const std::string&) { return Entry(seScrollBar); }
bool TTeSkinFile::IsScrollTransparent(Byte kind, const std::string&) { return kind == 0 && MaskedPart(Entry(seScrollBar)); }

void TTeSkinFile::DrawScrollBar(Byte, TCanvas& canvas, const TteScrollInfo& info, const std::string&)
{
    PaintSkinPart(PartOf(seScrollBox, "Frame"), canvas, info.Rect, 0);
}

// The record says nothing of the bar's direction; a slider taller than wide is vertical.
void TTeSkinFile::DrawScrollButton(Byte, TCanvas& canvas, const TteScrollButtonInfo& info, const std::string&)
{
    const char* name = info.Part == 0 ? "TopButton"
                       : info.Part == 1 ? "BottomButton"
                       : info.Part == 4 ? "LeftButton"
                       : info.Part == 5 ? "RightButton"
                       : info.Part == 8 ? (IsVertical(info.Rect) ? "VertSlider" : "HorzSlider")
                                        : nullptr;
    if (name)
        PaintSkinPart(PartOf(seScrollBar, name), canvas, info.Rect, ScrollState(info.State));
}

void TTeSkinFile::DrawScrollTrack(Byte, TCanvas& canvas, const TteScrollButtonInfo& info, const TteScrollTrackInfo&,
                                  const std::string&)
{
    PaintSkinPart(PartOf(seScrollBar, IsVertical(info.Rect) ? "VertFrame" : "HorzFrame"), canvas, info.Rect, 0);
}

bool TTeSkinFile::IsProgressDefined(Byte, const std::string&) { return Entry(seProgressBar); }
bool TTeSkinFile::IsProgressTransparent(Byte kind, const std::string&)
{
    return kind == 0 && MaskedPart(PartOf(seProgressBar, "Frame"));
}

void TTeSkinFile::DrawProgress(Byte, TCanvas& canvas, const TteProgressInfo& info, const std::string&)
{
    TSeSkinObject* object = Entry(seProgressBar);
    if (!object)
        return;
    const bool vertical = info.Orientation == 1;
    TSeSkinObject* frame = FindFirst(object, {vertical ? "FrameVert" : "FrameHorz", "Frame"});
    PaintSkinPart(frame, canvas, info.Rect, 0);
    const TRect area = LessMargins(info.Rect, frame);
    const int64_t lo = info.Minimum, hi = info.Maximum, from = info.Start, to = info.End;
    if (!(0 <= lo && lo <= from && from <= to && to <= hi && hi != lo))
        return;
    TRect bar = area;
    if (vertical) {
        bar.Top = area.Bottom - static_cast<int>(RoundHalfEven((to - lo) * area.Height(), hi - lo));
        bar.Bottom = area.Bottom - static_cast<int>(RoundHalfEven((from - lo) * area.Height(), hi - lo));
    } else {
        bar.Left = area.Left + static_cast<int>(RoundHalfEven((from - lo) * area.Width(), hi - lo));
        bar.Right = area.Left + static_cast<int>(RoundHalfEven((to - lo) * area.Width(), hi - lo));
    }
    PaintSkinPart(FindFirst(object, {vertical ? "BarVert" : "BarHorz", "Bar"}), canvas, bar, 0);
}

bool TTeSkinFile::IsTrackBarDefined(Byte, const std::string&) { return Entry(seTrackBar); }
bool TTeSkinFile::IsTrackBarTransparent(Byte, const std::string&) { return true; }

void TTeSkinFile::DrawTrackBarTrack(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    PaintSkinPart(FindFirst(Entry(seTrackBar), {IsVertical(info.Rect) ? "TrackVert" : "TrackHorz", "Track"}), canvas,
                  info.Rect, 0);
}

// The item record's Kind gives the tick side: 1 top or left, 2 bottom or right, else none.
void TTeSkinFile::DrawTrackBarThumb(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    const bool vertical = IsVertical(info.Rect);
    const char* sided = info.Kind == 1 ? (vertical ? "ThumbVertLeft" : "ThumbHorzTop")
                        : info.Kind == 2 ? (vertical ? "ThumbVertRight" : "ThumbHorzBottom")
                                         : (vertical ? "ThumbVert" : "ThumbHorz");
    PaintCentred(FindFirst(Entry(seTrackBar), {sided, vertical ? "ThumbVert" : "ThumbHorz", "Thumb"}), canvas,
                 info.Rect, 0);
}

bool TTeSkinFile::IsHeaderDefined(Byte, const std::string&) { return Entry(seHeader); }
void TTeSkinFile::DrawHeaderSection(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    static constexpr uint8_t states[] = {0, ssPressed, ssDisabled, ssHot, ssHot, ssPressed, ssDisabled};
    PaintSkinPart(PartOf(seHeader, "Section"), canvas, info.Rect, info.State <= 6 ? states[info.State] : 0);
}

bool TTeSkinFile::IsStatusDefined(Byte, const std::string&) { return Entry(seStatusBar); }
void TTeSkinFile::DrawStatusBar(Byte, TCanvas& canvas, const TteStatusBarInfo& info, const std::string&)
{
    PaintSkinPart(PartOf(seStatusBar, "Frame"), canvas, info.Rect, 0);
}
void TTeSkinFile::DrawStatusPanel(Byte, TCanvas& canvas, const TteStatusPanelInfo& info, const std::string&)
{
    PaintSkinPart(PartOf(seStatusBar, "Panel"), canvas, info.Rect, 0);
}
void TTeSkinFile::DrawStatusGripper(Byte, TCanvas& canvas, const TteStatusBarInfo& info, const std::string&)
{
    PaintSkinPart(PartOf(seStatusBar, "Gripper"), canvas, info.Rect, 0);
}

bool TTeSkinFile::IsEditDefined(Byte kind, const std::string&) { return kind == 0 && Entry(seEdit); }
TRect TTeSkinFile::GetEditClientRect(Byte, const TteEditInfo& info, const std::string&) { return InflateRectBy(info.Rect, -4); }

void TTeSkinFile::DrawEditFrame(Byte, TCanvas& canvas, const TteEditInfo& info, const std::string&)
{
    const uint8_t state = info.State == 3 ? ssDisabled : info.State == 1 ? ssHot : 0;
    PaintSkinPart(PartOf(seEdit, "Frame"), canvas, info.Rect, state);
}

void TTeSkinFile::DrawEditSelection(Byte, TCanvas& canvas, const TteEditInfo& info, const std::string&)
{
    if (TSeSkinObject* selection = PartOf(seEdit, "Selection"))
        PaintSkinPart(selection, canvas, info.Rect, 0);
    else
        FillRectColor(canvas, info.Rect, clHighlight);
}

void TTeSkinFile::DrawEditButton(Byte kind, TCanvas& canvas, const TteEditInfo& info, const std::string&)
{
    TSeSkinObject* button = kind == 0 ? PartOf(seComboBox, "Button") : kind <= 8 ? PartOf(seEdit, "Button") : nullptr;
    PaintSkinPart(button, canvas, info.Rect, HotPressedDisabled(info.State));
}

bool TTeSkinFile::IsGroupBoxDefined(Byte, const std::string&) { return Entry(seGroupBox); }
bool TTeSkinFile::IsGroupBoxTransparent(Byte, const std::string&) { return MaskedPart(PartOf(seGroupBox, "Frame")); }
TRect TTeSkinFile::GetGroupBoxCaptionRect(Byte, const TteItemInfo& info, const std::string&)
{
    return LessFrame(seGroupBox, info.Rect);
}

void TTeSkinFile::DrawGroupBox(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName)
{
    TSeSkinObject* frame = PartOf(seGroupBox, "Frame");
    if (!frame)
        return;
    // The pixels under the caption are put back after the frame, so its line does not cross it.
    const TRect caption = GetGroupBoxCaptionRect(kind, info, objectName);
    TBitmap saved(std::max(caption.Width(), 0), std::max(caption.Height(), 0));
    const TRect whole = Rect(0, 0, saved.Width(), saved.Height());
    if (!saved.Empty())
        saved.Canvas().CopyRect(whole, canvas, caption);
    TRect lowered = info.Rect;
    lowered.Top += canvas.TextHeight("W") / 2;
    PaintSkinPart(frame, canvas, lowered, 0);
    if (!saved.Empty())
        canvas.CopyRect(caption, saved.Canvas(), whole);
}

bool TTeSkinFile::IsMemoDefined(Byte, const std::string&) { return Entry(seEdit); }
TRect TTeSkinFile::GetMemoClientRect(Byte, const TteItemInfo& info, const std::string&) { return InflateRectBy(info.Rect, -4); }
void TTeSkinFile::DrawMemoFrame(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    PaintSkinPart(PartOf(seEdit, "Frame"), canvas, info.Rect, 0);
}

namespace {

TSeSkinObject* MenuFrame(TSeSkinObject* menu, uint8_t kind)
{
    return kind == 1 ? FindFirst(menu, {"ToolbarFrame", "Frame"}) : Find(menu, "Frame");
}

} // namespace

bool TTeSkinFile::IsMenuDefined(Byte kind, const std::string&) { return Entry(MenuEntry(kind)); }

TRect TTeSkinFile::GetMenuClientRect(Byte kind, const TteMenuFrameInfo& info, const std::string&)
{
    return LessMargins(info.Rect, MenuFrame(Entry(MenuEntry(kind)), kind));
}

void TTeSkinFile::DrawMenuFrame(Byte kind, TCanvas& canvas, const TteMenuFrameInfo& info, const std::string&)
{
    PaintSkinPart(MenuFrame(Entry(MenuEntry(kind)), kind), canvas, info.Rect, 0);
}

void TTeSkinFile::DrawMenuItem(Byte kind, TCanvas& canvas, const TteMenuItemInfo& info, const std::string&)
{
    TSeSkinObject* menu = Entry(MenuEntry(kind));
    if (!menu)
        return;
    const uint8_t state = info.State == 3 ? ssDisabled : info.State == 1 ? ssFocused : info.State == 2 ? ssHot : 0;
    const char* item = kind == 1 ? "ToolbarItem" : "Item";
    if (info.Kind == 1) {
        if (kind == 1)
            return;
        // A part without a separator look draws the text's one-pixel line for "-".
        TSeSkinObject* line = FindFirst(menu, {kind == 0 ? "separator" : "Separator", "Item"});
        if (!line)
            return;
        line->SetText("-");
        PaintSkinPart(line, canvas, info.Rect, state);
        line->SetText("");
        return;
    }
    if (info.Kind == 2 || info.Kind == 3) {
        const char* arrow = kind == 2 ? (info.Kind == 2 ? "upbutton" : "downbutton") : item;
        PaintSkinPart(FindFirst(menu, {arrow, item, "Item"}), canvas, info.Rect, state);
        const int font = info.State == 3 ? tfMenuItemTextDisabled : info.State == 1 ? tfMenuItemTextSelected
                         : info.State == 2 ? tfMenuItemTextHot : tfMenuItemTextNormal;
        DrawArrow(canvas, info.Rect, info.Kind == 2, Fonts().GetFont(font).Color());
        return;
    }
    PaintSkinPart(FindFirst(menu, {item, "Item"}), canvas, info.Rect, state);
}

void TTeSkinFile::DrawMenuItemGlyph(Byte kind, TCanvas& canvas, const TteMenuItemInfo& info,
                                    const TteItemGlyphInfo& glyph, const std::string& objectName)
{
    TteTheme::DrawMenuItemGlyph(kind, canvas, info, glyph, objectName);
    if (glyph.Kind == 4 && glyph.Bitmap && !glyph.Bitmap->Empty()) {
        const TRect at = RectCenter(Rect(0, 0, glyph.Bitmap->Width(), glyph.Bitmap->Height()), glyph.Rect);
        glyph.Bitmap->DrawToCanvas(canvas, at.Left, at.Top);
        return;
    }
    if (glyph.Kind < 13 || glyph.Kind > 15)
        return;
    static constexpr const char* parts[] = {"Min", "Restore", "Close"};
    static constexpr uint32_t captions[] = {DFCS_CAPTIONMIN, DFCS_CAPTIONRESTORE, DFCS_CAPTIONCLOSE};
    if (TSeSkinObject* part = PartOf(seMenuBar, parts[glyph.Kind - 13]))
        PaintCentred(part, canvas, glyph.Rect, glyph.State);
    else
        DrawFrameControl(canvas, glyph.Rect, DFC_CAPTION, captions[glyph.Kind - 13]);
}

bool TTeSkinFile::IsControlBarDefined(Byte, const std::string&) { return Entry(seControlBar); }
TRect TTeSkinFile::GetControlBarClientRect(Byte, const TteItemInfo& info, const std::string&)
{
    return LessFrame(seControlBar, info.Rect);
}
void TTeSkinFile::DrawControlBar(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    PaintSkinPart(PartOf(seControlBar, "Back"), canvas, info.Rect, 0);
}
TRect TTeSkinFile::GetControlBarBandRect(Byte, const TteItemInfo& info, const std::string&) { return InflateRectBy(info.Rect, -2); }

void TTeSkinFile::DrawControlBarBand(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    PaintSkinPart(PartOf(seControlBar, "Frame"), canvas, info.Rect, 0);
    if (TSeSkinObject* grabber = PartOf(seControlBar, "Grabber")) {
        const TRect& r = info.Rect;
        PaintSkinPart(grabber, canvas, Rect(r.Left + 2, r.Top + 2, r.Left + 2 + grabber->Width(), r.Bottom - 2), 0);
    }
}

bool TTeSkinFile::IsPanelDefined(Byte, const std::string&) { return Entry(sePanel); }
bool TTeSkinFile::IsPanelTransparent(Byte kind, const std::string&) { return kind == 1 && MaskedPart(PartOf(sePanel, "Caption")); }
TRect TTeSkinFile::GetPanelClientRect(Byte, const TteItemInfo& info, const std::string&) { return info.Rect; }
void TTeSkinFile::DrawPanelBackground(Byte, TCanvas&, const TteItemInfo&, const std::string&) {}
void TTeSkinFile::DrawPanel(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    PaintSkinPart(PartOf(sePanel, "Frame"), canvas, info.Rect, 0);
}

void TTeSkinFile::DrawPanelCaption(Byte, TCanvas& canvas, const TteItemInfo& info, const TteTextInfo& text,
                                   const std::string&)
{
    TSeSkinObject* caption = PartOf(sePanel, "Caption");
    if (!caption)
        return;
    caption->SetText(text.Text);
    PaintSkinPart(caption, canvas, info.Rect, 0);
    caption->SetText("");
}

void TTeSkinFile::DrawPanelButton(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    static constexpr const char* parts[] = {"ButtonHide", "ButtonRollup", "ButtonRollDown"};
    if (kind <= 2)
        PaintSkinPart(PartOf(sePanel, parts[kind]), canvas, info.Rect, 0);
}

bool TTeSkinFile::IsTabsDefined(Byte, const std::string&) { return Entry(seTabs); }
TRect TTeSkinFile::GetTabsClientRect(Byte, const TteItemInfo& info, const std::string&) { return InflateRectBy(info.Rect, -2); }
void TTeSkinFile::DrawTabsBackground(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    PaintSkinPart(PartOf(seTabs, "Frame"), canvas, info.Rect, 0);
}

// The item record's Kind marks the active tab.
void TTeSkinFile::DrawTab(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    const uint8_t state = info.State == 2 ? ssDisabled : info.Kind ? ssFocused : info.State == 1 ? ssHot : 0;
    PaintSkinPart(PartOf(seTabs, "Tab"), canvas, info.Rect, state);
}

void TTeSkinFile::DrawTabsFrame(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    const uint8_t state = info.State == 3 ? ssDisabled : info.State == 2 ? ssPressed : info.State == 1 ? ssHot : 0;
    PaintSkinPart(PartOf(seTabs, kind == 1 ? "LeftButton" : "RightButton"), canvas, info.Rect, state);
}

namespace {

uint8_t ItemState(int state) { return state == 2 || state == 3 ? ssFocused : state == 4 ? ssDisabled : 0; }

} // namespace

bool TTeSkinFile::IsCheckListDefined(Byte, const std::string&) { return Entry(seListBox); }
TRect TTeSkinFile::GetCheckListClientRect(Byte, const TteItemInfo& info, const std::string&)
{
    return LessFrame(seListBox, info.Rect);
}
void TTeSkinFile::DrawCheckListBackground(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    PaintSkinPart(PartOf(seListBox, "Frame"), canvas, info.Rect, 0);
}
void TTeSkinFile::DrawCheckListItem(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    PaintSkinPart(PartOf(seListBox, "Item"), canvas, info.Rect, ItemState(info.State));
}
void TTeSkinFile::DrawCheckListCheck(Byte, TCanvas& canvas, const TteCheckInfo& info, const std::string& objectName)
{
    DrawCheck(0, canvas, info, objectName);
}

bool TTeSkinFile::IsListBoxDefined(Byte, const std::string&) { return Entry(seListBox); }
TRect TTeSkinFile::GetListBoxClientRect(Byte, const TteItemInfo& info, const std::string&)
{
    return LessFrame(seListBox, info.Rect);
}
void TTeSkinFile::DrawListBoxBackground(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    PaintSkinPart(PartOf(seListBox, "Frame"), canvas, info.Rect, 0);
}
void TTeSkinFile::DrawListBoxItem(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    PaintSkinPart(PartOf(seListBox, "Item"), canvas, info.Rect, ItemState(info.State));
}

bool TTeSkinFile::IsGridDefined(Byte, const std::string&) { return Entry(seGrid); }
TRect TTeSkinFile::GetGridClientRect(Byte, const TteItemInfo& info, const std::string&) { return LessFrame(seGrid, info.Rect); }
void TTeSkinFile::DrawGridBackground(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    PaintSkinPart(PartOf(seGrid, "Frame"), canvas, info.Rect, 0);
}

// The item record's Kind marks a fixed cell.
void TTeSkinFile::DrawGridCell(Byte, TCanvas& canvas, const TteItemInfo& info, const std::string&)
{
    const uint8_t state = info.State == 1 ? ssHot : ItemState(info.State);
    PaintSkinPart(PartOf(seGrid, info.Kind ? "Fixed" : "Cell"), canvas, info.Rect, state);
}
