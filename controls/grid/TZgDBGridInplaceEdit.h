#pragma once
// The data grid's in-place editor. Plain cells are edited as text; with dgEnterToTab, Enter moves
// on as Tab does and never reaches the editor as a character. A column's ButtonStyle gives the
// editor a button at the cell's edge: three dots that fire the grid's edit-button action, or a
// combo arrow that drops a pick list, a lookup list, a month calendar or a calculator under the
// cell. The chosen value goes into the current field.
#include <cstdint>

#include "platform/controls/TInplaceEdit.h"

class TCustomControl;
class TDataSource;
class TPopupDataList;
class TPopupListbox;
class TZgCalculator;
class TZgColumn;
class TZgCustomDBGrid;
class TZgPopupCalendar;

enum class TEditStyle { esSimple, esEllipsis, esPickList, esDataList, esCalendar, esCalculator };

class TZgDBGridInplaceEdit : public TInplaceEdit {
public:
    explicit TZgDBGridInplaceEdit(TComponent* AOwner);

    // Chooses the edit style for the current column, then loads the cell's text as the base
    // does, in the current column's font.
    void UpdateContents() override;

    // Opens the drop-down of the edit style under the cell (above it near the screen's bottom).
    void DropDown();
    // Closes the open drop-down; 'accept' writes its value into the field.
    void CloseUp(bool accept);
    // Alt+Up and Alt+Down open and close, Enter and Esc close an open drop-down; other keys
    // outside Space, 0-9, A-Z and the keypad digits go to the grid's OnSpecialKeyDown.
    void DoDropDownKeys(uint16_t& key, TShiftState shift);
    // A paste is held to what the cell could have been typed, as the grid judges it.
    void PasteFromClipboard() override;

    TEditStyle EditStyle() const { return editStyle_; }
    bool ListVisible() const { return listVisible_; }
    // The drop-down of the edit style, made on its first use; null for no drop-down.
    TCustomControl* ActiveList() const { return activeList_; }
    TPopupListbox* PickList() const { return pickList_; }
    TPopupDataList* DataList() const { return dataList_; }
    TZgPopupCalendar* Calendar() const { return calendar_; }
    TZgCalculator* Calculator() const { return calculator_; }
    int ButtonWidth() const { return buttonWidth_; }
    TRect ButtonRect() const;
    bool OverButton(TPoint p) const { return ButtonRect().Contains(p); }
    bool Pressed() const { return pressed_; }

protected:
    void WndProc(TMessage& message) override;
    void Dispatch(TMessage& message) override;
    void PaintWindow(TCanvas& canvas) override;
    void BoundsChanged(const TRect& oldBounds) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void SetEditStyle(TEditStyle value);
    TEditStyle StyleFor(TZgColumn& column) const;
    bool LookupEditable(TZgColumn& column) const;
    TZgColumn* CurrentColumn() const;
    void FillPickList(TZgColumn& column);
    void FillDataList(TZgColumn& column);
    void FillCalculator(TZgColumn& column);
    void PlaceList();
    // 'restoreRejected': a rejected calculator puts the field's text back into the editor.
    void CloseList(bool accept, bool restoreRejected);
    void WriteValue(TZgColumn& column, bool accept);
    void ListMouseUp(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y);
    void TrackButton(int x, int y);
    void StopTracking();
    void UpdateTextRect();
    bool EnterToTab() const;
    bool CalculatorOpen() const { return editStyle_ == TEditStyle::esCalculator && listVisible_; }

    TZgCustomDBGrid* grid_;
    TDataSource* lookupSource_ = nullptr;
    TPopupListbox* pickList_ = nullptr;
    TPopupDataList* dataList_ = nullptr;
    TZgPopupCalendar* calendar_ = nullptr;
    TZgCalculator* calculator_ = nullptr;
    TCustomControl* activeList_ = nullptr;
    TEditStyle editStyle_ = TEditStyle::esSimple;
    int buttonWidth_ = 12;
    bool listVisible_ = false;
    bool tracking_ = false;
    bool pressed_ = false;
};
