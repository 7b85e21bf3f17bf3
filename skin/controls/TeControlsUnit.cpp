#include "skin/controls/TeControlsUnit.h"

#include <memory>

#include "platform/core/ClassRegistry.h"
#include "platform/graphics/EmbeddedImages.h"
#include "platform/graphics/TBitmap.h"
#include "platform/ui/TScreen.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeClickHandler.h"
#include "skin/controls/TTeControl.h"
#include "skin/controls/TTeFormOptions.h"
#include "skin/controls/TTeHook.h"
#include "skin/controls/TTeInplaceScrollBar.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTeItemView.h"
#include "skin/controls/TTeMessage.h"
#include "skin/controls/TTeSkinnedFormMenus.h"
#include "skin/controls/TTeSpeedContainer.h"
#include "skin/controls/TTeTabSheet.h"
#include "skin/controls/TeCheckGlyph.h"
#include "skin/controls/TeFormUnit.h"
#include "skin/engine/TteBitmap.h"

namespace {

std::unique_ptr<TteBitmap> trueTypeList;

} // namespace

void StartTeControls()
{
    RegisterTeFormOptions();
    if (Screen)
        CreateSharedBuffer(Screen->Width() + 500, Screen->Height() + 500);
    else
        CreateSharedBuffer(SharedBufferWidth(), SharedBufferHeight());
    RegisterTeControlPainter();
    ReadMenuMetrics();
    CreateCheckGlyph();
    RegisterClass<TTeItem>("TTeItem");
    CreateClickHandler();
    trueTypeList = std::make_unique<TteBitmap>();
    trueTypeList->Assign(*LoadEmbeddedBitmap("TE_LIST_TRUETYPE"));
    trueTypeList->ApplyTransparentColor(0x00FF00FF);
    RegisterInplaceScrollBarPainter();
    LoadFormResources();
    LoadStatusBarFont();
    CreateGlobalMessage();
    RegisterClass<TTeSpeedContainer>("TTeSpeedContainer");
    RegisterClass<TTeSpeedDivider>("TTeSpeedDivider");
    RegisterClass<TTeTabSheet>("TTeTabSheet");
    RegisterTabSheetPainter();
    SetFormMenus(std::make_unique<TTeSkinnedFormMenus>());
}

void StopTeControls()
{
    SetFormMenus(nullptr);
    FreeButtonGlyphs();
    FreeSharedBuffer();
    FreeFormResources();
    FreeHookList();
    trueTypeList.reset();
    FreeClickHandler();
    FreeItemContainers();
    SetLastMenuMousePos({});
    FreeCheckGlyph();
    FreeMenuMetrics();
    FreeGlobalMessage();
}

const TteBitmap* TrueTypeListBitmap()
{
    return trueTypeList.get();
}
