#pragma once
// The hidden window that runs a chosen menu item once every menu loop has returned: the item
// posts its id here, the handler lets the menus close and then runs the item's click.
#include "platform/ui/TCustomForm.h"

class TTeClickHandler : public TForm {
public:
    explicit TTeClickHandler(TComponent* AOwner = nullptr);

protected:
    void Dispatch(TMessage& message) override;
};

// Null before the library's start (or without an application) and after its stop.
TTeClickHandler* ClickHandler();
void CreateClickHandler();
void FreeClickHandler();
