#pragma once
// Registers the payroll's windows and layouts by class name, for the main window and the report window.
void RegisterPayrollClasses();
