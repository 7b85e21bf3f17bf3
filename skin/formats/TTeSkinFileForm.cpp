#include "platform/graphics/TCanvas.h"
#include "skin/engine/TeFormClip.h"
#include "skin/engine/TeUtils.h"
#include "skin/formats/TSeBitmapObject.h"
#include "skin/formats/TSeBitmapSkinObject.h"
#include "skin/formats/TTeSkinFile.h"

// The form group: entry 0 (30 for the tool window) draws frame and caption, its first copy
// measures the caption buttons, its second copy draws them, and the own client the background.
namespace {

// The action of each caption button kind, as GetFormButtonRect finds it.
constexpr TSeAction ButtonActions[] = {sbaSysMenu, sbaClose,   sbaHelp,   sbaMinimize, sbaMinimize,
                                       sbaMaximize, sbaRestore, sbaRollUp, sbaRollDown, sbaTray};

uint8_t WindowState(const TteFormInfo& info)
{
    uint8_t state = wsNormalState;
    if (info.HasButton(fbRestoreMaximized))
        state = wsMaximizedState;
    if (info.HasButton(fbRestoreMinimized))
        state = wsMinimizedState;
    if (info.HasButton(fbRollDown))
        state = wsRolledUpState;
    return state;
}

void SetButtonState(TSeSkinObject& button, int state)
{
    if (auto* system = dynamic_cast<TSeSystemButton*>(&button))
        system->SetButtonState(state);
    else if (auto* plain = dynamic_cast<TSeSysButtonSkinObject*>(&button))
        plain->SetButtonState(state);
}

} // namespace

bool TTeSkinFile::IsFormDefined(Byte kind, const std::string&)
{
    return FormBase(kind) >= 0 && Entry(FormBase(kind));
}

std::optional<TRegion> TTeSkinFile::GetFormRegion(Byte kind, const TteFormInfo& info, const std::string&)
{
    TSeSkinObject* frame = Entry(FormBase(kind));
    if (!frame)
        return {};
    frame->SetBounds(info.Rect);
    return frame->GetRegion();
}

TSeSkinObject* TTeSkinFile::PreparedButtons(int base, const TteFormInfo& info) const
{
    TSeSkinObject* copy = base >= 0 ? Entry(base + 2) : nullptr;
    if (!copy)
        return nullptr;
    copy->SetState(0);
    copy->SetState(WindowState(info));
    copy->SetButtons(info.Buttons);
    copy->SetBounds(info.Rect);
    copy->AlignAll();
    return copy;
}

int TTeSkinFile::FormHitTest(Byte kind, const TteFormInfo& info, TPoint point, const std::string& objectName)
{
    if (TSeSkinObject* copy = PreparedButtons(FormBase(kind), info))
        if (TSeSkinObject* hit = copy->ObjectAtPoint(point); hit && (hit->Kind() == skCaption || hit->Kind() == skTitle))
            return fhCaption;
    return TteTheme::FormHitTest(kind, info, point, objectName);
}

TRect TTeSkinFile::GetFormClientRect(Byte kind, const TteFormInfo& info, const std::string& objectName)
{
    const int base = FormBase(kind);
    TSeSkinObject* frame = Entry(base);
    TSeSkinObject* client = base >= 0 ? Entry(base + 1) : nullptr;
    if (!frame || !client)
        return TteTheme::GetFormClientRect(kind, info, objectName);
    frame->SetActive(info.Active());
    frame->SetBounds(info.Rect);
    return client->BoundsRect();
}

void TTeSkinFile::DrawFormFrame(Byte kind, TCanvas& canvas, const TteFormInfo& info, const std::string&)
{
    TSeSkinObject* frame = Entry(FormBase(kind));
    if (!frame)
        return;
    const TFormClip clip(canvas, info.Clip);
    frame->SetActive(info.Active());
    frame->SetBounds(info.Rect);
    frame->Draw(canvas, info.Clip);
}

void TTeSkinFile::DrawFormBackground(Byte kind, TCanvas& canvas, const TteFormInfo& info, const std::string&)
{
    if (kind == 2 || kind == 3 || FormBase(kind) < 0)
        return;
    const TFormClip clip(canvas, info.Clip);
    PaintSkinPart(Entry(FormBase(kind) + 4), canvas, info.Rect, 0);
}

