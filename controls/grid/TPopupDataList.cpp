#include "controls/grid/TPopupDataList.h"

#include "controls/grid/DropDownWindow.h"

TPopupDataList::TPopupDataList(TComponent* AOwner) : TDBLookupListBox(AOwner)
{
    SetVisible(false);
    SetTabStop(false);
    SetShowFocus(true);
}

void TPopupDataList::CreateParams(TCreateParams& params)
{
    TDBLookupListBox::CreateParams(params);
    SetDropDownWindowParams(params);
}

void TPopupDataList::DefaultHandler(TMessage& message)
{
    if (!RefuseDropDownActivation(message))
        TDBLookupListBox::DefaultHandler(message);
}
