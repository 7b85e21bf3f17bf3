#include "skin/engine/TeStreamString.h"

#include <algorithm>

#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"

std::string ReadStreamString(TStream& stream)
{
    const int32_t count = stream.ReadInt32();
    if (count < 0 || count > TStream::MaxBlockSize)
        throw EReadError("Invalid string length " + std::to_string(count) + " in stream");
    // Never more room than the data holds; a stream that cannot tell is read chunk by chunk.
    const int64_t remaining = stream.Remaining();
    const int64_t chunk = remaining >= 0 ? std::max<int64_t>(std::min<int64_t>(count, remaining), 1) : 64 * 1024;
    std::string text;
    int64_t left = count;
    while (left > 0) {
        const size_t at = text.size();
        const int64_t want = std::min(left, chunk);
        text.resize(at + static_cast<size_t>(want));
        const int64_t got = std::max<int64_t>(stream.Read(text.data() + at, want), 0);
        text.resize(at + static_cast<size_t>(got));
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
