#include "ledger/ReportLayout.h"

#include "platform/core/ClassRegistry.h"
#include "platform/report/TQRLabel.h"

namespace {

TComponent* FindOwned(const TComponent& owner, const std::string& name)
{
    if (TComponent* found = owner.FindComponent(name))
        return found;
    for (int i = 0; i < owner.ComponentCount(); ++i)
        if (TComponent* found = FindOwned(*owner.Components(i), name))
            return found;
    return nullptr;
}

} // namespace

TLayoutHolder CreateLayout(const std::string& ClassName)
{
    const TMetaClass* meta = FindMetaClass(ClassName);
    if (!meta)
        throw EInvalidOperation("Report layout " + ClassName + " is not registered");
    std::unique_ptr<TPersistent> object = meta->Create();
    auto* layout = dynamic_cast<TQuickRep*>(object.get());
    if (!layout)
        throw EInvalidOperation(ClassName + " is not a report layout");
    object.release();
    return TLayoutHolder(layout);
}

std::string LayoutName(const TQuickRep& Layout)
{
    const TMetaClass* meta = MetaClassOf(Layout);
    return meta ? meta->ClassName() : Layout.Name();
}

TComponent& LayoutComponent(const TQuickRep& Layout, const std::string& Name)
{
    if (TComponent* found = FindOwned(Layout, Name))
        return *found;
    throw EInvalidOperation(LayoutName(Layout) + " has no component " + Name);
}

void SetLayoutLabel(const TQuickRep& Layout, const std::string& Name, const std::string& Caption)
{
    LayoutPart<TQRLabel>(Layout, Name).SetCaption(Caption);
}

void ShowLayout(TQuickRep& Layout, TReportOutput Output)
{
    if (Output == TReportOutput::Preview)
        Layout.Preview();
    else
        Layout.Print();
}