TRect TTeSkinFile::GetFormCaptionRect(Byte kind, const TteFormInfo& info, const std::string& objectName)
{
    TSeSkinObject* frame = Entry(FormBase(kind));
    TSeSkinObject* title = frame ? frame->FindObjectByKind(skTitle) : nullptr;
    if (!title)
        return TteTheme::GetFormCaptionRect(kind, info, objectName);
    frame->SetActive(info.Active());
    frame->SetBounds(info.Rect);
    // Laid out again with the text, so a title aligned to its text takes the caption's width.
    title->SetText(info.Caption);
    if (auto* parent = dynamic_cast<TSeSkinObject*>(title->Owner()))
        parent->AlignObjects();
    const TRect result = title->BoundsRect();
    title->SetText("");
    return result;
}

void TTeSkinFile::DrawFormCaption(Byte kind, TCanvas& canvas, const TteFormInfo& info, const std::string&)
{
    TSeSkinObject* frame = Entry(FormBase(kind));
    TSeSkinObject* title = frame ? frame->FindObjectByKind(skTitle) : nullptr;
    if (!title)
        return;
    const TFormClip clip(canvas, info.Clip);
    title->Font().Assign(Fonts().GetFont(info.Active() ? tfCaptionTextNormal : tfCaptionTextInactive));
    title->SetText(info.Caption);
    title->SetBounds(info.Rect);
    title->Draw(canvas, info.Clip);
    title->SetText("");
}

TRect TTeSkinFile::GetFormButtonRect(Byte kind, const TteFormInfo& info, int button, const std::string& objectName)
{
    TSeSkinObject* copy = PreparedButtons(FormBase(kind), info);
    if (!copy)
        return TteTheme::GetFormButtonRect(kind, info, button, objectName);
    if (button < fbSysMenu || button > fbTray || !info.HasButton(button))
        return NullRect;
    TSeSkinObject* found = copy->FindSystemButton(ButtonActions[button]);
    return found ? found->BoundsRect() : NullRect;
}

void TTeSkinFile::DrawFormButton(Byte kind, TCanvas& canvas, const TteFormInfo& info, const TteFormPartInfo& button,
                                 const std::string& objectName)
{
    // The null clip draws everything; only a real clip without area draws nothing.
    if (info.Clip != NullRect && info.Clip.IsEmpty())
        return;
    const int base = FormBase(kind);
    TSeSkinObject* copy = base >= 0 ? Entry(base + 3) : nullptr;
    if (!copy)
        return;
    static constexpr struct {
        TSeAction action;
        int bit;
    } drawn[] = {{sbaSysMenu, -1},  {sbaClose, fbClose},          {sbaHelp, fbHelp},  {sbaMinimize, -1},
                 {sbaNone, -1},     {sbaMaximize, fbMaximize},    {sbaRestore, fbRestoreMaximized},
                 {sbaRollUp, -1},   {sbaRollDown, -1},            {sbaTray, -1}};
    if (button.Part > fbTray)
        return;
    const auto [action, bit] = drawn[button.Part];
    TSeSkinObject* found = action != sbaNone && (bit < 0 || info.HasButton(bit)) ? copy->FindSystemButton(action) : nullptr;
    if (found) {
        const TFormClip clip(canvas, info.Clip);
        found->SetActive(info.Active());
        SetButtonState(*found, button.State);
        found->SetBounds(button.Rect);
        found->Draw(canvas, info.Clip);
    }
    if (button.Part == fbSysMenu)
        TteTheme::DrawFormButton(kind, canvas, info, button, objectName);
}

void TTeSkinFile::DrawFormGripper(Byte kind, TCanvas& canvas, const TteFormGripperInfo& info, const std::string& objectName)
{
    TteFormInfo background;
    background.Rect = info.Rect;
    DrawFormBackground(kind, canvas, background, objectName);
    PaintSkinPart(PartOf(seStatusBar, "Gripper"), canvas, info.Rect, 0);
}

bool TTeSkinFile::IsFormTransparent(Byte, const std::string&) { return true; }

void TTeSkinFile::DrawFormPart(Byte, TCanvas& canvas, const TteFormPartInfo& info, const std::string&)
{
    if (TSeSkinObject* hint = Entry(seHint)) {
        PaintSkinPart(hint, canvas, info.Rect, 0);
        return;
    }
    FillRectColor(canvas, info.Rect, clInfoBk);
    FrameRectColor(canvas, info.Rect, clGray);
}
