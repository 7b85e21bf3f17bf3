#include "skin/formats/TSeSkinFilter.h"

#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/FilePaths.h"
#include "platform/core/Streams.h"
#include "platform/core/StrUtils.h"
#include "platform/core/ZStream.h"

namespace {

constexpr char Magic[4] = {'S', 'K', 'N', 'Z'};
constexpr int64_t Chunk = 64 * 1024;

std::vector<const TSeSkinFilterClass*>& Filters()
{
    static std::vector<const TSeSkinFilterClass*> filters;
    return filters;
}

const TSeSkinFilterClass*& DefaultFilter()
{
    static const TSeSkinFilterClass* filter = nullptr;
    return filter;
}

template <class T>
const TSeSkinFilterClass& FilterClass(const std::string& name, const TMetaClass* parent, const std::string& extension,
                                      const std::string& description)
{
    return static_cast<const TSeSkinFilterClass&>(RegisterMetaClass(
        std::make_unique<TSeSkinFilterClass>(std::in_place_type<T>, name, parent, extension, description)));
}

// Copies what 'source' gives into 'body', refusing more than the block cap.
template <class Error> void CopyCapped(TStream& source, TMemoryStream& body)
{
    std::vector<uint8_t> buffer(static_cast<size_t>(Chunk));
    int64_t total = 0;
    while (int64_t got = source.Read(buffer.data(), Chunk)) {
        total += got;
        if (total > TStream::MaxBlockSize)
            throw Error("Skin data larger than 64 MiB");
        body.WriteBuffer(buffer.data(), got);
    }
    body.SetPosition(0);
}

} // namespace

std::unique_ptr<TSeSkinFilter> TSeSkinFilterClass::NewFilter() const
{
    std::unique_ptr<TPersistent> made = Create();
    std::unique_ptr<TSeSkinFilter> filter(dynamic_cast<TSeSkinFilter*>(made.get()));
    if (!filter)
        throw EInvalidOperation(ClassName() + " is not a skin filter");
    made.release();
    return filter;
}

void LoadCompressedSkin(TSeSkinFilter& filter, TStream& stream)
{
    // The magic is the business of whoever probes the stream.
    char magic[4];
    stream.ReadBuffer(magic, 4);
    TMemoryStream body;
    {
        TDecompressionStream inflater(stream);
        CopyCapped<EDecompressionError>(inflater, body);
    }
    filter.ReadSource(body);
}

void SaveCompressedSkin(TSeSkinFilter& filter, TStream& stream, int level)
{
    stream.WriteBuffer(Magic, 4);
    TCompressionStream deflater(stream, level);
    filter.WriteSource(deflater);
    deflater.Finish();
}

void TSeSkinFilterUncompressed::LoadFromStream(TStream& stream)
{
    if (stream.Remaining() >= 0)
        return ReadSource(stream);
    TMemoryStream body;
    CopyCapped<EReadError>(stream, body);
    ReadSource(body);
}

void TSeSkinFilterUncompressed::SaveToStream(TStream& stream)
{
    WriteSource(stream);
}

const TSeSkinFilterClass& TSeSkinFilterUncompressed::Class()
{
    return FilterClass<TSeSkinFilterUncompressed>("TSeSkinFilterUncompressed", nullptr, "uskn", "Uncompressed Skin");
}

void TSeSkinFilterCompressed::LoadFromStream(TStream& stream)
{
    LoadCompressedSkin(*this, stream);
}

void TSeSkinFilterCompressed::SaveToStream(TStream& stream)
{
    SaveCompressedSkin(*this, stream, 1);
}

const TSeSkinFilterClass& TSeSkinFilterCompressed::Class()
{
    return FilterClass<TSeSkinFilterCompressed>("TSeSkinFilterCompressed", nullptr, "cskn", "Compressed Skin");
}

void TSeSkinFilterUltraCompressed::LoadFromStream(TStream& stream)
{
    LoadCompressedSkin(*this, stream);
}

void TSeSkinFilterUltraCompressed::SaveToStream(TStream& stream)
{
    SaveCompressedSkin(*this, stream, 9);
}

const TSeSkinFilterClass& TSeSkinFilterUltraCompressed::Class()
{
    return FilterClass<TSeSkinFilterUltraCompressed>("TSeSkinFilterUltraCompressed", nullptr, "xskn",
                                                     "Ultra Compressed Skin");
}

const TSeSkinFilterClass& TSeSkinFilterMaxCompression::Class()
{
    return FilterClass<TSeSkinFilterMaxCompression>("TSeSkinFilterMaxCompression",
                                                    &TSeSkinFilterUltraCompressed::Class(), "mskn",
                                                    "Maximum Compressed");
}

void RegisterSkinFilter(const TSeSkinFilterClass& filter)
{
    Filters().push_back(&filter);
}

void UnregisterSkinFilter(const TSeSkinFilterClass& filter)
{
    auto& filters = Filters();
    for (auto it = filters.begin(); it != filters.end(); ++it) {
        if (*it == &filter) {
            filters.erase(it);
            return;
        }
    }
}

const TSeSkinFilterClass* FindSkinFilter(const std::string& fileName)
{
    const std::string extension = ExtractFileExt(fileName);
    for (const TSeSkinFilterClass* filter : Filters())
        if (SameText(extension, "." + filter->GetExtension()))
            return filter;
    return nullptr;
}

std::string GetSkinFilterString()
{
    std::string all, each;
    for (const TSeSkinFilterClass* filter : Filters()) {
        const std::string mask = "*." + filter->GetExtension();
        all += (all.empty() ? "" : ";") + mask;
        each += (each.empty() ? "" : "|") + filter->GetDescription() + " (" + mask + ")|" + mask;
    }
    return "All (" + all + ")|" + all + "|" + each;
}

const TSeSkinFilterClass* DefaultSkinFilter()
{
    return DefaultFilter();
}

void SetDefaultSkinFilter(const TSeSkinFilterClass* filter)
{
    DefaultFilter() = filter;
}
