#include "skin/engine/TeStreamString.h"

#include <algorithm>

#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"

std::string ReadStreamString(TStream& stream)
{
    const int32_t count = stream.ReadInt32();
    if (count < 0 || count > TStream::MaxBlockSize)
        throw EReadError("Invalid string length " + std::to_string(count) + " in stream");
    // Grown chunk by chunk, so a count larger than the data never allocates more than was read.
    constexpr int64_t chunk = 64 * 1024;
    std::string text;
    int64_t left = count;
    while (left > 0) {
        const size_t at = text.size();
        const int64_t want = std::min(left, chunk);
        text.resize(at + static_cast<size_t>(want));
        const int64_t got = stream.Read(text.data() + at, want);
        text.resize(at + static_cast<size_t>(std::max<int64_t>(got, 0)));
        if (got < want)
            break;
        left -= got;
    }
    return text;
}

void WriteStreamString(TStream& stream, const std::string& text)
{
    if (text.size() > static_cast<size_t>(TStream::MaxBlockSize))
        throw EWriteError("String too long for a stream");
    stream.WriteInt32(static_cast<int32_t>(text.size()));
    stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}
