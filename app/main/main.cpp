// Bukura - Free Accounting System.
#include <cstdio>

int main()
{
    std::puts("Bukura - Free Accounting System");
    std::puts("The program's windows are not built yet; run tools/test to exercise what is built.");
    return 0;
}
