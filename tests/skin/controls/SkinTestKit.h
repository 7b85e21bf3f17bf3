#pragma once
// The skinned controls' tests: a shown form with the theme manager and the controls' library
// started, and a theme that draws the controls' kinds as plain fills and logs every call.
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/TCanvas.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TeControlsUnit.h"
#include "skin/engine/TeUnits.h"
#include "skin/engine/TteTheme.h"
#include "skin/engine/TteThemeManager.h"
#include "tests/controls/flat/PaintedText.h"
#include "tests/skin/controls/EngineUnits.h"
#include "tests/platform/controls/ControlsTestKit.h"

constexpr TColor ThemeButtonFace = 0x00C000, ThemeCheck = 0xC00000, ThemeBar = 0x0000C0;

// Each call logged as "<call> <object> <state>"; the records of the last calls kept.
class RecordingTheme : public TteTheme {
public:
    std::vector<std::string> log;
    TteCheckInfo check;
    TteProgressInfo progress;
    TteTextInfo text;

    RecordingTheme() { Reset(); }

    bool IsButtonDefined(Byte, const std::string& o) override { return Probe("IsButtonDefined", o); }
    void DrawButton(Byte, TCanvas& canvas, const TteButtonInfo& info, const std::string& o) override
    {
        Log("DrawButton", o, info.State);
        Fill(canvas, info.Rect, ThemeButtonFace);
    }
    void DrawButtonText(Byte, TCanvas&, const TteButtonInfo& info, const TteTextInfo& t, const std::string& o) override
    {
        Log("DrawButtonText", o, info.State);
        text = t;
    }
    void DrawButtonGlyph(Byte, TCanvas&, const TteButtonInfo& info, const TteGlyphInfo&, const std::string& o) override
    {
        Log("DrawButtonGlyph", o, info.State);
    }

    bool IsCheckDefined(Byte, const std::string& o) override { return Probe("IsCheckDefined", o); }
    void DrawCheck(Byte, TCanvas& canvas, const TteCheckInfo& info, const std::string& o) override
    {
        Log("DrawCheck", o, info.State);
        check = info;
        Fill(canvas, info.Rect, ThemeCheck);
    }
    void DrawCheckText(Byte, TCanvas&, const TteCheckInfo& info, const TteTextInfo& t, const std::string& o) override
    {
        Log("DrawCheckText", o, info.State);
        text = t;
    }

    bool IsProgressDefined(Byte, const std::string& o) override { return Probe("IsProgressDefined", o); }
    void DrawProgress(Byte, TCanvas& canvas, const TteProgressInfo& info, const std::string& o) override
    {
        Log("DrawProgress", o, 0);
        progress = info;
        Fill(canvas, info.Rect, ThemeBar);
    }

    bool Logged(const std::string& entry) const { return std::find(log.begin(), log.end(), entry) != log.end(); }

private:
    bool Probe(const char* call, const std::string& object)
    {
        log.push_back(std::string(call) + " " + object);
        return true;
    }
    void Log(const char* call, const std::string& object, int state)
    {
        log.push_back(std::string(call) + " " + object + " " + std::to_string(state));
    }
    static void Fill(TCanvas& canvas, const TRect& r, TColor color)
    {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(color);
        canvas.FillRect(r);
    }
};

// A control owned by and shown on 'parent', docked to one side or placed at 'bounds'.
template <class T, class P> T* Docked(P& parent, TAlign align)
{
    T* control = CreateOwned<T>(parent);
    control->SetParent(&parent);
    control->SetAlign(align);
    return control;
}
template <class T, class P> T* PlacedOn(P& parent, const TRect& bounds)
{
    T* control = CreateOwned<T>(parent);
    control->SetParent(&parent);
    control->SetBoundsRect(bounds);
    return control;
}
inline TTeItem* AddItem(TTeItem& parent, const std::string& caption)
{
    auto* item = CreateOwned<TTeItem>(parent);
    item->SetCaption(caption);
    parent.Add(item);
    return item;
}

struct SkinFixture : TControlsFixture {
    EngineUnits units;

    SkinFixture() { StartTeControls(); }
    ~SkinFixture() { StopTeControls(); }
    RecordingTheme& UseRecordingTheme()
    {
        auto theme = std::make_unique<RecordingTheme>();
        RecordingTheme& ref = *theme;
        SetCurrentTheme(std::move(theme));
        session.ProcessUntilIdle();
        return ref;
    }
    // Keys queued for a menu loop to read.
    void Keys(std::initializer_list<uint16_t> keys)
    {
        for (uint16_t key : keys)
            session.Screen().KeyDown(key);
    }
};
