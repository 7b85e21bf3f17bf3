#pragma once
// A small skin built in code: a form with title, client and caption buttons, a button with a
// bitmap per state, a check box, a progress bar, an edit, two menus and a list box,
// over bitmaps holding key-colour, opaque and half-transparent pixels.
#include <memory>
#include <string>

#include "platform/graphics/TColor.h"
#include "platform/graphics/TFont.h"
#include "skin/engine/TePixels.h"
#include "skin/engine/TteBitmap.h"
#include "skin/formats/TSeBitmapObject.h"
#include "skin/formats/TSeBitmapSkinObject.h"
#include "skin/formats/TSeSkinSource.h"
#include "skin/formats/TSeStateObjects.h"

namespace testskin {

// The opaque colour of each button state's tile, and of the form frame.
constexpr uint32_t Normal = 0xFFC00000u, Hot = 0xFF00C000u, Pressed = 0xFF0000C0u, Disabled = 0xFF808080u;
constexpr uint32_t Frame = 0xFF204060u, Glass = 0x80FFFFFFu;
// The list box frame's colour, which a skin theme takes for its list colours.
constexpr TColor ListColor = RGB(200, 120, 40);
constexpr int Tile = 12;

inline void AddBitmap(TSeSkinSource& skin, const std::string& name, int w, int h, uint32_t fill)
{
    auto b = std::make_unique<TteBitmap>();
    b->SetName(name);
    b->SetSize(w, h);
    b->Fill(fill);
    skin.Bitmaps().Add(std::move(b));
}

inline void Link(TteBitmapLink& link, const std::string& name, const TRect& r)
{
    link.SetName(name);
    link.SetBoundsRect(r);
}

// The same border on all four sides.
inline void Margins(TSeSkinObject& o, int m)
{
    o.SetMarginLeft(m);
    o.SetMarginTop(m);
    o.SetMarginRight(m);
    o.SetMarginBottom(m);
}

template <class T> T* Part(TSeSkinObject& parent, const std::string& name, TSeAlign align = saClient)
{
    auto* part = CreateOwned<T>(parent);
    part->SetName(name);
    part->SetAlign(align);
    return part;
}

template <class T> T* TopLevel(const std::string& name, const TRect& bounds)
{
    TComponentPtr<T> object = Create<T>();
    object->SetName(name);
    object->SetBounds(bounds);
    return object.release();
}

inline TSeSkinObject* MakeForm()
{
    auto* form = TopLevel<TSeSkinObject>("Form", Rect(0, 0, 120, 80));
    form->SetKind(skForm);
    auto* title = Part<TSeActiveBitmap>(*form, "Title", saMostTop);
    title->SetKind(skTitle);
    title->SetHeight(20);
    Margins(*title, 4);
    title->SetText("Caption");
    title->Font().SetStyle(fsBold);
    Link(title->Bitmap(), "frame", Rect(0, 0, 24, 20));
    const std::pair<const char*, TSeAction> buttons[] = {
        {"CloseButton", sbaClose}, {"MaxButton", sbaMaximize}, {"RestoreButton", sbaRestore}, {"MinButton", sbaMinimize}};
    for (auto [name, action] : buttons) {
        auto* button = Part<TSeSystemButton>(*title, name, saRight);
        button->SetAction(action);
        button->SetBounds(Rect(0, 0, Tile, Tile));
        Link(button->Bitmap(), "button", Rect(0, 0, Tile, Tile));
        Link(button->BitmapHot(), "button", Rect(Tile, 0, 2 * Tile, Tile));
        Link(button->BitmapPressed(), "button", Rect(2 * Tile, 0, 3 * Tile, Tile));
    }
    auto* client = Part<TSeSkinObject>(*form, "Client");
    client->SetKind(skClient);
    client->SetColor(clWhite);
    client->SetMasked(false);
    return form;
}

inline TSeSkinObject* MakeButton()
{
    auto* button = TopLevel<TSeSkinObject>("Button", Rect(0, 0, 60, 24));
    auto* face = Part<TSeButtonObject>(*button, "Face");
    Margins(*face, 3);
    face->SetTileStyle(tsStretch);
    face->SetBorderTileStyle(tsStretch);
    face->SetTextAlign(taCenter);
    Link(face->Bitmap(), "button", Rect(0, 0, Tile, Tile));
    Link(face->BitmapHot(), "button", Rect(Tile, 0, 2 * Tile, Tile));
    Link(face->BitmapPressed(), "button", Rect(2 * Tile, 0, 3 * Tile, Tile));
    Link(face->BitmapDisabled(), "button", Rect(3 * Tile, 0, 4 * Tile, Tile));
    return button;
}

inline TSeSkinObject* MakeMenu(const std::string& name, const std::string& separator)
{
    auto* menu = TopLevel<TSeSkinObject>(name, Rect(0, 0, 100, 20));
    auto* frame = Part<TSeBitmapObject>(*menu, "Frame");
    Link(frame->Bitmap(), "frame", Rect(0, 0, 24, 20));
    auto* item = Part<TSeColorButtonObject>(*menu, "Item", saNone);
    item->SetHotColor(clNavy);
    item->HotFont().SetColor(clWhite);
    auto* line = Part<TSeSkinObject>(*menu, separator, saNone);
    line->SetColor(clNone);
    line->Font().SetColor(clGray);
    return menu;
}

inline std::unique_ptr<TSeSkinSource> MakeSkin()
{
    auto skin = std::make_unique<TSeSkinSource>();
    skin->SetSkinName("Test Skin");
    skin->SetSkinVersion("1.0");
    AddBitmap(*skin, "frame", 24, 20, Frame);
    TteBitmap& frame = *skin->Bitmaps().Get(0);
    for (int i = 0; i < 2; ++i)
        frame.SetPixel(i, 0, KeyColor); // rounded top-left corner
    frame.SetTransparent(true);
    AddBitmap(*skin, "button", 4 * Tile, Tile, Normal);
    TteBitmap& button = *skin->Bitmaps().Get(1);
    for (auto [i, colour] : {std::pair{1, Hot}, {2, Pressed}, {3, Disabled}})
        button.FillRect(Rect(i * Tile, 0, (i + 1) * Tile, Tile), colour);
    button.SetPixel(0, 0, KeyColor);
    button.SetTransparent(true);
    AddBitmap(*skin, "glass", 8, 8, Glass);
    skin->Bitmaps().Get(2)->SetAlphaBlend(true);

    skin->AddObject(MakeForm());
    skin->AddObject(MakeButton());

    auto* check = TopLevel<TSeSkinObject>("Checkbox", Rect(0, 0, 13, 13));
    Link(Part<TSeBitmapSkinObject>(*check, "Unchecked")->Bitmap(), "button", Rect(0, 0, Tile, Tile));
    Link(Part<TSeBitmapSkinObject>(*check, "Checked")->Bitmap(), "button", Rect(Tile, 0, 2 * Tile, Tile));
    skin->AddObject(check);

    auto* progress = TopLevel<TSeSkinObject>("ProgressBar", Rect(0, 0, 80, 16));
    auto* progressFrame = Part<TSeBitmapObject>(*progress, "Frame");
    progressFrame->SetMarginLeft(2);
    progressFrame->SetMarginRight(2);
    Link(progressFrame->Bitmap(), "frame", Rect(0, 0, 24, 20));
    auto* bar = Part<TSeBitmapObject>(*progress, "Bar", saNone);
    bar->SetTileStyle(tsStretch);
    Link(bar->Bitmap(), "glass", Rect(0, 0, 8, 8));
    skin->AddObject(progress);

    auto* edit = TopLevel<TSeSkinObject>("Edit", Rect(0, 0, 80, 21));
    auto* editFrame = Part<TSeButtonBitmapBoxObject>(*edit, "Frame");
    Margins(*editFrame, 2);
    Link(editFrame->Bitmap(), "frame", Rect(0, 0, 24, 20));
    Link(editFrame->HotBitmap(), "button", Rect(Tile, 0, 2 * Tile, Tile));
    skin->AddObject(edit);

    skin->AddObject(MakeMenu("MenuBar", "separator"));
    skin->AddObject(MakeMenu("PopupMenu", "Separator"));

    auto* list = TopLevel<TSeSkinObject>("ListBox", Rect(0, 0, 80, 60));
    auto* listFrame = Part<TSeBitmapBoxObject>(*list, "frame");
    Margins(*listFrame, 2);
    listFrame->SetColor(ListColor);
    Link(listFrame->Bitmap(), "frame", Rect(0, 0, 24, 20));
    skin->AddObject(list);
    // Laid out as a copy would be.
    for (int i = 0; i < skin->Count(); ++i)
        skin->Objects(i)->AlignAll();
    return skin;
}

} // namespace testskin
