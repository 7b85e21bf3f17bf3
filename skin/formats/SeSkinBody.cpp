#include <memory>

#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"
#include "platform/graphics/ImageCodecs.h"
#include "skin/engine/TePixels.h"
#include "skin/engine/TteBitmap.h"
#include "skin/formats/SeSkinRecords.h"
#include "skin/formats/TSeSkinFilter.h"
#include "skin/formats/TSeSkinSource.h"

namespace {

// A bitmap record is at least a name length, a width and a height.
constexpr int64_t MinBitmapRecord = 12;
// A legacy bitmap is at least a name length and a byte count.
constexpr int64_t MinLegacyBitmap = 8;
constexpr uint32_t Magenta = 0x00FF00FFu;

void CheckBitmapCount(TStream& stream, int64_t count, int64_t minSize)
{
    const int64_t remaining = stream.Remaining();
    if (count < 0 || (remaining >= 0 && count > remaining / minSize))
        throw EReadError("Invalid skin bitmap count " + std::to_string(count));
}

void ReadTexts(TSeSkinSource& source, TStream& stream)
{
    source.SetSkinName(stream.ReadString());
    source.SetSkinVersion(stream.ReadString());
    source.SetAuthor(stream.ReadString());
    source.SetAuthorEMail(stream.ReadString());
    source.SetAuthorURL(stream.ReadString());
}

void WriteTexts(const TSeSkinSource& source, TStream& stream)
{
    stream.WriteString(source.SkinName());
    stream.WriteString(source.SkinVersion());
    stream.WriteString(source.Author());
    stream.WriteString(source.AuthorEMail());
    stream.WriteString(source.AuthorURL());
}

// Near-magenta and near-key pixels of a stored bitmap become the key.
void ReadBitmaps(TSeSkinSource& source, TStream& stream, int32_t count)
{
    CheckBitmapCount(stream, count, MinBitmapRecord);
    for (int32_t i = 0; i < count; ++i) {
        auto bitmap = std::make_unique<TteBitmap>();
        bitmap->LoadFromStream(stream);
        bitmap->ApplyTransparentColor(Magenta);
        bitmap->ApplyTransparentColor(KeyColor);
        bitmap->UpdateAlphaBlend();
        source.Bitmaps().Add(std::move(bitmap));
    }
}

void ReadLegacyBitmaps(TSeSkinSource& source, TStream& stream, int32_t count)
{
    CheckBitmapCount(stream, count, MinLegacyBitmap);
    for (int32_t i = 0; i < count; ++i) {
        std::string name = stream.ReadString();
        const std::string data = stream.ReadString();
        const TDecodedImage image = DecodeBmp(reinterpret_cast<const uint8_t*>(data.data()), data.size());
        auto bitmap = std::make_unique<TteBitmap>();
        bitmap->SetSize(image.Width, image.Height);
        if (!bitmap->Empty())
            std::copy(image.Pixels.begin(), image.Pixels.end(), bitmap->Bits());
        bitmap->SetAlpha(255);
        bitmap->ApplyTransparentColor(KeyColor);
        bitmap->UpdateAlphaBlend();
        bitmap->SetName(name);
        source.Bitmaps().Add(std::move(bitmap));
    }
}

void WriteBitmaps(const TSeSkinSource& source, TStream& stream, int32_t flag)
{
    stream.WriteInt32(source.Bitmaps().Count() | flag);
    for (int i = 0; i < source.Bitmaps().Count(); ++i)
        source.Bitmaps().Get(i)->SaveToStream(stream);
}

void ReadObjects(TSeSkinSource& source, TStream& stream, bool binary)
{
    const int32_t count = stream.ReadInt32();
    CheckRecordCount(stream, count);
    for (int32_t i = 0; i < count; ++i)
        if (TSeSkinObject* object = binary ? ReadSkinObjectBinary(stream, nullptr) : ReadSkinObject(stream, nullptr))
            source.AddObject(object);
}

void WriteObjects(const TSeSkinSource& source, TStream& stream, bool binary)
{
    stream.WriteInt32(source.Count());
    for (int i = 0; i < source.Count(); ++i)
        binary ? WriteSkinObjectBinary(stream, *source.Objects(i)) : WriteSkinObject(stream, *source.Objects(i));
}

} // namespace

void TSeSkinFilter::ReadSource(TStream& stream)
{
    TSeSkinSource* source = Source();
    if (!source)
        return;
    source->Clear();
    ReadTexts(*source, stream);
    ReadBitmaps(*source, stream, stream.ReadInt32());
    ReadObjects(*source, stream, false);
}

void TSeSkinFilter::WriteSource(TStream& stream)
{
    if (const TSeSkinSource* source = Source()) {
        WriteTexts(*source, stream);
        WriteBitmaps(*source, stream, 0);
        WriteObjects(*source, stream, false);
    }
}

void TSeSkinFilterMaxCompression::ReadSource(TStream& stream)
{
    TSeSkinSource* source = Source();
    if (!source)
        return;
    source->Clear();
    ReadTexts(*source, stream);
    const int32_t word = stream.ReadInt32();
    if ((word & BinaryRecordsFlag) == BinaryRecordsFlag)
        ReadBitmaps(*source, stream, word & ~BinaryRecordsFlag);
    else
        ReadLegacyBitmaps(*source, stream, word);
    ReadObjects(*source, stream, true);
}

void TSeSkinFilterMaxCompression::WriteSource(TStream& stream)
{
    if (const TSeSkinSource* source = Source()) {
        WriteTexts(*source, stream);
        WriteBitmaps(*source, stream, BinaryRecordsFlag);
        WriteObjects(*source, stream, true);
    }
}
