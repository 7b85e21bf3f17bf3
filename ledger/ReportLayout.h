#pragma once
// Report layouts reached by their registered class name and their components by name, for the
// windows of the ledger, which sit below the report layouts.
#include <memory>
#include <string>

#include "platform/core/Exceptions.h"
#include "platform/report/TQuickRep.h"

struct TLayoutFree {
    void operator()(TQuickRep* layout) const { TComponent::Free(layout); }
};
// The layout lives as long as its holder, so it is freed on every path out of a caller.
using TLayoutHolder = std::unique_ptr<TQuickRep, TLayoutFree>;

enum class TReportOutput { Preview, Print };

// Raises EInvalidOperation when no report layout is registered under ClassName.
TLayoutHolder CreateLayout(const std::string& ClassName);

// The layout's component Name (searched through everything it owns) as T; raises
// EInvalidOperation when it has none of that name and class.
// The layout's registered class name, for messages.
std::string LayoutName(const TQuickRep& Layout);
TComponent& LayoutComponent(const TQuickRep& Layout, const std::string& Name);
template <class T> T& LayoutPart(const TQuickRep& Layout, const std::string& Name)
{
    if (auto* part = dynamic_cast<T*>(&LayoutComponent(Layout, Name)))
        return *part;
    throw EInvalidOperation(LayoutName(Layout) + ": " + Name + " is not of the expected class");
}

// Sets the caption of the layout's label Name.
void SetLayoutLabel(const TQuickRep& Layout, const std::string& Name, const std::string& Caption);

// Preview builds the pages and shows them modally; Print asks for the printer (or a PDF file).
void ShowLayout(TQuickRep& Layout, TReportOutput Output);
