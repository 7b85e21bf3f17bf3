#include "skin/formats/SeSkinRecords.h"

#include "platform/core/ClassRegistry.h"
#include "platform/core/ComponentImage.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"
#include "skin/formats/TSeSkinObject.h"

namespace {

constexpr int DefaultCharset = 1;
constexpr int64_t MinRecordSize = 8;

TClassList& ObjectClasses()
{
    static TClassList classes;
    return classes;
}

TComponentPtr<TSeSkinObject> NewObject(const TMetaClass& meta, TComponent* owner)
{
    const TMetaClass* base = FindMetaClass("TSeSkinObject");
    if (!base || !meta.InheritsFrom(*base))
        throw EReadError("Class " + meta.ClassName() + " is not a skin object");
    TComponent* made = owner ? meta.CreateOwned(*owner) : static_cast<TComponent*>(meta.Create().release());
    return TComponentPtr<TSeSkinObject>(static_cast<TSeSkinObject*>(made));
}

TSeSkinObject* ReadImage(const TMetaClass& meta, TStream& image, TComponent* owner)
{
    TComponentPtr<TSeSkinObject> object = NewObject(meta, owner);
    ReadComponent(image, *object);
    object->SetCharset(DefaultCharset);
    return object.release();
}

} // namespace

void CheckRecordCount(TStream& stream, int64_t count)
{
    const int64_t remaining = stream.Remaining();
    if (count < 0 || (remaining >= 0 && count > remaining / MinRecordSize))
        throw EReadError("Invalid skin object count " + std::to_string(count));
}

void RegisterSkinObjectClass(const TMetaClass& meta)
{
    ObjectClasses().Register(meta);
}

const TMetaClass* FindSkinObjectClass(const std::string& name)
{
    return ObjectClasses().Find(name, false);
}

void ClearSkinObjectClasses()
{
    ObjectClasses() = TClassList();
}

void WriteSkinObject(TStream& stream, const TSeSkinObject& object)
{
    TMemoryStream binary;
    WriteComponent(binary, object);
    binary.SetPosition(0);
    TMemoryStream text;
    ObjectBinaryToText(binary, text);
    stream.WriteString(object.ClassName());
    stream.WriteString(text.DataString());
}

void WriteSkinObjectBinary(TStream& stream, const TSeSkinObject& object)
{
    TMemoryStream binary;
    WriteComponent(binary, object);
    stream.WriteString(object.ClassName());
    stream.WriteString(binary.DataString());
}

TSeSkinObject* ReadSkinObject(TStream& stream, TComponent* owner)
{
    const TMetaClass* meta = FindSkinObjectClass(stream.ReadString());
    TMemoryStream text(stream.ReadString());
    if (!meta)
        return nullptr;
    TMemoryStream binary;
    ObjectTextToBinary(text, binary);
    binary.SetPosition(0);
    return ReadImage(*meta, binary, owner);
}

TSeSkinObject* ReadSkinObjectBinary(TStream& stream, TComponent* owner)
{
    const TMetaClass* meta = FindSkinObjectClass(stream.ReadString());
    TMemoryStream binary(stream.ReadString());
    return meta ? ReadImage(*meta, binary, owner) : nullptr;
}
