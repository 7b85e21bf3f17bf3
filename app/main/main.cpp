// Bukura - Free Accounting System.
#include <cstdio>

#include "app/UnitStartup.h"

int main()
{
    StartUnits();
    std::puts("Bukura - Free Accounting System");
    std::puts("The program's windows are not built yet; run tools/test to exercise what is built.");
    StopUnits();
    return 0;
}
