#include "skin/controls/TeControlsUnit.h"

#include <memory>

#include "platform/graphics/EmbeddedImages.h"
#include "platform/graphics/TBitmap.h"
#include "platform/ui/TScreen.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeClickHandler.h"
#include "skin/controls/TTeControl.h"
#include "skin/controls/TTeInplaceScrollBar.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTeItemView.h"
#include "skin/controls/TTeTabSheet.h"
#include "skin/controls/TeCheckGlyph.h"
#include "skin/engine/TteBitmap.h"

namespace {

std::unique_ptr<TteBitmap> trueTypeList;

} // namespace

void StartTeControls()
{
    if (Screen)
        CreateSharedBuffer(Screen->Width() + 500, Screen->Height() + 500);
    else
        CreateSharedBuffer(SharedBufferWidth(), SharedBufferHeight());
    RegisterTeControlPainter();
    ReadMenuMetrics();
    CreateCheckGlyph();
    CreateClickHandler();
    trueTypeList = std::make_unique<TteBitmap>();
    trueTypeList->Assign(*LoadEmbeddedBitmap("TE_LIST_TRUETYPE"));
    trueTypeList->ApplyTransparentColor(0x00FF00FF);
    RegisterInplaceScrollBarPainter();
    RegisterTabSheetPainter();
}

void StopTeControls()
{
    FreeClickHandler();
    FreeMenuMetrics();
    SetLastMenuMousePos({});
    FreeButtonGlyphs();
    FreeSharedBuffer();
    trueTypeList.reset();
    FreeCheckGlyph();
}

const TteBitmap* TrueTypeListBitmap()
{
    return trueTypeList.get();
}
