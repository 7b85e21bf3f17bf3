#pragma once
// A shown form on the headless screen for the control tests, with helpers to place a control on it.
#include "platform/ui/TCustomForm.h"
#include "platform/ui/THeadlessSession.h"

struct TControlsFixture {
    THeadlessSession session;
    TForm* form = nullptr;

    TControlsFixture()
    {
        form = session.CreateForm<TForm>();
        form->SetBounds(50, 50, 400, 300);
        form->Show();
        session.ProcessUntilIdle();
    }

    template <class T> T* Place(int left, int top, int width, int height)
    {
        T* control = CreateOwned<T>(*form);
        control->SetParent(form);
        control->SetBounds(left, top, width, height);
        session.ProcessUntilIdle();
        return control;
    }

    // The mouse moved onto the centre of a control.
    void MouseOver(const TControl& control)
    {
        const TPoint p = session.ScreenPointOf(control);
        session.MoveTo(p.X, p.Y);
    }

    // A left-button drag between two client points of a control.
    void Drag(const TControl& control, TPoint from, TPoint to)
    {
        const TPoint a = session.ScreenPointOf(control, from), b = session.ScreenPointOf(control, to);
        session.MouseDown(a.X, a.Y);
        session.MoveTo(b.X, b.Y);
        session.MouseUp(b.X, b.Y);
    }

    // Pixel (x, y) of a control's client area once the changes made so far are painted.
    TColor PixelOf(const TControl& control, int x, int y)
    {
        session.ProcessUntilIdle();
        return session.ClientColor(control, x, y);
    }
};
