#pragma once
// A headless session with the form unit and the bitmap routines it paints with started and animations
// off, and skinned forms made as the program's construction code makes them: the component is
// loaded with its form.
#include <functional>

#include <gtest/gtest.h>

#include "platform/ui/TCustomForm.h"
#include "platform/ui/THeadlessSession.h"
#include "skin/controls/TTeDefaultForm.h"
#include "skin/controls/TeControlsUnit.h"
#include "tests/skin/controls/EngineUnits.h"

class SkinnedFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartTeControls();
        s.App().SetAnimationsEnabled(false);
    }
    void TearDown() override { StopTeControls(); }

    template <class Skin = TTeDefaultForm>
    Skin* MakeSkinned(TForm*& form, TRect bounds, const std::function<void(Skin&)>& setup = {})
    {
        form = s.CreateForm<TForm>();
        auto* skin = CreateOwned<Skin>(*form);
        form->BeginLoading();
        form->SetBoundsRect(bounds);
        if (setup)
            setup(*skin);
        form->EndLoading();
        form->Show();
        s.ProcessUntilIdle();
        return skin;
    }

    // The usual case: a classic skinned form at (100, 100), 300 x 200, kept in 'form'.
    TTeDefaultForm* Skinned() { return MakeSkinned(form, Bounds(100, 100, 300, 200)); }
    // Press at one screen point, move to another and release there.
    void Drag(int x0, int y0, int x1, int y1)
    {
        s.MouseDown(x0, y0);
        s.MoveTo(x1, y1);
        s.MouseUp(x1, y1);
    }
    // The frame's answer at a window point.
    int NcHit(TForm& form, int x, int y)
    {
        const TRect w = form.WindowRect();
        return s.App().SendMessage(form.Handle(), WM_NCHITTEST, 0, MakeLong(w.Left + x, w.Top + y));
    }

    THeadlessSession s;
    EngineUnits units;
    TForm* form = nullptr;
};
