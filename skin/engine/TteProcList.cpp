#include "skin/engine/TteProcList.h"

#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"
#include "skin/engine/TteAnimationRec.h"

const char* KindPrefix(int kind)
{
    static const char* const prefixes[] = {"[ FADE ] - ", "[ SLIDE ] - ", "[ MANUAL ] - "};
    return prefixes[kind];
}

namespace {

std::string BareName(const TteProcItem& item)
{
    return item.Name().substr(std::string(KindPrefix(item.Kind())).size());
}

std::unique_ptr<TteProcList> effects;
std::vector<std::string> names;

} // namespace

void TteProcList::Add(const std::string& name, TteEffectProc proc)
{
    for (const auto& item : items_)
        if (SameText(BareName(*item), name) || item->Proc() == proc)
            throw EProcItemError("Effect procedute " + name + " already exists in list");
    items_.push_back(std::make_unique<TteProcItem>(KindPrefix(static_cast<int>(proc.index())) + name, proc));
}

const TteProcItem* TteProcList::Find(const std::string& name) const
{
    for (const auto& item : items_)
        if (SameText(item->Name(), name))
            return item.get();
    for (const auto& item : items_)
        if (SameText(BareName(*item), name))
            return item.get();
    return nullptr;
}

TteProcList* EffectList()
{
    return effects.get();
}

void RegisterEffect(const std::string& name, TteEffectProc proc)
{
    if (!effects)
        effects = std::make_unique<TteProcList>();
    effects->Add(name, proc);
}

const TteProcItem* FindEffect(const std::string& name)
{
    return effects ? effects->Find(name) : nullptr;
}

const std::vector<std::string>& EffectNames()
{
    return names;
}

void BuildEffectNames()
{
    names = {RandomEffectName, BitmapEffectName};
    for (int i = 0; effects && i < effects->Count(); ++i)
        names.push_back((*effects)[i].Name());
}

void FreeEffectLists()
{
    names.clear();
    effects.reset();
}
