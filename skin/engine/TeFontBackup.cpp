#include "skin/engine/TeFontBackup.h"

#include <memory>
#include <utility>
#include <vector>

#include "platform/graphics/TFont.h"

namespace {

using Backup = std::pair<const TFont*, std::unique_ptr<TFont>>;

std::vector<Backup>& Backups()
{
    static std::vector<Backup> backups;
    return backups;
}

Backup* Find(const TFont& font)
{
    for (Backup& backup : Backups())
        if (backup.first == &font)
            return &backup;
    return nullptr;
}

} // namespace

void SaveFontBackup(const TFont& font)
{
    if (Backup* backup = Find(font)) {
        backup->second->Assign(font);
        return;
    }
    auto copy = std::make_unique<TFont>();
    copy->Assign(font);
    Backups().emplace_back(&font, std::move(copy));
}

void RestoreFontBackup(TFont& font)
{
    if (Backup* backup = Find(font))
        font.Assign(*backup->second);
}

void FreeFontBackup(const TFont& font)
{
    std::erase_if(Backups(), [&font](const Backup& backup) { return backup.first == &font; });
}

void FreeAllFontBackups()
{
    Backups().clear();
}
