#include "skin/controls/TTeClickHandler.h"

#include "platform/core/LiveObjects.h"
#include "platform/ui/TApplication.h"
#include "skin/controls/TTeItem.h"

namespace {
TComponentPtr<TTeClickHandler> handler;
}

TTeClickHandler::TTeClickHandler(TComponent* AOwner) : TForm(AOwner) {}

void TTeClickHandler::Dispatch(TMessage& message)
{
    if (message.Msg != WM_DEFERRED_MENU_CLICK) {
        TForm::Dispatch(message);
        return;
    }
    // The item may have gone with its menu since the click was posted: only a live id counts.
    const uint64_t id = static_cast<uint64_t>(message.LParam);
    if (!dynamic_cast<TTeItem*>(LiveObjects::Find(id)))
        return;
    Application->ProcessMessages();
    if (auto* item = dynamic_cast<TTeItem*>(LiveObjects::Find(id)))
        item->DoClick();
}

TTeClickHandler* ClickHandler()
{
    return handler.get();
}

void CreateClickHandler()
{
    if (!Application || handler)
        return;
    handler = Create<TTeClickHandler>();
    handler->SetBounds(10000, 10000, 0, 0);
    handler->Handle();
}

void FreeClickHandler()
{
    handler.reset();
}
