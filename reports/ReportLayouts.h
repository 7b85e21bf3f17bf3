#pragma once
// Registers the statement and book layouts by class name, so windows below the reports library
// create them with FindMetaClass(name)->CreateOwned(owner) and reach their parts by component name.
void RegisterReportLayouts();
