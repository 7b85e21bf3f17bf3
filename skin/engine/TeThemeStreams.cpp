#include "skin/engine/TeThemeStreams.h"

#include "platform/core/Streams.h"
#include "skin/engine/TeStreamString.h"

namespace {

std::string ReadEntryString(TStream& stream)
{
    const int64_t remaining = stream.Remaining();
    if (remaining >= 0 && remaining < 4) {
        stream.Seek(0, TSeekOrigin::soEnd);
        return {};
    }
    return ReadStreamString(stream);
}

} // namespace

int ReadThemeCountByte(TStream& stream)
{
    uint8_t last = 0;
    return stream.Read(&last, 1) == 1 ? last : -1;
}

void WriteThemeCountByte(TStream& stream, int last)
{
    const auto byte = static_cast<uint8_t>(last);
    stream.WriteBuffer(&byte, 1);
}

ThemeStreamEntry ReadThemeEntry(TStream& stream)
{
    ThemeStreamEntry entry;
    entry.Name = ReadEntryString(stream);
    ReadEntryString(stream);
    entry.Value = ReadEntryString(stream);
    return entry;
}

void WriteThemeEntry(TStream& stream, const ThemeStreamEntry& entry)
{
    WriteStreamString(stream, entry.Name);
    WriteStreamString(stream, ":");
    WriteStreamString(stream, entry.Value);
}
