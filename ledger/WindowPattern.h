#pragma once
// What the ledger's windows do the same way: placing their controls, the opening animation of
// their skinned frame, the row colours of their list grids, Enter in their entry fields, and
// keys that stand for a button.
#include <string>

#include "platform/ui/TWinControl.h"

class TTeDefaultForm;
class TZgCustomDBGrid;
class TZlLabel;

// A control of a window: owned by the window, named as the window knows it, on its parent.
template <class T> T* PlaceControl(TComponent& window, TWinControl& parent, const char* name)
{
    T* control = CreateOwned<T>(window);
    control->SetName(name);
    control->SetParent(&parent);
    return control;
}

template <class T>
T* PlaceControl(TComponent& window, TWinControl& parent, const char* name, int left, int top, int width, int height)
{
    T* control = PlaceControl<T>(window, parent, name);
    control->SetBounds(left, top, width, height);
    return control;
}

// A label of a window in the window's font, with its caption.
TZlLabel* PlaceLabel(TComponent& window, TWinControl& parent, const char* name, const std::string& caption, int left,
                     int top, int width, int height);

// The flat entry fields, lists and buttons the window owns take the window's font.
void UseWindowFont(TComponent& window);

// Detaches the frame, gives it the fading slide of 100 ms, attaches it again and re-measures it.
void SetFormAnimation(TTeDefaultForm& frame);

// List columns wide enough in the list font for figures up to 9,999,999,999,999.99: with a
// leading minus, and in brackets.
constexpr int AmountColumnWidth = 112;
constexpr int BalanceColumnWidth = 118;

// Rows that are not selected: clWindow on odd record numbers, EAEAEA on even ones.
void ColourListRows(TZgCustomDBGrid& grid);

// Enter in the field moves the focus to the next control in tab order of its form.
void MoveFocusOnEnter(TWinControl& field);

// A key or double click that stands for a button's click: runs it only while the user could
// click the button himself (enabled with its parents, and showing), so no path passes its rights.
void ClickWhenAvailable(TControl& button);

// The hourglass cursor while a window works without the wait window, back to the default after.
class THourGlass {
public:
    THourGlass();
    ~THourGlass();
    THourGlass(const THourGlass&) = delete;
    THourGlass& operator=(const THourGlass&) = delete;
};
