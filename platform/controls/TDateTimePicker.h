#pragma once
// The date picker: a date shown in its display format ("dd/MM/yyyy"), edited part by part with the
// keyboard (entered by keys at the first part, after Shift+Tab at the last; a click picks the part
// under the pointer), or chosen in a month calendar that drops down under it.
#include <string>
#include <vector>

#include "platform/core/DateTime.h"
#include "platform/core/WeakRef.h"
#include "platform/ui/TWinControl.h"

class TZgCalendar;

class TDateTimePicker : public TCustomControl {
public:
    explicit TDateTimePicker(TComponent* AOwner = nullptr);

    TDateTime Date() const { return date_; }
    // From code: fires no OnChange and clears Modified.
    void SetDate(TDateTime v);
    // No date: the field shows no text until the user picks or types one, or SetDate is called.
    void SetNull();
    bool IsNull() const { return null_; }
    const std::string& Format() const { return format_; }
    void SetFormat(const std::string& v);
    std::string DisplayText() const;
    // Set once the user changed the date, until the date is set from code again.
    bool Modified() const { return modified_; }
    // The part the keys change, counted in the display order of the format.
    int ActivePart() const { return part_; }
    // Typing starts afresh at that part, as when the field is entered.
    void SetActivePart(int part);
    // 0 day, 1 month, 2 year for a part in display order.
    int FieldOf(int part) const;

    bool DroppedDown() const { return dropped_; }
    void SetDroppedDown(bool v);
    TZgCalendar& Calendar() { return *calendar_; }
    TRect ButtonRect() const;
    bool ShowsOwnFocus() const override { return true; }

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DoEnter() override;
    virtual void Change();

private:
    // A run of the display text as painted: the runs of digits are the parts.
    struct TTextRun {
        std::string Text;
        int Left = 0;
        int Width = 0;
        bool Part = false;
    };
    std::vector<TTextRun> TextRuns(TCanvas& canvas) const;
    // The part under a client x coordinate, or the nearest one; -1 without text.
    int PartAt(int x);
    // The user's new date: stored, marked and reported.
    void UserSetDate(TDateTime v);
    void StepPart(int delta);
    void TypeDigit(int digit);
    void CloseUp(bool accept);
    void CalendarKeyDown(uint16_t key);
    // Passes a mouse message at a screen point on to a part of the calendar.
    static void SendMouse(TControl& part, uint32_t msg, TPoint screen);

    TDateTime date_ = 0;
    TDateTime dateBeforeDrop_ = 0;
    std::string format_ = "dd/MM/yyyy";
    bool modified_ = false;
    bool null_ = false;
    int part_ = 0;
    int typed_ = 0;
    int typedDigits_ = 0;
    // The day as typed (31 over April), kept while the month and year are typed; 0 for the date's own.
    int typedDay_ = 0;
    bool dropped_ = false;
    TZgCalendar* calendar_ = nullptr;
    // The calendar part a press went to while dropped down; it gets the release too.
    TWeakRef<TControl> pressedInCalendar_;
};
