#include "skin/formats/SeUnits.h"

#include "platform/graphics/TFont.h"
#include "skin/engine/TteBitmapLink.h"
#include "skin/formats/SeSkinRecords.h"
#include "skin/formats/TSeBitmapObject.h"
#include "skin/formats/TSeBitmapSkinObject.h"
#include "skin/formats/TSeSkinFilter.h"
#include "skin/formats/TSeSkinSource.h"
#include "skin/formats/TSeStateObjects.h"

namespace {

const TSeSkinFilterClass* const* StandardFilters()
{
    static const TSeSkinFilterClass* filters[] = {
        &TSeSkinFilterUncompressed::Class(), &TSeSkinFilterCompressed::Class(),
        &TSeSkinFilterUltraCompressed::Class(), &TSeSkinFilterMaxCompression::Class()};
    return filters;
}

} // namespace

void StartSeSkinObjects()
{
    TFont::Register();
    TteBitmapLink::Register();
    TSeSkinSource::Register();
    for (const TMetaClass* meta :
         {&TSeSkinObject::Register(), &TSeActiveObject::Register(), &TSeActiveSkinObject::Register(),
          &TSeColorButtonObject::Register(), &TSeTextObject::Register(), &TSeLinkSkinObject::Register(),
          &TSeRollPanelObject::Register(), &TSeBitmapObject::Register(), &TSeActiveBitmap::Register(),
          &TSeSystemButton::Register(), &TSeButtonObject::Register(), &TSeBitmapSkinObject::Register(),
          &TSeFormBitmapSkinObject::Register(), &TSeSysButtonSkinObject::Register(),
          &TSeBitmapBoxObject::Register(), &TSeActiveBitmapBoxObject::Register(),
          &TSeButtonBitmapBoxObject::Register()})
        RegisterSkinObjectClass(*meta);
    for (int i = 0; i < 4; ++i)
        RegisterSkinFilter(*StandardFilters()[i]);
    SetDefaultSkinFilter(&TSeSkinFilterCompressed::Class());
}

void StopSeSkinObjects()
{
    for (int i = 0; i < 4; ++i)
        UnregisterSkinFilter(*StandardFilters()[i]);
    SetDefaultSkinFilter(nullptr);
    ClearSkinObjectClasses();
}
