#include "skin/engine/TTeThemeList.h"

#include "platform/core/ClassRegistry.h"
#include "platform/core/ComponentImage.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"
#include "skin/engine/TteThemeManager.h"

TTeThemeStream::TTeThemeStream(TCollection& collection) : TCollectionItem(collection) {}

TTeThemeStream::~TTeThemeStream() = default;

void TTeThemeStream::SetTheme(std::unique_ptr<TteTheme> theme)
{
    theme_ = std::move(theme);
}

std::string TTeThemeStream::ThemeStore() const
{
    return theme_ ? theme_->Name() : std::string("(empty)");
}

void TTeThemeStream::DefineProperties(TFiler& filer)
{
    filer.DefineBinaryProperty(
        "ThemeStream", [this](TStream& stream) { ReadThemeData(stream); },
        [this](TStream& stream) { WriteThemeData(stream); }, true);
}

void TTeThemeStream::WriteThemeData(TStream& stream) const
{
    const auto* themeClass = theme_ ? dynamic_cast<const TteThemeClass*>(MetaClassOf(*theme_)) : nullptr;
    const uint8_t flag = themeClass && themeClass->GetInfo().IsFile ? 1 : 0;
    stream.WriteBuffer(&flag, 1);
    if (flag)
        SaveThemeToStream(theme_.get(), stream);
}

void TTeThemeStream::ReadThemeData(TStream& stream)
{
    theme_.reset();
    uint8_t flag = 0;
    if (stream.Read(&flag, 1) != 1 || flag == 0)
        return;
    // A stored theme that cannot be read must not stop the form from loading; nothing selects it.
    try {
        theme_ = LoadThemeFromStream(stream);
    } catch (const Exception&) {
        theme_.reset();
    }
}

TTeThemeCollection::TTeThemeCollection(TPersistent* owner) : TCollection(TCollection::Of<TTeThemeStream>(), owner) {}

TTeThemeList::TTeThemeList(TComponent* owner)
    : TComponent(owner), themes_(std::make_unique<TTeThemeCollection>(this))
{
}

TTeThemeList::~TTeThemeList() = default;

void TTeThemeList::Register()
{
    TPropertyTable& items = RegisterClass<TTeThemeStream>("TTeThemeStream").OwnProperties();
    if (items.Items().empty()) {
        using S = TTeThemeStream;
        items.AddReadOnlyString<S>("ThemeStore", &S::ThemeStore);
        items.AddInteger<S>("Tag", &S::Tag, &S::SetTag);
    }
    TPropertyTable& list = RegisterClass<TTeThemeList>("TTeThemeList").OwnProperties();
    if (list.Items().empty()) {
        using L = TTeThemeList;
        list.AddCollection<L>("Themes", [](const L& l) -> TCollection* { return &l.Themes(); });
        list.AddReadOnlyString<L>("Version", [](const L&) { return L::Version(); }).stored = false;
    }
}
