#include "platform/core/Random.h"
#include "skin/engine/TeEffectProcs.h"
#include "skin/engine/TeUnits.h"
#include "skin/engine/TteAnimationRec.h"
#include "skin/engine/TteProcList.h"

void StartTeEffect()
{
    TteAnimationRec::Register();
    Randomize();
    for (const TteNamedEffect& effect : StandardEffects())
        RegisterEffect(effect.Name, effect.Proc);
    BuildEffectNames();
}

void StopTeEffect()
{
    FreeEffectLists();
}
