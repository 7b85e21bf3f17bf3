#include "skin/formats/TSeSkinSource.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FilePaths.h"
#include "platform/core/StrUtils.h"
#include "platform/core/Streams.h"
#include "skin/engine/TteBitmap.h"
#include "skin/formats/TSeSkinFilter.h"

namespace {

const TSeSkinFilterClass& Default()
{
    const TSeSkinFilterClass* filter = DefaultSkinFilter();
    if (!filter)
        throw EInvalidOperation("No skin filter is registered");
    return *filter;
}

} // namespace

TSeSkinSource::TSeSkinSource(TComponent* owner) : TComponent(owner) {}

TSeSkinSource::~TSeSkinSource()
{
    // The objects hold pointers into the bitmap list.
    objects_.clear();
}

TSeSkinObject* TSeSkinSource::Objects(int index) const
{
    return index >= 0 && index < Count() ? objects_[static_cast<size_t>(index)].get() : nullptr;
}

TSeSkinObject* TSeSkinSource::GetObjectByName(const std::string& name) const
{
    for (const auto& object : objects_)
        if (SameText(object->Name(), name))
            return object.get();
    return nullptr;
}

void TSeSkinSource::AddObject(TSeSkinObject* object)
{
    objects_.emplace_back(object);
    object->SetBitmaps(&bitmaps_);
    object->AfterLoad();
}

void TSeSkinSource::Clear()
{
    objects_.clear();
    bitmaps_.Clear();
    deltaHue_ = 0;
    deltaBrightness_ = 0;
}

void TSeSkinSource::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TSeSkinSource*>(&source);
    if (!other)
        return TComponent::Assign(source);
    if (other == this)
        return;
    Clear();
    skinName_ = other->skinName_;
    skinVersion_ = other->skinVersion_;
    author_ = other->author_;
    authorEMail_ = other->authorEMail_;
    authorURL_ = other->authorURL_;
    for (int i = 0; i < other->bitmaps_.Count(); ++i) {
        auto copy = std::make_unique<TteBitmap>();
        copy->Assign(*other->bitmaps_.Get(i));
        bitmaps_.Add(std::move(copy));
    }
    for (const auto& object : other->objects_)
        AddObject(object->Clone(nullptr));
}

void TSeSkinSource::SetDeltaHue(int value)
{
    if (value == deltaHue_)
        return;
    deltaHue_ = value;
    for (int i = 0; i < bitmaps_.Count(); ++i)
        bitmaps_.Get(i)->ChangeHue(value);
    for (const auto& object : objects_)
        object->ChangeHue(value);
}

void TSeSkinSource::SetDeltaBrightness(int value)
{
    if (value == deltaBrightness_)
        return;
    deltaBrightness_ = value;
    for (int i = 0; i < bitmaps_.Count(); ++i)
        bitmaps_.Get(i)->ChangeBrightness(value);
    for (const auto& object : objects_)
        object->ChangeBrightness(value);
}

void TSeSkinSource::ClearClientMasks()
{
    for (const auto& object : objects_)
        if (TSeSkinObject* client = object->FindObjectByKind(skClient))
            client->SetMasked(false);
}

void TSeSkinSource::LoadWith(const TSeSkinFilterClass& kind, TStream& stream)
{
    TSeSkinSource fresh;
    std::unique_ptr<TSeSkinFilter> filter = kind.NewFilter();
    filter->SetSource(&fresh);
    filter->LoadFromStream(stream);
    fresh.ClearClientMasks();
    Clear();
    skinName_ = fresh.skinName_;
    skinVersion_ = fresh.skinVersion_;
    author_ = fresh.author_;
    authorEMail_ = fresh.authorEMail_;
    authorURL_ = fresh.authorURL_;
    bitmaps_.Swap(fresh.bitmaps_);
    objects_.swap(fresh.objects_);
    for (const auto& object : objects_)
        object->SetBitmaps(&bitmaps_);
}

void TSeSkinSource::LoadFromStream(TStream& stream)
{
    LoadWith(Default(), stream);
}

void TSeSkinSource::SaveToStream(TStream& stream)
{
    std::unique_ptr<TSeSkinFilter> filter = Default().NewFilter();
    filter->SetSource(this);
    filter->SaveToStream(stream);
}

void TSeSkinSource::LoadFromFile(const std::string& fileName)
{
    if (fileName.empty())
        return;
    const std::string path = FindFileOrInProgramFolder(fileName);
    const TSeSkinFilterClass* kind = FindSkinFilter(fileName);
    if (!FileExists(path) || !kind)
        return;
    TFileStream file(path, TFileMode::fmOpenRead);
    LoadWith(*kind, file);
}

void TSeSkinSource::SaveToFile(const std::string& fileName)
{
    if (fileName.empty())
        return;
    const TSeSkinFilterClass* kind = FindSkinFilter(fileName);
    std::unique_ptr<TSeSkinFilter> filter = (kind ? *kind : Default()).NewFilter();
    filter->SetSource(this);
    TMemoryStream image;
    filter->SaveToStream(image);
    image.SaveToFile(fileName);
}

const TMetaClass& TSeSkinSource::Register()
{
    TMetaClass& meta = RegisterClass<TSeSkinSource>("TSeSkinSource");
    TPropertyTable& p = meta.OwnProperties();
    if (!p.Items().empty())
        return meta;
    using T = TSeSkinSource;
    p.AddString<T>("SkinName", &T::SkinName, &T::SetSkinName);
    p.AddString<T>("SkinVersion", &T::SkinVersion, &T::SetSkinVersion);
    p.AddString<T>("Author", &T::Author, &T::SetAuthor);
    p.AddString<T>("AuthorEMail", &T::AuthorEMail, &T::SetAuthorEMail);
    p.AddString<T>("AuthorURL", &T::AuthorURL, &T::SetAuthorURL);
    return meta;
}
