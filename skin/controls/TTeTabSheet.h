#pragma once
// One page of a tabbed page container: it keeps itself in the container's page list and paints
// the container's background behind its children.
#include "platform/ui/TWinControl.h"

class TTePageContainer;

class TTeTabSheet : public TCustomControl {
public:
    explicit TTeTabSheet(TComponent* AOwner = nullptr);
    ~TTeTabSheet() override;

    TTePageContainer* PageControl() const { return pageControl_; }
    // Moves the sheet: the old container lets it go without freeing it.
    void SetPageControl(TTePageContainer* container);
    // -1 without a container.
    int PageIndex() const;
    // Exchanges this page with the one at 'index'.
    void SetPageIndex(int index);
    bool PageVisible() const { return pageVisible_; }
    void SetPageVisible(bool v);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    void SetText(const std::string& v) override;

    // The container's look at the sheet's place, into a canvas whose origin is the sheet's.
    void PaintBackground(TCanvas& canvas);

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

protected:
    void Dispatch(TMessage& message) override;
    void Paint() override;

private:
    friend class TTePageContainer;
    TTePageContainer* pageControl_ = nullptr;
    bool pageVisible_ = true;
    int imageIndex_ = -1;
    bool destroying_ = false;
};

// Children of a sheet asking for their parent's background get the container's look.
void RegisterTabSheetPainter();
