// Bukura - Free Accounting System.
#include <cstdio>
#include <memory>

#include "app/StartUp.h"
#include "platform/core/Exceptions.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TSdlBackend.h"

int main()
{
    std::unique_ptr<TSdlBackend> backend;
    try {
        backend = std::make_unique<TSdlBackend>();
    } catch (const EInvalidOperation&) {
        std::fputs("Bukura needs a graphical display (X11): set DISPLAY.\n", stderr);
        return 1;
    }
    TApplication application(*backend);
    StartProgram(application);
    application.Run();
    StopProgram();
    return 0;
}
