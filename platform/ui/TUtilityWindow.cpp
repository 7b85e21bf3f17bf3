#include "platform/ui/TUtilityWindow.h"

#include "platform/core/Exceptions.h"
#include "platform/ui/TApplication.h"

TUtilityWindow::TUtilityWindow(TProcedure procedure) : procedure_(std::move(procedure))
{
    if (!Application)
        throw EInvalidOperation("A utility window needs a running application");
    handle_ = Application->Windows().Register(this);
}

TUtilityWindow::~TUtilityWindow()
{
    if (Application) {
        Application->Windows().Unregister(handle_);
        Application->Queue().DiscardWindow(handle_);
    }
}

void TUtilityWindow::WindowProc(TMessage& message)
{
    if (!procedure_)
        return;
    try {
        procedure_(message);
    } catch (const EHeadlessStall&) {
        throw;
    } catch (...) {
        if (!Application)
            throw;
        Application->HandleCurrentException(nullptr);
    }
}
