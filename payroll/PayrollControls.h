#pragma once
// What the payroll's windows place the same way: the heading, the lists with their row colours,
// the two sort options under a list, the captions of the entry fields and the row of buttons.
#include <functional>
#include <initializer_list>

class TComponent;
class TDataSource;
class TWinControl;
class TZgDBGrid;
class TZlLabel;
class TZlRadio;
class TZlSpeedButton;

// The bold heading ("  :. KASBON KARYAWAN .: ") at the top left.
TZlLabel* PlaceHeading(TWinControl& window, const char* caption);

struct TListColumn {
    const char* Field;
    const char* Title;
    int Width;
};

// A read-only list that selects whole rows, coloured as every list of the program.
TZgDBGrid* PlaceList(TWinControl& window, const char* name, int left, int top, int width, int height,
    TDataSource* source, std::initializer_list<TListColumn> columns, bool titles = true);

// "By N&ame" (ZlRadio7) and "By &NIP" (ZlRadio8); a click sorts by "nama" or "nik".
void PlaceSortOptions(TWinControl& window, int left, int top, TZlRadio*& byName, TZlRadio*& byNik,
    std::function<void(const char* field)> sortBy);

// The caption of an entry field in the window's own font.
TZlLabel* PlaceCaption(TWinControl& window, const char* caption, int left, int top, int width);

TZlSpeedButton* PlaceButton(TWinControl& window, const char* name, const char* caption, int left, int top);
