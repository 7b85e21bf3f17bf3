#pragma once
// The scroll bar control: a position between Min and Max moved by its arrows, its track, its
// thumb and the keyboard, reporting each step through OnScroll (which may change the position)
// and every change of the position through OnChange. As with the framework's bar, the position may
// go past Max - PageSize + 1 up to Max; owners that mind pull it back in OnChange.
#include <functional>

#include "platform/controls/ControlTypes.h"
#include "platform/controls/TScrollBarModel.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TWinControl.h"

using TScrollEvent = std::function<void(TComponent* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

class TScrollBar : public TCustomControl {
public:
    explicit TScrollBar(TComponent* AOwner = nullptr);

    TScrollBarKind Kind() const { return kind_; }
    // Swaps width and height when the kind changes.
    void SetKind(TScrollBarKind v);
    int Min() const { return min_; }
    void SetMin(int v) { SetParams(position_, v, max_); }
    int Max() const { return max_; }
    void SetMax(int v) { SetParams(position_, min_, v); }
    int Position() const { return position_; }
    void SetPosition(int v) { SetParams(v, min_, max_); }
    // A maximum below the minimum raises EInvalidOperation and changes nothing; the position is clamped.
    void SetParams(int position, int min, int max);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int v);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int v) { smallChange_ = v; }
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int v) { largeChange_ = v; }
    const TScrollBarModel& Model() const { return model_; }

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    // One scroll step as the bar makes it: computes the new position, asks OnScroll, applies it.
    void DoScroll(TScrollCode code, int pos);
    virtual void Change();
    void Paint() override;
    void DefaultHandler(TMessage& message) override;
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void SyncModel();
    void StopTracking(bool cancelled);

    TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int pageSize_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
    TScrollBarModel model_{false};
    TScrollPart trackPart_ = TScrollPart::spNone;
    bool trackPressed_ = false;
    TPoint trackStart_;
    int trackStartPos_ = 0;
    int trackPos_ = 0;
    bool repeating_ = false;
};
