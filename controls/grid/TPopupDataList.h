#pragma once
// The lookup list of a grid cell: the records of the column's lookup data set in a pop-up list.
#include "platform/controls/TDBLookupListBox.h"

class TPopupDataList : public TDBLookupListBox {
public:
    explicit TPopupDataList(TComponent* AOwner);

protected:
    void CreateParams(TCreateParams& params) override;
    void DefaultHandler(TMessage& message) override;
};
